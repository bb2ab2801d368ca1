// The editor's windows: the start screen (2000), the main editor window
// (1000) and the add-command chooser (3000). Each ends with result 0 and
// reports its outcome through the program's state.
#pragma once

#include <windows.h>

namespace wavoria {

// The start screen. Sets StartChoice to the button that closed it (0 when it
// was cancelled) and, for "Öffnen", ScriptToOpen to the chosen script.
INT_PTR CALLBACK StartScreenProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
void ShowStartScreen();

// The main editor window, without owner. It reads ScriptToOpen when it opens.
// It returns only through the wizard hand-off (NextPage 8000); exit and close
// end the program (NextPage is -1 should that return).
INT_PTR CALLBACK MainWindowProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
void ShowMainWindow();

// The add-command chooser over owner. Leaves the new command in the edit
// buffer, or the buffer marked "&NULL" when nothing was chosen.
INT_PTR CALLBACK ChooserProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
void ShowChooser(HWND owner);

}  // namespace wavoria
