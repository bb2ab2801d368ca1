#include "document/command_table.h"

#include <algorithm>
#include <cstdint>

#include "document/edit_history.h"
#include "document/text.h"

namespace wavoria {

CommandTable::CommandTable() {
  for (int s = 0; s < kSlotCount; ++s) slots_[s].SlotIndex = s;
  displayOrder_.fill(-1);
  Clear();
}

ScriptCommand& CommandTable::Slot(int s) {
  if (s < 0) return editBuffer_;
  ScriptCommand& cmd = Changing(s);
  if (s >= slotsInUse_) slotsInUse_ = s + 1;
  return cmd;
}

const ScriptCommand& CommandTable::Slot(int s) const {
  return s < 0 ? editBuffer_ : slots_.at(s);
}

ScriptCommand& CommandTable::Changing(int s) {
  ScriptCommand& cmd = slots_.at(s);
  if (history_.To != nullptr) history_.To->Keep(s, cmd);
  return cmd;
}

int CommandTable::SlotAt(int position) const {
  if (position < 0 || position >= kSlotCount) return -1;
  return displayOrder_[position];
}

ScriptCommand* CommandTable::CommandAt(int position) {
  int s = SlotAt(position);
  return s < 0 ? nullptr : &Changing(s);
}

const ScriptCommand* CommandTable::CommandAt(int position) const {
  int s = SlotAt(position);
  return s < 0 ? nullptr : &slots_[s];
}

int CommandTable::FindSection(std::string_view name) const {
  for (int s = 0; s < slotsInUse_; ++s) {
    if (EqualsIgnoreCase(slots_[s].SectionName, name)) return s;
  }
  return -1;
}

int CommandTable::FindPredecessor(const ScriptCommand& cmd) const {
  for (int s = 0; s < slotsInUse_; ++s) {
    if (EqualsIgnoreCase(slots_[s].Next, cmd.SectionName)) return s;
  }
  return -1;
}

int CommandTable::FindSuccessor(const ScriptCommand& cmd) const {
  if (cmd.Next.empty()) return -1;
  return FindSection(cmd.Next);
}

int CommandTable::FindFreeSlot() const {
  for (int s = 1; s < slotsInUse_; ++s) {
    if (slots_[s].SectionName.empty()) return s;
  }
  return slotsInUse_ < kSlotCount ? std::max(slotsInUse_, 1) : -1;
}

std::string CommandTable::NewSectionName() const {
  // With 512 slots the smallest free number is at most 512, so one pass that
  // marks the numbers in use finds it.
  std::array<bool, kSlotCount + 1> taken{};
  for (int s = 1; s < slotsInUse_; ++s) {  // the head is called Execute
    std::string_view name = slots_[s].SectionName;
    if (!StartsWithIgnoreCase(name, "WIZ")) continue;
    std::string_view digits = name.substr(3);
    if (digits.empty() || digits.size() > 3 || (digits[0] == '0' && digits.size() > 1)) continue;
    int n = 0;
    bool number = true;
    for (char c : digits) {
      number = number && c >= '0' && c <= '9';
      n = n * 10 + (c - '0');
    }
    if (number) taken[n] = true;
  }
  int n = 0;
  while (taken[n]) ++n;
  return "WIZ" + DecimalText(n);
}

namespace {

// A hash of a section name that ignores the case of A to Z, as names are compared.
std::uint32_t NameHash(std::string_view name) {
  std::uint32_t hash = 2166136261u;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    hash = (hash ^ (byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte)) * 16777619u;
  }
  return hash;
}

}  // namespace

void CommandTable::RebuildOrder() {
  // One index of the names for the whole walk, kept on the stack (open
  // addressing, at least twice as many buckets as slots in use): the lowest
  // slot wins, as in FindSection, and the walk stays linear in the number of
  // slots in use.
  std::array<std::int16_t, 2 * kSlotCount> lowestSlot;
  std::uint32_t buckets = 16;
  while (buckets < 2u * static_cast<std::uint32_t>(slotsInUse_)) buckets *= 2;
  std::fill_n(lowestSlot.begin(), buckets, std::int16_t{-1});
  auto bucketOf = [&](std::string_view name) {
    std::uint32_t b = NameHash(name) & (buckets - 1);
    while (lowestSlot[b] >= 0 && !EqualsIgnoreCase(slots_[lowestSlot[b]].SectionName, name)) {
      b = (b + 1) & (buckets - 1);
    }
    return b;
  };
  for (int s = 0; s < slotsInUse_; ++s) {
    if (slots_[s].SectionName.empty()) continue;
    const std::uint32_t b = bucketOf(slots_[s].SectionName);
    if (lowestSlot[b] < 0) lowestSlot[b] = static_cast<std::int16_t>(s);
  }
  // Past the last position the order holds only -1 already.
  std::fill_n(displayOrder_.begin(), lastPosition_ + 1, -1);
  std::array<bool, kSlotCount> placed{};
  displayOrder_[0] = 0;
  placed[0] = true;
  lastPosition_ = 0;
  int current = 0;
  // Each slot is placed once at most, so the walk ends within the table.
  for (int p = 1; !slots_[current].Next.empty(); ++p) {
    const int next = lowestSlot[bucketOf(slots_[current].Next)];
    if (next < 0 || placed[next]) break;
    displayOrder_[p] = next;
    placed[next] = true;
    lastPosition_ = p;
    current = next;
  }
}

