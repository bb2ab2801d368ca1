// The main editor window driven for real: its list commands with their
// selection, the label, title and details panel, About, exit and close with
// the save prompt, and the wizard hand-off.
#include <gtest/gtest.h>

#include "app/editor_windows_win.h"
#include "dialogs/details_text.h"
#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;

// The icon on the "Bearb." button.
HICON ButtonIcon(HWND window) {
  return reinterpret_cast<HICON>(
      SendDlgItemMessageA(window, IDC_MAIN_DETAILS_BUTTON, BM_GETIMAGE, IMAGE_ICON, 0));
}

TEST(MainWindow, EmptyScriptShowsTheScriptLineAndTheEndLine) {
  ResetEditor();
  DialogDriver driver;
  FinishWith(driver, MainCaption(), [](HWND w) {
    EXPECT_EQ(Lines(w), (std::vector<std::string>{"Skriptname: Unbenanntes Skript", "<>"}));
    EXPECT_EQ(Text(w, IDC_MAIN_LABEL), "Kommandos in Datei Unbenannt:");
    EXPECT_EQ(ListSelection(w, IDC_MAIN_LIST), 0);
    EXPECT_EQ(Text(w, IDC_MAIN_DETAILS_TEXT),
              "Beginn des Skripts\r\nDatei: \r\nSkriptname: Unbenanntes Skript");
    EXPECT_EQ(Text(w, IDC_MAIN_SECTION), "");
    EXPECT_EQ(Text(w, IDC_MAIN_NEXT), "");
    const HICON head = ButtonIcon(w);
    EXPECT_NE(head, nullptr);
    EXPECT_NE(SendMessageA(w, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(GetFocus(), GetDlgItem(w, IDC_MAIN_LIST));

    // Delete, move up and move down apply to neither line.
    for (int line : {0, 1}) {
      for (int id : {IDC_MAIN_DELETE, IDC_MAIN_UP, IDC_MAIN_DOWN, IDM_DELETE_COMMAND, IDM_MOVE_UP,
                     IDM_MOVE_DOWN}) {
        SCOPED_TRACE(std::to_string(line) + " " + std::to_string(id));
        Select(w, line);
        Command(w, id);
        EXPECT_EQ(ListCount(w, IDC_MAIN_LIST), 2);
        EXPECT_EQ(ListSelection(w, IDC_MAIN_LIST), line);
        EXPECT_FALSE(App().Modified);
      }
    }
    // The end line shows no command: Edit does nothing, the details are empty
    // and the button shows the "no command" icon.
    Select(w, 1);
    Command(w, IDC_MAIN_EDIT);
    EXPECT_FALSE(App().Modified);
    Command(w, IDC_MAIN_LIST);
    EXPECT_EQ(Text(w, IDC_MAIN_DETAILS_TEXT), "");
    EXPECT_NE(ButtonIcon(w), head);
  });
}

TEST(MainWindow, DeleteAndMoveSelectTheMovedLineAndMarkTheScript) {
  ResetEditor();
  for (const char* text : {"a", "b", "c"}) AppendLog(text);
  struct Step {
    const char* name;
    int select;
    int command;
    int selectedAfter;
    std::vector<std::string> texts;  // the logged texts in list order
    bool modified;
  };
  const Step steps[] = {
      {"move up line 2", 2, IDC_MAIN_UP, 1, {"b", "a", "c"}, true},
      {"move up line 1 does nothing", 1, IDM_MOVE_UP, 1, {"b", "a", "c"}, false},
      {"move down line 1", 1, IDC_MAIN_DOWN, 2, {"a", "b", "c"}, true},
      {"move down the last line does nothing", 3, IDM_MOVE_DOWN, 3, {"a", "b", "c"}, false},
      {"move down the end line does nothing", 4, IDC_MAIN_DOWN, 4, {"a", "b", "c"}, false},
      {"move up the end line does nothing", 4, IDC_MAIN_UP, 4, {"a", "b", "c"}, false},
      {"move down line 2 of 3", 2, IDM_MOVE_DOWN, 3, {"a", "c", "b"}, true},
      {"delete the end line does nothing", 4, IDC_MAIN_DELETE, 4, {"a", "c", "b"}, false},
      {"delete the script line does nothing", 0, IDM_DELETE_COMMAND, 0, {"a", "c", "b"}, false},
      {"delete line 2 selects the line above", 2, IDC_MAIN_DELETE, 1, {"a", "b"}, true},
      {"delete the first command selects the script line", 1, IDM_DELETE_COMMAND, 0, {"b"}, true},
  };
  DialogDriver driver;
  FinishWith(driver, MainCaption(), [&](HWND w) {
    for (const Step& s : steps) {
      SCOPED_TRACE(s.name);
      App().Modified = false;
      Select(w, s.select);
      Command(w, s.command);
      std::vector<std::string> texts;
      for (int line = 1; line + 1 < ListCount(w, IDC_MAIN_LIST); ++line) {
        texts.push_back(
            ListLine(w, IDC_MAIN_LIST, line).substr(sizeof "<> In Logdatei schreiben: " - 1));
      }
      EXPECT_EQ(texts, s.texts);
      EXPECT_EQ(ListSelection(w, IDC_MAIN_LIST), s.selectedAfter);
      EXPECT_EQ(App().Modified, s.modified);
    }
    // The details follow the selection: the first command is written as "[Execute]".
    Select(w, 1);
    Command(w, IDC_MAIN_LIST);
    EXPECT_EQ(Text(w, IDC_MAIN_DETAILS_TEXT), "In Logdatei schreiben\r\nText: 'b'");
    EXPECT_EQ(Text(w, IDC_MAIN_SECTION), "Execute");
    EXPECT_EQ(Text(w, IDC_MAIN_NEXT), "");
  });
}

TEST(MainWindow, WithoutSelectionNoListCommandDoesAnything) {
  ResetEditor();
  AppendLog("a");
  DialogDriver driver;
  FinishWith(driver, MainCaption(), [](HWND w) {
    const std::vector<std::string> before = Lines(w);
    for (int id : {IDC_MAIN_ADD, IDM_ADD_COMMAND, IDC_MAIN_EDIT, IDC_MAIN_DETAILS_BUTTON,
                   IDM_EDIT_COMMAND, IDC_MAIN_DELETE, IDM_DELETE_COMMAND, IDC_MAIN_UP, IDM_MOVE_UP,
                   IDC_MAIN_DOWN, IDM_MOVE_DOWN}) {
      SCOPED_TRACE(id);
      Select(w, -1);
      ASSERT_EQ(ListSelection(w, IDC_MAIN_LIST), -1);
      // A chooser or dialog opening here would time the test out.
      Command(w, id);
      EXPECT_EQ(Lines(w), before);
      EXPECT_FALSE(App().Modified);
    }
    Command(w, IDC_MAIN_LIST);
    EXPECT_EQ(Text(w, IDC_MAIN_DETAILS_TEXT), "");
  });
}

TEST(MainWindow, AddInsertsTheChosenCommandAndSelectsIt) {
  ResetEditor();
  AppendLog("a");
  DialogDriver driver;
  // On the script line Add opens nothing.
  driver.Then(MainCaption(), [](HWND w) {
    Select(w, 0);
    Command(w, IDC_MAIN_ADD);
    EXPECT_EQ(ListCount(w, IDC_MAIN_LIST), 3);
    EXPECT_FALSE(App().Modified);
    Select(w, 2);  // the end line: appends
    Post(w, IDC_MAIN_ADD);
  });
  driver.Then("Kommando hinzufügen", [](HWND c) { Click(c, IDC_CHOOSER_KEY_ON); });
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_EQ(Lines(w), (std::vector<std::string>{"Skriptname: Unbenanntes Skript",
                                                  "<> In Logdatei schreiben: a",
                                                  "<> Tastensupport aktivieren", "<>"}));
    EXPECT_EQ(ListSelection(w, IDC_MAIN_LIST), 2);
    EXPECT_EQ(Text(w, IDC_MAIN_DETAILS_TEXT), "Tastensupport aktivieren");
    EXPECT_TRUE(App().Modified);
    EXPECT_EQ(GetFocus(), GetDlgItem(w, IDC_MAIN_LIST));
    App().Modified = false;
    Select(w, 1);  // a command: the new one goes in front of it
    Post(w, IDM_ADD_COMMAND);
  });
  driver.Then("Kommando hinzufügen", [](HWND c) { Click(c, IDC_CHOOSER_MOUSE_POSITION); });
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 1), "<> Maus-/Tastenstatus senden");
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 2), "<> In Logdatei schreiben: a");
    EXPECT_EQ(ListSelection(w, IDC_MAIN_LIST), 1);
    EXPECT_TRUE(App().Modified);
    App().Modified = false;
    Post(w, IDC_MAIN_ADD);
  });
  // Abbrechen adds nothing; a cancelled dialog leaves nothing in the next kind.
  driver.Then("Kommando hinzufügen", [](HWND c) { Click(c, IDC_CHOOSER_CANCEL); });
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_EQ(ListCount(w, IDC_MAIN_LIST), 5);
    EXPECT_FALSE(App().Modified);
    Post(w, IDC_MAIN_ADD);
  });
  driver.Then("Kommando hinzufügen", [](HWND c) { PostMessageA(c, WM_CLOSE, 0, 0); });
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_EQ(ListCount(w, IDC_MAIN_LIST), 5);
    EXPECT_FALSE(App().Modified);
    Select(w, 4);
    Post(w, IDC_MAIN_ADD);
  });
  driver.Then("Kommando hinzufügen", [](HWND c) { Click(c, IDC_CHOOSER_LOG); });
  driver.Then("In Logdatei schreiben", [](HWND d) {
    SetDlgItemTextA(d, IDC_LOG_TEXT, "verworfen");
    Click(d, IDC_LOG_CANCEL);
  });
  driver.Then("Kommando hinzufügen", [](HWND c) { Click(c, IDC_CHOOSER_KEY_OFF); });
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 4), "<> Tastensupport deaktivieren");
    EXPECT_EQ(ListSelection(w, IDC_MAIN_LIST), 4);
    ScriptCommand expected = *App().Document.CommandAt(4);
    EXPECT_EQ(expected.Text, "");
    EXPECT_EQ(expected.Action, "EnableKeySupport");
    EXPECT_EQ(expected.Enable, "False");
    CloseMainWindow(w);
  });
  ASSERT_TRUE(driver.Run(ShowMainWindow, 20000)) << driver.Problems();
}

