// Dialog "In Logdatei schreiben": the text of a WriteToLog command.
#include "dialogs/command_dialogs_win.h"
#include "dialogs/command_forms.h"
#include "dialogs/dialog_common_win.h"
#include "document/text.h"
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"

namespace wavoria {

INT_PTR CALLBACK LogDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  return HandleCommandDialog(
      dialog, message, wparam,
      {.Ok = IDC_LOG_OK,
       .Cancel = IDC_LOG_CANCEL,
       .Show = [&] { return SetItemText(dialog, IDC_LOG_TEXT, Displayable(buffer.Text)), true; },
       .Store =
           [&] {
             StoreLog(GetItemText(dialog, IDC_LOG_TEXT), buffer);
             return OkEnd::kConfirmed;
           }});
}

}  // namespace wavoria