int CommandTable::LastPosition() const {
  return lastPosition_;
}

std::vector<std::int16_t> CommandTable::Order() const {
  return {displayOrder_.begin(), displayOrder_.begin() + lastPosition_ + 1};
}

void CommandTable::RestoreOrder(const std::vector<std::int16_t>& order) {
  std::fill_n(displayOrder_.begin(), lastPosition_ + 1, -1);
  std::copy(order.begin(), order.end(), displayOrder_.begin());
  lastPosition_ = static_cast<int>(order.size()) - 1;
}

namespace {

// Empties a field in place: a short one keeps its memory for the next value,
// as a table read again and again fills the same fields.
void Empty(std::string& field) {
  constexpr std::size_t kKeptCapacity = 256;
  if (field.empty()) return;
  if (field.capacity() > kKeptCapacity) {
    std::string().swap(field);
  } else {
    field.clear();
  }
}

}  // namespace

void CommandTable::ResetCommand(int slot, bool withLinks) {
  ScriptCommand& cmd = Slot(slot);
  cmd.SlotIndex = slot;
  cmd.DialogType = -1;
  Empty(cmd.Action);
  for (const ParameterKey& key : kParameterKeys) Empty(cmd.*key.field);
  if (withLinks) {
    Empty(cmd.SectionName);
    Empty(cmd.Next);
  }
}

void CommandTable::ResetTable() {
  ScriptName = kDefaultScriptName;
  for (int s = 0; s < slotsInUse_; ++s) ResetCommand(s, true);
  slotsInUse_ = 1;
  std::fill_n(displayOrder_.begin(), lastPosition_ + 1, -1);
  displayOrder_[0] = 0;
  lastPosition_ = 0;
}

void CommandTable::Clear() {
  ResetTable();  // its order, the head alone, is the order of a new script
  Changing(0).SectionName = kHeadName;
}

int CommandTable::InsertCommand(int position) {
  const int last = LastPosition();
  // The head cannot be preceded, and there is no position past the end line.
  if (position <= 0 || position > last + 1) return -1;
  const int s = FindFreeSlot();
  if (s < 0) return -1;
  ResetCommand(s, false);
  ScriptCommand& added = slots_[s];
  if (position == last + 1) {
    added.SectionName = NewSectionName();
    Changing(displayOrder_[last]).Next = added.SectionName;
  } else {
    ScriptCommand& target = slots_[displayOrder_[position]];
    const int pred = FindPredecessor(target);
    added.SectionName = NewSectionName();
    added.Next = target.SectionName;
    if (pred >= 0) Changing(pred).Next = added.SectionName;
  }
  RebuildOrder();
  return s;
}

void CommandTable::DeleteCommand(int position) {
  const int last = LastPosition();
  if (position <= 0 || position > last) return;
  const int target = displayOrder_[position];
  // The last command leaves its predecessor at the end of the chain, whatever
  // its own Next held; any other hands its Next to its predecessor.
  std::string keep = position == last ? std::string{} : slots_[target].Next;
  const int pred = FindPredecessor(slots_[target]);
  ResetCommand(target, true);
  if (pred >= 0) Changing(pred).Next = std::move(keep);
  RebuildOrder();
}

void CommandTable::MoveCommandUp(int position) {
  const int last = LastPosition();
  if (position <= 1 || position > last) return;
  // A command after the first always has a predecessor: the one before it.
  ScriptCommand& target = Changing(displayOrder_[position]);
  const int pred = FindPredecessor(target);
  const int prepred = FindPredecessor(slots_[pred]);
  std::string keep = target.Next;
  target.Next = Changing(pred).SectionName;
  slots_[pred].Next = std::move(keep);
  if (prepred >= 0) Changing(prepred).Next = target.SectionName;
  RebuildOrder();
}

void CommandTable::MoveCommandDown(int position) {
  const int last = LastPosition();
  if (position <= 0 || position >= last) return;
  // Before the last command, both neighbours are there.
  ScriptCommand& target = Changing(displayOrder_[position]);
  const int pred = FindPredecessor(target);
  const int succ = FindSuccessor(target);
  Changing(pred).Next = slots_[succ].SectionName;
  target.Next = Changing(succ).Next;
  slots_[succ].Next = target.SectionName;
  RebuildOrder();
}

bool EditBufferCancelled(const CommandTable& table) {
  return table.EditBuffer().SectionName == kCancelMarker;
}

void ResetEditBuffer(CommandTable& table) {
  table.ResetCommand(-1, true);
}

void CancelEditBuffer(CommandTable& table) {
  table.EditBuffer().SectionName = kCancelMarker;
}

}  // namespace wavoria
