#include "dialogs/details_text.h"

#include <gtest/gtest.h>

namespace wavoria {
namespace {

// A document holding one command with the given fields at position 1.
CommandTable WithCommand(const ScriptCommand& fields) {
  CommandTable t;
  int s = t.InsertCommand(1);
  std::string name = t.Slot(s).SectionName;
  t.Slot(s) = fields;
  t.Slot(s).SlotIndex = s;
  t.Slot(s).SectionName = name;
  return t;
}

std::string Lines(std::initializer_list<const char*> lines) {
  std::string out;
  for (const char* l : lines) out += std::string(out.empty() ? "" : "\r\n") + l;
  return out;
}

TEST(DetailsText, TextAndIconPerCommand) {
  struct Case {
    const char* name;
    ScriptCommand cmd;
    std::string text;
    int icon;
  } cases[] = {
      {"log",
       {.Action = "writetolog", .Text = "Hallo"},
       Lines({"In Logdatei schreiben", "Text: 'Hallo'"}),
       151},
      {"program",
       {.Action = "ExecProgram", .Command = "x.exe", .Display = "minimized"},
       Lines({"Programm ausführen", "Datei: x.exe", "Modus: Minimiert", "Priorität: Normal",
              "Ergebnisdatei: keine", "Auf Programm warten: Nein", "",
              "'%path%' wird automatisch durch den Spielpfad ersetzt."}),
       152},
      {"program, high",
       {.Action = "ExecProgram", .Wait = "TRUE", .Priority = "hight", .Result = "r.txt"},
       Lines({"Programm ausführen", "Datei: ", "Modus: Nicht festgelegt", "Priorität: Hoch",
              "Ergebnisdatei: r.txt", "Auf Programm warten: Ja", "",
              "'%path%' wird automatisch durch den Spielpfad ersetzt."}),
       152},
      {"document",
       {.Action = "ExecProgram", .Command = "a.txt", .Type = "Document", .Display = "ShowErrors"},
       Lines({"Dokument öffnen", "Datei: a.txt", "Fehler zeigen: Ja", "Auf Programm warten: Nein",
              "", "'%path%' wird automatisch durch den Spielpfad ersetzt."}),
       152},
      {"mci",
       {.Action = "MCICommand", .Command = "play"},
       Lines({"MCI-Befehl senden", "Kommando: play", "",
              "'%path%' wird automatisch durch den Spielpfad ersetzt."}),
       153},
      {"midi clear",
       {.Action = "MidiTickFunction", .Command = "clear"},
       "Output-Liste löschen",
       154},
      {"midi other",
       {.Action = "MidiTickFunction", .Command = "x"},
       Lines({"Unbekanntes Kommando", "Action=MidiTickFunction", "Command=x"}),
       162},
      {"output",
       {.Action = "AddOutput", .Value = "-5"},
       Lines({"Wert an Output-Liste anhängen", "Wert: -5"}),
       155},
      {"key support",
       {.Action = "EnableKeySupport", .Enable = "false"},
       "Tastensupport deaktivieren",
       156},
      {"key support unknown",
       {.Action = "EnableKeySupport"},
       Lines({"Unbekanntes Kommando", "Action=EnableKeySupport", "Enable="}),
       162},
      {"key up",
       {.Action = "RegisterKeyUpEvent", .Value = "7", .Key = "Up", .BlockKey = "True"},
       Lines({"Tastenereignis registrieren", "Ereignis: Loslassen", "Taste: Up", "Rückgabewert: 7",
              "Originalfunktion sperren: Ja"}),
       157},
      {"key up empty",
       {.Action = "RegisterKeyUpEvent"},
       Lines({"Unbekanntes Kommando", "Action=RegisterKeyUpEvent", "Value="}),
       162},
      {"cheat",
       {.Action = "RegisterCheatEvent", .Value = "5", .Cheat = "MONEY"},
       Lines({"Eingabe von Cheat registrieren", "Cheat: MONEY", "Rückgabewert: 5"}),
       158},
      {"mouse",
       {.Action = "EnableMouseSupport", .Enable = "True", .ID = "-3"},
       Lines({"Maussupport aktivieren", "Maus-ID: -3", "Automatisch Position senden: Nein"}),
       159},
      {"position",
       {.Action = "GetMousePosition"},
       "Maus-/Tastenstatus an Output-Liste senden",
       160},
      {"debug",
       {.Action = "SetDebugLevel", .Level = "3"},
       Lines({"Debuglevel setzen", "Level: 3"}),
       161},
      {"foreign", {.Action = "Foo"}, Lines({"Unbekanntes Kommando", "Action=Foo"}), 162},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Details d = DetailsOf(WithCommand(c.cmd), 1, "");
    EXPECT_EQ(d.Text, c.text);
    EXPECT_EQ(d.Icon, c.icon);
  }
}

TEST(DetailsText, HeadEndLineAndLabels) {
  CommandTable t;
  t.ScriptName = "Demo";
  t.InsertCommand(1);
  t.InsertCommand(2);
  t.Slot(1).Action = "GetMousePosition";
  t.Slot(2).Action = "GetMousePosition";

  Details head = DetailsOf(t, 0, "C:\\Spiel\\a.script.wav");
  EXPECT_EQ(head.Text, "Beginn des Skripts\r\nDatei: C:\\Spiel\\a.script.wav\r\nSkriptname: Demo");
  EXPECT_EQ(head.Icon, 163);
  EXPECT_EQ(head.SectionLabel, "");
  EXPECT_EQ(head.NextLabel, "");

  Details first = DetailsOf(t, 1, "");
  EXPECT_EQ(first.SectionLabel, "Execute");
  EXPECT_EQ(first.NextLabel, "WIZ1");
  Details second = DetailsOf(t, 2, "");
  EXPECT_EQ(second.SectionLabel, "WIZ1");
  EXPECT_EQ(second.NextLabel, "");

  for (int position : {3, -1, 600}) {
    Details none = DetailsOf(t, position, "");
    EXPECT_EQ(none.Text, "");
    EXPECT_EQ(none.Icon, 164);
    EXPECT_EQ(none.SectionLabel, "");
  }
  t.Slot(1).Text = std::string(9000, 'x');
  t.Slot(1).Action = "WriteToLog";
  EXPECT_EQ(DetailsOf(t, 1, "").Text.size(), 8191u);
}

}  // namespace
}  // namespace wavoria
