// Wizard page 8500: "Fertig stellen" hands over to the installation.
#include "app/win_util_win.h"
#include "resources/resource_ids.h"
#include "wizard/wizard_page_common_win.h"
#include "wizard/wizard_pages_win.h"

namespace wavoria {

INT_PTR CALLBACK FinishPageProc(HWND page, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  switch (message) {
    case WM_INITDIALOG:
      OpenWizardPage(page);
      // No key list opens afterwards without keyboard support.
      if (!ShowsKeyListNote(Wizard())) SetItemText(page, IDC_WIZ_FINISH_KEY_LIST, "");
      // The page has nothing to fill in: the focus starts on the default
      // button, so that Enter finishes rather than going back.
      SetFocus(GetDlgItem(page, IDC_WIZ_FINISH_FINISH));
      return FALSE;
    case WM_CLOSE:
      CancelWizardPage(page);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_WIZ_FINISH_FINISH:
          ConfirmFinish(Wizard());
          LeaveWizardPage(page);
          return TRUE;
        case IDC_WIZ_FINISH_BACK:
          BackFromFinish(Wizard());
          LeaveWizardPage(page);
          return TRUE;
        case IDC_WIZ_FINISH_CANCEL:
          CancelWizardPage(page);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
