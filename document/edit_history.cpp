#include "document/edit_history.h"

#include <algorithm>
#include <utility>

namespace wavoria {

namespace {

// What a string holds outside itself: nothing while its characters fit in
// the string itself (the standard library's small-string capacity), else
// its capacity and the terminating zero.
std::size_t HeapBytes(const std::string& text) {
  static const std::size_t inside = std::string().capacity();
  return text.capacity() > inside ? text.capacity() + 1 : 0;
}

std::size_t HeapBytes(const ScriptCommand& cmd) {
  std::size_t bytes = HeapBytes(cmd.SectionName) + HeapBytes(cmd.Action) + HeapBytes(cmd.Next);
  for (const ParameterKey& key : kParameterKeys) bytes += HeapBytes(cmd.*key.field);
  return bytes;
}

}  // namespace

void EditHistory::Begin(const CommandTable& table, LineRange lines) {
  if (recording_) return;
  recording_ = true;
  current_.OrderBefore = table.Order();
  current_.NameBefore = table.ScriptName;
  current_.LinesBefore = lines;
}

void EditHistory::Keep(int slot, const ScriptCommand& before) {
  if (!recording_ || kept_[static_cast<std::size_t>(slot)]) return;
  kept_[static_cast<std::size_t>(slot)] = true;
  current_.Slots.push_back({slot, before, {}});
}

void EditHistory::Commit(const CommandTable& table, LineRange lines, bool always) {
  if (!recording_) return;
  recording_ = false;
  Step step = std::exchange(current_, {});
  for (const KeptSlot& kept : step.Slots) kept_[static_cast<std::size_t>(kept.Slot)] = false;
  // A slot that holds what it held before the step was not changed by it.
  std::erase_if(step.Slots, [&](KeptSlot& kept) {
    kept.After = table.Slot(kept.Slot);
    return kept.After == kept.Before;
  });
  step.NameAfter = table.ScriptName;
  if (!always && step.Slots.empty() && step.NameAfter == step.NameBefore) return;
  step.Slots.shrink_to_fit();
  step.OrderAfter = table.Order();
  step.LinesAfter = lines;
  step.Bytes = sizeof(Step) + HeapBytes(step.NameBefore) + HeapBytes(step.NameAfter) +
               step.Slots.capacity() * sizeof(KeptSlot) +
               (step.OrderBefore.capacity() + step.OrderAfter.capacity()) * sizeof(std::int16_t);
  for (const KeptSlot& kept : step.Slots) {
    step.Bytes += HeapBytes(kept.Before) + HeapBytes(kept.After);
  }
  // A new change makes the undone steps unreachable, the saved state too if
  // it was among them.
  while (steps_.size() > done_) {
    bytes_ -= steps_.back().Bytes;
    steps_.pop_back();
  }
  if (savedAt_ > static_cast<long long>(done_)) savedAt_ = -1;
  bytes_ += step.Bytes;
  steps_.push_back(std::move(step));
  ++done_;
  while (steps_.size() > kMaxSteps || (bytes_ > maxBytes_ && steps_.size() > 1)) DropOldest();
}

void EditHistory::DropOldest() {
  bytes_ -= steps_.front().Bytes;
  steps_.pop_front();
  --done_;
  savedAt_ = savedAt_ > 0 ? savedAt_ - 1 : -1;
}

std::optional<LineRange> EditHistory::Undo(CommandTable& table) {
  if (recording_ || done_ == 0) return std::nullopt;
  const Step& step = steps_[--done_];
  for (const KeptSlot& kept : step.Slots) table.Change(kept.Slot) = kept.Before;
  table.ScriptName = step.NameBefore;
  table.RestoreOrder(step.OrderBefore);
  return step.LinesBefore;
}

std::optional<LineRange> EditHistory::Redo(CommandTable& table) {
  if (recording_ || done_ == steps_.size()) return std::nullopt;
  const Step& step = steps_[done_++];
  for (const KeptSlot& kept : step.Slots) table.Change(kept.Slot) = kept.After;
  table.ScriptName = step.NameAfter;
  table.RestoreOrder(step.OrderAfter);
  return step.LinesAfter;
}

void EditHistory::Clear() {
  steps_.clear();
  done_ = 0;
  savedAt_ = 0;
  bytes_ = 0;
}

void BeginStep(const CommandTable& table, LineRange lines) {
  if (EditHistory* history = table.History()) history->Begin(table, lines);
}

LineRange EndStep(const CommandTable& table, LineRange lines, bool always) {
  if (EditHistory* history = table.History()) history->Commit(table, lines, always);
  return lines;
}

}  // namespace wavoria
