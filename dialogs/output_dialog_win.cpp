// Dialog "Wert an Output-Liste anhängen": the value of an AddOutput command,
// edited as a number box and "Negativ".
#include "app/win_util_win.h"
#include "dialogs/command_dialogs_win.h"
#include "dialogs/command_forms.h"
#include "dialogs/dialog_common_win.h"
#include "resources/resource_ids.h"

namespace wavoria {

INT_PTR CALLBACK OutputDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  switch (message) {
    case WM_INITDIALOG: {
      const SignedNumberForm form = ShowSignedNumber(buffer.Value);
      SetItemText(dialog, IDC_OUTPUT_VALUE, form.Digits);
      SetButtonChecked(dialog, IDC_OUTPUT_NEGATIVE, form.Negative);
      return TRUE;  // the number box is the first control and gets the focus
    }
    case WM_CLOSE:
      CancelCommandDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_OUTPUT_OK:
          StoreOutput(GetItemText(dialog, IDC_OUTPUT_VALUE),
                      IsButtonChecked(dialog, IDC_OUTPUT_NEGATIVE), buffer);
          ConfirmCommandDialog(dialog);
          return TRUE;
        case IDC_OUTPUT_CANCEL:
          CancelCommandDialog(dialog);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
