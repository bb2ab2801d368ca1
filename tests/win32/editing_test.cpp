// Editing as makers expect, driven for real under Wine: the main window's keys
// by SendInput through its own modal loop, Enter, the double-click and the
// context menu by mouse and keyboard, undo and redo with the modified flag,
// the real clipboard, and the system's script choosers.
#include <windows.h>
// windows.h first: dlgs.h needs its types.
#include <dlgs.h>
#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "app/editor_rules.h"
#include "dialogs/details_text.h"
#include "document/script_reader.h"
#include "document/text.h"
#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;
using EditingKeys = EditorWindows;
using Clipboard = EditorWindows;
using SaveChooser = EditorWindows;

// The open popup menu's rectangle on the screen; empty without one.
RECT OpenMenu() {
  RECT r{};
  HWND menu = FindWindowA("#32768", nullptr);
  if (menu != nullptr && IsWindowVisible(menu)) GetWindowRect(menu, &r);
  return r;
}

// The clipboard's text, and whether it is offered as Unicode text too.
std::pair<std::string, bool> ClipboardText() {
  std::string text = "<busy>";
  if (!OpenClipboard(nullptr)) return {text, false};
  HANDLE data = GetClipboardData(CF_TEXT);
  // Only the memory's own bytes, as a program that pastes it reads them.
  const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : "";
  text.assign(bytes, data != nullptr ? strnlen(bytes, GlobalSize(data)) : 0);
  if (data != nullptr) GlobalUnlock(data);
  CloseClipboard();
  return {text, IsClipboardFormatAvailable(CF_UNICODETEXT) != 0};
}

// Puts text on the clipboard, as a Unicode text editor does (CF_UNICODETEXT)
// or a program that offers plain bytes (CF_TEXT).
template <typename Text>
void PutOnClipboard(const Text& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(text[0]);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  SetClipboardData(sizeof(text[0]) == 1 ? CF_TEXT : CF_UNICODETEXT, memory);
  CloseClipboard();
}

// Each key does what its menu item or button does, with the same refusals,
// and leaves the focus on the list; the modified flag follows undo and redo
// back to the saved script. Every key is sent while the window's own modal
// loop runs, and the step after it sees the result.
TEST_F(EditingKeys, EachKeyDoesWhatItsMenuItemDoes) {
  TempFolder folder("keys");
  const std::string path = folder.File("a.script.wav"), other = folder.File("b.script.wav"),
                    third = folder.File("o.script.wav");
  for (const char* text : {"a", "b", "c"}) AppendLog(text);
  App().DocumentPath = path;
  WriteFile(third, "[Execute]\r\nAction=WriteToLog\r\nText=o\r\n");
  ChooserStub chooser({other, third});
  const WORD ctrl = VK_CONTROL, shift = VK_SHIFT, alt = VK_MENU;
  // Each key once (Strg+Z twice, to redo with Strg+Umschalt+Z too); the
  // refusals and the undo of every command are the core's. File: the
  // script's file while the key is sent (0 a, 1 b, 2 o, 3 none).
  const struct {
    int File, Select;
    WORD Key;
    std::initializer_list<WORD> Held;
    const char* Texts;
    int Selected;
    bool Modified;
  } rows[] = {{0, 2, VK_DELETE, {}, "ac", 1, true},      {0, 3, 'Z', {ctrl}, "abc", 2, false},
              {0, 0, 'Y', {ctrl}, "ac", 1, true},        {0, 1, 'Z', {ctrl}, "abc", 2, false},
              {0, 1, 'Z', {ctrl, shift}, "ac", 1, true}, {0, 2, VK_UP, {alt}, "ca", 1, true},
              {0, 1, VK_DOWN, {alt}, "ac", 2, true},     {0, 1, 'X', {ctrl}, "c", 0, true},
              {0, 2, 'V', {ctrl}, "ca", 2, true},        {0, 1, 'C', {ctrl}, "ca", 1, true},
              {0, 0, 'V', {ctrl}, "cca", 1, true},       {0, 1, 'S', {ctrl}, "cca", 1, false},
              {0, 1, 'Z', {ctrl}, "ca", 0, true},        {0, 3, 'S', {ctrl, shift}, "ca", 3, false},
              {1, 2, 'O', {ctrl}, "o", 0, false},        {2, 1, 'N', {ctrl}, "", 0, false}};
  const std::string files[] = {path, other, third, ""};
  const auto* previous = static_cast<const std::remove_reference_t<decltype(rows[0])>*>(nullptr);
  // The title marks unsaved changes, and loses the mark on saving and on
  // undoing back to the saved script.
  auto check = [&previous](HWND w, const std::string& file) {
    EXPECT_EQ(std::tuple(Texts(w), SelectedLines(w), App().History.Modified(), GetFocus(),
                         GetWindowString(w)),
              std::tuple(std::string(previous->Texts), previous->Selected, previous->Modified,
                         GetDlgItem(w, IDC_MAIN_LIST), WindowTitle(file, previous->Modified)))
        << "key " << previous->Key << " on line " << previous->Select;
  };
  for (const auto& row : rows) {
    driver.Then(WindowTitle(files[row.File]), [&, check](HWND w) {
      if (previous != nullptr) check(w, files[row.File]);
      previous = &row;
      SetForegroundWindow(w), SelectLines(w, row.Select);
      SetFocus(GetDlgItem(w, IDC_MAIN_UP));  // the keys work wherever the focus is
      SendKeys({row.Key}, row.Held);
    });
  }
  FinishWith(driver, WindowTitle(""), [&](HWND w) { check(w, ""); });
  EXPECT_NE(FileBytes(other), "<missing>");  // Strg+Umschalt+S wrote it
}

