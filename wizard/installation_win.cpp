// The installation the wizard hands over to, and its report to the user.
#include <windows.h>

#include <string>

#include "platform/program_folder.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"
#include "wizard/install_executor.h"
#include "wizard/wizard_shell_win.h"

namespace wavoria {

bool RunInstallation() {
  const InstallReport report =
      InstallSupport(App().Wizard, ProgramFolder() + "\\" + std::string(kTemplateFolder));
  if (report.AllSucceeded()) {
    MessageBoxA(nullptr, report.DoneText(kUndoInEditorText).c_str(), kProgramTitle,
                MB_OK | MB_ICONINFORMATION);
  } else {
    ShowWarning(nullptr, report.WarningText());
  }
  return report.KeyListInstalled;
}

}  // namespace wavoria
