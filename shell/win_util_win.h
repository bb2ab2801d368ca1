// One-line helpers for dialog controls and message boxes. Texts are passed
// whole: nothing is cut to a fixed buffer.
#pragma once

#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/prompt.h"

namespace wavoria {

inline constexpr const char* kProgramTitle = "Wavoria";

std::string GetItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, std::string_view text);
std::string GetWindowString(HWND window);

bool IsButtonChecked(HWND dialog, int id);
void SetButtonChecked(HWND dialog, int id, bool checked);

// Drop-down lists. An item index of -1 stands for no selection.
void AddDropDownItem(HWND dialog, int id, std::string_view item);
void SelectDropDownItem(HWND dialog, int id, int item);
// Adds the items in order, then selects `selected`.
void FillDropDown(HWND dialog, int id, std::span<const std::string_view> items, int selected);
// The selected item, -1 when none is.
int DropDownSelection(HWND dialog, int id);

// A warning box titled "Wavoria" with the exclamation icon and OK.
void ShowWarning(HWND owner, std::string_view text);
// A note titled "Wavoria" with the information icon and OK.
void ShowNote(HWND owner, std::string_view text);

// The system's sound for a request that does nothing. Tests replace it to
// count the refusals (nullptr: the sound again).
void RefuseWithSound();
void SetRefusalHandler(void (*handler)());

// A box owned by `owner`, titled "Wavoria", with the icon and buttons `icon`
// names (the first button the default); nothing for MessageIcon::None.
// Returns the answer.
Answer ShowPrompt(HWND owner, MessageIcon icon, std::string_view text);

// A question before something that cannot be taken back, with Ja and Nein,
// the exclamation icon and Nein the default button. True for Ja.
bool AskYesNo(HWND owner, std::string_view text, const char* title = kProgramTitle);

// The folder that was current when the program started (fixed as the
// program is loaded), and `path` made absolute against the current
// folder: the form in which the program keeps every script path it learns,
// so that a file chooser that changes the current folder cannot move it.
const std::string& StartFolder();
std::string FullPath(const std::string& path);

// The files of a drop (WM_DROPFILES), in their order; the drop is done with.
std::vector<std::string> DroppedFiles(HDROP drop);

// Sets icon resource `id` as a window's small icon.
void SetSmallIcon(HWND window, int id);

// Shows bitmap resource `bitmap` in picture control `control` of `dialog`,
// scaled smoothly to the place the template gives the control at the
// screen's DPI.
void FitPicture(HWND dialog, int control, int bitmap);

// Loads icon resource `id` at the given size (0: the system's large size).
HICON LoadProgramIcon(int id, int size = 0);

}  // namespace wavoria
