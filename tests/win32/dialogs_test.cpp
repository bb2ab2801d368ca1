// The command dialogs and the rename dialog driven for real: which control
// shows and stores which field of the edit buffer, Enter confirms, Escape
// leaves a dialog open, Cancel and the close box mark the buffer, and the
// launch dialogs refuse an empty file.
#include <gtest/gtest.h>

#include "app/command_dialog_table_win.h"
#include "app/editor_commands.h"
#include "dialogs/launch_forms.h"
#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;
using Controls = std::vector<std::pair<int, std::string>>;  // check box "1"/"0", list: the item

std::string Kind(HWND d, int id) {
  char name[16] = {};
  return std::string(name, GetClassNameA(GetDlgItem(d, id), name, sizeof name));
}

std::string Shown(HWND d, int id) {
  if (Kind(d, id) == "Button") return IsButtonChecked(d, id) ? "1" : "0";
  return Kind(d, id) == "ComboBox" ? std::to_string(DropDownSelection(d, id)) : GetItemText(d, id);
}

void Enter(HWND d, int id, const std::string& value) {
  if (Kind(d, id) == "Button") SetButtonChecked(d, id, value == "1");
  if (Kind(d, id) == "ComboBox") SelectDropDownItem(d, id, std::stoi(value));
  if (Kind(d, id) == "Edit") SetItemText(d, id, value);
}

// A dialog, the command handed to it, what its controls show for it, what the
// user then enters, what OK stores for that, and what leaves it unconfirmed:
// Abbrechen or the close box.
struct Field {
  int Id;
  std::string Shown;
  const char* Typed = nullptr;  // nullptr: left as it is
};
struct Row {
  int Id;
  const char* Caption;
  int Cancel;
  const char* Given;
  const char* Stored;
  std::vector<Field> Fields;
  int Focus;  // the control with the focus on opening: 0 for the first that takes input
};
Row Case(int id, const char* caption, int cancel, const char* given, const char* stored,
         std::vector<Field> fields, int focus = 0) {
  return {id, caption, cancel, given, stored, std::move(fields), focus};
}

const Row kRows[] = {
    Case(IDD_LOG, "In Logdatei schreiben", kCloseBox, "Text=alt", "Action=WriteToLog|Text=neu ü",
         {{IDC_LOG_TEXT, "alt", "neu ü"}}),
    Case(IDD_OUTPUT, "Wert an Output-Liste anhängen", IDC_OUTPUT_CANCEL, "Value=-12",
         "Action=AddOutput|Value=25",
         {{IDC_OUTPUT_VALUE, "12", "25"}, {IDC_OUTPUT_NEGATIVE, "1", "0"}}),
    Case(IDD_MIDI_TICK, "Funktion von 'Get Midi Pos.' ändern", kCloseBox, "Command=output",
         "Action=MidiTickFunction|Command=Original", {{IDC_MIDI_TICK_FUNCTION, "1", "0"}}),
    Case(IDD_DEBUG_LEVEL, "Debuglevel setzen", kCloseBox, "Level=2", "Action=SetDebugLevel|Level=3",
         {{IDC_DEBUG_LEVEL_LEVEL, "2", "3"}}),
    Case(IDD_MOUSE_SUPPORT, "Maussupport aktivieren", IDC_MOUSE_CANCEL, "ID=-3|Automatic=True",
         "Action=EnableMouseSupport|Enable=True|ID=7|Automatic=False",
         {{IDC_MOUSE_ID, "3", "7"},
          {IDC_MOUSE_NEGATIVE, "1", "0"},
          {IDC_MOUSE_AUTOMATIC, "1", "0"}}),
    Case(IDD_KEY_EVENT, "Tastenereignis registrieren", kCloseBox,
         "Action=RegisterKeyUpEvent|Key=F1|Value=-4|BlockKey=True",
         "Action=RegisterKeyDownEvent|Value=-9|BlockKey=False",
         {{IDC_KEY_EVENT_EVENT, "1", "0"},
          {IDC_KEY_EVENT_KEY, "F1"},
          {IDC_KEY_EVENT_VALUE, "4", "9"},
          {IDC_KEY_EVENT_NEGATIVE, "1", "1"},
          {IDC_KEY_EVENT_BLOCK, "1", "0"}}),
    Case(IDD_CHEAT, "Cheat-Eingabe registrieren", IDC_CHEAT_CANCEL, "Cheat=money|Value=-2",
         "Action=RegisterCheatEvent|Cheat=GOLD|Value=1",
         {{IDC_CHEAT_TEXT, "MONEY", "GOLD"},
          {IDC_CHEAT_VALUE, "2", "1"},
          {IDC_CHEAT_NEGATIVE, "1", "0"}},
         IDC_CHEAT_VALUE),
    Case(IDD_PROGRAM, "Programm ausführen", kCloseBox,
         "Command=a.exe|Display=Normal|Priority=Idle|Wait=True|Result=r.txt|Type=Other",
         "Action=ExecProgram|Command=b.exe|Display=Minimized|Priority=Realtime|Result=|Wait=False|"
         "Type=",
         {{IDC_PROGRAM_FILE, "a.exe", "b.exe"},
          {IDC_PROGRAM_MODE, "1", "2"},
          {IDC_PROGRAM_PRIORITY, "0", "3"},
          {IDC_PROGRAM_RESULT, "r.txt", ""},
          {IDC_PROGRAM_WAIT, "1", "0"}}),
    Case(IDD_DOCUMENT, "Dokument öffnen", IDC_DOCUMENT_CANCEL,
         "Type=Document|Command=a.txt|Display=ShowErrors",
         "Action=ExecProgram|Command=b.txt|Display=|Wait=True",
         {{IDC_DOCUMENT_FILE, "a.txt", "b.txt"},
          {IDC_DOCUMENT_SHOW_ERRORS, "1", "0"},
          {IDC_DOCUMENT_WAIT, "0", "1"}}),
    Case(IDD_MCI, "MCI-Befehl senden", kCloseBox, "Command=play x",
         "Action=MCICommand|Command=stop", {{IDC_MCI_COMMAND, "play x", "stop"}}),
    // A byte a control must not get is shown escaped and kept while the box is left alone.
    Case(IDD_LOG, "In Logdatei schreiben", IDC_LOG_CANCEL, "Text=a\x01z", "Action=WriteToLog",
         {{IDC_LOG_TEXT, "a\\x01z"}}),
    Case(IDD_MCI, "MCI-Befehl senden", IDC_MCI_CANCEL, "Command=play\x9Dz", "Action=MCICommand",
         {{IDC_MCI_COMMAND, "play\\x9Dz"}}),
};

