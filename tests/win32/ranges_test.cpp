// Ranges of commands, find and replace, driven for real under Wine: the range
// made with Umschalt and the arrow keys and with Umschalt and a click, moved,
// duplicated, deleted and undone by their keys; copied into a second running
// Wavoria through the real clipboard; Strg+F, F3, Umschalt+F3 and Strg+H
// through the system's boxes, typed into as a user types.
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

// Types lower-case letters as the keyboard does.
void Type(std::string_view letters) {
  std::vector<INPUT> input;
  for (char c : letters) {
    const WORD key = WORD(c - 'a' + 'A');
    input.push_back({INPUT_KEYBOARD, {.ki = {key, 0, 0}}});
    input.push_back({INPUT_KEYBOARD, {.ki = {key, 0, KEYEVENTF_KEYUP}}});
  }
  SendInput(UINT(input.size()), input.data(), sizeof(INPUT));
}

// The texts, the selected lines, and the lines the list box itself selects.
std::tuple<std::string, LineRange, LRESULT> Shown(HWND w) {
  return {Texts(w), SelectedLines(w), SendDlgItemMessageA(w, IDC_MAIN_LIST, LB_GETSELCOUNT, 0, 0)};
}

// Each step waits for the main window, brings it forward and acts on it.
struct OnMainWindow {
  DialogDriver& Driver;
  void operator()(std::function<void(HWND)> act) const {
    Driver.Then(WindowTitle(""), [act](HWND w) { SetForegroundWindow(w), act(w); });
  }
};

TEST_F(Ranges, MadeByKeysAndClicksMovedDuplicatedDeletedAndUndone) {
  for (const char* text : {"a", "b", "c", "d", "e", "f"}) AppendLog(text);
  const OnMainWindow on{driver};
  on([](HWND w) {
    SelectLines(w, 2), SetFocus(GetDlgItem(w, IDC_MAIN_LIST));
    SendKeys({VK_DOWN, VK_DOWN}, {VK_SHIFT});
  });
  on([](HWND w) {
    EXPECT_EQ(Shown(w), std::tuple("abcdef", LineRange(2, 4), 3));
    // The count and the first command, as the core says them; more as fit.
    const std::string all = DetailsOfRange(Lines(w), {2, 4}, {100, 100}).Text;
    const std::size_t two = all.find("\r\n", all.find("\r\n") + 2);
    EXPECT_EQ(GetItemText(w, IDC_MAIN_DETAILS_TEXT).substr(0, two), all.substr(0, two));
    SendKeys({VK_DOWN}, {VK_MENU});
  });
  on([](HWND w) {
    EXPECT_EQ(Shown(w), std::tuple("aebcdf", LineRange(3, 5), 3)) << "Alt+Pfeil unten";
    SendKeys({VK_RETURN, VK_F2});  // a range has nothing to edit: no dialog opens
  });
  on([](HWND) { SendKeys({VK_DELETE}); });
  on([](HWND w) {
    EXPECT_EQ(Shown(w), std::tuple("aef", LineRange(2), 1)) << "Entf";
    SendKeys({'Z'}, {VK_CONTROL});
  });
  on([](HWND w) {
    EXPECT_EQ(Shown(w), std::tuple("aebcdf", LineRange(3, 5), 3)) << "Strg+Z";
    ClickAt(PointOfLine(w, 6));
    ClickAt(PointOfLine(w, 0), false, 1, VK_SHIFT);  // up to the script line
  });
  on([](HWND w) {
    EXPECT_EQ(Shown(w), std::tuple("aebcdf", LineRange(1, 6), 6)) << "Umschalt+click";
    SendKeys({'D'}, {VK_CONTROL});
  });
  on([](HWND w) {
    EXPECT_EQ(Shown(w), std::tuple("aebcdfaebcdf", LineRange(7, 12), 6)) << "Strg+D";
    SendKeys({'Z'}, {VK_CONTROL});
  });
  on([](HWND) { SendKeys({'A'}, {VK_CONTROL}), SendKeys({VK_DELETE}); });
  on([](HWND w) {
    EXPECT_EQ(Shown(w), std::tuple("", LineRange(0), 1)) << "Strg+A, Entf";
    SendKeys({'Z'}, {VK_CONTROL});
  });
  FinishWith(driver, WindowTitle(""),
             [](HWND w) { EXPECT_EQ(Shown(w), std::tuple("aebcdf", LineRange(1, 6), 6)); });
}

