// Dialog "Tastenereignis registrieren": RegisterKeyDownEvent and
// RegisterKeyUpEvent commands. The key is not typed but captured: "..." opens
// the key-capture window, and the dialog waits, disabled, until it closes.
#include "dialogs/command_dialogs_win.h"
#include "dialogs/dialog_common_win.h"
#include "dialogs/input_forms.h"
#include "dialogs/key_capture_win.h"
#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"

namespace wavoria {

INT_PTR CALLBACK KeyEventDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  KeepRegistrationCheck(dialog, message, lparam);
  ScriptCommand& buffer = DialogBuffer();
  return HandleCommandDialog(
      dialog, message, wparam,
      {.Ok = IDC_KEY_EVENT_OK,
       .Cancel = IDC_KEY_EVENT_CANCEL,
       .Show =
           [&] {
             const KeyEventForm form = ShowKeyEvent(buffer);
             SetItemText(dialog, IDC_KEY_EVENT_VALUE, form.Value.Digits);
             SetButtonChecked(dialog, IDC_KEY_EVENT_NEGATIVE, form.Value.Negative);
             SetButtonChecked(dialog, IDC_KEY_EVENT_BLOCK, form.BlockKey);
             FillDropDown(dialog, IDC_KEY_EVENT_EVENT, kKeyEventItems, form.Event);
             SetItemText(dialog, IDC_KEY_EVENT_KEY, form.Key);
             return true;  // the event list is the first control and gets the focus
           },
       .Store =
           [&] {
             return StoreRegistration(dialog, [&](ScriptCommand& command) {
               StoreKeyEvent({.Event = DropDownSelection(dialog, IDC_KEY_EVENT_EVENT),
                              .Key = GetItemText(dialog, IDC_KEY_EVENT_KEY),
                              .Value = {GetItemText(dialog, IDC_KEY_EVENT_VALUE),
                                        IsButtonChecked(dialog, IDC_KEY_EVENT_NEGATIVE)},
                              .BlockKey = IsButtonChecked(dialog, IDC_KEY_EVENT_BLOCK)},
                             command);
             });
           },
       .Other =
           [&](int id) {
             if (id != IDC_KEY_EVENT_CAPTURE) return false;
             if (auto key = CaptureKey(dialog, App().Tables.Keys)) {
               SetItemText(dialog, IDC_KEY_EVENT_KEY, *key);
             }
             return true;
           }});
}

}  // namespace wavoria
