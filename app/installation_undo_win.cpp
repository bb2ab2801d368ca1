#include "app/installation_undo_win.h"

#include <string>

#include "app/command_list_view_win.h"
#include "app/file_commands_win.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"
#include "wizard/install_undo.h"
#include "wizard/program_choosers_win.h"
#include "wizard/wizard_flow.h"

namespace wavoria {

void UndoInstallation(HWND window) {
  const std::string runtime =
      ChooseProgramFile(window, ProgramFile::GameRuntime, ShowPaths(App().Wizard).GameFile);
  if (runtime.empty()) return;
  RestoreChoice choice = ChooseRestore(FolderOf(runtime));
  const Prompt question = RestoreQuestion(choice);
  if (!TakeRestoreAnswer(choice, ShowPrompt(window, question.Icon, question.Message))) return;
  const InstallReport report = CarryOutRestore(std::move(choice));
  if (report.AllSucceeded()) {
    ShowNote(window, report.DoneText());
  } else {
    ShowWarning(window, report.WarningText("Das Rückgängigmachen"));
  }
  AppState& app = App();
  const Prompt reopen = ReopenQuestion(report, app.DocumentPath, app.History.Modified());
  if (ShowPrompt(window, reopen.Icon, reopen.Message) == Answer::kYes &&
      OpenScriptFile(window, app.DocumentPath)) {
    RefreshCommandList(window);
  }
}

}  // namespace wavoria
