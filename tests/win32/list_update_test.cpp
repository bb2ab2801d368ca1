// The main window's list box after list commands: exactly what a full rebuild
// shows, painted as a full repaint paints it, and readable by other programs.
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
      SelectLines(window, line);
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
      std::optional<LineRange> selected = change(expected, line);
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
        App().Document.ChangeAt(line)->Text += "+";
        expected = App().Document;
        selected = line;
        SetFocus(list);
        UpdateCommandList(window, line);
      } else {
        Command(window, id);
      }
      ASSERT_EQ(Lines(window), BuildListLines(expected)) << "step " << step;
      ASSERT_EQ(SelectedLines(window), selected.value_or(line)) << "step " << step;
      UpdateWindow(list);
      const Picture shown = WindowPicture(list);
      RedrawWindow(list, nullptr, nullptr, kFullRepaint);
      ASSERT_TRUE(SamePicture(shown, WindowPicture(list)))
          << "step " << step << ": a changed line or the scroll bar was not painted";
    }
  });
}

// A list box that lost its lines behind the editor's back is filled anew by
// the next update.
TEST_F(ListBox, ABoxThatLostItsLinesIsFilledAnew) {
  for (const char* text : {"a", "b", "c"}) AppendLog(text);
  FinishWith(driver, WindowTitle(""), [](HWND window) {
    SendDlgItemMessageA(window, IDC_MAIN_LIST, LB_RESETCONTENT, 0, 0);
    UpdateCommandList(window, 2);
    EXPECT_EQ(std::pair(Lines(window), SelectedLines(window)),
              std::pair(BuildListLines(App().Document), LineRange(2)));
  });
}

// Another program on the same desktop (a screen reader, an automation tool)
// reads every line of the list and which lines are selected.
TEST_F(ListBox, AnotherProgramReadsEveryLine) {
  AppendLog("Größe über Straße");
  for (int i = 0; i < 40; ++i) AppendLog("Zeile " + std::to_string(i));
  FinishWith(driver, WindowTitle(""), [](HWND window) {
    TempFolder folder("outside");
    const std::string read = folder.File("read.txt");
    const auto list = LONG_PTR(GetDlgItem(window, IDC_MAIN_LIST));
    SelectLines(window, {2, 4});
    ASSERT_EQ(RunSecondProgram("--read-list " + std::to_string(list) + " \"" + read + "\""), 0u);
    std::string expected;
    for (const std::string& line : BuildListLines(App().Document)) expected += line + "\n";
    EXPECT_EQ(FileBytes(read), expected + "selected: 2 3 4\n");
  });
}

}  // namespace

namespace testing {

// The second program: writes to `file` each line of the list as a Unicode
// program reads it (in the program's code page), then the selected lines.
int ReadListAsAnotherProgram(HWND list, const std::string& file) {
  std::string read;
  for (int i = 0; i < int(SendMessageA(list, LB_GETCOUNT, 0, 0)); ++i) {
    std::wstring wide(SendMessageW(list, LB_GETTEXTLEN, i, 0) + 1, L'?');
    wide.resize(std::max<LRESULT>(SendMessageW(list, LB_GETTEXT, i, LPARAM(wide.data())), 0));
    std::string narrow(wide.size(), '\0');
    WideCharToMultiByte(1252, 0, wide.data(), int(wide.size()), narrow.data(), int(narrow.size()),
                        nullptr, nullptr);
    read += narrow + "\n";
  }
  std::vector<int> selected(std::max<LRESULT>(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 0));
  SendMessageA(list, LB_GETSELITEMS, selected.size(), LPARAM(selected.data()));
  read += "selected:";
  for (int line : selected) read += " " + std::to_string(line);
  return WriteFileAtomically(file, read + "\n") ? 0 : 1;
}

}  // namespace testing

}  // namespace wavoria