TEST(MainWindow, AddOnAFullScriptSaysSoAndChangesNothing) {
  ResetEditor();
  for (int i = 0; i < kSlotCount - 1; ++i) AppendLog("x");
  ASSERT_EQ(App().Document.LastPosition(), 511);
  const std::string before = ScriptText(App().Document);
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_EQ(ListCount(w, IDC_MAIN_LIST), 513);
    Select(w, 512);
    Post(w, IDC_MAIN_ADD);
  });
  ThenWarning(driver,
              "Das Skript enthält bereits 511 Kommandos. Weitere Kommandos können nicht "
              "hinzugefügt werden.");
  driver.Then(MainCaption(), [&](HWND w) {
    EXPECT_EQ(ListCount(w, IDC_MAIN_LIST), 513);
    EXPECT_EQ(ScriptText(App().Document), before);
    EXPECT_FALSE(App().Modified);
    CloseMainWindow(w);
  });
  ASSERT_TRUE(driver.Run(ShowMainWindow, 20000)) << driver.Problems();
}

TEST(MainWindow, EditOpensTheCommandsDialogAndCancelKeepsItUnchanged) {
  ResetEditor();
  AppendLog(std::string(300, 'a'));
  {
    CommandTable& t = App().Document;
    const int slot = t.InsertCommand(2);
    t.Slot(slot).Action = "EnableKeySupport";
    t.Slot(slot).Enable = "True";
    t.RebuildOrder();
  }
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) {
    // A command without dialog, the end line and a double-click open nothing.
    for (int line : {2, 3}) {
      Select(w, line);
      Command(w, IDC_MAIN_EDIT);
      EXPECT_FALSE(App().Modified);
    }
    Select(w, 1);
    SendMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_MAIN_LIST, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(GetDlgItem(w, IDC_MAIN_LIST)));
    EXPECT_EQ(Text(w, IDC_MAIN_DETAILS_TEXT),
              "In Logdatei schreiben\r\nText: '" + std::string(300, 'a') + "'");
    Post(w, IDC_MAIN_EDIT);
  });
  driver.Then("In Logdatei schreiben", [](HWND d) {
    EXPECT_EQ(Text(d, IDC_LOG_TEXT), std::string(300, 'a'));  // whole, not cut to 259
    SetDlgItemTextA(d, IDC_LOG_TEXT, "verworfen");
    Click(d, IDC_LOG_CANCEL);
  });
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_EQ(App().Document.CommandAt(1)->Text, std::string(300, 'a'));
    EXPECT_FALSE(App().Modified);
    Post(w, IDC_MAIN_DETAILS_BUTTON);  // the icon button edits too
  });
  driver.Then("In Logdatei schreiben", [](HWND d) {
    SetDlgItemTextA(d, IDC_LOG_TEXT, (std::string(280, 'b') + "ü").c_str());
    Click(d, IDC_LOG_OK);
  });
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 1),
              "<> In Logdatei schreiben: " + std::string(280, 'b') + "ü");
    EXPECT_EQ(App().Document.CommandAt(1)->SectionName, "WIZ0");  // name and link kept
    EXPECT_EQ(App().Document.CommandAt(1)->Next, "WIZ1");
    EXPECT_EQ(ListSelection(w, IDC_MAIN_LIST), 1);
    EXPECT_TRUE(App().Modified);
    App().Modified = false;
    Select(w, 0);
    Post(w, IDM_EDIT_COMMAND);
  });
  // The script line opens the rename dialog; even a cancel counts as a change.
  driver.Then("Skript umbenennen", [](HWND d) { Click(d, IDC_RENAME_CANCEL); });
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_TRUE(App().Modified);
    EXPECT_EQ(ListSelection(w, IDC_MAIN_LIST), 0);
    CloseMainWindow(w);
  });
  ASSERT_TRUE(driver.Run(ShowMainWindow, 15000)) << driver.Problems();
}

