// The command dialogs and the rename dialog driven for real: which control
// shows and stores which field of the edit buffer, Enter confirms, Escape
// leaves a dialog open, Cancel and the close box mark the buffer, and the
// launch dialogs refuse an empty file.
#include <gtest/gtest.h>

#include "app/command_dialog_table_win.h"
#include "app/editor_commands.h"
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
struct Row {
  int Id;
  const char* Caption;
  int Cancel;
  const char* Given;
  Controls Shown, Typed;
  const char* Stored;
};

// clang-format off
const Row kRows[] = {
    {IDD_LOG, "In Logdatei schreiben", kCloseBox, "Text=alt", {{IDC_LOG_TEXT, "alt"}},
     {{IDC_LOG_TEXT, "neu ü"}}, "Action=WriteToLog|Text=neu ü"},
    {IDD_OUTPUT, "Wert an Output-Liste anhängen", IDC_OUTPUT_CANCEL, "Value=-12",
     {{IDC_OUTPUT_VALUE, "12"}, {IDC_OUTPUT_NEGATIVE, "1"}},
     {{IDC_OUTPUT_VALUE, "25"}, {IDC_OUTPUT_NEGATIVE, "0"}}, "Action=AddOutput|Value=25"},
    {IDD_MIDI_TICK, "Funktion von 'Get Midi Pos.' ändern", kCloseBox, "Command=output",
     {{IDC_MIDI_TICK_FUNCTION, "1"}}, {{IDC_MIDI_TICK_FUNCTION, "0"}},
     "Action=MidiTickFunction|Command=Original"},
    {IDD_DEBUG_LEVEL, "Debuglevel setzen", kCloseBox, "Level=2",
     {{IDC_DEBUG_LEVEL_LEVEL, "2"}}, {{IDC_DEBUG_LEVEL_LEVEL, "3"}}, "Action=SetDebugLevel|Level=3"},
    {IDD_MOUSE_SUPPORT, "Maussupport aktivieren", IDC_MOUSE_CANCEL, "ID=-3|Automatic=True",
     {{IDC_MOUSE_ID, "3"}, {IDC_MOUSE_NEGATIVE, "1"}, {IDC_MOUSE_AUTOMATIC, "1"}},
     {{IDC_MOUSE_ID, "7"}, {IDC_MOUSE_NEGATIVE, "0"}, {IDC_MOUSE_AUTOMATIC, "0"}},
     "Action=EnableMouseSupport|Enable=True|ID=7|Automatic=False"},
    {IDD_KEY_EVENT, "Tastenereignis registrieren", kCloseBox,
     "Action=RegisterKeyUpEvent|Key=F1|Value=-4|BlockKey=True",
     {{IDC_KEY_EVENT_EVENT, "1"}, {IDC_KEY_EVENT_KEY, "F1"}, {IDC_KEY_EVENT_VALUE, "4"},
      {IDC_KEY_EVENT_NEGATIVE, "1"}, {IDC_KEY_EVENT_BLOCK, "1"}},
     {{IDC_KEY_EVENT_EVENT, "0"}, {IDC_KEY_EVENT_VALUE, "9"}, {IDC_KEY_EVENT_NEGATIVE, "1"},
      {IDC_KEY_EVENT_BLOCK, "0"}}, "Action=RegisterKeyDownEvent|Value=-9|BlockKey=False"},
    {IDD_CHEAT, "Cheat-Eingabe registrieren", IDC_CHEAT_CANCEL, "Cheat=money|Value=-2",
     {{IDC_CHEAT_TEXT, "MONEY"}, {IDC_CHEAT_VALUE, "2"}, {IDC_CHEAT_NEGATIVE, "1"}},
     {{IDC_CHEAT_TEXT, "GOLD"}, {IDC_CHEAT_VALUE, "1"}, {IDC_CHEAT_NEGATIVE, "0"}},
     "Action=RegisterCheatEvent|Cheat=GOLD|Value=1"},
    {IDD_PROGRAM, "Programm ausführen", kCloseBox,
     "Command=a.exe|Display=Normal|Priority=Idle|Wait=True|Result=r.txt|Type=Other",
     {{IDC_PROGRAM_FILE, "a.exe"}, {IDC_PROGRAM_MODE, "1"}, {IDC_PROGRAM_PRIORITY, "0"},
      {IDC_PROGRAM_RESULT, "r.txt"}, {IDC_PROGRAM_WAIT, "1"}},
     {{IDC_PROGRAM_FILE, "b.exe"}, {IDC_PROGRAM_MODE, "2"}, {IDC_PROGRAM_PRIORITY, "3"},
      {IDC_PROGRAM_RESULT, ""}, {IDC_PROGRAM_WAIT, "0"}},
     "Action=ExecProgram|Command=b.exe|Display=Minimized|Priority=Realtime|Result=|Wait=False|Type="},
    {IDD_DOCUMENT, "Dokument öffnen", IDC_DOCUMENT_CANCEL, "Type=Document|Command=a.txt|Display=ShowErrors",
     {{IDC_DOCUMENT_FILE, "a.txt"}, {IDC_DOCUMENT_SHOW_ERRORS, "1"}, {IDC_DOCUMENT_WAIT, "0"}},
     {{IDC_DOCUMENT_FILE, "b.txt"}, {IDC_DOCUMENT_SHOW_ERRORS, "0"}, {IDC_DOCUMENT_WAIT, "1"}},
     "Action=ExecProgram|Command=b.txt|Display=|Wait=True"},
    {IDD_MCI, "MCI-Befehl senden", kCloseBox, "Command=play x", {{IDC_MCI_COMMAND, "play x"}},
     {{IDC_MCI_COMMAND, "stop"}}, "Action=MCICommand|Command=stop"},
    // A byte a control must not get is shown escaped and kept while the box is left alone.
    {IDD_LOG, "In Logdatei schreiben", IDC_LOG_CANCEL, "Text=a\x01z", {{IDC_LOG_TEXT, "a\\x01z"}}, {},
     "Action=WriteToLog"},
    {IDD_MCI, "MCI-Befehl senden", IDC_MCI_CANCEL, "Command=play\x9Dz", {{IDC_MCI_COMMAND, "play\\x9Dz"}}, {},
     "Action=MCICommand"},
};
// clang-format on

