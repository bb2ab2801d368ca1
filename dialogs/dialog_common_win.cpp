#include "dialogs/dialog_common_win.h"

#include "app/app_state_win.h"
#include "app/editor_commands.h"
#include "app/win_util_win.h"
#include "dialogs/launch_forms.h"

namespace wavoria {

ScriptCommand& DialogBuffer() {
  return App().Document.EditBuffer();
}

void CancelCommandDialog(HWND dialog) {
  CancelEditBuffer(App().Document);
  EndDialog(dialog, 0);
}

void ConfirmCommandDialog(HWND dialog) {
  EndDialog(dialog, 0);
}

INT_PTR HandleDropDownDialog(HWND dialog, UINT message, WPARAM wparam, const DropDownDialog& form) {
  switch (message) {
    case WM_INITDIALOG:
      FillDropDown(dialog, form.List, form.Items, form.Selected);
      return TRUE;  // the list is the first control and gets the focus
    case WM_CLOSE:
      CancelCommandDialog(dialog);
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      if (id == form.Ok) {
        if (form.Store(DropDownSelection(dialog, form.List))) {
          ConfirmCommandDialog(dialog);
        } else {
          CancelCommandDialog(dialog);
        }
        return TRUE;
      }
      if (id == form.Cancel) {
        CancelCommandDialog(dialog);
        return TRUE;
      }
      return FALSE;
    }
  }
  return FALSE;
}

void ConfirmLaunchDialog(HWND dialog, bool stored, std::string_view refusal) {
  if (!stored) {
    MessageBoxA(dialog, std::string(refusal).c_str(), std::string(kLaunchRefusalCaption).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
    return;  // the dialog stays open
  }
  ConfirmCommandDialog(dialog);
}

}  // namespace wavoria
