// Dialog "Debuglevel setzen": how much the add-on writes to its log file.
#include "app/win_util_win.h"
#include "dialogs/command_dialogs_win.h"
#include "dialogs/command_forms.h"
#include "dialogs/dialog_common_win.h"
#include "resources/resource_ids.h"

namespace wavoria {

INT_PTR CALLBACK DebugLevelDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  switch (message) {
    case WM_INITDIALOG:
      for (std::string_view item : kDebugLevelItems) {
        SendDlgItemMessageA(dialog, IDC_DEBUG_LEVEL_LEVEL, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(std::string(item).c_str()));
      }
      // -1, for a level outside 0 to 3, leaves the list without a selection.
      SendDlgItemMessageA(dialog, IDC_DEBUG_LEVEL_LEVEL, CB_SETCURSEL,
                          DebugLevelSelection(buffer.Level), 0);
      return TRUE;  // the list is the first control and gets the focus
    case WM_CLOSE:
      CancelCommandDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_DEBUG_LEVEL_OK: {
          const auto level = DebugLevelValue(static_cast<int>(
              SendDlgItemMessageA(dialog, IDC_DEBUG_LEVEL_LEVEL, CB_GETCURSEL, 0, 0)));
          if (!level) {
            CancelCommandDialog(dialog);
            return TRUE;
          }
          buffer.Action = "SetDebugLevel";
          buffer.Level = *level;
          ConfirmCommandDialog(dialog);
          return TRUE;
        }
        case IDC_DEBUG_LEVEL_CANCEL:
          CancelCommandDialog(dialog);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
