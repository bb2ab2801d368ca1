#include "app/program_win.h"

#include <windows.h>

#include "app/editor_rules.h"
#include "app/editor_windows_win.h"
#include "app/file_commands.h"
#include "app/file_commands_win.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"
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
  // A script named on the command line is taken as a full path at once, against
  // the folder the program was started in.
  const std::string script = AbsolutePath(JoinArguments(arguments), StartFolder());
  const FlowState first = FirstState(script, FileExists, app.ScriptToOpen, app.Wizard);
  if (const auto warning = UnreadableScriptWarning(script, first, FileExists)) {
    ShowWarning(nullptr, *warning);
  }
  return first;
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
        // The key list as a full path, against the folder the installation used.
        if (!app.ScriptToOpen.empty()) app.ScriptToOpen = FullPath(app.ScriptToOpen);
        break;
      case FlowState::kExit:
        break;
    }
  }
}

}  // namespace wavoria
