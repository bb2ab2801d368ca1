// Dialog "Dokument öffnen": an ExecProgram command of Type "Document" that
// opens a document, with error messages allowed or not and waiting or not.
#include "dialogs/command_dialogs_win.h"
#include "dialogs/dialog_common_win.h"
#include "dialogs/launch_forms.h"
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"

namespace wavoria {

INT_PTR CALLBACK DocumentDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  return HandleCommandDialog(
      dialog, message, wparam,
      {.Ok = IDC_DOCUMENT_OK,
       .Cancel = IDC_DOCUMENT_CANCEL,
       .Show =
           [&] {
             const DocumentLaunchForm form = ShowDocumentLaunch(buffer);
             SetItemText(dialog, IDC_DOCUMENT_FILE, form.File);
             SetButtonChecked(dialog, IDC_DOCUMENT_WAIT, form.Wait);
             SetButtonChecked(dialog, IDC_DOCUMENT_SHOW_ERRORS, form.ShowErrors);
             return true;  // the file box is the first control and gets the focus
           },
       .Store =
           [&] {
             const DocumentLaunchForm form{
                 .File = GetItemText(dialog, IDC_DOCUMENT_FILE),
                 .ShowErrors = IsButtonChecked(dialog, IDC_DOCUMENT_SHOW_ERRORS),
                 .Wait = IsButtonChecked(dialog, IDC_DOCUMENT_WAIT)};
             return ConfirmLaunchDialog(dialog, StoreDocumentLaunch(form, buffer),
                                        kMissingDocumentMessage);
           }});
}

}  // namespace wavoria
