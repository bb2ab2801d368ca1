// The program-wide state of the running editor: one document, its history
// (which also says whether it differs from its file) and its path, the tables
// loaded at start-up, and the main window.
#pragma once

#include <windows.h>

#include <string>

#include "document/command_table.h"
#include "document/data_files.h"
#include "document/edit_history.h"
#include "wizard/wizard_settings.h"

namespace wavoria {

struct AppState {
  AppState() { Document.SetHistory(&History); }
  CommandTable Document;      // the one open script, with its edit buffer
  EditHistory History;        // the document's steps for undo and redo
  std::string DocumentPath;   // path of the open file; empty: "Unbenannt"
  bool NoScriptFile = false;  // DocumentPath held no script: Speichern asks first
  StartupTables Tables;       // keys.dat and actions.dat
  HWND MainWindow = nullptr;  // the main editor window while it is open
  int StartChoice = 0;        // the start-screen button that closed the start screen
  WizardSettings Wizard;      // the wizard's paths, choices and NextPage
  std::string ScriptToOpen;   // a script the editor window reads when it opens, then ""
};

// The state of this process.
AppState& App();

// Ends the process with exit code 0. Tests replace it so that a closing
// window ends the dialog instead of the test program.
void EndProgram();
void SetEndProgramHandler(void (*handler)());

}  // namespace wavoria
