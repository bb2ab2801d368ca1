#include "document/command_kinds.h"

#include <gtest/gtest.h>

#include "dialogs/details_text.h"
#include "document/list_lines.h"
#include "test_support.h"

namespace wavoria {
namespace {

using testing::Command;

std::string Lines(std::initializer_list<const char*> lines) {
  std::string out;
  for (const char* l : lines) out += std::string(out.empty() ? "" : "\r\n") + l;
  return out;
}
constexpr const char* kHint = "'%path%' wird automatisch durch den Spielpfad ersetzt.";

// Every kind: its list line (after "<> "), dialog, details text and icon.
TEST(CommandKinds, ListLineDialogDetailsAndIcon) {
  const struct {
    ScriptCommand cmd;
    const char* list;
    int dialog;
    std::string details;
    int icon;
  } cases[] = {
      {Command("writetolog", {{"Text", "Hallo"}}), "In Logdatei schreiben: Hallo", 40,
       Lines({"In Logdatei schreiben", "Text: 'Hallo'"}), 151},
      {Command("ExecProgram", {{"Command", "x.exe"}, {"Display", "minimized"}}),
       "Programm ausführen: x.exe", 52,
       Lines({"Programm ausführen", "Datei: x.exe", "Modus: Minimiert", "Priorität: Normal",
              "Ergebnisdatei: keine", "Auf Programm warten: Nein", "", kHint}),
       152},
      {Command(
           "ExecProgram",
           {{"Wait", "TRUE"}, {"Priority", "hight"}, {"Result", "r.txt"}, {"Type", "Documents"}}),
       "Programm ausführen: ", 52,
       Lines({"Programm ausführen", "Datei: ", "Modus: Nicht festgelegt", "Priorität: Hoch",
              "Ergebnisdatei: r.txt", "Auf Programm warten: Ja", "", kHint}),
       152},
      {Command("execprogram",
               {{"Command", "a.txt"}, {"Type", "document"}, {"Display", "ShowErrors"}}),
       "Dokument öffnen: a.txt", 53,
       Lines({"Dokument öffnen", "Datei: a.txt", "Fehler zeigen: Ja", "Auf Programm warten: Nein",
              "", kHint}),
       152},
      {Command("MCICommand", {{"Command", "play"}}), "MCI-Befehl senden: play", 54,
       Lines({"MCI-Befehl senden", "Kommando: play", "", kHint}), 153},
      {Command("MidiTickFunction", {{"Command", "original"}}),
       "Funktion für 'Get Midi Pos.' ändern: Abspielposition der Musik abfragen", 42,
       Lines(
           {"Funktion von 'Get Midi Pos.' ändern", "Funktion: Abspielposition der Musik abfragen"}),
       154},
      {Command("MidiTickFunction", {{"Command", "Output"}}),
       "Funktion für 'Get Midi Pos.' ändern: Wert von Output-Liste abfragen", 42,
       Lines({"Funktion von 'Get Midi Pos.' ändern", "Funktion: Wert von Output-Liste abfragen"}),
       154},
      {Command("MidiTickFunction", {{"Command", "CLEAR"}}), "Output-Liste löschen", -1,
       "Output-Liste löschen", 154},
      {Command("MidiTickFunction", {{"Command", "x"}}), "???", -1,
       Lines({"Unbekanntes Kommando", "Action=MidiTickFunction", "Command=x"}), 162},
      {Command("AddOutput", {{"Value", "&H10"}}), "Wert an Output-Liste anhängen: 16", 41,
       Lines({"Wert an Output-Liste anhängen", "Wert: 16"}), 155},
      {Command("EnableKeySupport", {{"Enable", "true"}}), "Tastensupport aktivieren", -1,
       "Tastensupport aktivieren", 156},
      {Command("EnableKeySupport", {{"Enable", "False"}}), "Tastensupport deaktivieren", -1,
       "Tastensupport deaktivieren", 156},
      {Command("EnableKeySupport", {{"Enable", "ja"}}), "???", -1,
       Lines({"Unbekanntes Kommando", "Action=EnableKeySupport", "Enable=ja"}), 162},
      {Command("RegisterKeyDownEvent", {{"Value", "3"}, {"Key", "Enter"}}),
       "Tastenereignis registrieren: Wert 3 = Drücken von Taste Enter", 50,
       Lines({"Tastenereignis registrieren", "Ereignis: Drücken", "Taste: Enter", "Rückgabewert: 3",
              "Originalfunktion sperren: Nein"}),
       157},
      {Command("RegisterKeyDownEvent", {{"Key", "Enter"}}), "???", -1,
       Lines({"Unbekanntes Kommando", "Action=RegisterKeyDownEvent", "Value="}), 162},
      {Command("RegisterKeyUpEvent", {{"Value", "12abc"}, {"Key", "Up"}, {"BlockKey", "True"}}),
       "Tastenereignis registrieren: Wert 12 = Loslassen von Taste Up", 50,
       Lines({"Tastenereignis registrieren", "Ereignis: Loslassen", "Taste: Up", "Rückgabewert: 12",
              "Originalfunktion sperren: Ja"}),
       157},
      {Command("RegisterKeyUpEvent", {}), "???", -1,
       Lines({"Unbekanntes Kommando", "Action=RegisterKeyUpEvent", "Value="}), 162},
      {Command("RegisterCheatEvent", {{"Value", "5"}, {"Cheat", "money"}}),
       "Cheat registrieren: Wert 5 = Eingabe von Cheat 'money'", 51,
       Lines({"Eingabe von Cheat registrieren", "Cheat: money", "Rückgabewert: 5"}), 158},
      {Command("EnableMouseSupport", {{"Enable", "TRUE"}, {"ID", "-3"}, {"Automatic", "true"}}),
       "Maussupport aktivieren: Maus-ID -3", 45,
       Lines({"Maussupport aktivieren", "Maus-ID: -3", "Automatisch Position senden: Ja"}), 159},
      {Command("EnableMouseSupport", {{"Enable", "false"}}), "Maussupport deaktivieren", -1,
       "Maussupport deaktivieren", 159},
      {Command("EnableMouseSupport", {}), "???", -1,
       Lines({"Unbekanntes Kommando", "Action=EnableMouseSupport", "Enable="}), 162},
      {Command("GetMousePosition", {}), "Maus-/Tastenstatus senden", -1,
       "Maus-/Tastenstatus an Output-Liste senden", 160},
      {Command("SetDebugLevel", {{"Level", "abc"}}), "Debuglevel setzen: 0", 44,
       Lines({"Debuglevel setzen", "Level: 0"}), 161},
      {Command("Foo", {{"Enable", "x"}}), "???", -1, Lines({"Unbekanntes Kommando", "Action=Foo"}),
       162},
      {Command("", {}), "???", -1, Lines({"Unbekanntes Kommando", "Action="}), 162},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list);
    CommandTable t;
    const int slot = t.InsertCommand(1);
    const std::string name = t.Slot(slot).SectionName;
    t.Slot(slot) = c.cmd;
    t.Slot(slot).SectionName = name;
    EXPECT_EQ(BuildListLines(t)[1], std::string("<> ") + c.list);
    EXPECT_EQ(t.Slot(slot).DialogType, c.dialog);
    const Details d = DetailsOf(t, 1, "");
    EXPECT_EQ(d.Text, c.details);
    EXPECT_EQ(d.Icon, c.icon);
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
  for (int p = 1; p <= 3; ++p) t.Slot(t.InsertCommand(p)).Action = "WriteToLog";
  t.Slot(2).SectionName = "&NULL";  // a file may name a section so
  t.Slot(1).Next = "&NULL";
  t.Slot(3).Text = std::string(9000, 'x');
  t.Slot(4).SectionName = "Unreached";
  t.Slot(4).Action = "WriteToLog";
  t.Slot(4).DialogType = 7;
  t.RebuildOrder();
  const std::vector<std::string> lines = BuildListLines(t);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3].size(), 510u);
  EXPECT_EQ(t.Slot(4).DialogType, 7);  // outside the chain: untouched
  EXPECT_EQ(t.Head().DialogType, -1);
  const Details head = DetailsOf(t, 0, "C:\\a.script.wav");
  EXPECT_EQ(head.Text, "Beginn des Skripts\r\nDatei: C:\\a.script.wav\r\nSkriptname: Demo");
  EXPECT_EQ(head.Icon, 163);
  EXPECT_EQ(head.SectionLabel + head.NextLabel, "");
  const std::tuple<int, const char*, const char*> labels[] = {
      {1, "Execute", "&NULL"}, {2, "", "WIZ2"}, {3, "WIZ2", ""}, {4, "", ""}, {-1, "", ""}};
  for (const auto& [position, section, next] : labels) {
    const Details d = DetailsOf(t, position, "");
    EXPECT_EQ(d.SectionLabel, section) << position;
    EXPECT_EQ(d.NextLabel, next) << position;
  }
  EXPECT_EQ(DetailsOf(t, 3, "").Text.size(), 8191u);
  EXPECT_EQ(DetailsOf(t, 4, "").Icon, 164);
  EXPECT_EQ(DetailsOf(t, 4, "").Text, "");
}

}  // namespace
}  // namespace wavoria
