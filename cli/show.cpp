#include "cli/show.h"

#include <algorithm>
#include <memory>

#include "dialogs/details_text.h"
#include "document/command_table.h"
#include "document/list_lines.h"
#include "document/script_reader.h"
#include "document/text.h"

namespace wavoria::cli {

namespace {

void AddDetailsLines(std::vector<std::string>& lines, const std::string& text) {
  if (text.empty()) return;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(LineBreak, start);
    const std::string line = text.substr(start, end == std::string::npos ? end : end - start);
    lines.push_back(line.empty() ? line : std::string(kDetailsIndent) + line);
    if (end == std::string::npos) return;
    start = end + LineBreak.size();
  }
}

}  // namespace

std::vector<std::string> WarningLines(const ReadWarnings& warnings,
                                      const std::string& documentPath) {
  std::vector<std::string> lines;
  for (const std::string& text : WarningTexts(warnings, documentPath, warnings.Lines.size())) {
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = std::min(text.find(LineBreak, start), text.size());
      if (end > start) lines.push_back(text.substr(start, end - start));
      start = end + LineBreak.size();
    }
  }
  return lines;
}

ShownScript ShowScriptText(std::string_view text, const ActionTable& actions,
                           const std::string& documentPath, bool details) {
  auto table = std::make_unique<CommandTable>();
  const ReadWarnings warnings = ParseScript(text, actions, *table);
  ShownScript shown;
  shown.Warnings = WarningLines(warnings, documentPath);
  const std::vector<std::string> listLines = BuildListLines(*table);
  for (std::size_t p = 0; p < listLines.size(); ++p) {
    shown.Lines.push_back(listLines[p]);
    if (details) {
      AddDetailsLines(shown.Lines, DetailsOf(*table, static_cast<int>(p), documentPath).Text);
    }
  }
  return shown;
}

}  // namespace wavoria::cli
