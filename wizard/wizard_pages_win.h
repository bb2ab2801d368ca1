// The procedures of the five wizard pages, which the wizard loop opens by
// their template ids. Each page shows the stored settings when it opens, stores its inputs
// in the wizard's settings, names the next page in NextPage and ends with
// result 0; "Abbrechen" and the close box leave NextPage at -1.
#pragma once

#include <windows.h>

namespace wavoria {

// 8000: game and RPG Maker folders, chosen with the "..." buttons.
INT_PTR CALLBACK PathsPageProc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
// 8100: keyboard and/or mouse support.
INT_PTR CALLBACK FunctionsPageProc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
// 8200: the support active at game start.
INT_PTR CALLBACK StartFunctionPageProc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
// 8400: mouse ID and automatic sending.
INT_PTR CALLBACK MousePageProc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
// 8500: "Fertig stellen".
INT_PTR CALLBACK FinishPageProc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace wavoria
