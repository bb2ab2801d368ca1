// The scroll bar of a list box made without WS_VSCROLL, set by its window.
#pragma once

#include <windows.h>

namespace wavoria {

// The lines of a list box that its client area holds whole (at least 1 when
// its line height is unknown).
int VisibleListLines(HWND list);

// A list box paints its scroll bar whenever its count changes, also when the
// thumb ends where it was (one line more or fewer among hundreds rarely moves
// it), and under Wine's default theme that paint takes about 4 ms. So the
// command list is made without WS_VSCROLL, which keeps a list box from
// setting a scroll bar, and its procedure calls this after each message the
// box has handled: it sets the bar as the box would, from the box's count,
// its lines in view and its first visible line, and has it painted again
// only if it looks different. Showing or hiding the bar changes the box's
// frame, which is painted anew then.
void SetListScrollBarAfter(HWND list, UINT message, WPARAM wparam);

}  // namespace wavoria
