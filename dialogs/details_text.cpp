#include "dialogs/details_text.h"

#include <algorithm>

#include "document/text.h"

namespace wavoria {

Details DetailsOf(const CommandTable& table, int position, const std::string& documentPath) {
  const ScriptCommand* cmd = table.CommandAt(position);
  if (cmd == nullptr) return {};
  Details details;
  if (EqualsIgnoreCase(cmd->SectionName, kHeadName)) {
    details.Text = "Beginn des Skripts" + std::string(LineBreak) + "Datei: " + documentPath +
                   std::string(LineBreak) + "Skriptname: " + table.ScriptName;
    details.Icon = kIconScriptHead;
  } else {
    const CommandKind& kind = KindOf(*cmd);
    details.Text = DetailsTextOf(kind, *cmd);
    details.Icon = kind.Icon;
  }
  details.Text = Displayable(details.Text, kDetailsTextLimit, true);

  const bool isCommand = position > 0;
  std::string section = isCommand ? cmd->SectionName : std::string{};
  if (section == kHeadName || section == kCancelMarker) section.clear();
  // The first command is labelled with the name the file gives it; it is
  // found as the writer finds it, so the label and the file always agree.
  if (isCommand && table.SlotAt(position) == table.FindSection(table.Head().Next)) {
    section = kHeadName;
  }
  details.SectionLabel = Displayable(section);
  details.NextLabel = isCommand ? Displayable(cmd->Next) : std::string{};
  return details;
}

Details DetailsOfRange(const std::vector<std::string>& lines, LineRange range, DetailsRoom room) {
  Details details;
  std::string& text = details.Text;
  AppendAll(text, {DecimalText(range.Count()), " Kommandos ausgewählt:"});
  auto rowsOf = [&](std::size_t size) {
    return std::max<std::size_t>(1, (size + room.Columns - 1) / room.Columns);
  };
  std::size_t rows = rowsOf(text.size());
  // Room for the line that says how many more there are.
  constexpr std::size_t kMoreLine = 40;
  for (int p = range.First; p <= range.Last; ++p) {
    const std::string& line = lines.at(static_cast<std::size_t>(p));
    const bool last = p == range.Last;
    rows += rowsOf(line.size());
    if (rows + (last ? 0 : 1) > room.Rows ||
        text.size() + LineBreak.size() + line.size() + (last ? 0 : kMoreLine) > kDetailsTextLimit) {
      AppendAll(text, {LineBreak, AndMoreText(range.Last - p + 1)});
      break;
    }
    AppendAll(text, {LineBreak, line});
  }
  return details;
}

}  // namespace wavoria
