#include "app/editor_commands.h"

#include <algorithm>
#include <memory>

#include "app/editor_rules.h"
#include "document/edit_history.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "resources/resource_ids.h"

namespace wavoria {

namespace {

// A change of the document as one step of the table's history, when it has
// one: Begin before the change, End with the line selected after it.
void BeginStep(const CommandTable& table, int line) {
  if (EditHistory* history = table.History()) history->Begin(table, line);
}
// `always`: the step counts as a change even when nothing differs.
int EndStep(const CommandTable& table, int line, bool always = true) {
  if (EditHistory* history = table.History()) history->Commit(table, line, always);
  return line;
}

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
  BeginStep(table, selected);
  const int slot = table.InsertCommand(selected);
  if (slot == -1) {  // the table is full: nothing changed
    EndStep(table, selected, false);
    return std::nullopt;
  }
  CopyContent(table.EditBuffer(), table.Slot(slot));  // names and links stay: the order too
  return EndStep(table, selected);
}

std::optional<int> DeleteAt(CommandTable& table, int selected) {
  if (selected < 1 || selected > table.LastPosition()) return std::nullopt;
  BeginStep(table, selected);
  table.DeleteCommand(selected);
  return EndStep(table, selected - 1);
}

std::optional<int> MoveUpAt(CommandTable& table, int selected) {
  if (selected < 2 || selected > table.LastPosition()) return std::nullopt;
  BeginStep(table, selected);
  table.MoveCommandUp(selected);
  return EndStep(table, selected - 1);
}

std::optional<int> MoveDownAt(CommandTable& table, int selected) {
  const int last = table.LastPosition();
  if (selected < 1 || selected >= last) return std::nullopt;
  BeginStep(table, selected);
  table.MoveCommandDown(selected);
  return EndStep(table, selected + 1);
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

void BeginEdit(CommandTable& table, int selected, const EditTarget& target) {
  if (target.What == EditTarget::kNothing) return;
  if (target.What == EditTarget::kDialog) LoadEditBuffer(table, selected);
  BeginStep(table, selected);
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
      return EndStep(table, 0);
    case EditTarget::kDialog:
      if (!StoreEditBuffer(table, selected)) {  // names and links stay
        EndStep(table, selected, false);
        return std::nullopt;
      }
      return EndStep(table, selected);
    case EditTarget::kNothing:
      break;
  }
  return std::nullopt;
}

std::optional<int> UndoStep(CommandTable& table) {
  EditHistory* history = table.History();
  return history != nullptr ? history->Undo(table) : std::nullopt;
}

std::optional<int> RedoStep(CommandTable& table) {
  EditHistory* history = table.History();
  return history != nullptr ? history->Redo(table) : std::nullopt;
}

bool ReadBackAsOneStep(CommandTable& table, int selected, const std::function<bool()>& read) {
  BeginStep(table, selected);
  const bool done = read();
  EndStep(table, 0, false);
  return done;
}

std::optional<std::string> CopiedText(const CommandTable& table, int selected) {
  if (selected == 0) return ScriptText(table);
  return CutText(table, selected);
}

std::optional<std::string> CutText(const CommandTable& table, int selected) {
  if (selected < 1 || selected > table.LastPosition()) return std::nullopt;
  return SectionText(*table.CommandAt(selected));
}

PasteOutcome PasteText(CommandTable& table, int selected, std::string_view text,
                       const ActionTable& actions) {
  PasteOutcome outcome;
  if (selected < 0 || selected > table.LastPosition() + 1) return outcome;
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
  const int first = std::max(selected, 1);
  BeginStep(table, selected);
  for (std::size_t i = 0; i < commands.size(); ++i) {
    const int slot = table.InsertCommand(first + static_cast<int>(i));
    CopyContent(*commands[i], table.Slot(slot));
  }
  outcome.Line = EndStep(table, first);
  // Loose sections go in in the order of the text: no chain of theirs counts.
  if (found.Head().Next.empty()) warnings.ChainGaps = false;
  outcome.Warnings = WarningTexts(warnings, {}, kWarningLinesShown, ReadSource::kClipboard);
  return outcome;
}

void PrepareForEditor(CommandTable& table) {
  if (table.ScriptName.empty()) table.ScriptName = kDefaultScriptName;
  table.Head().SectionName = kHeadName;
  table.RebuildOrder();
}

}  // namespace wavoria