// Enter and a double-click edit a line (the script line is renamed, the end
// line and the room below the lines do nothing); a right-click selects its
// line and opens the "Bearbeiten" menu there, Umschalt+F10 and the
// context-menu key at the selected line; Esc closes nothing.
TEST_F(EditingKeys, EnterDoubleClickAndTheContextMenu) {
  for (const char* text : {"a", "b", "c"}) AppendLog(text);
  const std::string title = WindowTitle("");
  auto on = [&](auto act) {
    driver.Then(title, [act](HWND w) {
      SetForegroundWindow(w);
      act(w, GetDlgItem(w, IDC_MAIN_LIST));
    });
  };
  auto cancelLog = [&](const char* shown) {
    driver.Then("In Logdatei schreiben", [shown](HWND d) {
      EXPECT_EQ(GetItemText(d, IDC_LOG_TEXT), shown);
      Click(d, IDC_LOG_CANCEL);
    });
  };
  on([](HWND w, HWND list) { SelectLines(w, 1), SetFocus(list), SendKeys({VK_RETURN}); });
  cancelLog("a");
  on([](HWND w, HWND) { SelectLines(w, 0), SendKeys({VK_RETURN}); });
  driver.Then("Skript umbenennen", [](HWND d) { Click(d, IDC_RENAME_CANCEL); });
  on([](HWND w, HWND) { SelectLines(w, 4), SendKeys({VK_RETURN, VK_ESCAPE}); });
  // After Alt+Pfeil oben the list has the keys, not the menu bar, also when
  // Alt is let go first, as a quick hand does.
  on([](HWND w, HWND list) {
    SelectLines(w, 3), SetFocus(list);
    INPUT keys[] = {{INPUT_KEYBOARD, {.ki = {VK_MENU, 0, 0}}},
                    {INPUT_KEYBOARD, {.ki = {VK_UP, 0, 0}}},
                    {INPUT_KEYBOARD, {.ki = {VK_MENU, 0, KEYEVENTF_KEYUP}}},
                    {INPUT_KEYBOARD, {.ki = {VK_UP, 0, KEYEVENTF_KEYUP}}}};
    SendInput(4, keys, sizeof(INPUT));
  });
  on([](HWND, HWND) { SendKeys({VK_DOWN}); });
  on([](HWND w, HWND) {
    EXPECT_EQ(std::tuple(Texts(w), SelectedLines(w)), std::tuple(std::string("acb"), 3));
    SendKeys({VK_UP}, {VK_MENU});  // back, for what follows
  });
  on([](HWND w, HWND) { ClickAt(PointOfLine(w, 2), false, 2); });
  cancelLog("b");
  // F2 edits and Einfg adds, as their buttons do; a dialog keeps its own
  // keys: Entf there deletes the selected text, not the command.
  on([](HWND w, HWND) { SelectLines(w, 1), SendKeys({VK_F2}); });
  driver.Then("In Logdatei schreiben", [](HWND d) {
    SetFocus(GetDlgItem(d, IDC_LOG_TEXT));
    SendDlgItemMessageA(d, IDC_LOG_TEXT, EM_SETSEL, 0, -1);
    SendKeys({VK_DELETE});
  });
  driver.Then("In Logdatei schreiben", [](HWND d) {
    EXPECT_EQ(std::pair(GetItemText(d, IDC_LOG_TEXT), App().Document.LastPosition()),
              std::pair(std::string(), 3));
    Click(d, IDC_LOG_CANCEL);
  });
  on([](HWND w, HWND) { SelectLines(w, 2), SendKeys({VK_INSERT}); });
  driver.Then("Kommando hinzufügen", [](HWND d) { Click(d, IDC_CHOOSER_KEY_ON); });
  on([](HWND w, HWND) {
    EXPECT_EQ(Lines(w).at(2), "<> Tastensupport aktivieren");
    SendKeys({'Z'}, {VK_CONTROL});
  });
  on([](HWND, HWND list) {
    RECT r{};
    GetClientRect(list, &r);
    POINT below{r.right / 2, r.bottom - 4};
    ClientToScreen(list, &below);
    ClickAt(below, false, 2);
  });
  static POINT clicked;
  on([](HWND w, HWND) { SelectLines(w, 0), ClickAt(clicked = PointOfLine(w, 3), true); });
  on([](HWND w, HWND) {  // while the menu is open
    const RECT menu = OpenMenu();
    EXPECT_EQ(std::tuple(menu.left, menu.top, SelectedLines(w)),
              std::tuple(clicked.x, clicked.y, 3));
    SendKeys({'L'});  // "Kommando &löschen"
  });
  on([](HWND w, HWND) {
    EXPECT_EQ(std::tuple(Texts(w), SelectedLines(w)), std::tuple(std::string("ab"), 2));
  });
  for (WORD key : {VK_F10, VK_APPS}) {
    on([key](HWND w, HWND) {
      SelectLines(w, 1), SendKeys({key}, key == VK_F10 ? std::initializer_list<WORD>{VK_SHIFT}
                                                       : std::initializer_list<WORD>{});
    });
    on([key](HWND, HWND list) {
      RECT line{};
      SendMessageA(list, LB_GETITEMRECT, 1, LPARAM(&line));
      MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&line), 2);
      const RECT menu = OpenMenu();
      EXPECT_EQ(std::tuple(menu.top, menu.left > line.left, menu.left < line.right),
                std::tuple(line.bottom, true, true))
          << "key " << key;
      SendKeys({VK_ESCAPE});
    });
  }
  FinishWith(driver, title, [](HWND w) {
    EXPECT_EQ(std::tuple(OpenMenu().right, Texts(w)), std::tuple(0, std::string("ab")));
  });
}

