// Dialog "Cheat-Eingabe registrieren": a RegisterCheatEvent command, the text
// the player types in the game and the value then sent to the output list.
#include "app/win_util_win.h"
#include "dialogs/command_dialogs_win.h"
#include "dialogs/dialog_common_win.h"
#include "dialogs/input_forms.h"
#include "resources/resource_ids.h"

namespace wavoria {

INT_PTR CALLBACK CheatDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  switch (message) {
    case WM_INITDIALOG: {
      const CheatForm form = ShowCheat(buffer);
      SetItemText(dialog, IDC_CHEAT_TEXT, form.Cheat);
      SetItemText(dialog, IDC_CHEAT_VALUE, form.Value.Digits);
      SetButtonChecked(dialog, IDC_CHEAT_NEGATIVE, form.Value.Negative);
      // The value is what a maker changes most: it has the focus on opening,
      // although the cheat box comes first in the tab order.
      SetFocus(GetDlgItem(dialog, IDC_CHEAT_VALUE));
      return FALSE;
    }
    case WM_CLOSE:
      CancelCommandDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_CHEAT_OK: {
          CheatForm form;
          form.Cheat = GetItemText(dialog, IDC_CHEAT_TEXT);
          form.Value.Digits = GetItemText(dialog, IDC_CHEAT_VALUE);
          form.Value.Negative = IsButtonChecked(dialog, IDC_CHEAT_NEGATIVE);
          StoreCheat(form, buffer);
          ConfirmCommandDialog(dialog);
          return TRUE;
        }
        case IDC_CHEAT_CANCEL:
          CancelCommandDialog(dialog);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