// Each dialog opens twice and shows the command; the user changes it and
// confirms with Enter, or presses Escape (which leaves it open) and then
// Abbrechen or the close box.
TEST(Dialogs, EachControlShowsAndStoresItsFieldEscapeAndCancelChangeNothing) {
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.Caption);
    for (WORD key : {VK_RETURN, VK_ESCAPE}) {
      Buffer() = Command("", r.Given);
      Controls shown, wanted;
      int focus = 0, first = r.Focus;
      DialogDriver driver;
      driver.Then(r.Caption, [&](HWND d) {
        focus = GetDlgCtrlID(GetFocus());
        if (first == 0) first = GetDlgCtrlID(GetNextDlgTabItem(d, nullptr, FALSE));
        for (const Field& f : r.Fields) {
          shown.push_back({f.Id, Shown(d, f.Id)}), wanted.push_back({f.Id, f.Shown});
          if (f.Typed != nullptr) Enter(d, f.Id, f.Typed);
        }
        PressKeys({key});
      });
      if (key == VK_ESCAPE) driver.Then(r.Caption, [&](HWND d) { Click(d, r.Cancel); });
      ASSERT_TRUE(driver.Run([&] { ShowCommandDialog(nullptr, r.Id); })) << driver.Problems();
      EXPECT_EQ(std::pair(shown, focus), std::pair(wanted, first));
      const std::string stored = key == VK_RETURN ? r.Stored : "SectionName=&NULL";
      EXPECT_EQ(Buffer(), Command("", std::string(r.Given) + "|" + stored)) << key;
    }
  }
}

TEST(Dialogs, LaunchDialogsRefuseAnEmptyFileAndStayOpen) {
  const std::tuple<int, const char*, int, std::string_view> rows[] = {
      {IDD_PROGRAM, "Programm ausführen", IDC_PROGRAM_OK, kMissingProgramMessage},
      {IDD_DOCUMENT, "Dokument öffnen", IDC_DOCUMENT_OK, kMissingDocumentMessage}};
  for (const auto& [id, caption, ok, message] : rows) {
    ResetEditBuffer(App().Document);
    DialogDriver driver;
    driver.Then(caption, [&](HWND d) { Click(d, ok); });
    ThenBox(driver, "Programm ausführen", message, IDI_EXCLAMATION, {IDOK}, IDOK);
    driver.Then(caption, [](HWND d) { Click(d, kCloseBox); });
    ASSERT_TRUE(driver.Run([&] { ShowCommandDialog(nullptr, id); })) << driver.Problems();
  }
}

}  // namespace
}  // namespace wavoria
