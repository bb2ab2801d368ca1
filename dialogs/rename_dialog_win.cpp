// Dialog "Skript umbenennen": the document's script name. It works on the
// document directly, not through the edit buffer: OK stores the name (an
// empty one too), Cancel and the close box change nothing.
#include "dialogs/command_dialogs_win.h"
#include "dialogs/dialog_common_win.h"
#include "document/text.h"
#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"

namespace wavoria {

INT_PTR CALLBACK RenameDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  std::string& name = App().Document.ScriptName;
  return HandleCommandDialog(
      dialog, message, wparam,
      {.Ok = IDC_RENAME_OK,
       .Cancel = IDC_RENAME_CANCEL,
       .Show = [&] { return SetItemText(dialog, IDC_RENAME_NAME, Displayable(name)), true; },
       .Store =
           [&] {
             name = FromBox(GetItemText(dialog, IDC_RENAME_NAME), name);
             return OkEnd::kConfirmed;
           },
       .CancelMarksBuffer = false});
}

}  // namespace wavoria
