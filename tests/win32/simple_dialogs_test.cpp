// The dialogs that edit one text, one number or one choice, and the rename
// dialog, driven for real: their templates, what they show for a command,
// what OK stores, and how Cancel, the close box, Escape and Enter behave.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/app_state_win.h"
#include "app/dialog_registry_win.h"
#include "app/editor_commands.h"
#include "dialog_driver.h"
#include "dialogs/command_dialogs_win.h"
#include "editor_test_support.h"
#include "layout_check.h"
#include "resources/resource_ids.h"

namespace wavoria {
namespace {

using namespace testing;

// Opens a dialog the way the program does: command dialogs through the
// registry, the rename dialog with its own procedure.
void Open(int id) {
  if (id == IDD_RENAME) {
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_RENAME), nullptr,
                    RenameDialogProc, 0);
  } else {
    ShowRegisteredDialog(nullptr, id);
  }
}

// Runs one opening of dialog `id` with the steps queued on `driver`.
void RunDialog(DialogDriver& driver, int id) {
  EXPECT_TRUE(driver.Run([id] { Open(id); })) << driver.Problems();
}

// An existing command as the main window hands it over: every field filled,
// section name and Next emptied, slot index -1.
ScriptCommand Existing(const std::function<void(ScriptCommand&)>& set) {
  ScriptCommand c;
  for (const ParameterKey& key : kParameterKeys) c.*key.field = "alt " + std::string(key.name);
  c.Action = "Alt";
  c.DialogType = 7;
  set(c);
  return c;
}

// Sends a key to the focused control, as the keyboard does; the dialog's
// message loop sees it first.
void PressKey(WPARAM key) {
  PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
  PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);
}

// ---------------------------------------------------------------------------
// Templates: caption, size, and every control's id, class, text, position,
// kind and style, in template (= tab) order.

// A text box as the simple dialogs have it: never read-only.
ControlLayout TextEdit(int id, RECT dlu) {
  return TextBox(id, dlu, WS_TABSTOP, ES_READONLY);
}

const std::vector<DialogLayout> kLayouts = {
    {IDD_LOG,
     "In Logdatei schreiben",
     {210, 57},
     {TextEdit(IDC_LOG_TEXT, {4, 25, 204, 13}), Ok(IDC_LOG_OK, {96, 42, 54, 13}),
      Cancel(IDC_LOG_CANCEL, {154, 42, 54, 13}),
      Label(IDC_LOG_PROMPT,
            "Bitte geben Sie den Text ein, der in die Logdatei geschrieben werden soll.",
            {4, 3, 202, 17})}},
    {IDD_OUTPUT,
     "Wert an Output-Liste anhängen",
     {164, 64},
     {DigitsBox(IDC_OUTPUT_VALUE, {30, 33, 54, 13}), Ok(IDC_OUTPUT_OK, {52, 49, 54, 13}),
      Cancel(IDC_OUTPUT_CANCEL, {108, 49, 54, 13}),
      Label(IDC_OUTPUT_PROMPT,
            "Bitte geben Sie den Wert an, der an die Output- Liste angehängt werden soll. Er "
            "kann mit der Funktion 'Get Midi Pos.' abgefragt werden.",
            {4, 3, 156, 24}),
      CheckBox(IDC_OUTPUT_NEGATIVE, "Negativ", {90, 35, 54, 9})}},
    {IDD_MIDI_TICK,
     "Funktion von 'Get Midi Pos.' ändern",
     {240, 49},
     {DropDownList(IDC_MIDI_TICK_FUNCTION, {2, 16, 236, 46}),
      Ok(IDC_MIDI_TICK_OK, {128, 33, 54, 13}), Cancel(IDC_MIDI_TICK_CANCEL, {184, 33, 54, 13}),
      Label(IDC_MIDI_TICK_PROMPT, "Bitte wählen Sie die Funktion für 'Get Midi Pos.'.",
            {4, 3, 232, 9})}},
    {IDD_DEBUG_LEVEL,
     "Debuglevel setzen",
     {204, 99},
     {DropDownList(IDC_DEBUG_LEVEL_LEVEL, {74, 68, 54, 50}),
      Ok(IDC_DEBUG_LEVEL_OK, {92, 84, 54, 13}),
      Cancel(IDC_DEBUG_LEVEL_CANCEL, {148, 84, 54, 13}),
      // Five lines broken by hand: a wider font must not wrap them, or the last
      // level falls out of the box.
      {IDC_DEBUG_LEVEL_PROMPT,
       "Static",
       "Bitte wählen Sie den Debuglevel.\n"
       "   Level 0 - Nur Kommentare und Fehlermeldungen\n"
       "   Level 1 -    + wichtige Funktionsaufrufe\n"
       "   Level 2 -       + alle Skriptfunktionen und einige Parameter\n"
       "   Level 3 -          + Originalfunktionen und alle Parameter",
       {6, 3, 194, 41},
       SS_TYPEMASK,
       SS_LEFTNOWORDWRAP,
       0,
       0},
      Label(IDC_DEBUG_LEVEL_WARNING,
            "Warnung: In Verbindung mit der Mausfunktion kann Level 3 die Logdatei extrem "
            "vergrößern!",
            {6, 48, 194, 17})}},
    {IDD_MCI,
     "MCI-Befehl senden",
     {210, 79},
     {TextEdit(IDC_MCI_COMMAND, {4, 25, 204, 13}), Ok(IDC_MCI_OK, {96, 62, 54, 13}),
      Cancel(IDC_MCI_CANCEL, {154, 62, 54, 13}),
      Label(IDC_MCI_PROMPT,
            "Geben Sie den MCI-Befehl ein, der an das Windowssubsystem geschickt werden soll.",
            {4, 3, 202, 17}),
      Label(IDC_MCI_PATH_NOTE, "%path% wird automatisch durch den Pfad zum Spiel ersetzt.",
            {6, 40, 200, 15})}},
    {IDD_RENAME,
     "Skript umbenennen",
     {164, 55},
     {TextEdit(IDC_RENAME_NAME, {4, 18, 156, 13}), Ok(IDC_RENAME_OK, {52, 40, 54, 13}),
      Cancel(IDC_RENAME_CANCEL, {108, 40, 54, 13}),
      Label(IDC_RENAME_PROMPT, "Bitte geben Sie den Namen des Skripts ein:", {4, 3, 156, 9})}},
};

