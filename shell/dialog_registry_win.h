// The dialog registry: the procedure that drives each command dialog and
// wizard page, by template id. Here, so that the wizard's page loop opens its
// pages by id as the chooser and the main window open the command dialogs;
// filled by app/dialog_registry_win.cpp, the one place that knows every
// dialog, when the program starts.
#pragma once

#include <windows.h>

#include <span>

namespace wavoria {

// A dialog template and the procedure that drives it.
struct RegisteredDialog {
  int TemplateId;
  DLGPROC Procedure;
};

// Makes dialogs the registry: the table must live as long as the program.
void SetDialogRegistry(std::span<const RegisteredDialog> dialogs);

// The procedure registered for a template id, or nullptr.
DLGPROC DialogProcFor(int templateId);

// Shows the dialog with template id `templateId` modally over owner, driven by
// its registered procedure. Does nothing for an unregistered id.
void ShowRegisteredDialog(HWND owner, int templateId);

}  // namespace wavoria
