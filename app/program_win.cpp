#include "app/program_win.h"

#include <windows.h>

#include "app/app_state_win.h"
#include "app/editor_windows_win.h"
#include "app/file_commands_win.h"
#include "app/win_util_win.h"
#include "document/file_io.h"
#include "wizard/wizard_shell_win.h"

namespace wavoria {

FlowState StartUp(const std::vector<std::string>& arguments) {
  AppState& app = App();
  std::string missing;
  if (!LoadStartupTables(ProgramFolder(), app.Tables, missing)) {
    MessageBoxA(nullptr, MissingDataFileMessage(missing).c_str(), kProgramTitle,
                MB_OK | MB_ICONERROR);
    EndProgram();
    return FlowState::kExit;
  }
  return FirstState(JoinArguments(arguments), FileExists, app.ScriptToOpen, app.Wizard);
}

void RunTopLevelFlow(FlowState first) {
  AppState& app = App();
  FlowState state = first;
  while (state != FlowState::kExit) {
    switch (state) {
      case FlowState::kStartScreen:
        ShowStartScreen();
        if (StartsNewScript(app.StartChoice)) ResetToNewScript();
        state = AfterStartScreen(app.StartChoice, app.Wizard);
        break;
      case FlowState::kEditor:
        ShowMainWindow();
        state = AfterEditor(app.Wizard);
        break;
      case FlowState::kWizard:
        RunWizardPages();
        state = AfterWizard(app.Wizard);
        break;
      case FlowState::kInstall:
        state = AfterInstall(app.Wizard, RunInstallation(), app.ScriptToOpen);
        break;
      case FlowState::kExit:
        break;
    }
  }
  EndProgram();
}

}  // namespace wavoria