// Each dialog opens twice and shows the command; the user changes it and
// confirms with Enter, or presses Escape (which leaves it open) and then
// Abbrechen or the close box.
TEST(Dialogs, EachControlShowsAndStoresItsFieldEscapeAndCancelChangeNothing) {
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.Caption);
    for (WORD key : {VK_RETURN, VK_ESCAPE}) {
      Buffer() = Command("", r.Given);
      Controls shown;
      DialogDriver driver;
      driver.Then(r.Caption, [&](HWND d) {
        for (const auto& [id, value] : r.Shown) shown.push_back({id, Shown(d, id)});
        for (const auto& [id, value] : r.Typed) Enter(d, id, value);
        PressKeys({key});
      });
      if (key == VK_ESCAPE) driver.Then(r.Caption, [&](HWND d) { Click(d, r.Cancel); });
      ASSERT_TRUE(driver.Run([&] { ShowCommandDialog(nullptr, r.Id); })) << driver.Problems();
      EXPECT_EQ(shown, r.Shown);
      const std::string stored = key == VK_RETURN ? r.Stored : "SectionName=&NULL";
      EXPECT_EQ(Buffer(), Command("", std::string(r.Given) + "|" + stored)) << key;
    }
  }
}

TEST(Dialogs, LaunchDialogsRefuseAnEmptyFileAndStayOpen) {
  const std::tuple<int, const char*, int, const char*> rows[] = {
      {IDD_PROGRAM, "Programm ausführen", IDC_PROGRAM_OK, "Bitte geben Sie ein Programm an!"},
      {IDD_DOCUMENT, "Dokument öffnen", IDC_DOCUMENT_OK, "Bitte geben Sie eine Datei an!"}};
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
