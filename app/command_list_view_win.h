// What the main window shows of the document: the command list, the label
// above it, the window title and the details panel. Every function takes the
// main window and does nothing without one.
#pragma once

#include <windows.h>

namespace wavoria {

// Rebuilds every list line from the document (setting each command's
// DialogType), rewrites the label and the title, selects line 0 and
// refreshes the details panel.
void RefreshCommandList(HWND window);

// After a list command: changes only the list lines that differ from what the
// list shows, keeps the first visible line unless `line` would leave the
// view, selects `line` and refreshes the details panel, the label and the
// title, writing only the controls whose contents change.
void UpdateCommandList(HWND window, int line);

// Rewrites the label above the list and the window title from DocumentPath
// and whether the history holds unsaved changes, when they changed.
void RefreshLabelAndTitle(HWND window);

// Shows the details of the selected line: the text, the Section and Next
// labels and the icon on the "Bearb." button (only those that change).
void RefreshDetails(HWND window);

// The selected line of the command list, -1 for none.
int SelectedLine(HWND window);

// Selects a line and refreshes the details panel.
void SelectLine(HWND window, int line);

}  // namespace wavoria
