// The main window's list box after list commands: exactly what a full rebuild
// shows, painted as a full repaint paints it.
#include <gtest/gtest.h>

#include <random>

#include "app/editor_commands.h"
#include "document/list_lines.h"
#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;

// A main window on commands that write to the log.
struct MainWindow {
  explicit MainWindow(int commands) {
    ResetEditor();
    for (int i = 0; i < commands; ++i) AppendLog("Zeile " + std::to_string(i));
    window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                MainWindowProc, 0);
    ShowWindow(window, SW_SHOW), SetForegroundWindow(window);
  }
  ~MainWindow() { DestroyWindow(window); }
  HWND window;
};

// The pixels of the list as the screen shows it.
std::vector<DWORD> Picture(HWND list) {
  RECT r{};
  GetClientRect(list, &r);
  HDC screen = GetDC(list), memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  SelectObject(memory, bitmap), BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
  DeleteDC(memory);
  BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB}};
  std::vector<DWORD> pixels(size_t(r.right) * r.bottom);
  GetDIBits(screen, bitmap, 0, r.bottom, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap), ReleaseDC(list, screen);
  return pixels;
}

TEST(ListBox, RandomListCommandsShowWhatAFullRebuildShows) {
  MainWindow main(60);
  HWND list = GetDlgItem(main.window, IDC_MAIN_LIST);
  std::mt19937 random(7);
  const int commands[] = {IDC_MAIN_DELETE, IDC_MAIN_UP, IDC_MAIN_DOWN};
  for (int step = 0; step < 150; ++step) {
    const int line = int(random() % ListCount(main.window, IDC_MAIN_LIST));
    Select(main.window, line);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    CommandTable expected = App().Document;
    const int id = commands[random() % 3];
    auto change = id == IDC_MAIN_DELETE ? DeleteAt : id == IDC_MAIN_UP ? MoveUpAt : MoveDownAt;
    const std::optional<int> selected = change(expected, line);
    Command(main.window, id);
    ASSERT_EQ(Lines(main.window), BuildListLines(expected)) << "step " << step;
    ASSERT_EQ(Selection(main.window, IDC_MAIN_LIST), selected.value_or(line)) << "step " << step;
    UpdateWindow(list);
    const std::vector<DWORD> shown = Picture(list);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ASSERT_EQ(shown, Picture(list)) << "step " << step << ": a changed line was not painted";
  }
}

}  // namespace
}  // namespace wavoria
