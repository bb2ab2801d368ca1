// Dialog "Debuglevel setzen": how much the add-on writes to its log file.
#include "dialogs/command_dialogs_win.h"
#include "dialogs/command_forms.h"
#include "dialogs/dialog_common_win.h"
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"

namespace wavoria {

INT_PTR CALLBACK DebugLevelDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  return HandleDropDownDialog(
      dialog, message, wparam,
      {.List = IDC_DEBUG_LEVEL_LEVEL,
       .Ok = IDC_DEBUG_LEVEL_OK,
       .Cancel = IDC_DEBUG_LEVEL_CANCEL,
       .Items = kDebugLevelItems,
       // -1, for a level outside 0 to 3: no selection.
       .Selected = DebugLevelSelection(buffer.Level),
       .Store = [&buffer](int item) { return StoreDebugLevel(item, buffer); }});
}

}  // namespace wavoria
