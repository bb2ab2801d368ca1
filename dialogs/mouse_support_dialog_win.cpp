// Dialog "Maussupport aktivieren": an EnableMouseSupport command that switches
// mouse support on, with the mouse ID and the automatic position reports.
#include "dialogs/command_dialogs_win.h"
#include "dialogs/dialog_common_win.h"
#include "dialogs/input_forms.h"
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"

namespace wavoria {

INT_PTR CALLBACK MouseSupportDialogProc(HWND dialog, UINT message, WPARAM wparam,
                                        LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  return HandleCommandDialog(
      dialog, message, wparam,
      {.Ok = IDC_MOUSE_OK,
       .Cancel = IDC_MOUSE_CANCEL,
       .Show =
           [&] {
             const MouseSupportForm form = ShowMouseSupport(buffer);
             SetItemText(dialog, IDC_MOUSE_ID, form.Id.Digits);
             SetButtonChecked(dialog, IDC_MOUSE_NEGATIVE, form.Id.Negative);
             SetButtonChecked(dialog, IDC_MOUSE_AUTOMATIC, form.Automatic);
             return true;  // the ID box is the first control and gets the focus
           },
       .Store =
           [&] {
             StoreMouseSupport({.Id = {GetItemText(dialog, IDC_MOUSE_ID),
                                       IsButtonChecked(dialog, IDC_MOUSE_NEGATIVE)},
                                .Automatic = IsButtonChecked(dialog, IDC_MOUSE_AUTOMATIC)},
                               buffer);
             return OkEnd::kConfirmed;
           }});
}

}  // namespace wavoria