// A range copied with Strg+C is pasted into another running Wavoria, which
// saves it with Strg+S.
TEST_F(Ranges, CopiedIntoASecondRunningWavoria) {
  for (const char* text : {"a", "b", "c", "d"}) AppendLog(text);
  TempFolder folder("second wavoria");
  const std::string program = folder.File("wavoria.exe"), script = folder.File("ziel.script.wav");
  ASSERT_TRUE(CopyFileA((ProgramFolder() + "\\..\\..\\wavoria.exe").c_str(), program.c_str(), 0));
  for (const char* name : {"keys.dat", "actions.dat"}) {
    const std::string source = "Z:" + std::string(__FILE__) + "/../../../data/" + name;
    ASSERT_TRUE(CopyFileA(source.c_str(), folder.File(name).c_str(), 0)) << name;
  }
  const std::string target = "[Execute]\r\nAction=WriteToLog\r\nText=x\r\n";
  WriteFile(script, target);
  const OnMainWindow on{driver};
  on([](HWND w) {
    SelectLines(w, 2), SetFocus(GetDlgItem(w, IDC_MAIN_LIST));
    SendKeys({VK_DOWN}, {VK_SHIFT});
  });
  on([](HWND) { SendKeys({'C'}, {VK_CONTROL}); });
  on([&](HWND) {
    std::string line = "\"" + program + "\" \"" + script + "\"";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION second = {};
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &second));
    HWND other = nullptr;
    for (const DWORD end = GetTickCount() + 20000; other == nullptr && GetTickCount() < end;)
      Sleep(50), other = FindWindowA(nullptr, WindowTitle(script).c_str());
    EXPECT_NE(other, nullptr) << "the second Wavoria showed no window";
    SetForegroundWindow(other);
    SendKeys({'V', 'S'}, {VK_CONTROL});
    for (const DWORD end = GetTickCount() + 10000; FileBytes(script) == target;) {
      if (GetTickCount() > end) break;
      Sleep(50);
    }
    PostMessageA(other, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(second.hProcess, 10000), WAIT_OBJECT_0);
    TerminateProcess(second.hProcess, 1);
    CloseHandle(second.hThread), CloseHandle(second.hProcess);
  });
  FinishWith(driver, WindowTitle(""), [&](HWND) {
    CommandTable saved;
    ParseScript(FileBytes(script), App().Tables.Actions, saved);
    std::string texts;
    for (int p = 1; p <= saved.LastPosition(); ++p) texts += saved.CommandAt(p)->Text;
    EXPECT_EQ(texts, "bcx") << "the range, pasted in front of the second script's command";
  });
}

// Strg+F opens the find box with the focus in its text; Enter searches on,
// wrapping once with a note; Esc closes it, and F3 and Umschalt+F3 search
// on without it. Strg+H opens the replace box with its text kept, Tab leads
// to the replacement, Alt+A replaces all values and says so, as one step.
TEST_F(FindAndReplace, ByKeysThroughTheSystemsBoxes) {
  for (const char* text : {"Schatz gefunden", "b", "schatz", "d"}) AppendLog(text);
  CommandTable replaced = App().Document, listed = App().Document;
  const std::string said =
      ReplacedMessage(ReplaceAll(replaced, {}, BuildListLines(listed), {"schatz"}, "gold", 0));
  const OnMainWindow on{driver};
  auto inBox = [&](const char* title, std::function<void(HWND box, HWND w)> act) {
    driver.Then(title, [act](HWND box) { act(box, App().MainWindow); });
  };
  on([](HWND w) { SelectLines(w, 0), SendKeys({'F'}, {VK_CONTROL}); });
  inBox("Suchen", [](HWND box, HWND) {
    EXPECT_EQ(GetFocus(), GetDlgItem(box, edt1));
    Type("schatz"), SendKeys({VK_RETURN});
  });
  inBox("Suchen", [](HWND, HWND w) {
    EXPECT_EQ(SelectedLines(w), LineRange(1));
    SendKeys({VK_RETURN});
  });
  inBox("Suchen", [](HWND, HWND w) {
    EXPECT_EQ(SelectedLines(w), LineRange(3));
    SendKeys({VK_RETURN});
  });
  ThenBox(driver, "Wavoria", WrapNotice::Message(true), IDI_ASTERISK, {IDOK}, IDOK);
  inBox("Suchen", [](HWND, HWND w) {
    EXPECT_EQ(SelectedLines(w), LineRange(1)) << "wrapped";
    SendKeys({VK_ESCAPE});
  });
  on([](HWND w) {
    EXPECT_EQ(GetFocus(), GetDlgItem(w, IDC_MAIN_LIST)) << "the box closed";
    SendKeys({VK_F3}), SendKeys({VK_F3});  // the wrap is said once
  });
  on([](HWND w) {
    EXPECT_EQ(SelectedLines(w), LineRange(1)) << "F3 twice";
    SendKeys({VK_F3}, {VK_SHIFT});
  });
  on([](HWND w) {
    EXPECT_EQ(SelectedLines(w), LineRange(3)) << "Umschalt+F3";
    SendKeys({'H'}, {VK_CONTROL});
  });
  inBox("Ersetzen", [](HWND box, HWND) {
    EXPECT_EQ(std::pair(GetFocus(), GetItemText(box, edt1)),
              std::pair(GetDlgItem(box, edt1), std::string("schatz")));
    SendKeys({VK_TAB});
  });
  inBox("Ersetzen", [](HWND box, HWND) {
    EXPECT_EQ(GetFocus(), GetDlgItem(box, edt2));
    Type("gold"), SendKeys({'A'}, {VK_MENU});
  });
  ThenBox(driver, "Wavoria", said, IDI_ASTERISK, {IDOK}, IDOK);
  inBox("Ersetzen", [](HWND, HWND w) {
    EXPECT_EQ(Lines(w).at(3), "<> In Logdatei schreiben: gold");
    SendKeys({VK_RETURN});  // Weitersuchen: no value holds it any more
  });
  ThenBox(driver, "Wavoria", NotFoundMessage("schatz"), IDI_ASTERISK, {IDOK}, IDOK);
  inBox("Ersetzen", [](HWND, HWND) { SendKeys({VK_ESCAPE}); });
  on([](HWND) { SendKeys({'Z'}, {VK_CONTROL}); });
  FinishWith(driver, WindowTitle(""), [](HWND w) {
    EXPECT_EQ(Lines(w).at(3), "<> In Logdatei schreiben: schatz") << "one step undone";
  });
}

}  // namespace
}  // namespace wavoria