// Runs one opening of dialog `id`: `use` sees it, then OK is clicked.
void OkAfter(int id, const std::function<void(HWND)>& use) {
  UseAndOk(kLayouts, id, RunDialog, use);
}

TEST(SimpleDialogs, TemplatesMatchTheirLayout) {
  CheckTemplates(kLayouts, [](DialogDriver& driver, int id) {
    ResetEditBuffer(App().Document);
    RunDialog(driver, id);
  });
}

TEST(SimpleDialogs, RegistryHoldsTheCommandDialogsButNotRename) {
  for (int id : {IDD_LOG, IDD_OUTPUT, IDD_MIDI_TICK, IDD_DEBUG_LEVEL, IDD_MCI}) {
    EXPECT_NE(DialogProcFor(id), nullptr) << id;
  }
  EXPECT_EQ(DialogProcFor(IDD_RENAME), nullptr);
}

// ---------------------------------------------------------------------------
// What every command dialog shares.

struct CommandDialogCase {
  int Id;
  const char* Caption;
  int OkId;
  int CancelId;
  const char* Action;
  std::string ScriptCommand::*Field;  // the field the dialog edits
  const char* Stored;                 // a value it shows and stores again unchanged
  const char* StoredBack;             // what OK without a change stores for it
  const char* Fresh;                  // what OK stores for a new command
};

const CommandDialogCase kCommandDialogs[] = {
    {IDD_LOG, "In Logdatei schreiben", IDC_LOG_OK, IDC_LOG_CANCEL, "WriteToLog",
     &ScriptCommand::Text, " Spiel gestartet; 100% ", " Spiel gestartet; 100% ", ""},
    {IDD_OUTPUT, "Wert an Output-Liste anhängen", IDC_OUTPUT_OK, IDC_OUTPUT_CANCEL, "AddOutput",
     &ScriptCommand::Value, "-12", "-12", "0"},
    {IDD_MIDI_TICK, "Funktion von 'Get Midi Pos.' ändern", IDC_MIDI_TICK_OK, IDC_MIDI_TICK_CANCEL,
     "MidiTickFunction", &ScriptCommand::Command, "oUtPuT", "Output", "Original"},
    {IDD_DEBUG_LEVEL, "Debuglevel setzen", IDC_DEBUG_LEVEL_OK, IDC_DEBUG_LEVEL_CANCEL,
     "SetDebugLevel", &ScriptCommand::Level, "2", "2", "0"},
    {IDD_MCI, "MCI-Befehl senden", IDC_MCI_OK, IDC_MCI_CANCEL, "MCICommand",
     &ScriptCommand::Command, "play %path%\\Music\\a.mid", "play %path%\\Music\\a.mid", ""},
};

