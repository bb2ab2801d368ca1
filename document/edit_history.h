// Undo and redo for the document: each change is one step that keeps only
// what it touched, the slots as they were before and after it and the
// script's name, so that undoing or redoing a step costs what the step
// touched and not the 512 slots.
//
// A step is recorded between Begin and Commit: while it runs, the table
// tells the history (see CommandTable::SetHistory) of every slot just before
// it first changes (CommandTable::Change), and Commit compares each of those
// slots with what it held: the slots that differ, and the script's name when
// it differs, are what the step changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "document/command_table.h"
#include "document/line_range.h"

namespace wavoria {

class EditHistory {
 public:
  // At most this many steps are kept, and fewer only while they would take
  // more than kMaxBytes (or what the history is made with); the oldest go
  // first, the newest always stays.
  static constexpr std::size_t kMaxSteps = 1000;
  static constexpr std::size_t kMaxBytes = std::size_t{48} << 20;

  explicit EditHistory(std::size_t maxBytes = kMaxBytes) : maxBytes_(maxBytes) {}

  // Starts a step on table, with `lines` selected. A step already started
  // goes on.
  void Begin(const CommandTable& table, LineRange lines);
  // Ends the step: when it changed the document, or when `always` (a change
  // that counts even though nothing differs), it becomes the newest step,
  // with `lines` to select after it, and the steps that could have been
  // redone are dropped. Without a step started, nothing happens.
  void Commit(const CommandTable& table, LineRange lines, bool always = false);
  bool Recording() const { return recording_; }

  // Puts the document back as it was before the newest step, or does the
  // next undone step again. Returns the lines to select: those selected when
  // the step began, or those it selected; nothing without such a step.
  std::optional<LineRange> Undo(CommandTable& table);
  std::optional<LineRange> Redo(CommandTable& table);

  // Forgets every step; the document as it is counts as the one last read or
  // saved.
  void Clear();
  // The document as it is now is the one last saved.
  void MarkSaved() { savedAt_ = static_cast<long long>(done_); }
  // Makes Modified say `modified`: the document is the one last saved, or it
  // differs from its file, also where no step leads away from it.
  void SetModified(bool modified) {
    if (modified != Modified()) savedAt_ = modified ? -1 : static_cast<long long>(done_);
  }
  // Whether the document differs from the one last read or saved by a step.
  bool Modified() const { return savedAt_ != static_cast<long long>(done_); }

  std::size_t Steps() const { return steps_.size(); }
  // The memory the steps take, their strings' own allocations included.
  std::size_t Bytes() const { return bytes_; }

  // Called by the table before a slot changes (CommandTable::Change); while a
  // step runs, the first call for a slot keeps what it held.
  void Keep(int slot, const ScriptCommand& before);

 private:
  struct KeptSlot {
    int Slot = 0;
    ScriptCommand Before;
    ScriptCommand After;
  };
  struct Step {
    std::vector<KeptSlot> Slots;
    std::vector<std::int16_t> OrderBefore;  // the display order, so that undo and
    std::vector<std::int16_t> OrderAfter;   // redo need not walk the chain
    std::string NameBefore;
    std::string NameAfter;
    LineRange LinesBefore;
    LineRange LinesAfter;
    std::size_t Bytes = 0;
  };

  void DropOldest();

  std::deque<Step> steps_;
  std::size_t done_ = 0;   // the steps from the oldest up to here are done
  long long savedAt_ = 0;  // done_ when last read or saved; -1: no longer reachable
  std::size_t bytes_ = 0;
  std::size_t maxBytes_;
  bool recording_ = false;
  Step current_;
  std::vector<bool> kept_ = std::vector<bool>(kSlotCount);
};

// A change of `table` as one step of its history, when it has one: BeginStep
// before the change with the lines selected then, EndStep after it with the
// lines to select; `always`: the step counts even when nothing differs, as
// EditHistory::Commit. EndStep returns those lines.
void BeginStep(const CommandTable& table, LineRange lines);
LineRange EndStep(const CommandTable& table, LineRange lines, bool always = false);

}  // namespace wavoria
