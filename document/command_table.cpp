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

const ScriptCommand& CommandTable::Slot(int s) const {
  return s < 0 ? editBuffer_ : slots_.at(s);
}

ScriptCommand& CommandTable::Change(int s) {
  if (s < 0) return editBuffer_;
  ScriptCommand& cmd = slots_.at(s);
  if (history_.To != nullptr) history_.To->Keep(s, cmd);
  if (s >= slotsInUse_) slotsInUse_ = s + 1;
  return cmd;
}

int CommandTable::SlotAt(int position) const {
  if (position < 0 || position >= kSlotCount) return -1;
  return displayOrder_[position];
}

const ScriptCommand* CommandTable::CommandAt(int position) const {
  int s = SlotAt(position);
  return s < 0 ? nullptr : &slots_[s];
}

ScriptCommand* CommandTable::ChangeAt(int position) {
  int s = SlotAt(position);
  return s < 0 ? nullptr : &Change(s);
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
  return NewSectionNames(1).front();
}

std::vector<std::string> CommandTable::NewSectionNames(int count) const {
  // With 512 slots the smallest free numbers lie within 0 to 512, so one pass
  // that marks the numbers in use finds them.
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
  std::vector<std::string> names;
  for (int n = 0; static_cast<int>(names.size()) < count && n <= kSlotCount; ++n) {
    if (!taken[n]) names.push_back("WIZ" + DecimalText(n));
  }
  return names;
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
  ScriptCommand& cmd = Change(slot);
  cmd.SlotIndex = slot;
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
  Change(0).SectionName = kHeadName;
}

bool CommandTable::HoldsCommands(int first, int last) const {
  return first >= 1 && first <= last && last <= lastPosition_;
}

int CommandTable::InsertCommand(int position) {
  const std::vector<int> added = InsertCommands(position, 1);
  return added.empty() ? -1 : added.front();
}

void CommandTable::DeleteCommand(int position) {
  DeleteCommands(position, position);
}

void CommandTable::MoveCommandUp(int position) {
  MoveCommandsUp(position, position);
}

void CommandTable::MoveCommandDown(int position) {
  MoveCommandsDown(position, position);
}

std::vector<int> CommandTable::InsertCommands(int position, int count) {
  const int last = LastPosition();
  // The head cannot be preceded, and there is no position past the end line.
  if (position <= 0 || position > last + 1 || count <= 0) return {};
  std::vector<int> added;
  for (int s = 1; s < kSlotCount && static_cast<int>(added.size()) < count; ++s) {
    if (s >= slotsInUse_ || slots_[s].SectionName.empty()) added.push_back(s);
  }
  if (static_cast<int>(added.size()) < count) return {};
  const std::vector<std::string> names = NewSectionNames(count);
  // The block goes between the command above the position and the one at
  // it; that one is looked up before anything is linked.
  const bool append = position == last + 1;
  const int pred = append ? displayOrder_[last] : FindPredecessor(slots_[displayOrder_[position]]);
  std::string next = append ? std::string{} : slots_[displayOrder_[position]].SectionName;
  for (int i = count - 1; i >= 0; --i) {
    ResetCommand(added[i], false);
    ScriptCommand& cmd = slots_[added[i]];
    cmd.SectionName = names[i];
    cmd.Next = std::move(next);
    next = cmd.SectionName;
  }
  if (pred >= 0) Change(pred).Next = std::move(next);
  RebuildOrder();
  return added;
}

void CommandTable::DeleteCommands(int first, int last) {
  if (!HoldsCommands(first, last)) return;
  // A block at the end leaves its predecessor at the end of the chain,
  // whatever the last command's own Next held; any other hands that Next on.
  std::string keep = last == LastPosition() ? std::string{} : slots_[displayOrder_[last]].Next;
  const int pred = FindPredecessor(slots_[displayOrder_[first]]);
  for (int p = first; p <= last; ++p) ResetCommand(displayOrder_[p], true);
  // In a chain that runs back into the block, its predecessor may be gone too.
  if (pred >= 0 && !slots_[pred].SectionName.empty()) Change(pred).Next = std::move(keep);
  RebuildOrder();
}

void CommandTable::MoveCommandsUp(int first, int last) {
  if (first < 2 || !HoldsCommands(first, last)) return;
  // A block after the first command always has a predecessor: the one before it.
  ScriptCommand& top = Change(displayOrder_[first]);
  ScriptCommand& bottom = Change(displayOrder_[last]);
  const int pred = FindPredecessor(top);
  const int prepred = FindPredecessor(slots_[pred]);
  std::string keep = bottom.Next;
  bottom.Next = Change(pred).SectionName;
  slots_[pred].Next = std::move(keep);
  if (prepred >= 0) Change(prepred).Next = top.SectionName;
  RebuildOrder();
}

void CommandTable::MoveCommandsDown(int first, int last) {
  if (!HoldsCommands(first, last) || last == LastPosition()) return;
  // Before the last command, both neighbours are there.
  ScriptCommand& top = Change(displayOrder_[first]);
  ScriptCommand& bottom = Change(displayOrder_[last]);
  const int pred = FindPredecessor(top);
  const int succ = FindSuccessor(bottom);
  Change(pred).Next = slots_[succ].SectionName;
  bottom.Next = Change(succ).Next;
  slots_[succ].Next = top.SectionName;
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
