// Dialog "MCI-Befehl senden": the command line of an MCICommand command,
// stored as typed ("%path%" included; the add-on replaces it).
#include "app/win_util_win.h"
#include "dialogs/command_dialogs_win.h"
#include "dialogs/command_forms.h"
#include "dialogs/dialog_common_win.h"
#include "resources/resource_ids.h"

namespace wavoria {

INT_PTR CALLBACK MciDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  switch (message) {
    case WM_INITDIALOG:
      SetItemText(dialog, IDC_MCI_COMMAND, buffer.Command);
      return TRUE;  // the command box is the first control and gets the focus
    case WM_CLOSE:
      CancelCommandDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_MCI_OK:
          StoreMci(GetItemText(dialog, IDC_MCI_COMMAND), buffer);
          ConfirmCommandDialog(dialog);
          return TRUE;
        case IDC_MCI_CANCEL:
          CancelCommandDialog(dialog);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
