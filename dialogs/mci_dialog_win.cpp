// Dialog "MCI-Befehl senden": the command line of an MCICommand command,
// stored as typed ("%path%" included; the add-on replaces it).
#include "dialogs/command_dialogs_win.h"
#include "dialogs/command_forms.h"
#include "dialogs/dialog_common_win.h"
#include "document/text.h"
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"

namespace wavoria {

INT_PTR CALLBACK MciDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  return HandleCommandDialog(
      dialog, message, wparam,
      {.Ok = IDC_MCI_OK,
       .Cancel = IDC_MCI_CANCEL,
       .Show =
           [&] { return SetItemText(dialog, IDC_MCI_COMMAND, Displayable(buffer.Command)), true; },
       .Store =
           [&] {
             StoreMci(GetItemText(dialog, IDC_MCI_COMMAND), buffer);
             return OkEnd::kConfirmed;
           }});
}

}  // namespace wavoria
