// The keys and the mouse of the main window beyond what its controls do by
// themselves: the accelerator table, the "&Bearbeiten" menu as the list's
// context menu, and double-clicks on a line.
#pragma once

#include <windows.h>

namespace wavoria {

// The keys of IDR_MAIN_KEYS for window while it is open, also inside its own
// modal loop, which translates no accelerators: a message filter for this
// thread translates them, only for window and its controls, so that the
// dialogs it opens keep their own keys. In a text box Strg+C copies the
// selected text and Strg+A selects all of it, as in every text box. The
// find box gets its keys there too.
void StartEditorKeys(HWND window);
void StopEditorKeys();

// WM_CONTEXTMENU of the main window: from the list, the "&Bearbeiten" menu
// opens at the mouse after the line under it was selected (the end line
// below the last one) unless it lies in the selected range, or, from the
// keyboard, below the selected lines. Returns whether it opened.
bool ShowEditMenu(HWND window, HWND from, LPARAM where);

// Whether the double-click the list reports hit one of its lines.
bool DoubleClickOnLine(HWND window);

}  // namespace wavoria
