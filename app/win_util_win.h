// One-line helpers for dialog controls and message boxes. Texts are passed
// whole: nothing is cut to a fixed buffer.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace wavoria {

inline constexpr const char* kProgramTitle = "Wavoria";

std::string GetItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, std::string_view text);
std::string GetWindowString(HWND window);

bool IsButtonChecked(HWND dialog, int id);
void SetButtonChecked(HWND dialog, int id, bool checked);

// A warning box titled "Wavoria" with the exclamation icon and OK.
void ShowWarning(HWND owner, std::string_view text);

// A question titled "Wavoria" with Ja, Nein and Abbrechen; returns IDYES,
// IDNO or IDCANCEL.
int AskYesNoCancel(HWND owner, std::string_view text);

// Sets icon resource `id` as a window's small icon.
void SetSmallIcon(HWND window, int id);

// Loads icon resource `id` at the given size (0: the system's large size).
HICON LoadProgramIcon(int id, int size = 0);

}  // namespace wavoria
