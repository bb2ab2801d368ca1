#include "document/command_kinds.h"

#include <array>
#include <initializer_list>

#include "document/text.h"
#include "resources/resource_ids.h"

namespace wavoria {

namespace {

constexpr std::string_view kPathHint = "'%path%' wird automatisch durch den Spielpfad ersetzt.";
constexpr std::string_view kUnknownTitle = "Unbekanntes Kommando";

std::string Join(std::initializer_list<std::string> lines) {
  std::string text;
  for (const auto& line : lines) {
    if (&line != lines.begin()) text.append(LineBreak);
    text.append(line);
  }
  return text;
}

std::string YesNo(const std::string& field) {
  return EqualsIgnoreCase(field, "TRUE") ? "Ja" : "Nein";
}
std::string NumberOf(const std::string& field) {
  return DecimalText(IntegerOf(field));
}

std::string ModeText(const std::string& display) {
  const std::string d = ToUpperAscii(display);
  if (d == "MINIMIZED") return "Minimiert";
  if (d == "MAXIMIZED") return "Maximiert";
  if (d == "NORMAL") return "Normal";
  if (d == "MINIMIZEDACTIVE") return "Minimiert und im Hintergrund";
  if (d == "NOTACTIVATED") return "Im Hintergrund";
  return "Nicht festgelegt";
}

std::string PriorityText(const std::string& priority) {
  const std::string p = ToUpperAscii(priority);
  if (p == "IDLE") return "Niedrig";
  if (p == "HIGHT") return "Hoch";  // the stored form is spelled "Hight"
  if (p == "REALTIME") return "Echtzeit";
  return "Normal";
}

void KeyEventList(std::string& line, const ScriptCommand& c, const char* event) {
  AppendAll(line, {"Tastenereignis registrieren: Wert ", NumberOf(c.Value), " = ", event,
                   " von Taste ", c.Key});
}
std::string KeyEventDetails(const ScriptCommand& c, const char* event) {
  return Join({"Tastenereignis registrieren", std::string("Ereignis: ") + event, "Taste: " + c.Key,
               "Rückgabewert: " + NumberOf(c.Value),
               "Originalfunktion sperren: " + YesNo(c.BlockKey)});
}

using C = const ScriptCommand&;
using L = std::string&;
using S = ScriptCommand;
constexpr std::string_view kMidiTitle = "Funktion von 'Get Midi Pos.' ändern";
constexpr std::string_view kMidiList = "Funktion für 'Get Midi Pos.' ändern: ";

const std::array<CommandKind, 23> kKinds = {{
    {"WriteToLog", KindTest::kAny, nullptr, "", IDD_LOG / 100, kIconWriteToLog,
     [](L l, C c) {
       AppendAll(l, {"In Logdatei schreiben: ", c.Text});
     },
     [](C c) {
       return Join({"In Logdatei schreiben", "Text: '" + c.Text + "'"});
     }},
    {"ExecProgram", KindTest::kFieldIs, &S::Type, "DOCUMENT", IDD_DOCUMENT / 100, kIconExecProgram,
     [](L l, C c) {
       AppendAll(l, {"Dokument öffnen: ", c.Command});
     },
     [](C c) {
       return Join({"Dokument öffnen", "Datei: " + c.Command,
                    std::string("Fehler zeigen: ") +
                        (EqualsIgnoreCase(c.Display, "SHOWERRORS") ? "Ja" : "Nein"),
                    "Auf Programm warten: " + YesNo(c.Wait), "", std::string(kPathHint)});
     }},
    {"ExecProgram", KindTest::kAny, nullptr, "", IDD_PROGRAM / 100, kIconExecProgram,
     [](L l, C c) {
       AppendAll(l, {"Programm ausführen: ", c.Command});
     },
     [](C c) {
       return Join({"Programm ausführen", "Datei: " + c.Command, "Modus: " + ModeText(c.Display),
                    "Priorität: " + PriorityText(c.Priority),
                    "Ergebnisdatei: " + (c.Result.empty() ? std::string("keine") : c.Result),
                    "Auf Programm warten: " + YesNo(c.Wait), "", std::string(kPathHint)});
     }},
    {"MCICommand", KindTest::kAny, nullptr, "", IDD_MCI / 100, kIconMciCommand,
     [](L l, C c) {
       AppendAll(l, {"MCI-Befehl senden: ", c.Command});
     },
     [](C c) {
       return Join({"MCI-Befehl senden", "Kommando: " + c.Command, "", std::string(kPathHint)});
     }},
    {"MidiTickFunction", KindTest::kFieldIs, &S::Command, "ORIGINAL", IDD_MIDI_TICK / 100,
     kIconMidiTick,
     [](L l, C) {
       AppendAll(l, {kMidiList, "Abspielposition der Musik abfragen"});
     },
     [](C) {
       return Join({std::string(kMidiTitle), "Funktion: Abspielposition der Musik abfragen"});
     }},
    {"MidiTickFunction", KindTest::kFieldIs, &S::Command, "OUTPUT", IDD_MIDI_TICK / 100,
     kIconMidiTick,
     [](L l, C) {
       AppendAll(l, {kMidiList, "Wert von Output-Liste abfragen"});
     },
     [](C) {
       return Join({std::string(kMidiTitle), "Funktion: Wert von Output-Liste abfragen"});
     }},
    {"MidiTickFunction", KindTest::kFieldIs, &S::Command, "CLEAR", -1, kIconMidiTick,
     [](L l, C) { l += "Output-Liste löschen"; },
     [](C) { return std::string("Output-Liste löschen"); }},
    {"MidiTickFunction", KindTest::kAny, &S::Command, "", -1, kIconUnknown, nullptr, nullptr},
    {"AddOutput", KindTest::kAny, nullptr, "", IDD_OUTPUT / 100, kIconAddOutput,
     [](L l, C c) {
       AppendAll(l, {"Wert an Output-Liste anhängen: ", NumberOf(c.Value)});
     },
     [](C c) {
       return Join({"Wert an Output-Liste anhängen", "Wert: " + NumberOf(c.Value)});
     }},
    {"EnableKeySupport", KindTest::kFieldIs, &S::Enable, "TRUE", -1, kIconKeySupport,
     [](L l, C) { l += "Tastensupport aktivieren"; },
     [](C) { return std::string("Tastensupport aktivieren"); }},
    {"EnableKeySupport", KindTest::kFieldIs, &S::Enable, "FALSE", -1, kIconKeySupport,
     [](L l, C) { l += "Tastensupport deaktivieren"; },
     [](C) { return std::string("Tastensupport deaktivieren"); }},
    {"EnableKeySupport", KindTest::kAny, &S::Enable, "", -1, kIconUnknown, nullptr, nullptr},
    {"RegisterKeyDownEvent", KindTest::kFieldSet, &S::Value, "", IDD_KEY_EVENT / 100, kIconKeyEvent,
     [](L l, C c) { KeyEventList(l, c, "Drücken"); },
     [](C c) { return KeyEventDetails(c, "Drücken"); }},
    {"RegisterKeyDownEvent", KindTest::kAny, &S::Value, "", -1, kIconUnknown, nullptr, nullptr},
    {"RegisterKeyUpEvent", KindTest::kFieldSet, &S::Value, "", IDD_KEY_EVENT / 100, kIconKeyEvent,
     [](L l, C c) { KeyEventList(l, c, "Loslassen"); },
     [](C c) { return KeyEventDetails(c, "Loslassen"); }},
    {"RegisterKeyUpEvent", KindTest::kAny, &S::Value, "", -1, kIconUnknown, nullptr, nullptr},
    {"RegisterCheatEvent", KindTest::kAny, nullptr, "", IDD_CHEAT / 100, kIconCheatEvent,
     [](L l, C c) {
       AppendAll(l, {"Cheat registrieren: Wert ", NumberOf(c.Value), " = Eingabe von Cheat '",
                     c.Cheat, "'"});
     },
     [](C c) {
       return Join({"Eingabe von Cheat registrieren", "Cheat: " + c.Cheat,
                    "Rückgabewert: " + NumberOf(c.Value)});
     }},
    {"EnableMouseSupport", KindTest::kFieldIs, &S::Enable, "TRUE", IDD_MOUSE_SUPPORT / 100,
     kIconMouseSupport,
     [](L l, C c) {
       AppendAll(l, {"Maussupport aktivieren: Maus-ID ", NumberOf(c.ID)});
     },
     [](C c) {
       return Join({"Maussupport aktivieren", "Maus-ID: " + NumberOf(c.ID),
                    "Automatisch Position senden: " + YesNo(c.Automatic)});
     }},
    {"EnableMouseSupport", KindTest::kFieldIs, &S::Enable, "FALSE", -1, kIconMouseSupport,
     [](L l, C) { l += "Maussupport deaktivieren"; },
     [](C) { return std::string("Maussupport deaktivieren"); }},
    {"EnableMouseSupport", KindTest::kAny, &S::Enable, "", -1, kIconUnknown, nullptr, nullptr},
    {"GetMousePosition", KindTest::kAny, nullptr, "", -1, kIconMousePosition,
     [](L l, C) { l += "Maus-/Tastenstatus senden"; },
     [](C) { return std::string("Maus-/Tastenstatus an Output-Liste senden"); }},
    {"SetDebugLevel", KindTest::kAny, nullptr, "", IDD_DEBUG_LEVEL / 100, kIconDebugLevel,
     [](L l, C c) {
       AppendAll(l, {"Debuglevel setzen: ", NumberOf(c.Level)});
     },
     [](C c) {
       return Join({"Debuglevel setzen", "Level: " + NumberOf(c.Level)});
     }},
    {},  // any other action, the empty one included
}};

// A row's action in upper case, and the command's: an action that does not
// fit into the buffer is none of the rows'.
using UpperAction = std::array<char, 24>;
std::string_view Upper(std::string_view action, UpperAction& buffer) {
  if (action.size() >= buffer.size()) return "-";
  for (std::size_t i = 0; i < action.size(); ++i) {
    buffer[i] = action[i] >= 'a' && action[i] <= 'z' ? char(action[i] - 'a' + 'A') : action[i];
  }
  return {buffer.data(), action.size()};
}

bool Fits(const CommandKind& kind, std::string_view kindAction, std::string_view action,
          const ScriptCommand& cmd) {
  if (kindAction != action) return false;
  if (kind.Test == KindTest::kFieldIs) return EqualsIgnoreCase(cmd.*kind.Field, kind.Value);
  if (kind.Test == KindTest::kFieldSet) return !(cmd.*kind.Field).empty();
  return true;
}

std::string_view KeyNameOf(std::string ScriptCommand::*field) {
  for (const ParameterKey& key : kParameterKeys) {
    if (key.field == field) return key.name;
  }
  return {};
}

}  // namespace

const CommandKind& KindOf(const ScriptCommand& cmd) {
  // Each action once in upper case, so that rows compare as plain text.
  static const std::array<UpperAction, kKinds.size()> kUpperActions = [] {
    std::array<UpperAction, kKinds.size()> upper{};
    for (std::size_t i = 0; i < kKinds.size(); ++i) Upper(kKinds[i].Action, upper[i]);
    return upper;
  }();
  UpperAction buffer{};
  const std::string_view action = Upper(cmd.Action, buffer);
  for (std::size_t i = 0; i < kKinds.size(); ++i) {
    const std::string_view kindAction(kUpperActions[i].data(), kKinds[i].Action.size());
    if (Fits(kKinds[i], kindAction, action, cmd)) return kKinds[i];
  }
  return kKinds.back();  // any other action
}

void AppendListText(std::string& line, const CommandKind& kind, const ScriptCommand& cmd) {
  if (kind.IsUnknownForm()) {
    line += "???";
  } else {
    kind.ListText(line, cmd);
  }
}

std::string ListTextOf(const CommandKind& kind, const ScriptCommand& cmd) {
  std::string text;
  AppendListText(text, kind, cmd);
  return text;
}

std::string UnknownFormLines(const CommandKind& kind, const ScriptCommand& cmd,
                             std::string_view separator) {
  std::string lines = "Action=";
  lines += kind.Action.empty() ? std::string_view(cmd.Action) : kind.Action;
  if (kind.Field != nullptr) {
    lines.append(separator).append(KeyNameOf(kind.Field)).append("=").append(cmd.*kind.Field);
  }
  return lines;
}

std::string DetailsTextOf(const CommandKind& kind, const ScriptCommand& cmd) {
  if (!kind.IsUnknownForm()) return kind.DetailsText(cmd);
  return std::string(kUnknownTitle) + std::string(LineBreak) +
         UnknownFormLines(kind, cmd, LineBreak);
}

}  // namespace wavoria
