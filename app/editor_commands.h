// The list commands of the main window as operations on the document: each
// takes the selected lines, one line or a range of commands (list_selection.h),
// and tells which lines to select afterwards, or nothing when the command does
// not apply to them. When the table has a history, each command that changes
// the document records one step in it, also on a range.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/action_names.h"
#include "document/command_table.h"
#include "document/line_range.h"

namespace wavoria {

// Add: the edit buffer, filled by the chooser or a dialog, becomes a new
// command in front of the first selected line (appended on the end line),
// and is selected. Nothing happens on the script line, without a selection
// or with a full table.
std::optional<LineRange> AddFromEditBuffer(CommandTable& table, LineRange selected);

// Whether Add applies to the selection at all (asked before the chooser opens).
bool CanAddAt(const CommandTable& table, LineRange selected);

// Löschen: the selected commands; the line above them is selected.
std::optional<LineRange> DeleteAt(CommandTable& table, LineRange selected);
// Nach oben, Nach unten: the selected commands move past their neighbour as
// a block and stay selected.
std::optional<LineRange> MoveUpAt(CommandTable& table, LineRange selected);
std::optional<LineRange> MoveDownAt(CommandTable& table, LineRange selected);

// What Edit does on a selection: something only on one line.
struct EditTarget {
  enum Kind { kNothing, kRename, kDialog } What = kNothing;
  int DialogId = 0;  // the template id of the dialog, for kDialog
};
EditTarget EditTargetAt(const CommandTable& table, LineRange selected);

// Copies the command at `selected` into the edit buffer for its dialog: its
// section name and Next are emptied and its slot index becomes -1.
void LoadEditBuffer(CommandTable& table, int selected);

// Starts an Edit of line `selected` before its window opens: a command's
// dialog gets the command in the edit buffer (LoadEditBuffer); the rename
// dialog changes the script's name itself, so the step that FinishEdit ends
// begins here.
void BeginEdit(CommandTable& table, int selected, const EditTarget& target);

// Takes a confirmed edit buffer back into the command at `selected`, keeping
// the command's slot index, section name and Next. Returns false, changing
// nothing, when the dialog was cancelled.
bool StoreEditBuffer(CommandTable& table, int selected);

// What follows an Edit once its window has closed: the line to select when
// the script counts as changed, nothing when it does not. A command dialog
// changes the command only when it was confirmed (StoreEditBuffer). The
// rename dialog stores the name itself, and renaming counts as a change even
// when it was cancelled; the script line stays selected.
std::optional<LineRange> FinishEdit(CommandTable& table, int selected, const EditTarget& target);

// Undo and redo of the newest step of the table's history (nothing without
// one): the document as it was before it, or as it was after it again. The
// lines are those selected when the step began, or those it selected.
std::optional<LineRange> UndoStep(CommandTable& table);
std::optional<LineRange> RedoStep(CommandTable& table);

// Reads the script back after it was edited as text: `read` replaces the
// document and says whether it could. One step when the document changed;
// the script line is selected afterwards. Returns what `read` returned.
bool ReadBackAsOneStep(CommandTable& table, LineRange selected, const std::function<bool()>& read);

// The text Kopieren puts on the clipboard: on the script line the whole
// script as Speichern writes it; on commands their sections in chain order,
// each with its Next line but the last (SectionText); on the end line
// nothing.
std::optional<std::string> CopiedText(const CommandTable& table, LineRange selected);
// The same for Ausschneiden, which applies to commands only; it then deletes
// them with DeleteAt.
std::optional<std::string> CutText(const CommandTable& table, LineRange selected);

// What Einfügen or Duplizieren did.
struct PasteOutcome {
  std::optional<LineRange> Lines;     // the new commands; nothing when none was inserted
  std::string Refusal;                // why nothing was inserted ("" without a selected line)
  std::vector<std::string> Warnings;  // what the reader says of the text, as of a file opened
};

// Einfügen: reads text by the script reader's rules and inserts the commands
// it holds in front of the first selected line (on the end line at the end,
// on the script line in front of the first command) as one step, and
// selects them: a whole script (one with "[Execute]") in its chain order,
// loose sections in the order of the text. They get new names and are
// linked as Hinzufügen links a command. Nothing is inserted when the text
// holds no section with an Action, or more commands than the script has
// room for.
PasteOutcome PasteText(CommandTable& table, LineRange selected, std::string_view text,
                       const ActionTable& actions);

// Duplizieren: a copy of the selected commands, with new names, right after
// them, as one step, and selects the copy; refused when the script has no
// room for it.
PasteOutcome DuplicateAt(CommandTable& table, LineRange selected);

// The document as the main window shows it when it opens: an empty script
// name becomes the default one, the head is named "Execute" and the display
// order is rebuilt.
void PrepareForEditor(CommandTable& table);

}  // namespace wavoria
