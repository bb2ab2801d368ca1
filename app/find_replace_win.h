// The find and replace boxes of the main window: the system's modeless boxes
// (FindTextA, ReplaceTextA) with the program's German templates. One of them
// is open at a time; it stays open while the maker works in the list and
// remembers its text. It sends what it asks for as the registered message
// FINDMSGSTRING; the rules of finding and replacing are the core's
// (find_replace.h).
#pragma once

#include <windows.h>
// windows.h first: commdlg.h needs its types.
#include <commdlg.h>

namespace wavoria {

// Strg+F and Strg+H: opens the find box or the replace box over the main
// window, or brings it forward, the focus in its text field.
void ShowFindBox(HWND window, bool replace);

// F3 and Umschalt+F3: searches on downwards or upwards for the boxes' text,
// as the open box does; without a text yet, opens the find box.
void FindAgain(HWND window, bool down);

// The open box, nullptr when none: the message loop hands it its keys.
HWND FindBox();
// The main window closes, and its box with it.
void ForgetFindBox();

// Whether a message of the main window comes from the box, and what the
// box asks for: Weitersuchen selects the command found (or says that there
// is none), Ersetzen and Alle ersetzen change the document as list commands
// do. The focus stays in the box.
bool IsFindBoxMessage(UINT message);
void OnFindBoxMessage(HWND window, const FINDREPLACEA& request);

}  // namespace wavoria
