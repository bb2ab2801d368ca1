// Dialog "Cheat-Eingabe registrieren": a RegisterCheatEvent command, the text
// the player types in the game and the value then sent to the output list.
#include "dialogs/command_dialogs_win.h"
#include "dialogs/dialog_common_win.h"
#include "dialogs/input_forms.h"
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"

namespace wavoria {

INT_PTR CALLBACK CheatDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  KeepRegistrationCheck(dialog, message, lparam);
  ScriptCommand& buffer = DialogBuffer();
  return HandleCommandDialog(
      dialog, message, wparam,
      {.Ok = IDC_CHEAT_OK,
       .Cancel = IDC_CHEAT_CANCEL,
       .Show =
           [&] {
             const CheatForm form = ShowCheat(buffer);
             SetItemText(dialog, IDC_CHEAT_TEXT, form.Cheat);
             SetItemText(dialog, IDC_CHEAT_VALUE, form.Value.Digits);
             SetButtonChecked(dialog, IDC_CHEAT_NEGATIVE, form.Value.Negative);
             // The value is what a maker changes most: it has the focus on
             // opening, although the cheat box comes first in the tab order.
             SetFocus(GetDlgItem(dialog, IDC_CHEAT_VALUE));
             return false;
           },
       .Store =
           [&] {
             return StoreRegistration(dialog, [&](ScriptCommand& command) {
               StoreCheat({.Cheat = GetItemText(dialog, IDC_CHEAT_TEXT),
                           .Value = {GetItemText(dialog, IDC_CHEAT_VALUE),
                                     IsButtonChecked(dialog, IDC_CHEAT_NEGATIVE)}},
                          command);
             });
           }});
}

}  // namespace wavoria
