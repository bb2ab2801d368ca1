// Ranges of commands, find and replace, driven for real under Wine: a range
// made with Umschalt and the arrow keys and with Umschalt and a click, moved
// and duplicated by their keys, and copied into a second
// running Wavoria through the real clipboard; Strg+F, F3 and Strg+H through
// the system's boxes, typed into as a user types.
#include <windows.h>
// windows.h first: dlgs.h needs its types.
#include <dlgs.h>
#include <gtest/gtest.h>

#include "app/find_replace.h"
#include "dialogs/details_text.h"
#include "document/script_reader.h"
#include "editor_test_support.h"
#include "platform/program_folder.h"

namespace wavoria {
namespace {

using namespace testing;
using Ranges = EditorWindows;
using FindAndReplace = EditorWindows;

// The texts, the selected lines, and how many lines the list box selects.
std::tuple<std::string, LineRange, LRESULT> Shown(HWND w) {
  return {Texts(w), SelectedLines(w), SendDlgItemMessageA(w, IDC_MAIN_LIST, LB_GETSELCOUNT, 0, 0)};
}

// Starts the program (with its data files) in `folder` on `script`, pastes
// into it with Strg+V, saves with Strg+S and closes it.
void PasteIntoASecondWavoria(const TempFolder& folder, const std::string& script) {
  const std::string program = folder.File("wavoria.exe"), before = FileBytes(script);
  ASSERT_TRUE(CopyFileA((ProgramFolder() + "\\..\\..\\wavoria.exe").c_str(), program.c_str(), 0));
  for (const char* name : {"keys.dat", "actions.dat"}) {
    ASSERT_TRUE(CopyFileA(SourceData(name).c_str(), folder.File(name).c_str(), 0)) << name;
  }
  const HANDLE second = cli::StartProgram("\"" + program + "\" \"" + script + "\"");
  ASSERT_NE(second, nullptr);
  HWND other = nullptr;
  for (const DWORD end = GetTickCount() + 20000; other == nullptr && GetTickCount() < end;)
    Sleep(50), other = FindWindowA(nullptr, WindowTitle(script).c_str());
  EXPECT_NE(other, nullptr) << "the second Wavoria showed no window";
  SetForegroundWindow(other);
  SendKeys({'V', 'S'}, {VK_CONTROL});
  for (const DWORD end = GetTickCount() + 10000;
       FileBytes(script) == before && GetTickCount() < end;)
    Sleep(50);
  PostMessageA(other, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(second, 10000), WAIT_OBJECT_0);
  TerminateProcess(second, 1), CloseHandle(second);
}

TEST_F(Ranges, ByKeysAndClicksMovedDuplicatedAndCopiedIntoASecondWavoria) {
  for (const char* text : {"a", "b", "c", "d", "e", "f"}) AppendLog(text);
  TempFolder folder("second wavoria");
  const std::string target = folder.File("ziel.script.wav");
  WriteFile(target, "[Execute]\r\nAction=WriteToLog\r\nText=x\r\n");
  auto on = [&](std::function<void(HWND)> act) {
    driver.Then(WindowTitle(""), [act](HWND w) { SetForegroundWindow(w), act(w); });
  };
  on([](HWND w) {
    SelectLines(w, 2), SetFocus(GetDlgItem(w, IDC_MAIN_LIST));
    SendKeys({VK_DOWN, VK_DOWN}, {VK_SHIFT});
  });
  on([](HWND w) {
    EXPECT_EQ(Shown(w), std::tuple("abcdef", LineRange(2, 4), 3));
    const std::string shown = GetItemText(w, IDC_MAIN_DETAILS_TEXT),
                      said = DetailsOfRange(Lines(w), {2, 4}, {}).Text;  // the count first
    EXPECT_EQ(shown.substr(0, shown.find('\r')), said.substr(0, said.find('\r')));
    SendKeys({VK_DOWN}, {VK_MENU});
  });
  on([](HWND w) {
    EXPECT_EQ(Shown(w), std::tuple("aebcdf", LineRange(3, 5), 3)) << "Alt+Pfeil unten";
    ClickAt(PointOfLine(w, 6));
    ClickAt(PointOfLine(w, 0), false, 1, VK_SHIFT);  // up to the script line
  });
  on([](HWND w) {
    EXPECT_EQ(Shown(w), std::tuple("aebcdf", LineRange(1, 6), 6)) << "Umschalt+click";
    SendKeys({'D'}, {VK_CONTROL});
  });
  on([](HWND w) {
    EXPECT_EQ(Shown(w), std::tuple("aebcdfaebcdf", LineRange(7, 12), 6)) << "Strg+D";
    SendKeys({'Z', 'A', 'C'}, {VK_CONTROL});
  });
  on([&](HWND) { PasteIntoASecondWavoria(folder, target); });
  FinishWith(driver, WindowTitle(""), [&](HWND) {
    CommandTable saved;
    ParseScript(FileBytes(target), App().Tables.Actions, saved);
    std::string texts;
    for (int p = 1; p <= saved.LastPosition(); ++p) texts += saved.CommandAt(p)->Text;
    EXPECT_EQ(texts, "aebcdfx") << "every command, pasted into the second script";
  });
}

// Strg+F opens the find box with the focus in its text, Enter searches on;
// F3 searches on without it. Strg+H opens the replace box with the text kept,
// Strg+A selects it to be typed over, Tab leads to the replacement, Alt+A
// replaces all values and says so with the core's words.
TEST_F(FindAndReplace, ByKeysThroughTheSystemsBoxes) {
  for (const char* text : {"Schatz gefunden", "b", "schatz", "d"}) AppendLog(text);
  CommandTable replaced = App().Document;
  const std::string said = ReplacedMessage(
      ReplaceAll(replaced, {}, BuildListLines(App().Document), {"schatz"}, "gold", 0));
  auto on = [&](const std::string& title, std::function<void(HWND box, HWND w)> act) {
    driver.Then(title, [act](HWND box) { act(box, App().MainWindow); });
  };
  on(WindowTitle(""), [](HWND, HWND w) { SetForegroundWindow(w), SendKeys({'F'}, {VK_CONTROL}); });
  on("Suchen", [](HWND box, HWND) {
    EXPECT_EQ(GetFocus(), GetDlgItem(box, edt1));
    SendKeys({'Z', VK_RETURN});  // one letter, only in the lines with "Schatz"
  });
  for (int again : {0, 1}) {  // Esc closes the box, and Strg+F opens it again
    on("Suchen", [again](HWND, HWND w) {
      EXPECT_EQ(SelectedLines(w), LineRange(1));
      SendKeys({VK_ESCAPE});
      if (again == 0) SendKeys({'F'}, {VK_CONTROL});
    });
  }
  on(WindowTitle(""), [](HWND, HWND) { SendKeys({VK_F3}); });
  on(WindowTitle(""), [](HWND, HWND w) {
    EXPECT_EQ(SelectedLines(w), LineRange(3)) << "F3";
    SendKeys({'H'}, {VK_CONTROL});
  });
  on("Ersetzen", [](HWND box, HWND) {
    EXPECT_EQ(GetItemText(box, edt1), "z");
    SendKeys({'A'}, {VK_CONTROL}), SendKeys({'S', 'C', 'H', 'A', 'T', 'Z', VK_TAB});
  });
  on("Ersetzen", [](HWND box, HWND) {
    EXPECT_EQ(GetFocus(), GetDlgItem(box, edt2));
    SendKeys({'G', 'O', 'L', 'D'}), SendKeys({'A'}, {VK_MENU});
  });
  ThenBox(driver, "Wavoria", said, IDI_ASTERISK, {IDOK}, IDOK);
  on("Ersetzen", [](HWND, HWND) { SendKeys({'A'}, {VK_MENU}); });  // nothing is left to replace
  ThenBox(driver, "Wavoria", NotFoundMessage("schatz"), IDI_ASTERISK, {IDOK}, IDOK);
  on("Ersetzen", [](HWND, HWND) { SendKeys({VK_ESCAPE}); });
  FinishWith(driver, WindowTitle(""),
             [](HWND w) { EXPECT_EQ(Lines(w).at(3), "<> In Logdatei schreiben: gold"); });
}

}  // namespace
}  // namespace wavoria
