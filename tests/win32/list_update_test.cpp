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
using ListBox = EditorWindows;

TEST_F(ListBox, RandomListCommandsShowWhatAFullRebuildShows) {
  for (int i = 0; i < 60; ++i) AppendLog("Zeile " + std::to_string(i));
  FinishWith(driver, WindowTitle(""), [](HWND window) {
    HWND list = GetDlgItem(window, IDC_MAIN_LIST);
    std::mt19937 random(7);
    const int commands[] = {IDC_MAIN_DELETE, IDC_MAIN_UP, IDC_MAIN_DOWN};
    for (int step = 0; step < 150; ++step) {
      const int line = int(random() % Lines(window).size());
      SelectLine(window, line);
      RedrawWindow(list, nullptr, nullptr, kFullRepaint);
      if (step % 4 == 3) {
        // As when a closing window uncovers the list: it shows something
        // else and waits for its paint, which the command must not drop.
        HDC dc = GetWindowDC(list);
        RECT all{};
        GetWindowRect(list, &all);
        OffsetRect(&all, -all.left, -all.top);
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(list, dc);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      }
      CommandTable expected = App().Document;
      const int id = commands[random() % 3];
      auto change = id == IDC_MAIN_DELETE ? DeleteAt : id == IDC_MAIN_UP ? MoveUpAt : MoveDownAt;
      std::optional<int> selected = change(expected, line);
      if (step % 10 == 9) {  // now and then the selection moves by the arrow key instead
        expected = App().Document;
        selected = std::min(line + 1, int(Lines(window).size()) - 1);
        PressKeys({VK_DOWN});
      } else {
        Command(window, id);
      }
      ASSERT_EQ(Lines(window), BuildListLines(expected)) << "step " << step;
      ASSERT_EQ(SelectedLine(window), selected.value_or(line)) << "step " << step;
      UpdateWindow(list);
      const std::vector<DWORD> shown = WindowPicture(list);
      RedrawWindow(list, nullptr, nullptr, kFullRepaint);
      ASSERT_EQ(shown, WindowPicture(list))
          << "step " << step << ": a changed line or the scroll bar was not painted";
    }
  });
}

}  // namespace
}  // namespace wavoria
