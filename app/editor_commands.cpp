#include "app/editor_commands.h"

#include "resources/resource_ids.h"

namespace wavoria {

namespace {

// Copies every field of from into to except slot index, section name and Next.
void CopyContent(const ScriptCommand& from, ScriptCommand& to) {
  ScriptCommand copy = from;
  copy.SlotIndex = to.SlotIndex;
  copy.SectionName = std::move(to.SectionName);
  copy.Next = std::move(to.Next);
  to = std::move(copy);
}

}  // namespace

bool CanAddAt(const CommandTable& table, int selected) {
  return selected >= 1 && selected <= table.LastPosition() + 1;
}

std::optional<int> AddFromEditBuffer(CommandTable& table, int selected) {
  if (!CanAddAt(table, selected) || EditBufferCancelled(table)) return std::nullopt;
  const int slot = table.InsertCommand(selected);
  if (slot == -1) return std::nullopt;                // the table is full
  CopyContent(table.EditBuffer(), table.Slot(slot));  // names and links stay: the order too
  return selected;
}

std::optional<int> DeleteAt(CommandTable& table, int selected) {
  if (selected < 1 || selected > table.LastPosition()) return std::nullopt;
  table.DeleteCommand(selected);
  return selected - 1;
}

std::optional<int> MoveUpAt(CommandTable& table, int selected) {
  if (selected < 2 || selected > table.LastPosition()) return std::nullopt;
  table.MoveCommandUp(selected);
  return selected - 1;
}

std::optional<int> MoveDownAt(CommandTable& table, int selected) {
  const int last = table.LastPosition();
  if (selected < 1 || selected >= last) return std::nullopt;
  table.MoveCommandDown(selected);
  return selected + 1;
}

EditTarget EditTargetAt(const CommandTable& table, int selected) {
  const ScriptCommand* cmd = table.CommandAt(selected);
  if (cmd == nullptr || cmd->SectionName.empty()) return {};
  if (selected == 0) return {EditTarget::kRename, IDD_RENAME};
  if (cmd->DialogType == -1) return {};  // a kind without a dialog
  return {EditTarget::kDialog, cmd->DialogType * 100};
}

void LoadEditBuffer(CommandTable& table, int selected) {
  const ScriptCommand* cmd = table.CommandAt(selected);
  if (cmd == nullptr) return;
  ScriptCommand& buffer = table.EditBuffer();
  buffer = *cmd;
  buffer.SectionName.clear();
  buffer.Next.clear();
  buffer.SlotIndex = -1;
}

bool StoreEditBuffer(CommandTable& table, int selected) {
  ScriptCommand* cmd = table.CommandAt(selected);
  if (cmd == nullptr || selected == 0 || EditBufferCancelled(table)) return false;
  CopyContent(table.EditBuffer(), *cmd);
  return true;
}

std::optional<int> FinishEdit(CommandTable& table, int selected, const EditTarget& target) {
  switch (target.What) {
    case EditTarget::kRename:
      return 0;
    case EditTarget::kDialog:
      if (!StoreEditBuffer(table, selected)) return std::nullopt;  // names and links stay
      return selected;
    case EditTarget::kNothing:
      break;
  }
  return std::nullopt;
}

bool EditBufferCancelled(const CommandTable& table) {
  return table.EditBuffer().SectionName == kCancelMarker;
}

void PrepareForEditor(CommandTable& table) {
  if (table.ScriptName.empty()) table.ScriptName = kDefaultScriptName;
  table.Head().SectionName = kHeadName;
  table.RebuildOrder();
}

void ResetEditBuffer(CommandTable& table) {
  table.ResetCommand(-1, true);
}

void CancelEditBuffer(CommandTable& table) {
  table.EditBuffer().SectionName = kCancelMarker;
}

}  // namespace wavoria