TEST(MainWindow, EnterAndEscapeDoNothing) {
  ResetEditor();
  ProcessEndCounter ends;
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) {
    Command(w, IDOK);
    Command(w, IDCANCEL);
    EXPECT_TRUE(IsWindowVisible(w));
    CloseMainWindow(w);
  });
  ASSERT_TRUE(driver.Run(ShowMainWindow)) << driver.Problems();
  EXPECT_EQ(ends.Count(), 0);
}

TEST(MainWindow, ExitWithoutChangesEndsTheProgramAtOnce) {
  ResetEditor();
  ProcessEndCounter ends;
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) { Post(w, IDM_EXIT); });
  ASSERT_TRUE(driver.Run(ShowMainWindow)) << driver.Problems();
  EXPECT_EQ(ends.Count(), 1);
  EXPECT_EQ(App().Wizard.NextPage, kWizardCancelled);
}

TEST(MainWindow, CloseAsksToSaveAndAbbrechenKeepsTheWindow) {
  ResetEditor();
  AppendLog("a");
  App().Modified = true;
  ProcessEndCounter ends;
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); });
  driver.Then("Wavoria", [](HWND box) {
    ExpectSavePrompt(box);
    Click(box, IDCANCEL);
  });
  driver.Then(MainCaption(), [&](HWND w) {
    EXPECT_EQ(ends.Count(), 0);
    EXPECT_TRUE(App().Modified);
    Post(w, IDM_EXIT);
  });
  driver.Then("Wavoria", [](HWND box) { Click(box, IDNO); });
  ASSERT_TRUE(driver.Run(ShowMainWindow)) << driver.Problems();
  EXPECT_EQ(ends.Count(), 1);
  EXPECT_EQ(App().Document.CommandAt(1)->Text, "a");
}

