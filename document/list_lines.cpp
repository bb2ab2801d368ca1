#include "document/list_lines.h"

#include <algorithm>

#include "document/command_kinds.h"
#include "document/text.h"

namespace wavoria {

namespace {

std::string PathOrUntitled(const std::string& documentPath) {
  return documentPath.empty() ? std::string("Unbenannt") : Displayable(documentPath);
}

}  // namespace

void BuildListLines(const CommandTable& table, std::vector<std::string>& lines) {
  std::size_t count = 0;
  auto next = [&]() -> std::string& {
    if (count == lines.size()) lines.emplace_back();
    return lines[count++];
  };
  for (int p = 0;; ++p) {
    const ScriptCommand* cmd = table.CommandAt(p);
    if (cmd == nullptr) break;
    std::string& line = next();
    if (EqualsIgnoreCase(cmd->SectionName, kHeadName)) {
      line.assign("Skriptname: ").append(table.ScriptName);
    } else {
      const CommandKind& kind = KindOf(*cmd);
      line.assign("<> ");
      AppendListText(line, kind, *cmd);
    }
    MakeDisplayable(line, kListLineLimit);
  }
  next().assign("<>");
  lines.resize(count);
}

std::vector<std::string> BuildListLines(const CommandTable& table) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(table.LastPosition()) + 2);
  BuildListLines(table, lines);
  return lines;
}

bool ListLineIsCut(const ScriptCommand& cmd) {
  std::string line("<> ");
  AppendListText(line, KindOf(cmd), cmd);
  return DisplayedSize(line) > kListLineLimit;
}

std::string ListCaption(const std::string& documentPath) {
  return CutTo("Kommandos in Datei " + PathOrUntitled(documentPath) + ":", kListLineLimit);
}

std::string WindowTitle(const std::string& documentPath, bool modified) {
  return (modified ? "Wavoria - *" : "Wavoria - ") + PathOrUntitled(documentPath);
}

}  // namespace wavoria
