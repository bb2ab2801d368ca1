// The editor's windows driven for real: the start screen and start-up, the
// main window's list commands by button and menu, About and leaving with the
// save prompt, the file commands and Notepad (choosers and Notepad stubbed),
// a failed save, and the worked example done by hand through the chooser and
// the dialogs, byte for byte.
#include <windows.h>
// windows.h first.
#include <gtest/gtest.h>

#include "app/editor_rules.h"
#include "app/program_win.h"
#include "dialogs/details_text.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "document/text.h"
#include "editor_test_support.h"
#include "shell/win_util_win.h"

namespace wavoria {
namespace {

using namespace testing;
using MainWindow = EditorWindows;
using FileCommands = EditorWindows;
using WorkedExample = EditorWindows;

TEST(StartScreen, EachButtonLeavesItsChoice) {
  // Öffnen asks for a file: the first chooser is cancelled, the second one chooses.
  for (int button :
       {IDC_START_WIZARD, IDC_START_NEW, IDC_START_OPEN, IDC_START_CANCEL, kCloseBox}) {
    ResetEditor();
    ChooserStub chooser({"", "C:\\gewählt.script.wav"});
    ProcessEndCounter ends;
    DialogDriver driver;
    driver.Then("Wavoria", [&](HWND d) {
      for (int id : {IDC_START_WIZARD, IDC_START_NEW, IDC_START_OPEN})
        EXPECT_NE(SendDlgItemMessageA(d, id, BM_GETIMAGE, IMAGE_ICON, 0), 0) << "no icon on " << id;
      EXPECT_NE(SendMessageA(d, WM_GETICON, ICON_SMALL, 0), 0) << "no icon in the title bar";
      if (button == IDC_START_OPEN) Command(d, button);
      Click(d, button);
    });
    ASSERT_TRUE(driver.Run(ShowStartScreen)) << driver.Problems();
    const bool ends_ = button == IDC_START_CANCEL || button == kCloseBox;
    EXPECT_EQ(std::tuple(App().StartChoice, ends.Count(), App().ScriptToOpen),
              std::tuple(ends_ ? 0 : button, ends_ ? 1 : 0,
                         button == IDC_START_OPEN ? "C:\\gewählt.script.wav" : ""))
        << button;
  }
}

TEST(StartScreen, OfDroppedFilesTheFirstIsOpenedInTheEditor) {
  ResetEditor();
  const std::vector<std::string> files = {"C:\\a.script.wav", "C:\\b.script.wav"};
  DialogDriver driver;
  driver.Then("Wavoria", [&](HWND d) {
    EXPECT_TRUE(GetWindowLongA(d, GWL_EXSTYLE) &
                WS_EX_ACCEPTFILES);  // the shell drops nothing else
    Drop(d, files);
  });
  ThenBox(driver, "Wavoria", *DroppedFilesNote(files), IDI_ASTERISK, {IDOK}, IDOK);
  ASSERT_TRUE(driver.Run(ShowStartScreen)) << driver.Problems();
  EXPECT_EQ(std::pair(App().StartChoice, App().ScriptToOpen), std::pair(IDC_START_OPEN, files[0]));
}
// Start-up: without its data files the program ends after an error box that
// no window owns; a script named on the command line (in two parts) opens at
// once; one that is there but cannot be read (held by a running game) is
// named in a warning, and the start screen comes up.
TEST(StartUp, DataFilesAndTheScriptOnTheCommandLine) {
  ResetEditor();
  TempFolder folder("start up");
  const std::string script = folder.File("mein skript.script.wav"), data = ProgramFolder() + "\\";
  const size_t cut = script.rfind(' ');
  WriteFile(script, "[Execute]\r\n");
  const Restore noData([&] {
    for (const char* name : {"keys.dat", "actions.dat"}) DeleteFileA((data + name).c_str());
  });
  // data files there, the script held, the first state, the box and its icon
  const std::tuple<bool, bool, FlowState, std::string, LPCSTR> rows[] = {
      {false, false, FlowState::kExit, MissingDataFileMessage("keys.dat"), IDI_HAND},
      {true, false, FlowState::kEditor, "", nullptr},
      {true, true, FlowState::kStartScreen, CannotOpenMessage(script, FileError::InUse),
       IDI_EXCLAMATION}};
  for (const auto& [files, held, wanted, box, icon] : rows) {
    SCOPED_TRACE(box);
    for (const char* name : {"keys.dat", "actions.dat"}) {
      DeleteFileA((data + name).c_str());
      if (files) CopyFileA(SourceData(name).c_str(), (data + name).c_str(), TRUE);
    }
    HANDLE game =
        held ? CreateFileA(script.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)
             : nullptr;
    ProcessEndCounter ends;
    DialogDriver driver;
    if (!box.empty()) ThenBox(driver, "Wavoria", box, icon, {IDOK}, IDOK);
    FlowState first{};
    ASSERT_TRUE(driver.Run([&] {
      first = StartUp({script.substr(0, cut), script.substr(cut + 1)});
    })) << driver.Problems();
    if (game != nullptr) CloseHandle(game);
    EXPECT_EQ(std::tuple(int(first), ends.Count(), App().ScriptToOpen),
              std::tuple(int(wanted), files ? 0 : 1, wanted == FlowState::kEditor ? script : ""));
    App().ScriptToOpen.clear();
  }
}

// Ending the program ends the process at once, with success: nothing after
// it runs.
TEST(StartUp, EndingTheProgramEndsTheProcessAtOnce) {
  TempFolder folder("end");
  EXPECT_EQ(RunSecondProgram("--end-program \"" + folder.File("after") + "\""), 0u);
  EXPECT_FALSE(FileExists(folder.File("after"))) << "what came after it ran";
}

TEST_F(MainWindow, ListCommandsByButton) {
  for (const char* text : {"a", "b", "c", "n"}) AppendLog(text);
  App().Document.ChangeAt(4)->Action = "EnableKeySupport";  // "...aktivieren", no dialog
  App().Document.ChangeAt(4)->Enable = "True";
  // Each list command once by its button (their menu items by their keys in
  // the editing tests); Esc closes nothing.
  const struct {
    int Select, Command, Selected;
    const char* Texts;
    bool Modified;
  } steps[] = {{2, IDC_MAIN_UP, 1, "bacn", true},
               {1, IDC_MAIN_DOWN, 2, "abcn", true},
               {1, IDC_MAIN_DELETE, 0, "bcn", true},
               {0, IDCANCEL, 0, "bcn", false}};
  FinishWith(driver, WindowTitle(""), [&](HWND w) {
    for (const auto& s : steps) {
      App().History.SetModified(false);
      SelectLines(w, s.Select);
      Command(w, s.Command);
      EXPECT_EQ(std::tuple(Texts(w), SelectedLines(w), App().History.Modified()),
                std::tuple(std::string(s.Texts), s.Selected, s.Modified))
          << s.Command;
    }
    // Alt+E ("B&earbeiten") on the end line does nothing and leaves the focus
    // on the list: Up goes to line 2, "S" on to the line that begins with it.
    SetForegroundWindow(w), SelectLines(w, 3);
    SendKeys({'E'}, {VK_MENU}), PressKeys({VK_UP, 'S'});
    EXPECT_EQ(std::tuple(GetFocus(), SelectedLines(w)),
              std::tuple(GetDlgItem(w, IDC_MAIN_LIST), 0));
  });
}

// Showing a line's details, the list's label and the title again writes
// nothing that is already shown: every write costs a repaint, and a screen
// reader would read a title out once more. Marks put into the controls stay.
TEST_F(MainWindow, DetailsAndTitleShownAgainAreNotWrittenAgain) {
  AppendLog("a");
  FinishWith(driver, WindowTitle(""), [](HWND w) {
    SelectLines(w, 1);
    const HICON mark = LoadIconA(nullptr, IDI_APPLICATION);
    SendDlgItemMessageA(w, IDC_MAIN_DETAILS_BUTTON, BM_SETIMAGE, IMAGE_ICON, LPARAM(mark));
    for (int id : {IDC_MAIN_DETAILS_TEXT, IDC_MAIN_SECTION, IDC_MAIN_NEXT, IDC_MAIN_LABEL})
      SetItemText(w, id, "x");
    SetWindowTextA(w, "x");
    SelectLines(w, 1);
    RefreshLabelAndTitle(w);
    const std::string title = GetWindowString(w);
    SetWindowTextA(w, WindowTitle("").c_str());
    EXPECT_EQ(std::tuple(GetItemText(w, IDC_MAIN_DETAILS_TEXT), GetItemText(w, IDC_MAIN_SECTION),
                         GetItemText(w, IDC_MAIN_NEXT),
                         SendDlgItemMessageA(w, IDC_MAIN_DETAILS_BUTTON, BM_GETIMAGE, IMAGE_ICON,
                                             0) == LPARAM(mark),
                         GetItemText(w, IDC_MAIN_LABEL), title),
              std::tuple("x", "x", "x", true, "x", "x"))
        << "the details text, section, next and icon, the list's label and the title, written "
           "again although unchanged";
  });
}

// The window grows: the list with it, the buttons and the details along its
// right edge. Every step of a resize leaves it painted as a full repaint
// paints it, and it cannot be made smaller than at its start.
TEST_F(MainWindow, GrowsWithTheListAndKeepsTheButtonsToTheRight) {
  for (int i = 0; i < 40; ++i) AppendLog("Zeile " + std::to_string(i));
  FinishWith(driver, WindowTitle(""), [](HWND w) {
    // A control's place, less the shift of its left, right and bottom edges.
    auto place = [w](int id, int left = 0, int right = 0, int bottom = 0) {
      RECT r{};
      GetWindowRect(GetDlgItem(w, id), &r);
      MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
      return std::tuple(r.left - left, r.top, r.right - right, r.bottom - bottom);
    };
    auto size = [w] {
      RECT r{};
      GetWindowRect(w, &r);
      return std::pair(r.right - r.left, r.bottom - r.top);
    };
    const auto [width, height] = size();
    const auto list = place(IDC_MAIN_LIST), button = place(IDC_MAIN_DELETE);
    const int dx = 5 * 37, dy = 5 * 23;
    for (int step = 1; step <= 5; ++step) {  // as when the maker drags the corner
      SetWindowPos(w, nullptr, 0, 0, width + dx * step / 5, height + dy * step / 5,
                   SWP_NOMOVE | SWP_NOZORDER);
      const Picture shown = WindowPicture(w);
      RedrawWindow(w, nullptr, nullptr, kFullRepaint | RDW_ALLCHILDREN);
      ASSERT_TRUE(SamePicture(shown, WindowPicture(w)))
          << "step " << step << ": something was left unpainted";
    }
    EXPECT_EQ(std::pair(place(IDC_MAIN_LIST, 0, dx, dy), place(IDC_MAIN_DELETE, dx, dx)),
              std::pair(list, button));
    SetWindowPos(w, nullptr, 0, 0, width / 2, height / 2, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(std::pair(size(), place(IDC_MAIN_LIST)), std::pair(std::pair(width, height), list))
        << "smaller than at the start";
  });
}

// A full script takes no further command, and says so.
TEST_F(MainWindow, AFullScriptSaysItIsFull) {
  while (App().Document.LastPosition() < kSlotCount - 1) AppendLog("a");
  driver.Then(WindowTitle(""), [](HWND w) { SelectLines(w, 1), Click(w, IDC_MAIN_ADD); });
  ThenBox(driver, "Wavoria", ScriptFullMessage(), IDI_EXCLAMATION, {IDOK}, IDOK);
  FinishWith(driver, WindowTitle(""),
             [](HWND) { EXPECT_EQ(App().Document.LastPosition(), kSlotCount - 1); });
}

// Open: a file that cannot be read keeps the script; a file read with
// warnings shows them with their lines, owned by the window, before the
// window shows it.
TEST_F(FileCommands, OpenWithWarningsThenNew) {
  TempFolder folder("open");
  const std::string path = folder.File("b.script.wav"), missing = folder.File("fehlt.script.wav");
  const std::string bytes =
      "[Execute]\r\nAction=Tanzen\r\nNext=WIZ5\r\nFarbe=blau\r\n[WIZ5]\r\n"
      "Action=WriteToLog\r\nText=x\r\nNext=andere.script.wav;Start\r\n";
  WriteFile(path, bytes);
  ChooserStub chooser({missing, path});
  driver.Then(WindowTitle(""), [](HWND w) { Click(w, IDM_OPEN); });
  ThenBox(driver, "Wavoria", CannotOpenMessage(missing, FileError::NotFound), IDI_EXCLAMATION,
          {IDOK}, IDOK);
  driver.Then(WindowTitle(""), [](HWND w) { Click(w, IDM_OPEN); });
  CommandTable read;  // each warning, with the lines it comes from, in its own box
  for (const std::string& text :
       WarningTexts(ParseScript(bytes, App().Tables.Actions, read), path)) {
    ThenBox(driver, "Wavoria", text, IDI_EXCLAMATION, {IDOK}, IDOK);
  }
  driver.Then(WindowTitle(path), [&](HWND w) {
    EXPECT_EQ(Lines(w), BuildListLines(read));
    App().History.SetModified(true);
    Click(w, IDM_NEW);
  });
  driver.Then("Wavoria", [](HWND box) { Click(box, IDNO); });
  FinishWith(driver, WindowTitle(""), [](HWND w) { EXPECT_EQ(Lines(w).size(), 2u); });
}

// Files dropped on the main window are opened as "Öffnen" opens them, after
// the save prompt; of several the first, and the maker is told so. A folder
// is named as one, and the script stays as it was, its selection too. A file
// without a script is opened only after Ja, and Speichern asks before it
// replaces such a file.
TEST_F(FileCommands, ADroppedFileIsOpenedAsOeffnenOpensIt) {
  TempFolder folder("drop");
  const std::string a = folder.File("a.script.wav"), b = folder.File("b.script.wav");
  WriteFile(a, "[Execute]\r\nAction=WriteToLog\r\nText=A\r\n");
  WriteFile(b, "[Execute]\r\nAction=WriteToLog\r\nText=B\r\n");
  AppendLog("alt");
  App().History.SetModified(true);
  driver.Then(WindowTitle(""), [&](HWND w) {
    EXPECT_TRUE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    Drop(w, {a});
  });
  ThenBox(driver, "Wavoria", kSavePromptText, IDI_QUESTION, {IDYES, IDNO, IDCANCEL}, IDNO);
  const std::vector<std::string> several = {b, a, folder.Path()};
  driver.Then(WindowTitle(a), [&](HWND w) {
    EXPECT_EQ(Lines(w).at(1), "<> In Logdatei schreiben: A");
    Drop(w, several);
  });
  ThenBox(driver, "Wavoria", *DroppedFilesNote(several), IDI_ASTERISK, {IDOK}, IDOK);
  driver.Then(WindowTitle(b), [&](HWND w) { SelectLines(w, 1), Drop(w, {folder.Path()}); });
  ThenBox(driver, "Wavoria", DroppedFolderMessage(folder.Path()), IDI_EXCLAMATION, {IDOK}, IDOK);
  const std::string notes = folder.File("Notizen.txt"), text = "; Einkaufsliste\r\n; Brot\r\n";
  WriteFile(notes, text);
  for (int answer : {IDNO, IDYES}) {  // the folder and Nein keep the script
    driver.Then(WindowTitle(b), [&](HWND w) {
      EXPECT_EQ(std::tuple(Lines(w).at(1), SelectedLines(w)),
                std::tuple(std::string("<> In Logdatei schreiben: B"), 1));
      Drop(w, {notes});
    });
    ThenBox(driver, "Wavoria", OpenNonScriptQuestion(notes), IDI_EXCLAMATION, {IDYES, IDNO},
            answer);
  }
  for (int answer : {IDNO, IDYES}) {  // Nein keeps the file
    driver.Then(WindowTitle(notes), [&](HWND w) {
      EXPECT_EQ(FileBytes(notes), text);
      Click(w, IDM_SAVE);
    });
    ThenBox(driver, "Wavoria", ReplaceNonScriptQuestion(notes), IDI_EXCLAMATION, {IDYES, IDNO},
            answer);
  }
  FinishWith(driver, WindowTitle(notes), [&](HWND w) {
    Command(w, IDM_SAVE);  // it holds the script now: no question
    EXPECT_EQ(FileBytes(notes), ScriptText(App().Document));
  });
}

// An untitled script goes to Notepad as the temporary file; Notepad that does
// not start is named in a warning; what Notepad left there is read back, and
// the script counts as changed.
TEST_F(FileCommands, NotepadEditsTheTemporaryFileAndItIsReadBack) {
  TempFolder folder("notepad");
  SetCurrentDirectoryA(folder.Path().c_str());  // the temporary file stays in the start folder
  const std::string temp = StartFolder() + "\\" + std::string(kNotepadTempFile);
  AppendLog("a");
  std::vector<std::string> commandLines;
  SetNotepadLauncher([&](const std::string& line) {
    commandLines.push_back(line);
    WriteFile(temp, "[Execute]\r\nAction=WriteToLog\r\nText=B\r\n");
    return commandLines.size() > 1;  // the first start fails
  });
  // The temporary file stays beside the program, as the program leaves it.
  const Restore launcher([&] { SetNotepadLauncher({}), DeleteFileA(temp.c_str()); });
  for (const bool starts : {false, true}) {
    driver.Then(WindowTitle(""), [](HWND w) { Click(w, IDM_OPEN_IN_NOTEPAD); });
    ThenBox(driver, "Wavoria", kUntitledNotepadPromptText, IDI_QUESTION, {IDYES, IDNO, IDCANCEL},
            IDNO);
    if (!starts)
      ThenBox(driver, "Wavoria", NotepadFailedMessage(temp), IDI_EXCLAMATION, {IDOK}, IDOK);
  }
  ThenBox(driver, kNotepadWaitTitle, kNotepadWaitText, nullptr, {IDOK}, IDOK);
  FinishWith(driver, WindowTitle(""), [&](HWND w) {
    EXPECT_EQ(commandLines, std::vector<std::string>(2, NotepadCommandLine(temp)));
    EXPECT_EQ(Lines(w).at(1), "<> In Logdatei schreiben: B");
    EXPECT_EQ(std::pair(App().History.Modified(), GetWindowString(w)),
              std::pair(true, WindowTitle("", true)))
        << "only the temporary file holds it";
    Command(w, IDM_UNDO);  // reading it back was one step
    EXPECT_EQ(Lines(w).at(1), "<> In Logdatei schreiben: a");
  });
}

// A changed script saved first at the prompt goes to Notepad as its own file.
TEST_F(FileCommands, NotepadGetsTheScriptSavedFirst) {
  TempFolder folder("notepad saved");
  const std::string script = folder.File("eigen.script.wav");
  App().DocumentPath = script;
  AppendLog("a");
  App().History.SetModified(true);
  std::vector<std::string> commandLines;
  SetNotepadLauncher([&](const std::string& line) { return commandLines.push_back(line), true; });
  const Restore launcher([] { SetNotepadLauncher({}); });
  driver.Then(WindowTitle(script), [](HWND w) { Click(w, IDM_OPEN_IN_NOTEPAD); });
  ThenBox(driver, "Wavoria", NotepadPromptText(script), IDI_QUESTION, {IDYES, IDNO, IDCANCEL},
          IDYES);
  ThenBox(driver, kNotepadWaitTitle, kNotepadWaitText, nullptr, {IDOK}, IDOK);
  FinishWith(driver, WindowTitle(script), [&](HWND) {
    EXPECT_EQ(
        std::tuple(commandLines, FileBytes(script), App().History.Modified()),
        std::tuple(std::vector{NotepadCommandLine(script)}, ScriptText(App().Document), false));
  });
}

// With the real Notepad: once Notepad has come up, the box that waits for
// the maker is in front of it and active, and the main window brings it back.
TEST_F(FileCommands, TheNotepadBoxIsInFrontOfNotepad) {
  TempFolder folder("notepad-real");
  const std::string path = folder.File("k.script.wav");
  WriteFile(path, "[Execute]\r\nAction=WriteToLog\r\nText=A\r\n");
  App().ScriptToOpen = path;
  HWND notepad = nullptr;
  int handles = 0;
  driver.Then(WindowTitle(path),
              [&](HWND w) { handles = ProcessAndThreadHandles(), Click(w, IDM_OPEN_IN_NOTEPAD); });
  driver.Then("Im Editor öffnen", [&](HWND box) {
    for (const DWORD end = GetTickCount() + 10000; notepad == nullptr && GetTickCount() < end;) {
      notepad = FindWindowA("Notepad", nullptr), Pump(50);
    }
    Pump(500);  // what Notepad does once its window is up
    HWND higher = nullptr;
    for (HWND w = GetTopWindow(nullptr); w != nullptr && higher == nullptr;
         w = GetWindow(w, GW_HWNDNEXT)) {
      if (w == box || w == notepad) higher = w;
    }
    EXPECT_NE(notepad, nullptr) << "Notepad did not come up";
    EXPECT_EQ(std::pair(GetForegroundWindow(), higher), std::pair(box, box))
        << "Notepad's window is " << notepad;
    // Switching to the main window (Alt+Tab lists it) brings the box up.
    EXPECT_EQ(GetLastActivePopup(GetWindow(box, GW_OWNER)), box);
    Click(box, IDOK);
  });
  FinishWith(driver, WindowTitle(path), [&](HWND) {
    PostMessageA(notepad, WM_CLOSE, 0, 0);  // its file unchanged, it closes without asking
    for (const DWORD end = GetTickCount() + 5000; IsWindow(notepad) && GetTickCount() < end;) {
      Pump(50);
    }
    EXPECT_EQ(ProcessAndThreadHandles(), handles) << "handles kept after starting Notepad";
  });
}

// A script opened by a relative path is saved where it was opened, even after
// a file chooser made another folder the current one. Then the file is made
// read-only: the next save fails and says why.
TEST_F(FileCommands, SpeichernWritesTheFileOpenedByARelativePathAndSaysWhyItFails) {
  TempFolder game("relative-game"), other("relative-other");
  for (const TempFolder* f : {&game, &other}) CreateDirectoryA(f->File("Sound").c_str(), nullptr);
  const std::string script = game.File("Sound\\KeyList.script.wav");
  WriteFile(script, "[Execute]\r\nAction=WriteToLog\r\nText=a\r\nNext=\r\n");
  SetCurrentDirectoryA(game.Path().c_str());
  App().ScriptToOpen = "Sound\\KeyList.script.wav";
  // Like the system's chooser, browsing makes the folder shown the current one.
  SetScriptChooser([&](HWND, bool, const std::string&) {
    SetCurrentDirectoryA(other.Path().c_str());
    return std::string();
  });
  const Restore chooser([] { SetScriptChooser({}); });
  std::string saved;
  driver.Then(WindowTitle(script), [&](HWND w) {
    Command(w, IDM_SAVE_AS);  // cancelled
    Command(w, IDM_SAVE);
    EXPECT_EQ(GetWindowString(w), WindowTitle(script));
    EXPECT_EQ((saved = FileBytes(script)).rfind(";Diese Datei wurde von Wavoria", 0), 0u) << saved;
    EXPECT_FALSE(FileExists(other.File("Sound\\KeyList.script.wav")));
    SetFileAttributesA(script.c_str(), FILE_ATTRIBUTE_READONLY);
    Click(w, IDM_SAVE);
  });
  ThenBox(driver, "Wavoria", CannotSaveMessage(script, FileError::Denied), IDI_EXCLAMATION, {IDOK},
          IDOK);
  FinishWith(driver, WindowTitle(script), [&](HWND) { EXPECT_EQ(FileBytes(script), saved); });
}

// New, rename to Testskript, WriteToLog "Start", SetDebugLevel 2 at the end,
// EnableKeySupport at position 1, Save As (which shows the new file in the
// details of the script line). On the way the chooser is cancelled by
// Abbrechen and by its close box, a chooser button's dialog is cancelled
// back into the chooser, and the log command is edited: cancelled from its
// icon button, confirmed from the menu.
TEST_F(WorkedExample, TheSessionThroughTheWindowsWritesTheFileByteForByte) {
  AppendLog("ein älteres Skript");  // New must start from scratch
  TempFolder folder("worked-example");
  const std::string path = folder.File("Testskript.script.wav");
  ChooserStub chooser({path});
  driver.Then(WindowTitle(""), [](HWND w) {
    Command(w, IDM_NEW);
    Click(w, IDC_MAIN_EDIT);
  });
  driver.Then("Skript umbenennen", [](HWND d) {
    EXPECT_EQ(GetItemText(d, IDC_RENAME_NAME), kDefaultScriptName);
    SetDlgItemTextA(d, IDC_RENAME_NAME, "Testskript");
    Click(d, IDC_RENAME_OK);
  });
  for (int cancel : {IDC_CHOOSER_CANCEL, kCloseBox}) {
    driver.Then(WindowTitle(""), [](HWND w) { SelectLines(w, 1), Click(w, IDC_MAIN_ADD); });
    driver.Then("Kommando hinzufügen", [cancel](HWND d) { Click(d, cancel); });
  }
  const auto log = [](const char* text, int button) {
    return [=](HWND d) { SetDlgItemTextA(d, IDC_LOG_TEXT, text), Click(d, button); };
  };
  const std::tuple<int, int, const char*, std::function<void(HWND)>> adds[] = {
      {1, IDC_CHOOSER_MCI, "MCI-Befehl senden", [](HWND d) { Click(d, IDC_MCI_CANCEL); }},
      {0, IDC_CHOOSER_LOG, "In Logdatei schreiben", log("Anfang", IDC_LOG_OK)},
      {2, IDC_CHOOSER_DEBUG_LEVEL, "Debuglevel setzen",
       [](HWND d) {
         SelectDropDownItem(d, IDC_DEBUG_LEVEL_LEVEL, 2), Click(d, IDC_DEBUG_LEVEL_OK);
       }},
      {1, IDC_CHOOSER_KEY_ON, nullptr, {}}};
  for (const auto& [line, button, dialog, fill] : adds) {
    if (line != 0)
      driver.Then(WindowTitle(""),
                  [line](HWND w) { SelectLines(w, line), Click(w, IDC_MAIN_ADD); });
    driver.Then("Kommando hinzufügen", [button](HWND d) { Click(d, button); });
    if (dialog != nullptr) driver.Then(dialog, fill);
  }
  driver.Then(WindowTitle(""),
              [](HWND w) { SelectLines(w, 2), Click(w, IDC_MAIN_DETAILS_BUTTON); });
  driver.Then("In Logdatei schreiben", log("verworfen", IDC_LOG_CANCEL));
  driver.Then(WindowTitle(""), [](HWND w) { Click(w, IDM_EDIT_COMMAND); });
  driver.Then("In Logdatei schreiben", log("Start", IDC_LOG_OK));
  driver.Then(WindowTitle(""), [](HWND w) { SelectLines(w, 0), Click(w, IDM_SAVE_AS); });
  FinishWith(driver, WindowTitle(path), [&](HWND w) {
    EXPECT_EQ(GetItemText(w, IDC_MAIN_DETAILS_TEXT) + GetItemText(w, IDC_MAIN_LABEL),
              DetailsOf(App().Document, 0, path).Text + ListCaption(path));
    EXPECT_FALSE(App().History.Modified());
  });
  EXPECT_EQ(FileBytes(path), kWorkedExample);
}

}  // namespace
}  // namespace wavoria