// Kopieren puts the section on the real clipboard, which offers it as Unicode
// text too; what a text editor put there is pasted with its umlauts; a text
// without commands is refused and one with unknown keys warned about, as a
// file is; in the details text Strg+C copies text, and Strg+Z still undoes.
TEST_F(Clipboard, CommandsTravelThroughTheRealClipboard) {
  for (const char* text : {"a", "b", "c"}) AppendLog(text);
  const std::string title = WindowTitle("");
  driver.Then(title, [](HWND w) {
    SetForegroundWindow(w), SelectLines(w, 2), SendKeys({'C'}, {VK_CONTROL});
  });
  driver.Then(title, [](HWND w) {
    const std::string section = "[WIZ1]\r\nAction=WriteToLog\r\nText=b\r\n\r\n";
    EXPECT_EQ(ClipboardText(), std::pair(section, true));
    PutOnClipboard(
        std::wstring(L"; aus dem Editor\n[Neu]\nAction=WriteToLog\nText=Gr\u00fc\u00dfe\n"));
    SelectLines(w, 4), SendKeys({'V'}, {VK_CONTROL});
  });
  driver.Then(title, [](HWND w) {
    EXPECT_EQ(std::tuple(Lines(w).at(4), SelectedLines(w)),
              std::tuple(std::string("<> In Logdatei schreiben: Grüße"), 4));
    PutOnClipboard(std::wstring(L"Hallo"));
    SendKeys({'V'}, {VK_CONTROL});
  });
  ThenBox(driver, "Wavoria", kNoCommandsOnClipboardText, IDI_EXCLAMATION, {IDOK}, IDOK);
  driver.Then(title, [](HWND w) {
    EXPECT_EQ(std::pair(Texts(w), GetFocus()),
              std::pair(std::string("abce"), GetDlgItem(w, IDC_MAIN_LIST)));
    PutOnClipboard(std::wstring(L"[X]\r\nAction=WriteToLog\r\nText=x\r\nFarbe=blau\r\n"));
    SendKeys({'V'}, {VK_CONTROL});
  });
  CommandTable opened;  // the paste warns as opening the text as a file would, of the clipboard
  ThenBox(driver, "Wavoria",
          WarningTexts(ParseScript("[X]\r\nAction=WriteToLog\r\nText=x\r\nFarbe=blau\r\n",
                                   App().Tables.Actions, opened),
                       {}, kWarningLinesShown, ReadSource::kClipboard)
              .at(0),
          IDI_EXCLAMATION, {IDOK}, IDOK);
  driver.Then(title, [](HWND w) {  // in the details text Strg+C copies its selection
    SetFocus(GetDlgItem(w, IDC_MAIN_DETAILS_TEXT));
    SendDlgItemMessageA(w, IDC_MAIN_DETAILS_TEXT, EM_SETSEL, 0, -1);
    SendKeys({'C'}, {VK_CONTROL});
  });
  driver.Then(title, [](HWND w) {
    EXPECT_EQ(ClipboardText().first, GetItemText(w, IDC_MAIN_DETAILS_TEXT));
    SendKeys({'Z'}, {VK_CONTROL});
  });
  // Another program holds the clipboard: Ausschneiden says so and keeps the command.
  HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread holder;
  const Restore let([&] {  // also when a step failed
    SetEvent(release);
    if (holder.joinable()) holder.join();
    CloseHandle(held), CloseHandle(release);
  });
  driver.Then(title, [&](HWND w) {
    EXPECT_EQ(Texts(w), "abce");
    holder = std::thread([&] {
      const bool open = OpenClipboard(nullptr);
      SetEvent(held);
      WaitForSingleObject(release, 20000);
      if (open) CloseClipboard();
    });
    WaitForSingleObject(held, 5000);
    SelectLines(w, 2), SendKeys({'X'}, {VK_CONTROL});
  });
  ThenBox(driver, "Wavoria", kClipboardBusyText, IDI_EXCLAMATION, {IDOK}, IDOK);
  FinishWith(driver, title, [&](HWND w) {
    SetEvent(release);
    EXPECT_EQ(Texts(w), "abce") << "the command was cut although the clipboard was busy";
    // The Bearb. button shows the selected line's kind.
    auto icon = [w] {
      return SendDlgItemMessageA(w, IDC_MAIN_DETAILS_BUTTON, BM_GETIMAGE, IMAGE_ICON, 0);
    };
    SelectLines(w, 0);
    const LRESULT head = icon();
    SelectLines(w, 2);
    EXPECT_NE(icon(), head) << "Bearb. kept the script line's icon on a log command";
  });
}

