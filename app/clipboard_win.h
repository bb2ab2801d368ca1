// Ausschneiden, Kopieren and Einfügen of the main window: commands travel
// through the clipboard as text in the script file format (CF_TEXT, in the
// program's code page; the system offers it as Unicode text too). Each works
// on the selected lines and returns the lines to select when the document
// changed.
#pragma once

#include <windows.h>

#include <optional>

#include "document/line_range.h"

namespace wavoria {

std::optional<LineRange> CopyToClipboard(HWND window);
// Deletes the commands only once they are on the clipboard.
std::optional<LineRange> CutToClipboard(HWND window);
// Tells the user why nothing was inserted, and what the reader warns of.
std::optional<LineRange> PasteFromClipboard(HWND window);

}  // namespace wavoria
