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
  for (int i = 0; i < 32; ++i) AppendLog("Zeile " + std::to_string(i));
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
      } else if (step > 50 && step % 3 == 1 && CanAddAt(App().Document, line)) {
        // or, once the list is short, a command is added in front of it, as
        // after Hinzufügen, so that the scroll bar comes and goes
        Buffer().Action = "WriteToLog";
        Buffer().Text = "neu " + std::to_string(step);
        selected = AddFromEditBuffer(App().Document, line);
        expected = App().Document;
        UpdateCommandList(window, *selected);
      } else if (step % 10 == 4 && App().Document.CommandAt(line) != nullptr) {
        // or the selected command changes, as after Bearbeiten, in the focused list
        App().Document.CommandAt(line)->Text += "+";
        expected = App().Document;
        selected = line;
        SetFocus(list);
        UpdateCommandList(window, line);
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

// The window sets the list's scroll bar itself: whatever scrolls the list or
// changes its count, the bar shows what a list box's own bar shows.
TEST_F(ListBox, TheScrollBarShowsWhatAListBoxsOwnBarShows) {
  for (int i = 0; i < 32; ++i) AppendLog("Zeile " + std::to_string(i));
  FinishWith(driver, WindowTitle(""), [](HWND window) {
    HWND list = GetDlgItem(window, IDC_MAIN_LIST);
    RECT area{};
    GetWindowRect(list, &area);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
    HWND own = CreateWindowExA(
        WS_EX_CLIENTEDGE, "ListBox", "",
        WS_CHILD | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOTIFY,
        area.left, area.top, area.right - area.left, area.bottom - area.top, window, nullptr,
        nullptr, nullptr);
    SendMessageA(own, LB_SETITEMHEIGHT, 0, SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    auto bar = [](HWND box) {
      SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
      GetScrollInfo(box, SB_VERT, &info);
      const bool shown = (GetWindowLongA(box, GWL_STYLE) & WS_VSCROLL) != 0;
      return shown ? std::vector<int>{info.nMax, int(info.nPage), info.nPos} : std::vector<int>{};
    };
    // What the user does to the list, and a list command now and then.
    const std::vector<std::pair<UINT, WPARAM>> steps = {
        {WM_KEYDOWN, VK_NEXT},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA)},
        {WM_VSCROLL, SB_LINEDOWN},
        {WM_KEYDOWN, VK_END},
        {WM_VSCROLL, SB_PAGEUP},
        {WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 9)},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA)},
        {WM_KEYDOWN, VK_HOME}};
    for (int round = 0; round < 24; ++round) {
      for (const auto& [message, wparam] : steps) {
        SendMessageA(own, LB_SETCOUNT, SendMessageA(list, LB_GETCOUNT, 0, 0), 0);
        SendMessageA(own, LB_SETCURSEL, SelectedLine(window), 0);
        SendMessageA(own, LB_SETTOPINDEX, SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
        ASSERT_EQ(bar(list), bar(own)) << "round " << round;
        SendMessageA(list, message, wparam, 0);
        SendMessageA(own, message, wparam, 0);
        ASSERT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0),
                  SendMessageA(own, LB_GETTOPINDEX, 0, 0));
        ASSERT_EQ(bar(list), bar(own)) << "round " << round << ", message " << message;
      }
      Command(window, IDC_MAIN_DELETE);
    }
    DestroyWindow(own);
  });
}

}  // namespace
}  // namespace wavoria
