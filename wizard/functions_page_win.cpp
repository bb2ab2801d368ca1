// Wizard page 8100: keyboard and/or mouse support.
#include "app/win_util_win.h"
#include "resources/resource_ids.h"
#include "wizard/wizard_page_common_win.h"
#include "wizard/wizard_pages_win.h"

namespace wavoria {

namespace {

bool KeyboardTicked(HWND page) {
  return IsButtonChecked(page, IDC_WIZ_FUNCTIONS_KEYBOARD);
}
bool MouseTicked(HWND page) {
  return IsButtonChecked(page, IDC_WIZ_FUNCTIONS_MOUSE);
}

}  // namespace

INT_PTR CALLBACK FunctionsPageProc(HWND page, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  switch (message) {
    case WM_INITDIALOG:
      OpenWizardPage(page);
      SetButtonChecked(page, IDC_WIZ_FUNCTIONS_KEYBOARD, Wizard().KeyboardSupport != 0);
      SetButtonChecked(page, IDC_WIZ_FUNCTIONS_MOUSE, Wizard().MouseSupport != 0);
      return TRUE;
    case WM_CLOSE:
      CancelWizardPage(page);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_WIZ_FUNCTIONS_NEXT:
          ConfirmWizardPage(page, [page](bool) {
            return ConfirmFunctions(Wizard(), KeyboardTicked(page), MouseTicked(page));
          });
          return TRUE;
        case IDC_WIZ_FUNCTIONS_BACK:
          BackFromFunctions(Wizard(), KeyboardTicked(page), MouseTicked(page));
          LeaveWizardPage(page);
          return TRUE;
        case IDC_WIZ_FUNCTIONS_CANCEL:
          CancelWizardPage(page);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
