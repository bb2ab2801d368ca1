// Wizard page 8500: "Fertig stellen" hands over to the installation.
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"
#include "wizard/wizard_page_common_win.h"
#include "wizard/wizard_pages_win.h"

namespace wavoria {

INT_PTR CALLBACK FinishPageProc(HWND page, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  if (message == WM_INITDIALOG) {
    OpenWizardPage(page);
    // No key list opens afterwards without keyboard support.
    if (!ShowsKeyListNote(Wizard())) SetItemText(page, IDC_WIZ_FINISH_KEY_LIST, "");
    // The page has nothing to fill in: the focus starts on the default
    // button, so that Enter finishes rather than going back.
    SetFocus(GetDlgItem(page, IDC_WIZ_FINISH_FINISH));
    return FALSE;
  }
  return HandlePageButtons(
      page, message, wparam, {IDC_WIZ_FINISH_FINISH, IDC_WIZ_FINISH_BACK, IDC_WIZ_FINISH_CANCEL},
      [](bool) {
        ConfirmFinish(Wizard());
        return ClosePage();
      },
      [] { BackFromFinish(Wizard()); });
}

}  // namespace wavoria
