// Fills the dialog registry (shell/dialog_registry_win.h) with every command
// dialog and wizard page of the program, and gives the key event and cheat
// dialogs the check they run on OK (app/clash_warning_win.h).
#pragma once

namespace wavoria {

// Registers every dialog that the chooser, the main window or the wizard
// opens by id, and the dialogs' check of clashes; called once when the
// program starts, before any window.
void RegisterDialogs();

}  // namespace wavoria
