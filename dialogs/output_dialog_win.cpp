// Dialog "Wert an Output-Liste anhängen": the value of an AddOutput command,
// edited as a number box and "Negativ".
#include "dialogs/command_dialogs_win.h"
#include "dialogs/command_forms.h"
#include "dialogs/dialog_common_win.h"
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"

namespace wavoria {

INT_PTR CALLBACK OutputDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  return HandleCommandDialog(dialog, message, wparam,
                             {.Ok = IDC_OUTPUT_OK,
                              .Cancel = IDC_OUTPUT_CANCEL,
                              .Show =
                                  [&] {
                                    const SignedNumberForm form = ShowSignedNumber(buffer.Value);
                                    SetItemText(dialog, IDC_OUTPUT_VALUE, form.Digits);
                                    SetButtonChecked(dialog, IDC_OUTPUT_NEGATIVE, form.Negative);
                                    return true;  // the number box is first and gets the focus
                                  },
                              .Store =
                                  [&] {
                                    StoreOutput(GetItemText(dialog, IDC_OUTPUT_VALUE),
                                                IsButtonChecked(dialog, IDC_OUTPUT_NEGATIVE),
                                                buffer);
                                    return OkEnd::kConfirmed;
                                  }});
}

}  // namespace wavoria
