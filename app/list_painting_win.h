// Painting lines of the command list at once through its DC. For a paint
// through its update region the list box has every line in view drawn, and
// Wine's list box sets a clipping region for each.
#pragma once

#include <windows.h>

namespace wavoria {

// Paints a line of the box as the box has it painted (DrawCommandLine with
// the box's font, colours, selection and focus).
void PaintListLineNow(HWND list, int line);

// After one line was inserted into the box at `line` or deleted from it
// there, its view kept: the lines below are moved on the screen by one line
// and only what comes into view is painted. A part that could not be moved
// (another window covered it) is left to the box's own paint. `client` is
// the box's client area.
void ShiftListLinesNow(HWND list, bool insert, int line, const RECT& client);

}  // namespace wavoria
