// Ausschneiden, Kopieren and Einfügen of the main window: commands travel
// through the clipboard as text in the script file format (CF_TEXT, in the
// program's code page; the system offers it as Unicode text too). Each
// returns the line to select when the document changed.
#pragma once

#include <windows.h>

#include <optional>

namespace wavoria {

std::optional<int> CopyToClipboard(HWND window);
// Deletes the command only once it is on the clipboard.
std::optional<int> CutToClipboard(HWND window);
// Tells the user why nothing was inserted, and what the reader warns of.
std::optional<int> PasteFromClipboard(HWND window);

}  // namespace wavoria
