// Dialog "Dokument öffnen": an ExecProgram command of Type "Document" that
// opens a document, with error messages allowed or not and waiting or not.
#include "app/win_util_win.h"
#include "dialogs/command_dialogs_win.h"
#include "dialogs/dialog_common_win.h"
#include "dialogs/launch_forms.h"
#include "resources/resource_ids.h"

namespace wavoria {

INT_PTR CALLBACK DocumentDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  switch (message) {
    case WM_INITDIALOG: {
      const DocumentLaunchForm form = ShowDocumentLaunch(buffer);
      SetItemText(dialog, IDC_DOCUMENT_FILE, form.File);
      SetButtonChecked(dialog, IDC_DOCUMENT_WAIT, form.Wait);
      SetButtonChecked(dialog, IDC_DOCUMENT_SHOW_ERRORS, form.ShowErrors);
      return TRUE;  // the file box is the first control and gets the focus
    }
    case WM_CLOSE:
      CancelCommandDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_DOCUMENT_OK: {
          DocumentLaunchForm form;
          form.File = GetItemText(dialog, IDC_DOCUMENT_FILE);
          form.ShowErrors = IsButtonChecked(dialog, IDC_DOCUMENT_SHOW_ERRORS);
          form.Wait = IsButtonChecked(dialog, IDC_DOCUMENT_WAIT);
          ConfirmLaunchDialog(dialog, StoreDocumentLaunch(form, buffer), kMissingDocumentMessage);
          return TRUE;
        }
        case IDC_DOCUMENT_CANCEL:
          CancelCommandDialog(dialog);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
