// The open script: 512 command slots linked into one chain by section names,
// the display order derived from that chain, the script's name and the edit
// buffer through which dialogs receive and return a command.
//
// Slot 0 is the head named "Execute"; its Next names the first command.
// Display position 0 is the head, 1 to N are the commands in chain order and
// N+1 is the end line below the last command. Lookups compare section names
// ignoring the case of A to Z and return the lowest-numbered slot.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/script_command.h"

namespace wavoria {

class EditHistory;  // document/edit_history.h

inline constexpr int kSlotCount = 512;
inline constexpr std::string_view kDefaultScriptName = "Unbenanntes Skript";
inline constexpr std::string_view kHeadName = "Execute";
inline constexpr std::string_view kCancelMarker = "&NULL";

class CommandTable {
 public:
  CommandTable();

  // The record in slot s (0 to 511), or the edit buffer for -1.
  const ScriptCommand& Slot(int s) const;
  // The same record, to be changed: while the table's history records a
  // step, it keeps what the slot holds now. Every change of a slot goes
  // through here (or through ChangeAt); reading goes through Slot.
  ScriptCommand& Change(int s);
  const ScriptCommand& Head() const { return slots_[0]; }  // slot 0 always counts as in use
  ScriptCommand& EditBuffer() { return editBuffer_; }
  const ScriptCommand& EditBuffer() const { return editBuffer_; }

  std::string ScriptName{kDefaultScriptName};

  // Slot number at display position p, or -1 (also for p out of range).
  int SlotAt(int position) const;
  // The command at display position p, or nullptr; ChangeAt to change it.
  const ScriptCommand* CommandAt(int position) const;
  ScriptCommand* ChangeAt(int position);

  // First slot whose SectionName equals name, or -1.
  int FindSection(std::string_view name) const;
  bool SectionExists(std::string_view name) const { return FindSection(name) >= 0; }
  // First slot whose Next names cmd's section, or -1.
  int FindPredecessor(const ScriptCommand& cmd) const;
  // The slot that cmd's Next names, or -1 (also for an empty Next).
  int FindSuccessor(const ScriptCommand& cmd) const;
  // First free slot from 1 to 511, or -1.
  int FindFreeSlot() const;
  // "WIZ" plus the smallest number no slot bears.
  std::string NewSectionName() const;
  // The `count` smallest such names, in ascending order.
  std::vector<std::string> NewSectionNames(int count) const;

  // Refills the display order by walking the chain from the head. A chain
  // that runs back into itself stops before the first command already placed.
  void RebuildOrder();
  // N, the position of the last command (0 for an empty script).
  int LastPosition() const;
  // The display order from the head to the last command, and putting back
  // one that RebuildOrder made for the slots as they are again: what undo
  // does instead of walking the chain.
  std::vector<std::int16_t> Order() const;
  void RestoreOrder(const std::vector<std::int16_t>& order);
  // Every slot from this one on is empty.
  int SlotsInUse() const { return slotsInUse_; }

  // Empties a record (slot -1 is the edit buffer); names and Next only with links.
  void ResetCommand(int slot, bool withLinks);
  // Empties the whole document; the caller names slot 0 "Execute" afterwards.
  void ResetTable();
  // ResetTable plus the head's name: the state of a new, empty script.
  void Clear();

  // Adds an empty, named command at a position; returns its slot or -1 when
  // nothing was added (table full, or the position of the head).
  int InsertCommand(int position);
  void DeleteCommand(int position);
  void MoveCommandUp(int position);
  void MoveCommandDown(int position);

  // The same for the commands at positions first to last, as a block: as
  // many single operations would leave the chain, linked once. Inserting adds
  // `count` empty, named commands, each in the lowest free slot with the
  // smallest free name, and returns their slots in chain order; it adds none
  // when not all of them fit. A block moves past its neighbour, the command
  // just above or below it, and a block that does not lie within the
  // commands, or has no neighbour there, stays.
  std::vector<int> InsertCommands(int position, int count);
  void DeleteCommands(int first, int last);
  void MoveCommandsUp(int first, int last);
  void MoveCommandsDown(int first, int last);

  // The history that records the changes to this table while it records a
  // step, or nullptr. A copy of a table starts without one, and assigning a
  // table keeps the history of the table assigned to.
  EditHistory* History() const { return history_.To; }
  void SetHistory(EditHistory* history) { history_.To = history; }

 private:
  struct HistoryLink {
    EditHistory* To = nullptr;
    HistoryLink() = default;
    HistoryLink(const HistoryLink&) {}
    HistoryLink& operator=(const HistoryLink&) { return *this; }
  };

  // Whether first to last are commands, 1 <= first <= last <= N.
  bool HoldsCommands(int first, int last) const;

  std::array<ScriptCommand, kSlotCount> slots_;
  std::array<std::int32_t, kSlotCount> displayOrder_;
  // Slots from here on have never been handed out for writing since the last
  // reset and are still empty, so resets and searches stop here: their cost
  // follows what the script holds rather than the 512 slots.
  int slotsInUse_ = kSlotCount;
  int lastPosition_ = 0;  // LastPosition(), kept with the display order
  ScriptCommand editBuffer_;
  HistoryLink history_;
};

// Whether the edit buffer carries the cancel marker.
bool EditBufferCancelled(const CommandTable& table);

// Empties the edit buffer, as before a new command is chosen.
void ResetEditBuffer(CommandTable& table);

// Marks the edit buffer cancelled, and changes nothing else in it: the one
// cancel of every command dialog and of the chooser. The marker is the only
// signal; a marked buffer is never taken over, so what else it holds does
// not matter.
void CancelEditBuffer(CommandTable& table);

}  // namespace wavoria
