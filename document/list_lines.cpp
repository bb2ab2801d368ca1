#include "document/list_lines.h"

#include "document/command_kinds.h"
#include "document/text.h"

namespace wavoria {

namespace {

std::string PathOrUntitled(const std::string& documentPath) {
  return documentPath.empty() ? std::string("Unbenannt") : documentPath;
}

}  // namespace

std::vector<std::string> BuildListLines(CommandTable& table) {
  std::vector<std::string> lines;
  for (int p = 0;; ++p) {
    ScriptCommand* cmd = table.CommandAt(p);
    if (cmd == nullptr) break;
    std::string line;
    if (EqualsIgnoreCase(cmd->SectionName, kHeadName)) {
      line = "Skriptname: " + table.ScriptName;
    } else {
      const CommandKind& kind = KindOf(*cmd);
      cmd->DialogType = kind.DialogType;
      line = "<> " + ListTextOf(kind, *cmd);
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
