#include "document/list_lines.h"

#include <gtest/gtest.h>

namespace wavoria {
namespace {

ScriptCommand Make(const char* action,
                   std::initializer_list<std::pair<const char*, const char*>> fields = {}) {
  ScriptCommand c;
  c.Action = action;
  for (const auto& [key, value] : fields) {
    for (const auto& p : kParameterKeys) {
      if (p.name == key) c.*p.field = value;
    }
  }
  return c;
}

TEST(ListLines, EveryCommandKind) {
  struct Case {
    ScriptCommand cmd;
    const char* text;
    int dialog;
  } cases[] = {
      {Make("WriteToLog", {{"Text", "Hallo"}}), "In Logdatei schreiben: Hallo", 40},
      {Make("execprogram", {{"Type", "document"}, {"Command", "a.txt"}}), "Dokument öffnen: a.txt",
       53},
      {Make("ExecProgram", {{"Command", "b.exe"}}), "Programm ausführen: b.exe", 52},
      {Make("MCICommand", {{"Command", "play x"}}), "MCI-Befehl senden: play x", 54},
      {Make("MidiTickFunction", {{"Command", "original"}}),
       "Funktion für 'Get Midi Pos.' ändern: Abspielposition der Musik abfragen", 42},
      {Make("MidiTickFunction", {{"Command", "Output"}}),
       "Funktion für 'Get Midi Pos.' ändern: Wert von Output-Liste abfragen", 42},
      {Make("MidiTickFunction", {{"Command", "CLEAR"}}), "Output-Liste löschen", -1},
      {Make("MidiTickFunction"), "???", -1},
      {Make("AddOutput", {{"Value", "&H10"}}), "Wert an Output-Liste anhängen: 16", 41},
      {Make("EnableKeySupport", {{"Enable", "true"}}), "Tastensupport aktivieren", -1},
      {Make("EnableKeySupport", {{"Enable", "False"}}), "Tastensupport deaktivieren", -1},
      {Make("EnableKeySupport", {{"Enable", "ja"}}), "???", -1},
      {Make("RegisterKeyDownEvent", {{"Value", "3"}, {"Key", "Enter"}}),
       "Tastenereignis registrieren: Wert 3 = Drücken von Taste Enter", 50},
      {Make("RegisterKeyUpEvent", {{"Value", "12abc"}, {"Key", "A"}}),
       "Tastenereignis registrieren: Wert 12 = Loslassen von Taste A", 50},
      {Make("RegisterKeyDownEvent", {{"Key", "Enter"}}), "???", -1},
      {Make("RegisterCheatEvent", {{"Value", "5"}, {"Cheat", "money"}}),
       "Cheat registrieren: Wert 5 = Eingabe von Cheat 'money'", 51},
      {Make("EnableMouseSupport", {{"Enable", "TRUE"}, {"ID", "2"}}),
       "Maussupport aktivieren: Maus-ID 2", 45},
      {Make("EnableMouseSupport", {{"Enable", "False"}}), "Maussupport deaktivieren", -1},
      {Make("GetMousePosition"), "Maus-/Tastenstatus senden", -1},
      {Make("SetDebugLevel", {{"Level", "abc"}}), "Debuglevel setzen: 0", 44},
      {Make("Foo"), "???", -1},
      {Make(""), "???", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cmd.Action + " -> " + c.text);
    CommandDescription d = DescribeCommand(c.cmd);
    EXPECT_EQ(d.Text, c.text);
    EXPECT_EQ(d.DialogType, c.dialog);
  }
}

TEST(ListLines, WholeListCaptionAndTitle) {
  CommandTable t;
  EXPECT_EQ(BuildListLines(t), (std::vector<std::string>{"Skriptname: Unbenanntes Skript", "<>"}));
  EXPECT_EQ(ListCaption(""), "Kommandos in Datei Unbenannt:");
  EXPECT_EQ(WindowTitle(""), "Wavoria - Unbenannt");
  EXPECT_EQ(WindowTitle("C:\\a.script.wav"), "Wavoria - C:\\a.script.wav");
  EXPECT_EQ(ListCaption(std::string(600, 'x')).size(), 510u);

  int s = t.InsertCommand(1);
  t.Slot(s).Action = "WriteToLog";
  t.Slot(s).Text = std::string(600, 'y');
  s = t.InsertCommand(2);
  t.Slot(s).Action = "RegisterCheatEvent";
  t.Slot(3).SectionName = "Unreached";
  t.Slot(3).Action = "WriteToLog";
  std::vector<std::string> lines = BuildListLines(t);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1].size(), 510u);
  EXPECT_EQ(lines[2], "<> Cheat registrieren: Wert 0 = Eingabe von Cheat ''");
  EXPECT_EQ(t.Slot(1).DialogType, 40);
  EXPECT_EQ(t.Slot(2).DialogType, 51);
  EXPECT_EQ(t.Slot(3).DialogType, -1);  // outside the chain: untouched
  EXPECT_EQ(t.Head().DialogType, -1);
}

TEST(ListLines, FullTableGives513Lines) {
  CommandTable t;
  for (int i = 0; i < 511; ++i) t.InsertCommand(t.LastPosition() + 1);
  EXPECT_EQ(BuildListLines(t).size(), 513u);
}

}  // namespace
}  // namespace wavoria
