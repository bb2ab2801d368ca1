#include "dialogs/details_text.h"

#include <initializer_list>

#include "document/text.h"

namespace wavoria {

namespace {

constexpr std::string_view kPathHint = "'%path%' wird automatisch durch den Spielpfad ersetzt.";

std::string Join(std::initializer_list<std::string> lines) {
  std::string text;
  bool first = true;
  for (const auto& line : lines) {
    if (!first) text.append(LineBreak);
    text.append(line);
    first = false;
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

// The text and icon of a command, before the labels are added.
struct Shown {
  std::string Text;
  int Icon;
};

// The form for a command the program cannot present: its raw key lines.
Shown Unknown(std::string actionLine, std::string keyLine) {
  if (keyLine.empty()) return {Join({"Unbekanntes Kommando", std::move(actionLine)}), kIconUnknown};
  return {Join({"Unbekanntes Kommando", std::move(actionLine), std::move(keyLine)}), kIconUnknown};
}

Shown KeyEvent(const ScriptCommand& cmd, const char* action, const char* event) {
  if (cmd.Value.empty()) return Unknown(std::string("Action=") + action, "Value=");
  return {Join({"Tastenereignis registrieren", std::string("Ereignis: ") + event,
                "Taste: " + cmd.Key, "Rückgabewert: " + NumberOf(cmd.Value),
                "Originalfunktion sperren: " + YesNo(cmd.BlockKey)}),
          kIconKeyEvent};
}

Shown DescribeAction(const ScriptCommand& cmd) {
  const std::string action = ToUpperAscii(cmd.Action);
  if (action == "WRITETOLOG") {
    return {Join({"In Logdatei schreiben", "Text: '" + cmd.Text + "'"}), kIconWriteToLog};
  }
  if (action == "EXECPROGRAM") {
    if (EqualsIgnoreCase(cmd.Type, "DOCUMENT")) {
      return {Join({"Dokument öffnen", "Datei: " + cmd.Command,
                    std::string("Fehler zeigen: ") +
                        (EqualsIgnoreCase(cmd.Display, "SHOWERRORS") ? "Ja" : "Nein"),
                    "Auf Programm warten: " + YesNo(cmd.Wait), "", std::string(kPathHint)}),
              kIconExecProgram};
    }
    return {Join({"Programm ausführen", "Datei: " + cmd.Command, "Modus: " + ModeText(cmd.Display),
                  "Priorität: " + PriorityText(cmd.Priority),
                  "Ergebnisdatei: " + (cmd.Result.empty() ? std::string("keine") : cmd.Result),
                  "Auf Programm warten: " + YesNo(cmd.Wait), "", std::string(kPathHint)}),
            kIconExecProgram};
  }
  if (action == "MCICOMMAND") {
    return {Join({"MCI-Befehl senden", "Kommando: " + cmd.Command, "", std::string(kPathHint)}),
            kIconMciCommand};
  }
  if (action == "MIDITICKFUNCTION") {
    const std::string command = ToUpperAscii(cmd.Command);
    const std::string title = "Funktion von 'Get Midi Pos.' ändern";
    if (command == "ORIGINAL") {
      return {Join({title, "Funktion: Abspielposition der Musik abfragen"}), kIconMidiTick};
    }
    if (command == "OUTPUT") {
      return {Join({title, "Funktion: Wert von Output-Liste abfragen"}), kIconMidiTick};
    }
    if (command == "CLEAR") return {"Output-Liste löschen", kIconMidiTick};
    return Unknown("Action=MidiTickFunction", "Command=" + cmd.Command);
  }
  if (action == "ADDOUTPUT") {
    return {Join({"Wert an Output-Liste anhängen", "Wert: " + NumberOf(cmd.Value)}),
            kIconAddOutput};
  }
  if (action == "ENABLEKEYSUPPORT") {
    const std::string enable = ToUpperAscii(cmd.Enable);
    if (enable == "TRUE") return {"Tastensupport aktivieren", kIconKeySupport};
    if (enable == "FALSE") return {"Tastensupport deaktivieren", kIconKeySupport};
    return Unknown("Action=EnableKeySupport", "Enable=" + cmd.Enable);
  }
  if (action == "REGISTERKEYDOWNEVENT") return KeyEvent(cmd, "RegisterKeyDownEvent", "Drücken");
  if (action == "REGISTERKEYUPEVENT") return KeyEvent(cmd, "RegisterKeyUpEvent", "Loslassen");
  if (action == "REGISTERCHEATEVENT") {
    return {Join({"Eingabe von Cheat registrieren", "Cheat: " + cmd.Cheat,
                  "Rückgabewert: " + NumberOf(cmd.Value)}),
            kIconCheatEvent};
  }
  if (action == "ENABLEMOUSESUPPORT") {
    const std::string enable = ToUpperAscii(cmd.Enable);
    if (enable == "TRUE") {
      return {Join({"Maussupport aktivieren", "Maus-ID: " + NumberOf(cmd.ID),
                    "Automatisch Position senden: " + YesNo(cmd.Automatic)}),
              kIconMouseSupport};
    }
    if (enable == "FALSE") return {"Maussupport deaktivieren", kIconMouseSupport};
    return Unknown("Action=EnableMouseSupport", "Enable=" + cmd.Enable);
  }
  if (action == "GETMOUSEPOSITION") {
    return {"Maus-/Tastenstatus an Output-Liste senden", kIconMousePosition};
  }
  if (action == "SETDEBUGLEVEL") {
    return {Join({"Debuglevel setzen", "Level: " + NumberOf(cmd.Level)}), kIconDebugLevel};
  }
  return Unknown("Action=" + cmd.Action, "");
}

}  // namespace

Details DetailsOf(const CommandTable& table, int position, const std::string& documentPath) {
  const ScriptCommand* cmd = table.CommandAt(position);
  if (cmd == nullptr) return {};
  Shown shown = DescribeAction(*cmd);
  Details details{std::move(shown.Text), shown.Icon, {}, {}};
  if (ToUpperAscii(cmd->SectionName) == "EXECUTE") {
    details.Text =
        Join({"Beginn des Skripts", "Datei: " + documentPath, "Skriptname: " + table.ScriptName});
    details.Icon = kIconScriptHead;
  }
  details.Text = CutTo(std::move(details.Text), kDetailsTextLimit);

  const int last = table.LastPosition();
  const bool isCommand = position >= 1 && position <= last;
  std::string section = position > 0 ? cmd->SectionName : std::string{};
  if (section == kHeadName || section == kCancelMarker) section.clear();
  // The first command is labelled with the name the file gives it; it is
  // found as the writer finds it, so the label and the file always agree.
  const std::string& first = table.Head().Next;
  if (isCommand && !first.empty() && table.SlotAt(position) == table.FindSection(first)) {
    section = kHeadName;
  }
  details.SectionLabel = std::move(section);
  details.NextLabel = isCommand ? cmd->Next : std::string{};
  return details;
}

}  // namespace wavoria
