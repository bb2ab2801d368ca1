#include "document/command_kinds.h"

#include <gtest/gtest.h>

#include "dialogs/details_text.h"
#include "document/list_lines.h"
#include "test_support.h"

namespace wavoria {
namespace {

using testing::Command;

// Every kind: its list line (after "<> "), dialog, details text and icon.
TEST(CommandKinds, ListLineDialogDetailsAndIcon) {
  const std::string unknown = "Unbekanntes Kommando\r\nAction=";
  const std::string midi = "Funktion von 'Get Midi Pos.' ändern\r\nFunktion: ";
  const std::string midiList = "Funktion für 'Get Midi Pos.' ändern: ";
  const std::string key = "Tastenereignis registrieren\r\nEreignis: ";
  const std::string hint = "\r\n\r\n'%path%' wird automatisch durch den Spielpfad ersetzt.";
  const std::string program = "Programm ausführen\r\nDatei: ";
  const std::tuple<ScriptCommand, std::string, int, std::string, int> cases[] = {
      {Command("writetolog", "Text=Hallo"), "In Logdatei schreiben: Hallo", 40,
       "In Logdatei schreiben\r\nText: 'Hallo'", 151},
      {Command("WriteToLog", "Text=a\x01\x9Dz"), "In Logdatei schreiben: a\\x01\\x9Dz", 40,
       "In Logdatei schreiben\r\nText: 'a\\x01\\x9Dz'", 151},
      {Command("ExecProgram", "Command=x.exe|Display=minimized"), "Programm ausführen: x.exe", 52,
       program +
           "x.exe\r\nModus: Minimiert\r\nPriorität: Normal\r\nErgebnisdatei: keine\r\nAuf Programm "
           "warten: Nein" +
           hint,
       152},
      {Command("ExecProgram", "Wait=TRUE|Priority=hight|Result=r|Type=Doc"),
       "Programm ausführen: ", 52,
       program +
           "\r\nModus: Nicht festgelegt\r\nPriorität: Hoch\r\nErgebnisdatei: r\r\nAuf Programm "
           "warten: Ja" +
           hint,
       152},
      {Command("execprogram", "Command=a.txt|Type=document|Display=ShowErrors"),
       "Dokument öffnen: a.txt", 53,
       "Dokument öffnen\r\nDatei: a.txt\r\nFehler zeigen: Ja\r\nAuf Programm warten: Nein" + hint,
       152},
      {Command("MCICommand", "Command=play"), "MCI-Befehl senden: play", 54,
       "MCI-Befehl senden\r\nKommando: play" + hint, 153},
      {Command("MidiTickFunction", "Command=original"),
       midiList + "Abspielposition der Musik abfragen", 42,
       midi + "Abspielposition der Musik abfragen", 154},
      {Command("MidiTickFunction", "Command=Output"), midiList + "Wert von Output-Liste abfragen",
       42, midi + "Wert von Output-Liste abfragen", 154},
      {Command("MidiTickFunction", "Command=CLEAR"), "Output-Liste löschen", -1,
       "Output-Liste löschen", 154},
      {Command("MidiTickFunction", "Command=x"), "???", -1,
       unknown + "MidiTickFunction\r\nCommand=x", 162},
      {Command("AddOutput", "Value=&H10"), "Wert an Output-Liste anhängen: 16", 41,
       "Wert an Output-Liste anhängen\r\nWert: 16", 155},
      {Command("EnableKeySupport", "Enable=true"), "Tastensupport aktivieren", -1,
       "Tastensupport aktivieren", 156},
      {Command("EnableKeySupport", "Enable=False"), "Tastensupport deaktivieren", -1,
       "Tastensupport deaktivieren", 156},
      {Command("EnableKeySupport", "Enable=ja"), "???", -1,
       unknown + "EnableKeySupport\r\nEnable=ja", 162},
      {Command("RegisterKeyDownEvent", "Value=3|Key=Enter"),
       "Tastenereignis registrieren: Wert 3 = Drücken von Taste Enter", 50,
       key + "Drücken\r\nTaste: Enter\r\nRückgabewert: 3\r\nOriginalfunktion sperren: Nein", 157},
      {Command("RegisterKeyDownEvent", "Key=Enter"), "???", -1,
       unknown + "RegisterKeyDownEvent\r\nValue=", 162},
      {Command("RegisterKeyUpEvent", "Value=12abc|Key=Up|BlockKey=True"),
       "Tastenereignis registrieren: Wert 12 = Loslassen von Taste Up", 50,
       key + "Loslassen\r\nTaste: Up\r\nRückgabewert: 12\r\nOriginalfunktion sperren: Ja", 157},
      {Command("RegisterKeyUpEvent"), "???", -1, unknown + "RegisterKeyUpEvent\r\nValue=", 162},
      {Command("RegisterCheatEvent", "Value=5|Cheat=money"),
       "Cheat registrieren: Wert 5 = Eingabe von Cheat 'money'", 51,
       "Eingabe von Cheat registrieren\r\nCheat: money\r\nRückgabewert: 5", 158},
      {Command("EnableMouseSupport", "Enable=TRUE|ID=-3|Automatic=true"),
       "Maussupport aktivieren: Maus-ID -3", 45,
       "Maussupport aktivieren\r\nMaus-ID: -3\r\nAutomatisch Position senden: Ja", 159},
      {Command("EnableMouseSupport", "Enable=false"), "Maussupport deaktivieren", -1,
       "Maussupport deaktivieren", 159},
      {Command("EnableMouseSupport"), "???", -1, unknown + "EnableMouseSupport\r\nEnable=", 162},
      {Command("GetMousePosition"), "Maus-/Tastenstatus senden", -1,
       "Maus-/Tastenstatus an Output-Liste senden", 160},
      {Command("SetDebugLevel", "Level=abc"), "Debuglevel setzen: 0", 44,
       "Debuglevel setzen\r\nLevel: 0", 161},
      {Command("Foo", "Enable=x"), "???", -1, unknown + "Foo", 162},
      {Command(""), "???", -1, unknown, 162},
  };
  for (const auto& [cmd, list, dialog, details, icon] : cases) {
    SCOPED_TRACE(list);
    CommandTable t;
    const int slot = t.InsertCommand(1);
    const std::string name = t.Slot(slot).SectionName;
    t.Change(slot) = cmd;
    t.Change(slot).SectionName = name;
    const std::string line = BuildListLines(t)[1];
    const Details d = DetailsOf(t, 1, "");
    EXPECT_EQ(std::tuple(line, KindOf(t.Slot(slot)).DialogType, d.Text, d.Icon),
              std::tuple("<> " + list, dialog, details, icon));
  }
}

TEST(CommandKinds, ScriptLineEndLineLabelsAndLimits) {
  CommandTable t;
  EXPECT_EQ(BuildListLines(t), (std::vector<std::string>{"Skriptname: Unbenanntes Skript", "<>"}));
  EXPECT_EQ(ListCaption(""), "Kommandos in Datei Unbenannt:");
  EXPECT_EQ(WindowTitle(""), "Wavoria - Unbenannt");
  EXPECT_EQ(WindowTitle("C:\\a.script.wav"), "Wavoria - C:\\a.script.wav");
  EXPECT_EQ(ListCaption(std::string(600, 'x')).size(), 510u);
  t.ScriptName = "Demo";
  for (int p = 1; p <= 3; ++p) t.Change(t.InsertCommand(p)).Action = "WriteToLog";
  t.Change(2).SectionName = "&NULL";  // a file may name a section so
  t.Change(1).Next = "&NULL";
  t.Change(3).Text = std::string(9000, 'x');
  t.Change(4) = Command("WriteToLog", "SectionName=Unreached");
  t.RebuildOrder();
  const std::vector<std::string> lines = BuildListLines(t);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3].size(), 510u);
  const Details head = DetailsOf(t, 0, "C:\\a.script.wav");
  EXPECT_EQ(
      std::tuple(head.Text, head.Icon, head.SectionLabel + head.NextLabel),
      std::tuple("Beginn des Skripts\r\nDatei: C:\\a.script.wav\r\nSkriptname: Demo", 163, ""));
  const std::tuple<int, const char*, const char*> labels[] = {
      {1, "Execute", "&NULL"}, {2, "", "WIZ2"}, {3, "WIZ2", ""}, {4, "", ""}, {-1, "", ""}};
  for (const auto& [position, section, next] : labels) {
    const Details d = DetailsOf(t, position, "");
    EXPECT_EQ(d.SectionLabel + "|" + d.NextLabel, std::string(section) + "|" + next);
  }
  EXPECT_EQ(DetailsOf(t, 3, "").Text.size(), 8191u);
  EXPECT_EQ(std::pair(DetailsOf(t, 4, "").Icon, DetailsOf(t, 4, "").Text),
            std::pair(164, std::string()));
}

}  // namespace
}  // namespace wavoria
