#include "document/list_lines.h"

#include "document/text.h"

namespace wavoria {

namespace {

std::string NumberOf(const std::string& field) {
  return DecimalText(IntegerOf(field));
}

std::string KeyEventText(const ScriptCommand& cmd, const char* event) {
  return "Tastenereignis registrieren: Wert " + NumberOf(cmd.Value) + " = " + event +
         " von Taste " + cmd.Key;
}

std::string PathOrUntitled(const std::string& documentPath) {
  return documentPath.empty() ? std::string("Unbenannt") : documentPath;
}

}  // namespace

CommandDescription DescribeCommand(const ScriptCommand& cmd) {
  const std::string action = ToUpperAscii(cmd.Action);
  const std::string type = ToUpperAscii(cmd.Type);
  const std::string command = ToUpperAscii(cmd.Command);
  const std::string enable = ToUpperAscii(cmd.Enable);
  if (action == "WRITETOLOG") return {"In Logdatei schreiben: " + cmd.Text, 40};
  if (action == "EXECPROGRAM") {
    if (type == "DOCUMENT") return {"Dokument öffnen: " + cmd.Command, 53};
    return {"Programm ausführen: " + cmd.Command, 52};
  }
  if (action == "MCICOMMAND") return {"MCI-Befehl senden: " + cmd.Command, 54};
  if (action == "MIDITICKFUNCTION") {
    if (command == "ORIGINAL") {
      return {"Funktion für 'Get Midi Pos.' ändern: Abspielposition der Musik abfragen", 42};
    }
    if (command == "OUTPUT") {
      return {"Funktion für 'Get Midi Pos.' ändern: Wert von Output-Liste abfragen", 42};
    }
    if (command == "CLEAR") return {"Output-Liste löschen", -1};
    return {"???", -1};
  }
  if (action == "ADDOUTPUT") return {"Wert an Output-Liste anhängen: " + NumberOf(cmd.Value), 41};
  if (action == "ENABLEKEYSUPPORT") {
    if (enable == "TRUE") return {"Tastensupport aktivieren", -1};
    if (enable == "FALSE") return {"Tastensupport deaktivieren", -1};
    return {"???", -1};
  }
  if (action == "REGISTERKEYDOWNEVENT" || action == "REGISTERKEYUPEVENT") {
    if (cmd.Value.empty()) return {"???", -1};
    return {KeyEventText(cmd, action == "REGISTERKEYDOWNEVENT" ? "Drücken" : "Loslassen"), 50};
  }
  if (action == "REGISTERCHEATEVENT") {
    return {"Cheat registrieren: Wert " + NumberOf(cmd.Value) + " = Eingabe von Cheat '" +
                cmd.Cheat + "'",
            51};
  }
  if (action == "ENABLEMOUSESUPPORT") {
    if (enable == "TRUE") return {"Maussupport aktivieren: Maus-ID " + NumberOf(cmd.ID), 45};
    if (enable == "FALSE") return {"Maussupport deaktivieren", -1};
    return {"???", -1};
  }
  if (action == "GETMOUSEPOSITION") return {"Maus-/Tastenstatus senden", -1};
  if (action == "SETDEBUGLEVEL") return {"Debuglevel setzen: " + NumberOf(cmd.Level), 44};
  return {"???", -1};
}

std::vector<std::string> BuildListLines(CommandTable& table) {
  std::vector<std::string> lines;
  for (int p = 0; p < kSlotCount; ++p) {
    ScriptCommand* cmd = table.CommandAt(p);
    if (cmd == nullptr) break;
    std::string line;
    if (ToUpperAscii(cmd->SectionName) == "EXECUTE") {
      cmd->DialogType = -1;
      line = "Skriptname: " + table.ScriptName;
    } else {
      CommandDescription d = DescribeCommand(*cmd);
      cmd->DialogType = d.DialogType;
      line = "<> " + d.Text;
    }
    lines.push_back(CutTo(std::move(line), kListLineLimit));
  }
  lines.emplace_back("<>");
  return lines;
}

std::string ListCaption(const std::string& documentPath) {
  return CutTo("Kommandos in Datei " + PathOrUntitled(documentPath) + ":", kListLineLimit);
}

std::string WindowTitle(const std::string& documentPath) {
  return "Wavoria - " + PathOrUntitled(documentPath);
}

}  // namespace wavoria