// A section whose Text holds 300 random bytes, pasted from the real clipboard
// (such bytes in the details box once crashed Wine's text shaping): the list
// and the details show them escaped, as the core says, while lines are
// selected; the rename dialog keeps an escaped name; Speichern writes them all.
TEST_F(Clipboard, RandomBytesAreShownEscapedAndSavedAsTheyCame) {
  TempFolder folder("bytes");
  const std::string path = folder.File("zufall.script.wav"), name = "Mein\x01Skript";
  App().DocumentPath = path, App().Document.ScriptName = name;
  std::string value = "<";  // nothing at its ends for the reader to trim
  for (std::mt19937 random(36); value.size() < 301;) {
    if (const char c = char(random()); c != '\0' && c != '\r' && c != '\n') value += c;
  }
  value += '>';
  driver.Then(WindowTitle(path), [&](HWND w) {
    PutOnClipboard("[Zufall]\r\nAction=WriteToLog\r\nText=" + value + "\r\n");
    SetForegroundWindow(w), SelectLines(w, 1), SendKeys({'V'}, {VK_CONTROL});
  });
  for (WORD key : {VK_UP, VK_DOWN, VK_DOWN, VK_UP}) {
    driver.Then(WindowTitle(path), [key](HWND w) {
      const std::string details = GetItemText(w, IDC_MAIN_DETAILS_TEXT), line = Lines(w).at(1);
      const Details said = DetailsOf(App().Document, SelectedLines(w).First, App().DocumentPath);
      EXPECT_EQ(std::tuple(details, GetItemText(w, IDC_MAIN_SECTION), GetItemText(w, IDC_MAIN_NEXT),
                           Displayable(details, std::string::npos, true), Displayable(line)),
                std::tuple(said.Text, said.SectionLabel, said.NextLabel, details, line))
          << "the details of the selected line, and a byte a control must not get";
      SendKeys({key});
    });
  }
  driver.Then(WindowTitle(path), [](HWND w) { SelectLines(w, 0), Click(w, IDC_MAIN_EDIT); });
  driver.Then("Skript umbenennen", [&](HWND d) {
    EXPECT_EQ(GetItemText(d, IDC_RENAME_NAME), Displayable(name));
    Click(d, IDC_RENAME_OK);
  });
  FinishWith(driver, WindowTitle(path), [&](HWND w) {
    Command(w, IDM_SAVE);
    CommandTable saved;
    ParseScript(FileBytes(path), App().Tables.Actions, saved);
    EXPECT_EQ(std::pair(saved.ScriptName, saved.CommandAt(1)->Text), std::pair(name, value));
  });
}

