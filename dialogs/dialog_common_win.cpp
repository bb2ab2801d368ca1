#include "dialogs/dialog_common_win.h"

#include "dialogs/launch_forms.h"
#include "document/command_table.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"

namespace wavoria {

ScriptCommand& DialogBuffer() {
  return App().Document.EditBuffer();
}

INT_PTR HandleCommandDialog(HWND dialog, UINT message, WPARAM wparam, const CommandDialog& form) {
  auto end = [&](OkEnd how) {
    if (how == OkEnd::kStaysOpen) return;
    if (how == OkEnd::kCancelled && form.CancelMarksBuffer) CancelEditBuffer(App().Document);
    EndDialog(dialog, 0);
  };
  switch (message) {
    case WM_INITDIALOG:
      return form.Show() ? TRUE : FALSE;
    case WM_CLOSE:
      end(OkEnd::kCancelled);
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      if (id == form.Ok || id == form.Cancel) {
        end(id == form.Ok ? form.Store() : OkEnd::kCancelled);
        return TRUE;
      }
      return form.Other(id) ? TRUE : FALSE;
    }
  }
  return FALSE;
}

void KeepRegistrationCheck(HWND dialog, UINT message, LPARAM lparam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lparam);
}

OkEnd StoreRegistration(HWND dialog, const std::function<void(ScriptCommand&)>& store) {
  ScriptCommand command = DialogBuffer();
  store(command);
  const auto mayKeep = reinterpret_cast<RegistrationCheck>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (mayKeep != nullptr && !mayKeep(dialog, command)) return OkEnd::kStaysOpen;
  DialogBuffer() = std::move(command);
  return OkEnd::kConfirmed;
}

INT_PTR HandleDropDownDialog(HWND dialog, UINT message, WPARAM wparam, const DropDownDialog& form) {
  return HandleCommandDialog(
      dialog, message, wparam,
      {.Ok = form.Ok,
       .Cancel = form.Cancel,
       .Show =
           [&] {
             FillDropDown(dialog, form.List, form.Items, form.Selected);
             return true;  // the list is the first control and gets the focus
           },
       .Store =
           [&] {
             return form.Store(DropDownSelection(dialog, form.List)) ? OkEnd::kConfirmed
                                                                     : OkEnd::kCancelled;
           }});
}

OkEnd ConfirmLaunchDialog(HWND dialog, bool stored, std::string_view refusal) {
  if (stored) return OkEnd::kConfirmed;
  MessageBoxA(dialog, std::string(refusal).c_str(), std::string(kLaunchRefusalCaption).c_str(),
              MB_OK | MB_ICONEXCLAMATION);
  return OkEnd::kStaysOpen;
}

}  // namespace wavoria
