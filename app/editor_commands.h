// The list commands of the main window as operations on the document: each
// takes the selected line and tells which line to select afterwards, or
// nothing when the command does not apply to that line.
#pragma once

#include <optional>

#include "document/command_table.h"

namespace wavoria {

// Add: the edit buffer, filled by the chooser or a dialog, becomes a new
// command in front of line `selected` (appended on the end line). Nothing
// happens on the script line, without a selection or with a full table.
std::optional<int> AddFromEditBuffer(CommandTable& table, int selected);

// Whether Add applies to a line at all (asked before the chooser opens).
bool CanAddAt(const CommandTable& table, int selected);

std::optional<int> DeleteAt(CommandTable& table, int selected);
std::optional<int> MoveUpAt(CommandTable& table, int selected);
std::optional<int> MoveDownAt(CommandTable& table, int selected);

// What Edit does on a line.
struct EditTarget {
  enum Kind { kNothing, kRename, kDialog } What = kNothing;
  int DialogId = 0;  // the template id of the dialog, for kDialog
};
EditTarget EditTargetAt(const CommandTable& table, int selected);

// Copies the command at `selected` into the edit buffer for its dialog: its
// section name and Next are emptied and its slot index becomes -1.
void LoadEditBuffer(CommandTable& table, int selected);

// Takes a confirmed edit buffer back into the command at `selected`, keeping
// the command's slot index, section name and Next. Returns false, changing
// nothing, when the dialog was cancelled.
bool StoreEditBuffer(CommandTable& table, int selected);

// What follows an Edit once its window has closed: the line to select when
// the script counts as changed, nothing when it does not. A command dialog
// changes the command only when it was confirmed (StoreEditBuffer). The
// rename dialog stores the name itself, and renaming counts as a change even
// when it was cancelled; the script line stays selected.
std::optional<int> FinishEdit(CommandTable& table, int selected, const EditTarget& target);

// Whether the edit buffer carries the cancel marker.
bool EditBufferCancelled(const CommandTable& table);

// The document as the main window shows it when it opens: an empty script
// name becomes the default one, the head is named "Execute" and the display
// order is rebuilt.
void PrepareForEditor(CommandTable& table);

// Empties the edit buffer, as before a new command is chosen.
void ResetEditBuffer(CommandTable& table);

// Marks the edit buffer cancelled, and changes nothing else in it: the one
// cancel of every command dialog and of the chooser. The marker is the only
// signal; a marked buffer is never taken over, so what else it holds does
// not matter.
void CancelEditBuffer(CommandTable& table);

}  // namespace wavoria
