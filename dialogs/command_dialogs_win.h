// The procedures of the command dialogs. Each reads its initial values from
// the edit buffer, writes Action and its fields back on OK, and marks the
// buffer "&NULL" on Cancel or close. Every dialog ends with result 0.
#pragma once

#include <windows.h>

namespace wavoria {

INT_PTR CALLBACK LogDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);  // 4000

}  // namespace wavoria