// OK on a new command (the edit buffer freshly reset, as the chooser leaves
// it) stores the action and the default of the dialog's field, nothing else.
TEST(SimpleDialogs, NewCommandStoresTheDefaults) {
  for (const CommandDialogCase& c : kCommandDialogs) {
    SCOPED_TRACE(c.Caption);
    ResetEditBuffer(App().Document);
    ScriptCommand expected = Buffer();
    expected.Action = c.Action;
    expected.*c.Field = c.Fresh;
    DialogDriver driver;
    driver.Then(c.Caption, [&](HWND d) { Click(d, c.OkId); });
    RunDialog(driver, c.Id);
    EXPECT_EQ(Buffer(), expected);
  }
}

// How a dialog is ended: what the buffer holds afterwards.
struct Ending {
  const char* Name;
  bool Confirms;
  std::function<void(HWND, const CommandDialogCase&)> Do;
};

const Ending kEndings[] = {
    {"OK button", true, [](HWND d, const CommandDialogCase& c) { Click(d, c.OkId); }},
    {"Enter", true, [](HWND, const CommandDialogCase&) { PressKey(VK_RETURN); }},
    {"Cancel button", false, [](HWND d, const CommandDialogCase& c) { Click(d, c.CancelId); }},
    {"close box", false,
     [](HWND d, const CommandDialogCase&) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

TEST(SimpleDialogs, OkAndEnterStoreCancelAndCloseMarkTheBuffer) {
  for (const CommandDialogCase& c : kCommandDialogs) {
    for (const Ending& ending : kEndings) {
      SCOPED_TRACE(std::string(c.Caption) + ", " + ending.Name);
      const ScriptCommand before = Existing([&](ScriptCommand& b) { b.*c.Field = c.Stored; });
      Buffer() = before;
      ScriptCommand expected = before;
      if (ending.Confirms) {
        expected.Action = c.Action;
        expected.*c.Field = c.StoredBack;
      } else {
        expected.SectionName = "&NULL";
      }
      DialogDriver driver;
      driver.Then(c.Caption, [&](HWND d) { ending.Do(d, c); });
      RunDialog(driver, c.Id);
      EXPECT_EQ(Buffer(), expected);
    }
  }
}

// Escape (the key, or the IDCANCEL command it becomes) leaves the dialog open
// and the buffer untouched.
TEST(SimpleDialogs, EscapeDoesNotCloseADialog) {
  for (const CommandDialogCase& c : kCommandDialogs) {
    SCOPED_TRACE(c.Caption);
    Buffer() = Existing([&](ScriptCommand& b) { b.*c.Field = c.Stored; });
    const ScriptCommand before = Buffer();
    bool stillOpen = false;
    DialogDriver driver;
    driver
        .Then(c.Caption,
              [](HWND d) {
                SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                PressKey(VK_ESCAPE);
              })
        .Then(c.Caption, [&](HWND d) {
          stillOpen = true;
          EXPECT_EQ(Buffer(), before);
          Click(d, c.CancelId);
        });
    RunDialog(driver, c.Id);
    EXPECT_TRUE(stillOpen);
  }
}

// ---------------------------------------------------------------------------
// "Wert an Output-Liste anhängen": the Negativ rule on the controls.

TEST(OutputDialog, ShowsTheValueByTheNegativRule) {
  struct Case {
    const char* Value;
    const char* Digits;
    bool Negative;
    const char* StoredBack;  // OK without a change
  } cases[] = {
      {"-12", "12", true, "-12"}, {"12", "12", false, "12"}, {"7.9", "7", false, "7"},
      {"", "0", false, "0"},      {"abc", "0", false, "0"},  {"  -3x", "3", true, "-3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("Value '") + c.Value + "'");
    Buffer() = Existing([&](ScriptCommand& b) { b.Value = c.Value; });
    std::string digits;
    bool negative = false;
    OkAfter(IDD_OUTPUT, [&](HWND d) {
      digits = testing::Text(d, IDC_OUTPUT_VALUE);
      negative = IsDlgButtonChecked(d, IDC_OUTPUT_NEGATIVE) == BST_CHECKED;
    });
    EXPECT_EQ(digits, c.Digits);
    EXPECT_EQ(negative, c.Negative);
    EXPECT_EQ(Buffer().Value, c.StoredBack);
  }
}

TEST(OutputDialog, StoresWhatTheUserEnters) {
  struct Case {
    const char* Box;
    bool Negative;
    const char* Stored;
  } cases[] = {
      {"", false, "0"},    {"", true, "0"},  {"25", true, "-25"},
      {"007", false, "7"}, {"0", true, "0"}, {"2147483647", true, "-2147483647"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("box '") + c.Box + (c.Negative ? "', Negativ" : "'"));
    Buffer() = Existing([](ScriptCommand& b) { b.Value = "-12"; });
    OkAfter(IDD_OUTPUT, [&](HWND d) {
      SetDlgItemTextA(d, IDC_OUTPUT_VALUE, c.Box);
      CheckDlgButton(d, IDC_OUTPUT_NEGATIVE, c.Negative ? BST_CHECKED : BST_UNCHECKED);
    });
    EXPECT_EQ(Buffer().Value, c.Stored);
    EXPECT_EQ(Buffer().Action, "AddOutput");
  }
}

// ---------------------------------------------------------------------------
// "Funktion von 'Get Midi Pos.' ändern" and "Debuglevel setzen": the lists.

TEST(MidiTickDialog, PreselectsByCommandInAnyCaseAndStoresTheChoice) {
  struct Case {
    const char* Command;
    int Shown;
    int Chosen;
    const char* Stored;
  } cases[] = {
      {"output", 1, 1, "Output"},    {"OUTPUT", 1, 0, "Original"}, {"oUtPuT", 1, 1, "Output"},
      {"Original", 0, 1, "Output"},  {"", 0, 0, "Original"},       {"Outputs", 0, 0, "Original"},
      {" Output", 0, 0, "Original"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("Command '") + c.Command + "'");
    Buffer() = Existing([&](ScriptCommand& b) { b.Command = c.Command; });
    int shown = -2;
    std::vector<std::string> items;
    OkAfter(IDD_MIDI_TICK, [&](HWND d) {
      shown = ComboSelection(d, IDC_MIDI_TICK_FUNCTION);
      items = ComboItems(d, IDC_MIDI_TICK_FUNCTION);
      SendDlgItemMessageA(d, IDC_MIDI_TICK_FUNCTION, CB_SETCURSEL, c.Chosen, 0);
    });
    EXPECT_EQ(shown, c.Shown);
    EXPECT_EQ(items, (std::vector<std::string>{"Abspielposition der Musik abfragen",
                                               "Wert aus der Output-Liste abfragen"}));
    EXPECT_EQ(Buffer().Command, c.Stored);
    EXPECT_EQ(Buffer().SectionName, "");
  }
}

TEST(DebugLevelDialog, PreselectsTheLevelAndStoresTheChoice) {
  struct Case {
    const char* Level;
    int Shown;
    int Chosen;
    const char* Stored;
  } cases[] = {
      {"", 0, 3, "3"},     {"0", 0, 1, "1"},  {"3", 3, 3, "3"},
      {"2abc", 2, 2, "2"}, {" 1", 1, 0, "0"}, {"&H2", 2, 2, "2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("Level '") + c.Level + "'");
    Buffer() = Existing([&](ScriptCommand& b) { b.Level = c.Level; });
    int shown = -2;
    std::vector<std::string> items;
    OkAfter(IDD_DEBUG_LEVEL, [&](HWND d) {
      shown = ComboSelection(d, IDC_DEBUG_LEVEL_LEVEL);
      items = ComboItems(d, IDC_DEBUG_LEVEL_LEVEL);
      SendDlgItemMessageA(d, IDC_DEBUG_LEVEL_LEVEL, CB_SETCURSEL, c.Chosen, 0);
    });
    EXPECT_EQ(shown, c.Shown);
    EXPECT_EQ(items, (std::vector<std::string>{"Level 0", "Level 1", "Level 2", "Level 3"}));
    EXPECT_EQ(Buffer().Level, c.Stored);
    EXPECT_EQ(Buffer().Action, "SetDebugLevel");
    EXPECT_EQ(Buffer().SectionName, "");
  }
}

// A level outside 0 to 3 opens with no item selected; OK then ends the dialog
// as Cancel does and the command stays as it was.
TEST(DebugLevelDialog, LevelOutsideTheListOpensWithoutSelectionAndOkCancels) {
  for (const char* level : {"5", "-1", "4"}) {
    SCOPED_TRACE(std::string("Level '") + level + "'");
    const ScriptCommand before = Existing([&](ScriptCommand& b) { b.Level = level; });
    Buffer() = before;
    int shown = -2;
    OkAfter(IDD_DEBUG_LEVEL, [&](HWND d) { shown = ComboSelection(d, IDC_DEBUG_LEVEL_LEVEL); });
    EXPECT_EQ(shown, CB_ERR);
    ScriptCommand expected = before;
    expected.SectionName = "&NULL";
    EXPECT_EQ(Buffer(), expected);
  }
}

// ---------------------------------------------------------------------------
// Texts pass whole, longer than the 259 characters of a fixed buffer.

TEST(MciDialog, LongCommandsPassWhole) {
  const std::string stored = "open %path%\\" + std::string(300, 'a');
  const std::string typed = std::string(290, 'b') + " %path% äöü";
  Buffer() = Existing([&](ScriptCommand& b) { b.Command = stored; });
  std::string shown;
  OkAfter(IDD_MCI, [&](HWND d) {
    shown = testing::Text(d, IDC_MCI_COMMAND);
    SetDlgItemTextA(d, IDC_MCI_COMMAND, typed.c_str());
  });
  EXPECT_EQ(shown, stored);
  EXPECT_EQ(Buffer().Command, typed);
}

TEST(LogDialog, ThreeHundredCharacterTextComesBackWhole) {
  const std::string text = std::string(299, 't') + "ß";
  Buffer() = Existing([&](ScriptCommand& b) { b.Text = text; });
  OkAfter(IDD_LOG, [](HWND) {});
  EXPECT_EQ(Buffer().Text, text);
}

// A text box takes typed text beyond its visible width: a box that does not
// scroll sideways refuses every character that would not fit.
TEST(SimpleDialogs, TypingPastTheWidthOfATextBoxIsKept) {
  const std::string typed(120, 'w');
  struct Case {
    int Dialog;
    const char* Caption;
    int Box;
    int Ok;
  } cases[] = {{IDD_LOG, "In Logdatei schreiben", IDC_LOG_TEXT, IDC_LOG_OK},
               {IDD_MCI, "MCI-Befehl senden", IDC_MCI_COMMAND, IDC_MCI_OK},
               {IDD_RENAME, "Skript umbenennen", IDC_RENAME_NAME, IDC_RENAME_OK}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Caption);
    Buffer() = Existing([](ScriptCommand& b) { b.Text = b.Command = ""; });
    App().Document.ScriptName = "";
    std::string shown;
    DialogDriver driver;
    driver.Then(c.Caption, [&](HWND d) {
      for (char ch : typed) SendDlgItemMessageA(d, c.Box, WM_CHAR, static_cast<WPARAM>(ch), 1);
      shown = testing::Text(d, c.Box);
      Click(d, c.Ok);
    });
    RunDialog(driver, c.Dialog);
    EXPECT_EQ(shown, typed);
  }
}

// ---------------------------------------------------------------------------
// "Skript umbenennen": the document's name, no edit buffer, no cancel marker.

TEST(RenameDialog, OkStoresTheNameWholeAndEmptyToo) {
  for (const std::string& typed : {std::string("Testskript"), std::string(300, 'n') + "ä",
                                   std::string(), std::string("  mit Blanks  ")}) {
    SCOPED_TRACE("typed '" + typed + "'");
    App().Document.ScriptName = "Alter Name";
    Buffer() = Existing([](ScriptCommand&) {});
    const ScriptCommand buffer = Buffer();
    std::string shown;
    OkAfter(IDD_RENAME, [&](HWND d) {
      shown = testing::Text(d, IDC_RENAME_NAME);
      SetDlgItemTextA(d, IDC_RENAME_NAME, typed.c_str());
    });
    EXPECT_EQ(shown, "Alter Name");
    EXPECT_EQ(App().Document.ScriptName, typed);
    EXPECT_EQ(Buffer(), buffer) << "the edit buffer is not the rename dialog's";
  }
}

TEST(RenameDialog, EnterConfirmsCancelCloseAndEscapeChangeNothing) {
  const std::string longName = std::string(280, 'l');
  struct Case {
    const char* Name;
    std::function<void(HWND)> End;
    bool Confirms;
  } cases[] = {
      {"Enter", [](HWND) { PressKey(VK_RETURN); }, true},
      {"Cancel button", [](HWND d) { Click(d, IDC_RENAME_CANCEL); }, false},
      {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    App().Document.ScriptName = longName;
    Buffer() = Existing([](ScriptCommand&) {});
    const ScriptCommand buffer = Buffer();
    bool survivedEscape = false;
    DialogDriver driver;
    driver
        .Then("Skript umbenennen",
              [](HWND d) {
                SetDlgItemTextA(d, IDC_RENAME_NAME, "Neu");
                PressKey(VK_ESCAPE);
              })
        .Then("Skript umbenennen", [&](HWND d) {
          survivedEscape = true;
          c.End(d);
        });
    RunDialog(driver, IDD_RENAME);
    EXPECT_TRUE(survivedEscape);
    EXPECT_EQ(App().Document.ScriptName, c.Confirms ? "Neu" : longName);
    EXPECT_EQ(Buffer(), buffer) << "no cancel marker";
  }
}

}  // namespace
}  // namespace wavoria
