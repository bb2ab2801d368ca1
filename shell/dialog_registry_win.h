// The dialog registry: the procedure that drives each command dialog and
// wizard page, by template id. Declared here, so that the wizard's page loop
// opens its pages by id as the chooser and the main window open the command
// dialogs; filled in app/dialog_registry_win.cpp, the one place that knows
// every dialog.
#pragma once

#include <windows.h>

namespace wavoria {

// The procedure registered for a template id, or nullptr.
DLGPROC DialogProcFor(int templateId);

// Shows the dialog with template id `templateId` modally over owner, driven by
// its registered procedure. Does nothing for an unregistered id.
void ShowRegisteredDialog(HWND owner, int templateId);

}  // namespace wavoria
