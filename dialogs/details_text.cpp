#include "dialogs/details_text.h"

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

}  // namespace wavoria
