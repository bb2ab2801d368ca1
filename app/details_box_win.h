// The main window's read-only details text.
#pragma once

#include <windows.h>

#include <string>

namespace wavoria {

// Shows `text` in the details box of the main window `window`, from its start.
void ShowDetailsText(HWND window, const std::string& text);

}  // namespace wavoria
