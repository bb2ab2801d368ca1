// The dialog registry: the procedure that drives each command dialog and
// wizard page, by template id.
#pragma once

#include <windows.h>

namespace wavoria {

// The procedure registered for a template id, or nullptr.
DLGPROC DialogProcFor(int templateId);

// Shows the dialog with template id `templateId` modally over owner, driven by
// its registered procedure. Does nothing for an unregistered id.
void ShowRegisteredDialog(HWND owner, int templateId);

}  // namespace wavoria