// The system's script choosers: Öffnen's shows scripts, and its cancel
// chooses nothing. Speichern's offers the script's own name and asks before
// replacing it; a name typed without extension is saved as a script, and the
// question names that file; under "Alle Dateien" the name stays as typed.
TEST_F(SaveChooser, ANameWithoutExtensionIsSavedAsAScript) {
  TempFolder folder("save-chooser");
  App().DocumentPath = folder.File("alt.script.wav");
  WriteFile(App().DocumentPath, "alt");
  const std::string script = folder.File("spielstart.script.wav");
  auto type = [](const char* name, int filter) {
    return [=](HWND d) {
      SendDlgItemMessageA(d, cmb1, CB_SETCURSEL, filter, 0);  // as a user's choice ends
      SendMessageA(d, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), LPARAM(GetDlgItem(d, cmb1)));
      SetDlgItemTextA(d, cmb13, name);  // the chooser without a hook names its box so
      Click(d, IDOK);
    };
  };
  std::string chosen = "?";
  driver.Then("Skript öffnen", [](HWND d) {
    EXPECT_EQ(GetItemText(d, cmb1), "Klavato-Skript (*.script.wav)");
    Click(d, IDCANCEL);
  });
  ASSERT_TRUE(driver.Run([&] { chosen = ChooseScriptToOpen(nullptr); })) << driver.Problems();
  EXPECT_EQ(chosen, "");
  const auto save = [&] { chosen = ChooseScriptToSave(nullptr); };
  driver.Then("Skript speichern", [](HWND d) { Click(d, IDOK); });  // the name offered
  ThenBox(driver, "Skript speichern", OverwriteQuestion(App().DocumentPath), IDI_EXCLAMATION,
          {IDYES, IDNO}, IDYES);
  ASSERT_TRUE(driver.Run(save)) << driver.Problems();
  EXPECT_TRUE(EqualsIgnoreCase(chosen, App().DocumentPath)) << chosen;
  driver.Then("Skript speichern", type("spielstart", 0));
  ASSERT_TRUE(driver.Run(save)) << driver.Problems();
  EXPECT_TRUE(EqualsIgnoreCase(chosen, script)) << chosen;
  WriteFile(script, "alt");
  driver.Then("Skript speichern", type("spielstart", 0));
  ThenBox(driver, "Skript speichern", OverwriteQuestion(script), IDI_EXCLAMATION, {IDYES, IDNO},
          IDNO);
  driver.Then("Skript speichern", type("spielstart", 1));
  ASSERT_TRUE(driver.Run(save)) << driver.Problems();
  EXPECT_TRUE(EqualsIgnoreCase(chosen, folder.File("spielstart"))) << chosen;
  EXPECT_EQ(FileBytes(App().DocumentPath) + FileBytes(script), "altalt");
}

}  // namespace
}  // namespace wavoria
