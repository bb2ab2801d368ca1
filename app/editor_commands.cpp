#include "app/editor_commands.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "app/editor_rules.h"
#include "app/list_selection.h"
#include "document/command_kinds.h"
#include "document/edit_history.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
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

// Inserts copies of `commands` in front of position `at` as one step, and
// selects them; the caller made sure that they fit.
LineRange InsertCopies(CommandTable& table, LineRange selected, int at,
                       const std::vector<const ScriptCommand*>& commands) {
  BeginStep(table, selected);
  const std::vector<int> slots = table.InsertCommands(at, static_cast<int>(commands.size()));
  for (std::size_t i = 0; i < slots.size(); ++i) CopyContent(*commands[i], table.Change(slots[i]));
  return EndStep(table, {at, at + static_cast<int>(slots.size()) - 1});
}

}  // namespace

bool CanAddAt(const CommandTable& table, LineRange selected) {
  return selected.First >= 1 && selected.First <= table.LastPosition() + 1;
}

std::optional<LineRange> AddFromEditBuffer(CommandTable& table, LineRange selected) {
  if (!CanAddAt(table, selected) || EditBufferCancelled(table)) return std::nullopt;
  BeginStep(table, selected);
  const int slot = table.InsertCommand(selected.First);
  if (slot == -1) {  // the table is full: nothing changed
    EndStep(table, selected);
    return std::nullopt;
  }
  CopyContent(table.EditBuffer(), table.Change(slot));  // names and links stay: the order too
  return EndStep(table, selected.First);
}

std::optional<LineRange> DeleteAt(CommandTable& table, LineRange selected) {
  if (!HoldsOnlyCommands(table, selected)) return std::nullopt;
  BeginStep(table, selected);
  table.DeleteCommands(selected.First, selected.Last);
  return EndStep(table, selected.First - 1);
}

std::optional<LineRange> MoveUpAt(CommandTable& table, LineRange selected) {
  if (!HoldsOnlyCommands(table, selected) || selected.First < 2) return std::nullopt;
  BeginStep(table, selected);
  table.MoveCommandsUp(selected.First, selected.Last);
  return EndStep(table, {selected.First - 1, selected.Last - 1});
}

std::optional<LineRange> MoveDownAt(CommandTable& table, LineRange selected) {
  if (!HoldsOnlyCommands(table, selected) || selected.Last >= table.LastPosition()) {
    return std::nullopt;
  }
  BeginStep(table, selected);
  table.MoveCommandsDown(selected.First, selected.Last);
  return EndStep(table, {selected.First + 1, selected.Last + 1});
}

