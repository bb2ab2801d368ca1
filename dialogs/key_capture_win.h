// The key-capture window: a small graphics window that waits until the user
// holds a key that the key table names, and tells which one.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "document/data_files.h"

namespace wavoria {

// The window class of the capture window, for finding it.
inline constexpr const char* kCaptureWindowClass = "WavoriaKeyCapture";

// Opens the capture window over owner, which stays disabled while it runs,
// and waits until a named key is held (its name is returned) or the window is
// closed by any means, its owner included (nothing is returned). Between
// polls the thread sleeps while it dispatches its messages.
std::optional<std::string> CaptureKey(HWND owner, const KeyNameTable& keys);

}  // namespace wavoria
