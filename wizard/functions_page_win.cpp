// Wizard page 8100: keyboard and/or mouse support.
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"
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
  if (message == WM_INITDIALOG) {
    OpenWizardPage(page);
    SetButtonChecked(page, IDC_WIZ_FUNCTIONS_KEYBOARD, Wizard().KeyboardSupport != 0);
    SetButtonChecked(page, IDC_WIZ_FUNCTIONS_MOUSE, Wizard().MouseSupport != 0);
    return TRUE;
  }
  return HandlePageButtons(
      page, message, wparam,
      {IDC_WIZ_FUNCTIONS_NEXT, IDC_WIZ_FUNCTIONS_BACK, IDC_WIZ_FUNCTIONS_CANCEL},
      [page](bool) { return ConfirmFunctions(Wizard(), KeyboardTicked(page), MouseTicked(page)); },
      [page] { BackFromFunctions(Wizard(), KeyboardTicked(page), MouseTicked(page)); });
}

}  // namespace wavoria
