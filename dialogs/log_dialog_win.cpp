// Dialog "In Logdatei schreiben": the text of a WriteToLog command.
#include "app/win_util_win.h"
#include "dialogs/command_dialogs_win.h"
#include "dialogs/command_forms.h"
#include "dialogs/dialog_common_win.h"
#include "resources/resource_ids.h"

namespace wavoria {

INT_PTR CALLBACK LogDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  switch (message) {
    case WM_INITDIALOG:
      SetItemText(dialog, IDC_LOG_TEXT, buffer.Text);
      return TRUE;
    case WM_CLOSE:
      CancelCommandDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_LOG_OK:
          StoreLog(GetItemText(dialog, IDC_LOG_TEXT), buffer);
          ConfirmCommandDialog(dialog);
          return TRUE;
        case IDC_LOG_CANCEL:
          CancelCommandDialog(dialog);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
