// Dialog "Skript umbenennen": the document's script name. It works on the
// document directly, not through the edit buffer: OK stores the name (an
// empty one too), Cancel and the close box change nothing.
#include "app/app_state_win.h"
#include "app/win_util_win.h"
#include "dialogs/command_dialogs_win.h"
#include "resources/resource_ids.h"

namespace wavoria {

INT_PTR CALLBACK RenameDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  switch (message) {
    case WM_INITDIALOG:
      SetItemText(dialog, IDC_RENAME_NAME, App().Document.ScriptName);
      return TRUE;  // the name box is the first control and gets the focus
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_RENAME_OK:
          App().Document.ScriptName = GetItemText(dialog, IDC_RENAME_NAME);
          EndDialog(dialog, 0);
          return TRUE;
        case IDC_RENAME_CANCEL:
          EndDialog(dialog, 0);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