TEST(MainWindow, SavePromptJaWithAFailedSaveStopsTheExit) {
  ResetEditor();
  TempFolder folder("exit-save");
  const std::string path = folder.File("alt.script.wav");
  WriteFile(path, "alt");
  AppendLog("neu");
  App().DocumentPath = path;
  App().Modified = true;
  ProcessEndCounter ends;
  DialogDriver driver;
  driver.Then(MainCaption(path), [](HWND w) {
    SimulateShortWriteAfter(10);
    Post(w, IDM_EXIT);
  });
  driver.Then("Wavoria", [](HWND box) { Click(box, IDYES); });
  ThenWarning(driver, "Die Datei '" + path +
                          "' konnte nicht gespeichert werden: Der Datenträger ist voll.");
  driver.Then(MainCaption(path), [&](HWND w) {
    SimulateShortWriteAfter(-1);
    EXPECT_EQ(ends.Count(), 0);
    EXPECT_TRUE(App().Modified);
    EXPECT_EQ(ReadFile(path), "alt");
    // Ja with a working save writes the file and ends the program.
    Post(w, IDM_EXIT);
  });
  driver.Then("Wavoria", [](HWND box) { Click(box, IDYES); });
  ASSERT_TRUE(driver.Run(ShowMainWindow)) << driver.Problems();
  SimulateShortWriteAfter(-1);
  EXPECT_EQ(ends.Count(), 1);
  EXPECT_EQ(ReadFile(path), ScriptText(App().Document));
  EXPECT_FALSE(App().Modified);
}

