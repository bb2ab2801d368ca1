// What the main window shows of the document: the command list, the label
// above it, the window title and the details panel. Every function takes the
// main window and does nothing without one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "document/line_range.h"

namespace wavoria {

// Rebuilds every list line from the document, rewrites the label and the
// title, selects line 0 and refreshes the details panel.
void RefreshCommandList(HWND window);

// After a list command: changes only the list lines that differ from what the
// list shows, keeps the first visible line unless the line with the focus
// would leave the view, selects `lines` and refreshes the details panel, the
// label and the title, writing only the controls whose contents change.
void UpdateCommandList(HWND window, LineRange lines);

// Rewrites the label above the list and the window title from DocumentPath
// and whether the history holds unsaved changes, when they changed.
void RefreshLabelAndTitle(HWND window);

// Shows the details of the selected line, or of the selected range: the
// text, the Section and Next labels and the icon on the "Bearb." button (only
// those that change).
void RefreshDetails(HWND window);

// The selected lines of the command list: one line or a range of commands
// (list_selection.h).
LineRange SelectedLines(HWND window);

// Selects lines, keeping the side of the range on which the focus was, and
// refreshes the details panel.
void SelectLines(HWND window, LineRange lines);

// After the user changed the selection: a selection that is no range (one
// that takes in the script line or the end line, or has gaps) becomes the
// range it forms, and the details panel shows it.
void FollowSelection(HWND window);

// The lines the list shows.
const std::vector<std::string>& ShownLines();

}  // namespace wavoria
