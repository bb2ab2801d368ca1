// The main window grows: its controls follow its size (app/window_layout.h),
// and it cannot be made smaller than at its start.
#pragma once

#include <windows.h>

namespace wavoria {

// On WM_INITDIALOG, with the controls where the template put them: remembers
// the window's size and where each control stands.
void RememberStartLayout(HWND window);

// WM_GETMINMAXINFO: the window's size at its start is the smallest.
void LimitToStartSize(HWND window, MINMAXINFO& limits);

// WM_SIZE: places every control for the window's client area.
void FollowWindowSize(HWND window);

}  // namespace wavoria
