// Dialog "Programm ausführen": an ExecProgram command that starts a program,
// with its window mode, priority, result file and whether to wait for it.
#include "dialogs/command_dialogs_win.h"
#include "dialogs/dialog_common_win.h"
#include "dialogs/launch_forms.h"
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"

namespace wavoria {

namespace {

template <std::size_t N>
void FillChoices(HWND dialog, int id, const std::array<LaunchChoice, N>& choices, int selected) {
  for (const LaunchChoice& choice : choices) AddDropDownItem(dialog, id, choice.Item);
  SelectDropDownItem(dialog, id, selected);
}

}  // namespace

INT_PTR CALLBACK ProgramDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  return HandleCommandDialog(
      dialog, message, wparam,
      {.Ok = IDC_PROGRAM_OK,
       .Cancel = IDC_PROGRAM_CANCEL,
       .Show =
           [&] {
             const ProgramLaunchForm form = ShowProgramLaunch(buffer);
             SetItemText(dialog, IDC_PROGRAM_FILE, form.File);
             SetItemText(dialog, IDC_PROGRAM_RESULT, form.ResultFile);
             SetButtonChecked(dialog, IDC_PROGRAM_WAIT, form.Wait);
             FillChoices(dialog, IDC_PROGRAM_MODE, kLaunchModes, form.Mode);
             FillChoices(dialog, IDC_PROGRAM_PRIORITY, kLaunchPriorities, form.Priority);
             return true;  // the file box is the first control and gets the focus
           },
       .Store =
           [&] {
             const ProgramLaunchForm form{
                 .File = GetItemText(dialog, IDC_PROGRAM_FILE),
                 .ResultFile = GetItemText(dialog, IDC_PROGRAM_RESULT),
                 .Wait = IsButtonChecked(dialog, IDC_PROGRAM_WAIT),
                 .Mode = DropDownSelection(dialog, IDC_PROGRAM_MODE),
                 .Priority = DropDownSelection(dialog, IDC_PROGRAM_PRIORITY)};
             return ConfirmLaunchDialog(dialog, StoreProgramLaunch(form, buffer),
                                        kMissingProgramMessage);
           }});
}

}  // namespace wavoria