TEST(MainWindow, SavePromptJaOnAnUntitledScriptWithTheChooserCancelledStops) {
  ResetEditor();
  AppendLog("a");
  App().Modified = true;
  ChooserStub chooser({""});
  ProcessEndCounter ends;
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); });
  driver.Then("Wavoria", [](HWND box) { Click(box, IDYES); });
  FinishWith(driver, MainCaption(), [&](HWND w) {
    EXPECT_EQ(ends.Count(), 0);
    EXPECT_TRUE(App().Modified);
    EXPECT_EQ(App().DocumentPath, "");
    ASSERT_EQ(chooser.Calls().size(), 1u);
    EXPECT_TRUE(chooser.Calls()[0].ForSaving);
    EXPECT_EQ(chooser.Calls()[0].Owner, w);
  });
}

TEST(MainWindow, AboutNamesTheVersion) {
  ResetEditor();
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) { Post(w, IDM_ABOUT); });
  driver.Then("Über Wavoria", [](HWND box) {
    EXPECT_EQ(MessageText(box).rfind("Wavoria 1.0\r\n", 0), 0u) << MessageText(box);
    EXPECT_EQ(MessageIcon(box), IDI_ASTERISK);
    EXPECT_TRUE(HasButton(box, IDOK));
    EXPECT_FALSE(HasButton(box, IDCANCEL));
    Click(box, IDOK);
  });
  driver.Then(MainCaption(), CloseMainWindow);
  ASSERT_TRUE(driver.Run(ShowMainWindow)) << driver.Problems();
}

TEST(MainWindow, WizardHandOffAsksFirstAndKeepsTheScript) {
  ResetEditor();
  AppendLog("a");
  App().Modified = true;
  ProcessEndCounter ends;
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) { Post(w, IDM_WIZARD); });
  driver.Then("Wavoria", [](HWND box) {
    ExpectSavePrompt(box);
    Click(box, IDCANCEL);
  });
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_EQ(App().Wizard.NextPage, 0);
    Post(w, IDM_WIZARD);
  });
  driver.Then("Wavoria", [](HWND box) { Click(box, IDNO); });
  ASSERT_TRUE(driver.Run(ShowMainWindow)) << driver.Problems();
  EXPECT_EQ(ends.Count(), 0);
  EXPECT_EQ(App().Wizard.NextPage, kPagePaths);
  EXPECT_EQ(App().Document.CommandAt(1)->Text, "a");
  EXPECT_TRUE(App().Modified);
  EXPECT_EQ(App().MainWindow, nullptr);
}

}  // namespace
}  // namespace wavoria
