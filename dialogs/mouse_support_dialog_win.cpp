// Dialog "Maussupport aktivieren": an EnableMouseSupport command that switches
// mouse support on, with the mouse ID and the automatic position reports.
#include "app/win_util_win.h"
#include "dialogs/command_dialogs_win.h"
#include "dialogs/dialog_common_win.h"
#include "dialogs/input_forms.h"
#include "resources/resource_ids.h"

namespace wavoria {

INT_PTR CALLBACK MouseSupportDialogProc(HWND dialog, UINT message, WPARAM wparam,
                                        LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  switch (message) {
    case WM_INITDIALOG: {
      const MouseSupportForm form = ShowMouseSupport(buffer);
      SetItemText(dialog, IDC_MOUSE_ID, form.Id.Digits);
      SetButtonChecked(dialog, IDC_MOUSE_NEGATIVE, form.Id.Negative);
      SetButtonChecked(dialog, IDC_MOUSE_AUTOMATIC, form.Automatic);
      return TRUE;  // the ID box is the first control and gets the focus
    }
    case WM_CLOSE:
      CancelCommandDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_MOUSE_OK: {
          MouseSupportForm form;
          form.Id.Digits = GetItemText(dialog, IDC_MOUSE_ID);
          form.Id.Negative = IsButtonChecked(dialog, IDC_MOUSE_NEGATIVE);
          form.Automatic = IsButtonChecked(dialog, IDC_MOUSE_AUTOMATIC);
          StoreMouseSupport(form, buffer);
          ConfirmCommandDialog(dialog);
          return TRUE;
        }
        case IDC_MOUSE_CANCEL:
          CancelCommandDialog(dialog);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
