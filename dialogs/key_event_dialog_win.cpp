// Dialog "Tastenereignis registrieren": RegisterKeyDownEvent and
// RegisterKeyUpEvent commands. The key is not typed but captured: "..." opens
// the key-capture window, and the dialog waits, disabled, until it closes.
#include "app/app_state_win.h"
#include "app/win_util_win.h"
#include "dialogs/command_dialogs_win.h"
#include "dialogs/dialog_common_win.h"
#include "dialogs/input_forms.h"
#include "dialogs/key_capture_win.h"
#include "resources/resource_ids.h"

namespace wavoria {

INT_PTR CALLBACK KeyEventDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  switch (message) {
    case WM_INITDIALOG: {
      const KeyEventForm form = ShowKeyEvent(buffer);
      SetItemText(dialog, IDC_KEY_EVENT_VALUE, form.Value.Digits);
      SetButtonChecked(dialog, IDC_KEY_EVENT_NEGATIVE, form.Value.Negative);
      SetButtonChecked(dialog, IDC_KEY_EVENT_BLOCK, form.BlockKey);
      FillDropDown(dialog, IDC_KEY_EVENT_EVENT, kKeyEventItems, form.Event);
      SetItemText(dialog, IDC_KEY_EVENT_KEY, form.Key);
      return TRUE;  // the event list is the first control and gets the focus
    }
    case WM_CLOSE:
      CancelCommandDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_KEY_EVENT_CAPTURE:
          if (auto key = CaptureKey(dialog, App().Tables.Keys)) {
            SetItemText(dialog, IDC_KEY_EVENT_KEY, *key);
          }
          return TRUE;
        case IDC_KEY_EVENT_OK: {
          KeyEventForm form;
          form.Value.Digits = GetItemText(dialog, IDC_KEY_EVENT_VALUE);
          form.Value.Negative = IsButtonChecked(dialog, IDC_KEY_EVENT_NEGATIVE);
          form.Event = DropDownSelection(dialog, IDC_KEY_EVENT_EVENT);
          form.Key = GetItemText(dialog, IDC_KEY_EVENT_KEY);
          form.BlockKey = IsButtonChecked(dialog, IDC_KEY_EVENT_BLOCK);
          StoreKeyEvent(form, buffer);
          ConfirmCommandDialog(dialog);
          return TRUE;
        }
        case IDC_KEY_EVENT_CANCEL:
          CancelCommandDialog(dialog);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
