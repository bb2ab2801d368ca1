// Which lines of the command list a selection forms, and which of them the
// list commands work on. A selection is one line, any line of the list, or a
// range of several commands: the script line and the end line are never part
// of a range of several lines.
#pragma once

#include <optional>
#include <vector>

#include "document/command_table.h"
#include "document/line_range.h"

namespace wavoria {

// The range that the selected lines of the list form: one selected line as it
// is; several lines from the first to the last of them, gaps filled, without
// the script line and the end line. No line (LineRange{}) when nothing is
// selected or no command is among several lines: the list then selects the
// line with the focus alone.
LineRange RangeOfSelection(const CommandTable& table, const std::vector<int>& selected);

// Strg+A: every command; nothing in a script without one.
std::optional<LineRange> AllCommands(const CommandTable& table);

// What a right-click on line `clicked` leaves selected before the context
// menu opens: the selected range when the line lies in it, else that line.
LineRange RangeForContextMenu(LineRange selected, int clicked);

// Whether every line of the range is a command (1 to N).
bool HoldsOnlyCommands(const CommandTable& table, LineRange lines);

}  // namespace wavoria
