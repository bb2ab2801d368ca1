// What every command dialog shares: ending it as confirmed or as cancelled.
#pragma once

#include <windows.h>

#include "document/script_command.h"

namespace wavoria {

// The edit buffer the command dialogs read and write.
ScriptCommand& DialogBuffer();

// Ends a command dialog as cancelled: the edit buffer carries "&NULL".
void CancelCommandDialog(HWND dialog);

// Ends a command dialog as confirmed.
void ConfirmCommandDialog(HWND dialog);

}  // namespace wavoria
