// The windows that grow, the main window and the game overview: their
// controls follow their size (app/window_layout.h), and they cannot be made
// smaller than at their start.
#pragma once

#include <windows.h>

#include "app/window_layout.h"

namespace wavoria {

// Where a control of a window belongs for a size of the window.
using PlaceRule = Area (*)(int id, const Area& start, int startWidth, int startHeight, int width,
                           int height);

// On WM_INITDIALOG, with the controls where the template put them: remembers
// the window's size, where each control stands and the rule that places them.
void RememberStartLayout(HWND window, PlaceRule rule = MainWindowPlace);

// WM_GETMINMAXINFO: the window's size at its start is the smallest.
void LimitToStartSize(HWND window, MINMAXINFO& limits);

// WM_SIZE: places every control for the window's client area.
void FollowWindowSize(HWND window);

}  // namespace wavoria
