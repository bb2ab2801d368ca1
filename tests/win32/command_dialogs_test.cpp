// The dialogs for mouse support, key events, cheat input and launching
// programs and documents, driven for real: their templates, a new command as
// the chooser hands it over (the edit buffer freshly reset), an existing
// command as Edit hands it over (read from a script and loaded by the main
// window's rule), what OK stores, and Cancel and the close box.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/app_state_win.h"
#include "app/dialog_registry_win.h"
#include "app/editor_commands.h"
#include "app/editor_windows_win.h"
#include "dialog_driver.h"
#include "document/list_lines.h"
#include "document/script_reader.h"
#include "editor_test_support.h"
#include "layout_check.h"
#include "resources/resource_ids.h"

namespace wavoria {
namespace {

using namespace testing;

constexpr const char* kMouseCaption = "Maussupport aktivieren";
constexpr const char* kKeyEventCaption = "Tastenereignis registrieren";
constexpr const char* kCheatCaption = "Cheat-Eingabe registrieren";
constexpr const char* kProgramCaption = "Programm ausführen";
constexpr const char* kDocumentCaption = "Dokument öffnen";

// A new command: the buffer as the chooser leaves it.
void NewCommand() {
  ResetEditBuffer(App().Document);
}

// An existing command: `section` is read as the one command of a script, and
// the buffer is loaded as Edit does. Returns the id of the dialog Edit opens.
int EditCommand(const std::string& section) {
  const ActionTable actions = ParseActionNames(
      "ExecProgram,2\nRegisterKeyDownEvent,7\nRegisterKeyUpEvent,8\nRegisterCheatEvent,9\n"
      "EnableMouseSupport,10\n");
  ParseScript("[Execute]\r\n" + section + "\r\n", actions, App().Document);
  BuildListLines(App().Document);
  LoadEditBuffer(App().Document, 1);
  return EditTargetAt(App().Document, 1).DialogId;
}

void RunDialog(DialogDriver& driver, int id) {
  EXPECT_TRUE(driver.Run([id] { ShowRegisteredDialog(nullptr, id); })) << driver.Problems();
}

bool Checked(HWND dialog, int id) {
  return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool on) {
  CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

// Types text into a control character by character, as the keyboard does.
void Type(HWND dialog, int id, const std::string& text) {
  for (char ch : text) {
    SendDlgItemMessageA(dialog, id, WM_CHAR, static_cast<unsigned char>(ch), 1);
  }
}

// ---------------------------------------------------------------------------
// Templates: caption, size, and each control's id, class, text, kind, style
// and position, in template (= tab) order.

constexpr const char* kPathNote = "%path% wird automatisch durch den Pfad zum Spiel ersetzt.";

const std::vector<DialogLayout> kLayouts = {
    {IDD_MOUSE_SUPPORT,
     kMouseCaption,
     {222, 90},
     {DigitsBox(IDC_MOUSE_ID, {52, 40, 54, 13}),
      CheckBox(IDC_MOUSE_NEGATIVE, "Negativ", {114, 42, 54, 9}),
      CheckBox(IDC_MOUSE_AUTOMATIC, "Automatisch alle 0,5 Sekunden Mausposition senden",
               {12, 59, 202, 11}),
      Ok(IDC_MOUSE_OK, {108, 75, 54, 13}), Cancel(IDC_MOUSE_CANCEL, {166, 75, 54, 13}),
      Label(IDC_MOUSE_PROMPT,
            "Bitte legen Sie eine Maus-ID fest. Beim Senden der Mausposition an die "
            "Output-Liste wird zuerst die Maus-ID gesendet, danach die X-Position, dann die "
            "Y-Position und zuletzt der Status der Maustasten (0=keine, 1=links, 2=rechts, "
            "3=beide).",
            {6, 3, 210, 33})}},
    {IDD_KEY_EVENT,
     kKeyEventCaption,
     {234, 138},
     {DropDownList(IDC_KEY_EVENT_EVENT, {70, 40, 88, 50}),
      {IDC_KEY_EVENT_CAPTURE,
       "Button",
       "...",
       {126, 60, 16, 13},
       BS_TYPEMASK,
       BS_PUSHBUTTON,
       WS_TABSTOP,
       0},
      DigitsBox(IDC_KEY_EVENT_VALUE, {70, 81, 54, 13}),
      CheckBox(IDC_KEY_EVENT_NEGATIVE, "Negativ", {130, 83, 54, 9}),
      Ok(IDC_KEY_EVENT_OK, {122, 121, 54, 13}),
      Cancel(IDC_KEY_EVENT_CANCEL, {178, 121, 54, 13}),
      TextBox(IDC_KEY_EVENT_KEY, {70, 60, 54, 13}, ES_READONLY, WS_TABSTOP),
      Label(IDC_KEY_EVENT_PROMPT,
            "Um ein Tastenereignis registrieren zu lassen, wählen Sie zuerst aus, ob auf das "
            "Drücken oder Loslassen einer Taste reagiert werden soll. Danach wählen Sie die "
            "Taste und den Wert, der bei Eintreten des Ereignisses an die Output-Liste gesendet "
            "werden soll.",
            {4, 3, 226, 33}),
      Label(IDC_KEY_EVENT_EVENT_CAPTION, "Ereignis:", {4, 42, 54, 9}),
      Label(IDC_KEY_EVENT_KEY_CAPTION, "Taste:", {4, 62, 54, 9}),
      Label(IDC_KEY_EVENT_VALUE_CAPTION, "Wert:", {4, 83, 54, 9}),
      CheckBox(IDC_KEY_EVENT_BLOCK, "Originalfunktion sperren", {146, 62, 88, 9})}},
    {IDD_CHEAT,
     kCheatCaption,
     {234, 103},
     {TextBox(IDC_CHEAT_TEXT, {70, 42, 116, 13}, ES_UPPERCASE | WS_TABSTOP),
      DigitsBox(IDC_CHEAT_VALUE, {70, 62, 54, 13}),
      CheckBox(IDC_CHEAT_NEGATIVE, "Negativ", {130, 64, 54, 9}),
      Ok(IDC_CHEAT_OK, {122, 88, 54, 13}), Cancel(IDC_CHEAT_CANCEL, {178, 88, 54, 13}),
      Label(IDC_CHEAT_VALUE_CAPTION, "Wert:", {4, 64, 54, 9}),
      Label(IDC_CHEAT_TEXT_CAPTION, "Cheat:", {4, 44, 54, 9})},
     IDC_CHEAT_VALUE},  // the cheat box is no tab stop
    {IDD_PROGRAM,
     kProgramCaption,
     {234, 173},
     {TextBox(IDC_PROGRAM_FILE, {70, 40, 160, 13}),
      DropDownList(IDC_PROGRAM_MODE, {70, 77, 160, 50}),
      DropDownList(IDC_PROGRAM_PRIORITY, {70, 97, 160, 50}),
      TextBox(IDC_PROGRAM_RESULT, {70, 118, 160, 13}),
      CheckBox(IDC_PROGRAM_WAIT, "Auf Beenden des Programms warten", {16, 136, 150, 9}),
      Ok(IDC_PROGRAM_OK, {122, 156, 54, 13}), Cancel(IDC_PROGRAM_CANCEL, {178, 156, 54, 13}),
      Label(IDC_PROGRAM_PRIORITY_CAPTION, "Priorität:", {4, 99, 54, 9}),
      Label(IDC_PROGRAM_MODE_CAPTION, "Modus:", {4, 79, 54, 9}),
      Label(IDC_PROGRAM_FILE_CAPTION, "Datei:", {4, 42, 54, 9}),
      Label(IDC_PROGRAM_PROMPT,
            "Bitte geben Sie die Datei an, die ausgeführt werden soll. Parameter werden wie bei "
            "der Kommandozeile hinten drangefügt. Anschließend stellen Sie Modus und Priorität "
            "ein. Die Ergebnisdatei ist optional, dort werden Ausgaben des Programms "
            "hineingeschrieben.",
            {4, 3, 226, 33}),
      Label(IDC_PROGRAM_RESULT_CAPTION, "Ergebnisdatei:", {4, 120, 54, 9}),
      Label(IDC_PROGRAM_PATH_NOTE, kPathNote, {72, 55, 156, 15})}},
    {IDD_DOCUMENT,
     kDocumentCaption,
     {234, 129},
     {TextBox(IDC_DOCUMENT_FILE, {70, 40, 160, 13}),
      CheckBox(IDC_DOCUMENT_SHOW_ERRORS, "Eventuelle Fehlermeldungen anzeigen", {16, 77, 150, 9}),
      CheckBox(IDC_DOCUMENT_WAIT, "Auf Beenden des Programms warten", {16, 94, 150, 9}),
      Ok(IDC_DOCUMENT_OK, {122, 114, 54, 13}), Cancel(IDC_DOCUMENT_CANCEL, {178, 114, 54, 13}),
      Label(IDC_DOCUMENT_FILE_CAPTION, "Datei:", {4, 42, 54, 9}),
      Label(IDC_DOCUMENT_PROMPT,
            "Bitte geben Sie die Datei an, die geöffnet werden soll und legen Sie fest, ob auf "
            "die Anwendung gewartet werden soll. Die Implementierung der Funktion 'Eventuelle "
            "Fehlermeldungen anzeigen' ist systemabhängig.",
            {4, 3, 226, 33}),
      Label(IDC_DOCUMENT_PATH_NOTE, kPathNote, {72, 55, 156, 15})}},
};

// Runs one opening of dialog `id`: `use` sees it, then OK is clicked.
void OkAfter(int id, const std::function<void(HWND)>& use) {
  UseAndOk(kLayouts, id, RunDialog, use);
}

TEST(CommandDialogs, TemplatesMatchTheirLayout) {
  CheckTemplates(kLayouts, [](DialogDriver& driver, int id) {
    NewCommand();
    RunDialog(driver, id);
  });
}

TEST(CommandDialogs, RegistryAndEditOpenTheDialogOfEachCommand) {
  for (int id : {IDD_MOUSE_SUPPORT, IDD_KEY_EVENT, IDD_CHEAT, IDD_PROGRAM, IDD_DOCUMENT}) {
    EXPECT_NE(DialogProcFor(id), nullptr) << id;
  }
  struct Case {
    const char* Section;
    int Dialog;
  } cases[] = {
      {"Action=EnableMouseSupport\r\nEnable=True", IDD_MOUSE_SUPPORT},
      {"Action=RegisterKeyDownEvent\r\nValue=1", IDD_KEY_EVENT},
      {"Action=registerkeyupevent\r\nValue=1", IDD_KEY_EVENT},
      {"Action=RegisterCheatEvent", IDD_CHEAT},
      {"Action=ExecProgram", IDD_PROGRAM},
      {"Action=ExecProgram\r\nType=DOCUMENT", IDD_DOCUMENT},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Section);
    EXPECT_EQ(EditCommand(c.Section), c.Dialog);
  }
}

// The chooser hands each of these dialogs a fresh buffer, whatever the last
// command left in it, and takes what OK stores.
TEST(CommandDialogs, ChooserOpensEachDialogWithAFreshBuffer) {
  struct Case {
    int Button;
    const char* Caption;
    int FirstBox;  // a box that a fresh buffer leaves at its default
    const char* Default;
    std::function<void(HWND)> Confirm;
    const char* Action;
  } cases[] = {
      {IDC_CHOOSER_MOUSE_ON, kMouseCaption, IDC_MOUSE_ID, "0",
       [](HWND d) { Click(d, IDC_MOUSE_OK); }, "EnableMouseSupport"},
      {IDC_CHOOSER_KEY_EVENT, kKeyEventCaption, IDC_KEY_EVENT_KEY, "A",
       [](HWND d) { Click(d, IDC_KEY_EVENT_OK); }, "RegisterKeyDownEvent"},
      {IDC_CHOOSER_CHEAT, kCheatCaption, IDC_CHEAT_TEXT, "", [](HWND d) { Click(d, IDC_CHEAT_OK); },
       "RegisterCheatEvent"},
      {IDC_CHOOSER_PROGRAM, kProgramCaption, IDC_PROGRAM_FILE, "",
       [](HWND d) {
         SetDlgItemTextA(d, IDC_PROGRAM_FILE, "a.exe");
         Click(d, IDC_PROGRAM_OK);
       },
       "ExecProgram"},
      {IDC_CHOOSER_DOCUMENT, kDocumentCaption, IDC_DOCUMENT_FILE, "",
       [](HWND d) {
         SetDlgItemTextA(d, IDC_DOCUMENT_FILE, "a.txt");
         Click(d, IDC_DOCUMENT_OK);
       },
       "ExecProgram"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Caption);
    EditCommand(
        "Action=RegisterKeyUpEvent\r\nKey=Q\r\nValue=9\r\nID=7\r\nCommand=x.exe\r\nCheat=ABC");
    std::string shown = "?";
    DialogDriver driver;
    driver.Then("Kommando hinzufügen", [&](HWND d) { Click(d, c.Button); })
        .Then(c.Caption, [&](HWND d) {
          shown = testing::Text(d, c.FirstBox);
          c.Confirm(d);
        });
    EXPECT_TRUE(driver.Run([] { ShowChooser(nullptr); })) << driver.Problems();
    EXPECT_EQ(shown, c.Default);
    EXPECT_EQ(Buffer().Action, c.Action);
    EXPECT_EQ(Buffer().SectionName, "");
  }
}

// ---------------------------------------------------------------------------
// What every dialog of this file shares: Cancel and the close box mark the
// buffer and change nothing else, even after the controls were changed;
// Escape does not close the dialog.

struct Shared {
  int Id;
  const char* Caption;
  int CancelId;
  const char* Section;                  // an existing command of the dialog
  std::function<void(HWND)> ChangeAll;  // alters every control
};

const Shared kShared[] = {
    {IDD_MOUSE_SUPPORT, kMouseCaption, IDC_MOUSE_CANCEL,
     "Action=EnableMouseSupport\r\nEnable=True\r\nID=-3\r\nAutomatic=true",
     [](HWND d) {
       SetDlgItemTextA(d, IDC_MOUSE_ID, "77");
       SetChecked(d, IDC_MOUSE_NEGATIVE, false);
       SetChecked(d, IDC_MOUSE_AUTOMATIC, false);
     }},
    {IDD_KEY_EVENT, kKeyEventCaption, IDC_KEY_EVENT_CANCEL,
     "Action=RegisterKeyUpEvent\r\nKey=f1\r\nValue=4\r\nBlockKey=True",
     [](HWND d) {
       Select(d, IDC_KEY_EVENT_EVENT, 0);
       SetDlgItemTextA(d, IDC_KEY_EVENT_VALUE, "9");
       SetChecked(d, IDC_KEY_EVENT_NEGATIVE, true);
       SetChecked(d, IDC_KEY_EVENT_BLOCK, false);
     }},
    {IDD_CHEAT, kCheatCaption, IDC_CHEAT_CANCEL,
     "Action=RegisterCheatEvent\r\nCheat=money\r\nValue=-2",
     [](HWND d) {
       SetDlgItemTextA(d, IDC_CHEAT_TEXT, "GOLD");
       SetDlgItemTextA(d, IDC_CHEAT_VALUE, "1");
       SetChecked(d, IDC_CHEAT_NEGATIVE, false);
     }},
    {IDD_PROGRAM, kProgramCaption, IDC_PROGRAM_CANCEL,
     "Action=ExecProgram\r\nCommand=a.exe\r\nDisplay=Normal\r\nPriority=Idle\r\nWait=True",
     [](HWND d) {
       SetDlgItemTextA(d, IDC_PROGRAM_FILE, "b.exe");
       SetDlgItemTextA(d, IDC_PROGRAM_RESULT, "r.txt");
       Select(d, IDC_PROGRAM_MODE, 3);
       Select(d, IDC_PROGRAM_PRIORITY, 3);
       SetChecked(d, IDC_PROGRAM_WAIT, false);
     }},
    {IDD_DOCUMENT, kDocumentCaption, IDC_DOCUMENT_CANCEL,
     "Action=ExecProgram\r\nType=Document\r\nCommand=a.txt\r\nDisplay=ShowErrors",
     [](HWND d) {
       SetDlgItemTextA(d, IDC_DOCUMENT_FILE, "b.txt");
       SetChecked(d, IDC_DOCUMENT_SHOW_ERRORS, false);
       SetChecked(d, IDC_DOCUMENT_WAIT, true);
     }},
};

TEST(CommandDialogs, CancelAndCloseBoxChangeNothing) {
  struct Ending {
    const char* Name;
    std::function<void(HWND, const Shared&)> Do;
  } endings[] = {
      {"Cancel", [](HWND d, const Shared& s) { Click(d, s.CancelId); }},
      {"close box", [](HWND d, const Shared&) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const Shared& s : kShared) {
    for (const Ending& ending : endings) {
      for (bool fresh : {true, false}) {
        SCOPED_TRACE(std::string(s.Caption) + ", " + ending.Name + (fresh ? ", new" : ", edit"));
        if (fresh) {
          NewCommand();
        } else {
          EditCommand(s.Section);
        }
        ScriptCommand expected = Buffer();
        expected.SectionName = "&NULL";
        DialogDriver driver;
        driver.Then(s.Caption, [&](HWND d) {
          s.ChangeAll(d);
          ending.Do(d, s);
        });
        RunDialog(driver, s.Id);
        EXPECT_EQ(Buffer(), expected);
      }
    }
  }
}

TEST(CommandDialogs, EscapeDoesNotCloseADialog) {
  for (const Shared& s : kShared) {
    SCOPED_TRACE(s.Caption);
    EditCommand(s.Section);
    const ScriptCommand before = Buffer();
    bool stillOpen = false;
    DialogDriver driver;
    driver
        .Then(s.Caption,
              [](HWND d) { PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); })
        .Then(s.Caption, [&](HWND d) {
          stillOpen = true;
          EXPECT_EQ(Buffer(), before);
          Click(d, s.CancelId);
        });
    RunDialog(driver, s.Id);
    EXPECT_TRUE(stillOpen);
  }
}

// What a control shows: an edit's text, whether a check box is ticked, and a
// combo box's selection with its items, each followed by "|".
std::string Shown(HWND dialog, int id) {
  char className[32] = {};
  GetClassNameA(GetDlgItem(dialog, id), className, sizeof className);
  if (lstrcmpiA(className, "Button") == 0) return Checked(dialog, id) ? "ticked" : "not ticked";
  if (lstrcmpiA(className, "ComboBox") != 0) return testing::Text(dialog, id);
  std::string shown = std::to_string(ComboSelection(dialog, id)) + " of ";
  for (const std::string& item : ComboItems(dialog, id)) shown += item + "|";
  return shown;
}

TEST(CommandDialogs, NewCommandShowsDefaultsAndOkStoresThem) {
  struct Case {
    int Dialog;
    std::vector<std::pair<int, std::string>> Shown;
    std::function<void(ScriptCommand&)> Stored;  // what OK sets in the fresh buffer
    std::function<void(HWND)> Fill = {};         // what the user does before OK
  } cases[] = {
      // OK switches mouse support on.
      {IDD_MOUSE_SUPPORT,
       {{IDC_MOUSE_ID, "0"},
        {IDC_MOUSE_NEGATIVE, "not ticked"},
        {IDC_MOUSE_AUTOMATIC, "not ticked"}},
       [](ScriptCommand& c) {
         c.Action = "EnableMouseSupport";
         c.Enable = "True";
         c.ID = "0";
         c.Automatic = "False";
       }},
      // An empty cheat is stored empty.
      {IDD_CHEAT,
       {{IDC_CHEAT_TEXT, ""}, {IDC_CHEAT_VALUE, "0"}},
       [](ScriptCommand& c) {
         c.Action = "RegisterCheatEvent";
         c.Value = "0";
         c.Cheat = "";
       }},
      // A new key event starts with key A.
      {IDD_KEY_EVENT,
       {{IDC_KEY_EVENT_EVENT, "0 of Drücken|Loslassen|"},
        {IDC_KEY_EVENT_KEY, "A"},
        {IDC_KEY_EVENT_VALUE, "0"},
        {IDC_KEY_EVENT_NEGATIVE, "not ticked"},
        {IDC_KEY_EVENT_BLOCK, "not ticked"}},
       [](ScriptCommand& c) {
         c.Action = "RegisterKeyDownEvent";
         c.Key = "A";
         c.Value = "0";
         c.BlockKey = "False";
       }},
      // A new program launch stores empty mode and priority.
      {IDD_PROGRAM,
       {{IDC_PROGRAM_FILE, ""},
        {IDC_PROGRAM_MODE,
         "0 of Nicht festgelegt|Normal|Minimiert|Maximiert|Minimiert und im Hintergrund|"
         "Im Hintergrund|"},
        {IDC_PROGRAM_PRIORITY, "1 of Niedrig|Normal|Hoch|Echtzeit|"},
        {IDC_PROGRAM_WAIT, "not ticked"}},
       [](ScriptCommand& c) {
         c.Action = "ExecProgram";
         c.Type = "";
         c.Command = "%path%\\tool.exe /q";
         c.Result = "";
         c.Wait = "False";
         c.Display = "";
         c.Priority = "";
       },
       [](HWND d) { SetDlgItemTextA(d, IDC_PROGRAM_FILE, "%path%\\tool.exe /q"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Dialog);
    NewCommand();
    ScriptCommand expected = Buffer();
    std::vector<std::pair<int, std::string>> shown;
    OkAfter(c.Dialog, [&](HWND d) {
      for (const auto& [id, text] : c.Shown) shown.push_back({id, Shown(d, id)});
      if (c.Fill) c.Fill(d);
    });
    EXPECT_EQ(shown, c.Shown);
    c.Stored(expected);
    EXPECT_EQ(Buffer(), expected);
  }
}

// ---------------------------------------------------------------------------
// "Maussupport aktivieren"

TEST(MouseSupportDialog, EditShowsTheStoredCommandAndOkStoresTheControls) {
  struct Case {
    const char* Section;
    const char* Id;
    bool Negative;
    bool Automatic;
    const char* TypedId;  // then typed into the box
    bool TickNegative;
    const char* StoredId;
  } cases[] = {
      {"ID=-3\r\nAutomatic=true", "3", true, true, "3", true, "-3"},
      {"ID=12\r\nAutomatic=FALSE", "12", false, false, "", true, "0"},
      {"ID=abc\r\nAutomatic=TRUE", "0", false, true, "45", true, "-45"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Section);
    EditCommand(std::string("Action=EnableMouseSupport\r\nEnable=True\r\n") + c.Section);
    std::string id;
    bool negative = false;
    bool automatic = false;
    OkAfter(IDD_MOUSE_SUPPORT, [&](HWND d) {
      id = testing::Text(d, IDC_MOUSE_ID);
      negative = Checked(d, IDC_MOUSE_NEGATIVE);
      automatic = Checked(d, IDC_MOUSE_AUTOMATIC);
      SetDlgItemTextA(d, IDC_MOUSE_ID, c.TypedId);
      SetChecked(d, IDC_MOUSE_NEGATIVE, c.TickNegative);
      SetChecked(d, IDC_MOUSE_AUTOMATIC, !automatic);
    });
    EXPECT_EQ(id, c.Id);
    EXPECT_EQ(negative, c.Negative);
    EXPECT_EQ(automatic, c.Automatic);
    EXPECT_EQ(Buffer().ID, c.StoredId);
    EXPECT_EQ(Buffer().Automatic, c.Automatic ? "False" : "True");
    EXPECT_EQ(Buffer().Enable, "True");
    EXPECT_EQ(Buffer().SectionName, "");
  }
}

// ---------------------------------------------------------------------------
// "Cheat-Eingabe registrieren"

TEST(CheatDialog, LettersTurnToUpperCaseAsTyped) {
  NewCommand();
  std::string shown;
  OkAfter(IDD_CHEAT, [&](HWND d) {
    Type(d, IDC_CHEAT_TEXT, "iddqd 42");
    shown = testing::Text(d, IDC_CHEAT_TEXT);
    SetDlgItemTextA(d, IDC_CHEAT_VALUE, "8");
    SetChecked(d, IDC_CHEAT_NEGATIVE, true);
  });
  EXPECT_EQ(shown, "IDDQD 42");
  EXPECT_EQ(Buffer().Cheat, "IDDQD 42");
  EXPECT_EQ(Buffer().Value, "-8");
}

TEST(CheatDialog, EditShowsAStoredCheatInUpperCase) {
  EditCommand("Action=RegisterCheatEvent\r\nCheat=money\r\nValue=-12");
  std::string cheat;
  std::string value;
  bool negative = false;
  OkAfter(IDD_CHEAT, [&](HWND d) {
    cheat = testing::Text(d, IDC_CHEAT_TEXT);
    value = testing::Text(d, IDC_CHEAT_VALUE);
    negative = Checked(d, IDC_CHEAT_NEGATIVE);
  });
  EXPECT_EQ(cheat, "MONEY");
  EXPECT_EQ(value, "12");
  EXPECT_TRUE(negative);
  EXPECT_EQ(Buffer().Cheat, "MONEY");
  EXPECT_EQ(Buffer().Value, "-12");
}

// ---------------------------------------------------------------------------
// "Tastenereignis registrieren" (the key capture has tests of its own)

TEST(KeyEventDialog, EditPreselectsTheEventAndNormalisesTheKey) {
  struct Case {
    const char* Section;
    int Event;
    const char* Key;
    const char* Value;
    bool Negative;
    bool Block;
    const char* StoredAction;  // OK without a change
  } cases[] = {
      {"Action=RegisterKeyUpEvent\r\nKey=F1\r\nValue=3\r\nBlockKey=true", 1, "F1", "3", false, true,
       "RegisterKeyUpEvent"},
      {"Action=REGISTERKEYUPEVENT\r\nKey=esc\r\nValue=-7", 1, "ESC", "7", true, false,
       "RegisterKeyUpEvent"},
      {"Action=registerKeyDownEvent\r\nKey=\r\nValue=0\r\nBlockKey=Yes", 0, "A", "0", false, false,
       "RegisterKeyDownEvent"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Section);
    EditCommand(c.Section);
    int event = -2;
    std::string key;
    std::string value;
    bool negative = false;
    bool block = false;
    OkAfter(IDD_KEY_EVENT, [&](HWND d) {
      event = ComboSelection(d, IDC_KEY_EVENT_EVENT);
      key = testing::Text(d, IDC_KEY_EVENT_KEY);
      value = testing::Text(d, IDC_KEY_EVENT_VALUE);
      negative = Checked(d, IDC_KEY_EVENT_NEGATIVE);
      block = Checked(d, IDC_KEY_EVENT_BLOCK);
    });
    EXPECT_EQ(event, c.Event);
    EXPECT_EQ(key, c.Key);
    EXPECT_EQ(value, c.Value);
    EXPECT_EQ(negative, c.Negative);
    EXPECT_EQ(block, c.Block);
    EXPECT_EQ(Buffer().Action, c.StoredAction);
    EXPECT_EQ(Buffer().Key, c.Key);
    EXPECT_EQ(Buffer().Value, std::string(c.Negative ? "-" : "") + c.Value);
    EXPECT_EQ(Buffer().BlockKey, c.Block ? "True" : "False");
  }
}

// A key in the script that a padded box would show with its blanks is shown
// without them; the key box is read-only, so typing does not change it.
TEST(KeyEventDialog, KeyBoxIsReadOnly) {
  EditCommand("Action=RegisterKeyDownEvent\r\nKey=  space  \r\nValue=1");
  std::string key;
  OkAfter(IDD_KEY_EVENT, [&](HWND d) {
    Type(d, IDC_KEY_EVENT_KEY, "xyz");
    key = testing::Text(d, IDC_KEY_EVENT_KEY);
    Select(d, IDC_KEY_EVENT_EVENT, 1);
  });
  EXPECT_EQ(key, "SPACE");
  EXPECT_EQ(Buffer().Key, "SPACE");
  EXPECT_EQ(Buffer().Action, "RegisterKeyUpEvent");
}

// ---------------------------------------------------------------------------
// "Programm ausführen"

TEST(ProgramDialog, EditPreselectsInAnyCaseAndStoresTheChosenItems) {
  struct Case {
    const char* Display;
    const char* Priority;
    int Mode;          // preselected
    int PriorityItem;  // preselected
    int ChooseMode;
    int ChoosePriority;
    const char* StoredDisplay;
    const char* StoredPriority;
  } cases[] = {
      {"minimizedactive", "hight", 4, 2, 4, 2, "MinimizedActive", "Hight"},
      {"NOTACTIVATED", "IDLE", 5, 0, 5, 0, "NotActivated", "Idle"},
      {"Normal", "Realtime", 1, 3, 2, 1, "Minimized", ""},
      {"Fullscreen", "High", 0, 1, 0, 2, "", "Hight"},
      {"maximized", "", 3, 1, 4, 3, "MinimizedActive", "Realtime"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Display) + " / " + c.Priority);
    EditCommand(std::string("Action=ExecProgram\r\nType=Other\r\nCommand= a.exe \r\n") +
                "Result=out.txt\r\nWait=true\r\nDisplay=" + c.Display +
                "\r\nPriority=" + c.Priority);
    int mode = -2;
    int priority = -2;
    std::string file;
    std::string result;
    bool wait = false;
    OkAfter(IDD_PROGRAM, [&](HWND d) {
      mode = ComboSelection(d, IDC_PROGRAM_MODE);
      priority = ComboSelection(d, IDC_PROGRAM_PRIORITY);
      file = testing::Text(d, IDC_PROGRAM_FILE);
      result = testing::Text(d, IDC_PROGRAM_RESULT);
      wait = Checked(d, IDC_PROGRAM_WAIT);
      Select(d, IDC_PROGRAM_MODE, c.ChooseMode);
      Select(d, IDC_PROGRAM_PRIORITY, c.ChoosePriority);
    });
    EXPECT_EQ(mode, c.Mode);
    EXPECT_EQ(priority, c.PriorityItem);
    EXPECT_EQ(file, "a.exe");  // the reader strips the line's blanks
    EXPECT_EQ(result, "out.txt");
    EXPECT_TRUE(wait);
    EXPECT_EQ(Buffer().Display, c.StoredDisplay);
    EXPECT_EQ(Buffer().Priority, c.StoredPriority);
    EXPECT_EQ(Buffer().Type, "") << "a program launch has no Type";
    EXPECT_EQ(Buffer().Wait, "True");
    EXPECT_EQ(Buffer().Result, "out.txt");
    EXPECT_EQ(Buffer().SectionName, "");
  }
}

// An empty file name, or blanks only, is refused with a message; the dialog
// stays open, and a later name with blanks around it is stored as typed.
TEST(ProgramDialog, RefusesAnEmptyFileName) {
  EditCommand("Action=ExecProgram\r\nCommand=old.exe\r\nPriority=Idle\r\nWait=True");
  const ScriptCommand before = Buffer();
  HWND dialog = nullptr;
  std::vector<std::string> texts;
  std::vector<std::string> captions;
  std::vector<LPCSTR> icons;
  std::vector<HWND> owners;
  int boxes = 0;
  bool okOnly = true;
  ScriptCommand afterRefusal;
  auto checkBox = [&](HWND box) {
    ++boxes;
    texts.push_back(testing::MessageText(box));
    captions.push_back(testing::Caption(box));
    icons.push_back(testing::MessageIcon(box));
    owners.push_back(GetWindow(box, GW_OWNER));
    okOnly = okOnly && testing::HasButton(box, IDOK) && !testing::HasButton(box, IDCANCEL) &&
             !testing::HasButton(box, IDYES);
    Click(box, IDOK);
  };
  DialogDriver driver;
  driver
      .Then(kProgramCaption,
            [&](HWND d) {
              dialog = d;
              SetDlgItemTextA(d, IDC_PROGRAM_FILE, "");
              Select(d, IDC_PROGRAM_PRIORITY, 3);
              Click(d, IDC_PROGRAM_OK);
            })
      .Then(kProgramCaption, checkBox)
      .Then(kProgramCaption,
            [&](HWND d) {
              EXPECT_EQ(d, dialog) << "the dialog is open again";
              SetDlgItemTextA(d, IDC_PROGRAM_FILE, "   ");
              Click(d, IDC_PROGRAM_OK);
            })
      .Then(kProgramCaption, checkBox)
      .Then(kProgramCaption, [&](HWND d) {
        afterRefusal = Buffer();
        SetDlgItemTextA(d, IDC_PROGRAM_FILE, "  neu.exe -x  ");
        Click(d, IDC_PROGRAM_OK);
      });
  RunDialog(driver, IDD_PROGRAM);
  ASSERT_EQ(boxes, 2);
  for (int i = 0; i < boxes; ++i) {
    EXPECT_EQ(texts[i], "Bitte geben Sie ein Programm an!");
    EXPECT_EQ(captions[i], "Programm ausführen");
    EXPECT_EQ(icons[i], IDI_EXCLAMATION);
    EXPECT_EQ(owners[i], dialog) << "the message box belongs to the dialog";
  }
  EXPECT_TRUE(okOnly);
  // The refusal wrote Action and Type only.
  ScriptCommand refused = before;
  refused.Action = "ExecProgram";
  refused.Type = "";
  EXPECT_EQ(afterRefusal, refused);
  EXPECT_EQ(Buffer().Command, "  neu.exe -x  ");
  EXPECT_EQ(Buffer().Priority, "Realtime");
  EXPECT_EQ(Buffer().SectionName, "");
}

TEST(ProgramDialog, CancelAfterARefusalMarksTheBuffer) {
  NewCommand();
  DialogDriver driver;
  driver.Then(kProgramCaption, [](HWND d) { Click(d, IDC_PROGRAM_OK); })
      .Then(kProgramCaption, [](HWND box) { Click(box, IDOK); })
      .Then(kProgramCaption, [](HWND d) { Click(d, IDC_PROGRAM_CANCEL); });
  RunDialog(driver, IDD_PROGRAM);
  EXPECT_EQ(Buffer().SectionName, "&NULL");
}

// Paths and parameters longer than the box and than 259 characters pass
// whole, typed or stored.
TEST(ProgramDialog, LongFileTextsPassWhole) {
  const std::string stored = "%path%\\" + std::string(300, 'p') + ".exe";
  const std::string typed = "C:\\Programme\\Werkzeug\\" + std::string(280, 'w') + ".exe /ä";
  NewCommand();
  Buffer().Command = stored;
  Buffer().Result = std::string(270, 'r');
  std::string shown;
  OkAfter(IDD_PROGRAM, [&](HWND d) {
    shown = testing::Text(d, IDC_PROGRAM_FILE);
    SetDlgItemTextA(d, IDC_PROGRAM_FILE, "");
    Type(d, IDC_PROGRAM_FILE, typed);
  });
  EXPECT_EQ(shown, stored);
  EXPECT_EQ(Buffer().Command, typed);
  EXPECT_EQ(Buffer().Result, std::string(270, 'r'));
}

// ---------------------------------------------------------------------------
// "Dokument öffnen"

TEST(DocumentDialog, NewDocumentLaunchRefusesAnEmptyFileAndStoresTheChecks) {
  NewCommand();
  ScriptCommand expected = Buffer();
  std::string file = "?";
  bool showErrors = true;
  bool wait = true;
  std::string message;
  std::string caption;
  LPCSTR icon = nullptr;
  bool okOnly = false;
  DialogDriver driver;
  driver
      .Then(kDocumentCaption,
            [&](HWND d) {
              file = testing::Text(d, IDC_DOCUMENT_FILE);
              showErrors = Checked(d, IDC_DOCUMENT_SHOW_ERRORS);
              wait = Checked(d, IDC_DOCUMENT_WAIT);
              SetDlgItemTextA(d, IDC_DOCUMENT_FILE, " ");
              Click(d, IDC_DOCUMENT_OK);
            })
      .Then(kProgramCaption,  // the message box
            [&](HWND box) {
              message = testing::MessageText(box);
              caption = testing::Caption(box);
              icon = testing::MessageIcon(box);
              okOnly = testing::HasButton(box, IDOK) && !testing::HasButton(box, IDCANCEL);
              Click(box, IDOK);
            })
      .Then(kDocumentCaption, [&](HWND d) {
        SetDlgItemTextA(d, IDC_DOCUMENT_FILE, "%path%\\liesmich.txt");
        SetChecked(d, IDC_DOCUMENT_SHOW_ERRORS, true);
        Click(d, IDC_DOCUMENT_OK);
      });
  RunDialog(driver, IDD_DOCUMENT);
  EXPECT_EQ(file, "");
  EXPECT_FALSE(showErrors);
  EXPECT_FALSE(wait);
  EXPECT_EQ(message, "Bitte geben Sie eine Datei an!");
  EXPECT_EQ(caption, "Programm ausführen");
  EXPECT_EQ(icon, IDI_EXCLAMATION);
  EXPECT_TRUE(okOnly);
  expected.Action = "ExecProgram";
  expected.Type = "Document";
  expected.Command = "%path%\\liesmich.txt";
  expected.Wait = "False";
  expected.Display = "ShowErrors";
  EXPECT_EQ(Buffer(), expected);
}

TEST(DocumentDialog, EditShowsTheChecksInAnyCaseAndKeepsTheType) {
  struct Case {
    const char* Section;
    bool ShowErrors;
    bool Wait;
  } cases[] = {
      {"Display=showerrors\r\nWait=TRUE", true, true},
      {"Display=SHOWERRORS\r\nWait=false", true, false},
      {"Display=Normal\r\nWait=tRuE", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Section);
    EditCommand(std::string("Action=ExecProgram\r\nType=document\r\nCommand=a.txt\r\n") +
                "Priority=Idle\r\n" + c.Section);
    bool showErrors = false;
    bool wait = false;
    OkAfter(IDD_DOCUMENT, [&](HWND d) {
      showErrors = Checked(d, IDC_DOCUMENT_SHOW_ERRORS);
      wait = Checked(d, IDC_DOCUMENT_WAIT);
      SetChecked(d, IDC_DOCUMENT_SHOW_ERRORS, !showErrors);
    });
    EXPECT_EQ(showErrors, c.ShowErrors);
    EXPECT_EQ(wait, c.Wait);
    EXPECT_EQ(Buffer().Type, "Document");
    EXPECT_EQ(Buffer().Display, c.ShowErrors ? "" : "ShowErrors");
    EXPECT_EQ(Buffer().Wait, c.Wait ? "True" : "False");
    EXPECT_EQ(Buffer().Command, "a.txt");
    EXPECT_EQ(Buffer().Priority, "Idle") << "not the document dialog's field";
  }
}

}  // namespace
}  // namespace wavoria
