// Fills the dialog registry (shell/dialog_registry_win.h) with every command
// dialog and wizard page of the program.
#pragma once

namespace wavoria {

// Registers every dialog that the chooser, the main window or the wizard
// opens by id; called once when the program starts, before any window.
void RegisterDialogs();

}  // namespace wavoria