EditTarget EditTargetAt(const CommandTable& table, LineRange selected) {
  const ScriptCommand* cmd = table.CommandAt(selected.First);
  if (!selected.IsOneLine() || cmd == nullptr || cmd->SectionName.empty()) return {};
  if (selected.First == 0) return {EditTarget::kRename, IDD_RENAME};
  const int dialog = KindOf(*cmd).DialogType;
  if (dialog == -1) return {};  // a kind without a dialog
  return {EditTarget::kDialog, dialog * 100};
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

void BeginEdit(CommandTable& table, int selected, const EditTarget& target) {
  if (target.What == EditTarget::kNothing) return;
  if (target.What == EditTarget::kDialog) LoadEditBuffer(table, selected);
  BeginStep(table, selected);
}

bool StoreEditBuffer(CommandTable& table, int selected) {
  if (table.CommandAt(selected) == nullptr || selected == 0 || EditBufferCancelled(table)) {
    return false;
  }
  CopyContent(table.EditBuffer(), *table.ChangeAt(selected));
  return true;
}

std::optional<LineRange> FinishEdit(CommandTable& table, int selected, const EditTarget& target) {
  switch (target.What) {
    case EditTarget::kRename:
      return EndStep(table, 0, true);
    case EditTarget::kDialog:
      if (!StoreEditBuffer(table, selected)) {  // names and links stay
        EndStep(table, selected);
        return std::nullopt;
      }
      return EndStep(table, selected, true);
    case EditTarget::kNothing:
      break;
  }
  return std::nullopt;
}

std::optional<LineRange> UndoStep(CommandTable& table) {
  EditHistory* history = table.History();
  return history != nullptr ? history->Undo(table) : std::nullopt;
}

std::optional<LineRange> RedoStep(CommandTable& table) {
  EditHistory* history = table.History();
  return history != nullptr ? history->Redo(table) : std::nullopt;
}

bool ReadBackAsOneStep(CommandTable& table, LineRange selected, const std::function<bool()>& read) {
  BeginStep(table, selected);
  const bool done = read();
  EndStep(table, 0);
  return done;
}

std::optional<std::string> CopiedText(const CommandTable& table, LineRange selected) {
  if (selected == 0) return ScriptText(table);
  return CutText(table, selected);
}

std::optional<std::string> CutText(const CommandTable& table, LineRange selected) {
  if (!HoldsOnlyCommands(table, selected)) return std::nullopt;
  std::string text;
  for (int p = selected.First; p <= selected.Last; ++p) {
    text += SectionText(*table.CommandAt(p), p < selected.Last);
  }
  return text;
}

PasteOutcome PasteText(CommandTable& table, LineRange selected, std::string_view text,
                       const ActionTable& actions) {
  PasteOutcome outcome;
  if (selected.First < 0 || selected.First > table.LastPosition() + 1) return outcome;
  // The text is read as a file of its own, which can hold a full table.
  const auto scratch = std::make_unique<CommandTable>();
  ReadWarnings warnings = ParseScript(text, actions, *scratch);
  const CommandTable& found = *scratch;
  std::vector<const ScriptCommand*> commands;
  if (found.LastPosition() > 0) {
    for (int p = 1; p <= found.LastPosition(); ++p) commands.push_back(found.CommandAt(p));
  } else {
    for (int s = 1; s < found.SlotsInUse(); ++s) {
      if (!found.Slot(s).SectionName.empty()) commands.push_back(&found.Slot(s));
    }
  }
  if (std::none_of(commands.begin(), commands.end(),
                   [](const ScriptCommand* cmd) { return !cmd->Action.empty(); })) {
    outcome.Refusal = kNoCommandsOnClipboardText;
    return outcome;
  }
  const int inScript = CommandCount(table);
  if (warnings.SectionsCut || inScript + static_cast<int>(commands.size()) > kSlotCount - 1) {
    outcome.Refusal = PasteTooLargeMessage(
        inScript, warnings.SectionsCut ? -1 : static_cast<int>(commands.size()));
    return outcome;
  }
  outcome.Lines = InsertCopies(table, selected, std::max(selected.First, 1), commands);
  // Loose sections go in in the order of the text: no chain of theirs counts.
  if (found.Head().Next.empty()) warnings.ChainGaps = false;
  outcome.Warnings = WarningTexts(warnings, {}, kWarningLinesShown, ReadSource::kClipboard);
  return outcome;
}

PasteOutcome DuplicateAt(CommandTable& table, LineRange selected) {
  PasteOutcome outcome;
  if (!HoldsOnlyCommands(table, selected)) return outcome;
  const int inScript = CommandCount(table);
  if (inScript + selected.Count() > kSlotCount - 1) {
    outcome.Refusal = DuplicateTooLargeMessage(inScript, selected.Count());
    return outcome;
  }
  std::vector<const ScriptCommand*> commands;
  for (int p = selected.First; p <= selected.Last; ++p) commands.push_back(table.CommandAt(p));
  outcome.Lines = InsertCopies(table, selected, selected.Last + 1, commands);
  return outcome;
}

void PrepareForEditor(CommandTable& table) {
  if (table.ScriptName.empty()) table.ScriptName = kDefaultScriptName;
  table.Change(0).SectionName = kHeadName;
  table.RebuildOrder();
}

}  // namespace wavoria
