// The main window's flat icon button "Bearb.", which shows the selected
// command's kind.
#pragma once

#include <windows.h>

namespace wavoria {

// Shows the program's icon `id` on the button `button` and paints it at once.
void ShowDetailsIcon(HWND button, int id);

// Draws the button for WM_DRAWITEM; false if the item is not this button.
bool DrawDetailsButton(const DRAWITEMSTRUCT& item);

}  // namespace wavoria
