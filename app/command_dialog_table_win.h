// The command dialogs by template id, as the chooser and the main window's
// Bearbeiten open them.
#pragma once

#include <windows.h>

namespace wavoria {

// Opens command dialog templateId modally over owner; the key event and
// cheat dialogs get the check they run on OK (clash_warning_win.h). Opens
// nothing for another id.
void ShowCommandDialog(HWND owner, int templateId);

}  // namespace wavoria
