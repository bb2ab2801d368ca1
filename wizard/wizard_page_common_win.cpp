#include "wizard/wizard_page_common_win.h"

#include <string>

#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"

namespace wavoria {

WizardSettings& Wizard() {
  return App().Wizard;
}

void OpenWizardPage(HWND page) {
  SetSmallIcon(page, IDI_WAVORIA);
  FitPicture(page, IDC_WIZ_PICTURE, IDB_WIZARD_PICTURE);
}

void LeaveWizardPage(HWND page) {
  EndDialog(page, 0);
}

void CancelWizardPage(HWND page) {
  CancelWizard(Wizard());
  EndDialog(page, 0);
}

void ConfirmWizardPage(HWND page,
                       const std::function<PageResult(bool continueConfirmed)>& confirm) {
  PageResult result = confirm(false);
  if (result.Icon == MessageIcon::Question) {
    if (ShowPrompt(page, result.Icon, result.Message) != Answer::kYes) return;
    result = confirm(true);
  }
  ShowPrompt(page, result.Icon, result.Message);
  if (result.Closes) LeaveWizardPage(page);
}

INT_PTR HandlePageButtons(HWND page, UINT message, WPARAM wparam, const PageButtons& buttons,
                          const std::function<PageResult(bool continueConfirmed)>& next,
                          const std::function<void()>& back) {
  if (message == WM_CLOSE) {
    CancelWizardPage(page);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wparam);
  if (id == buttons.Next) {
    ConfirmWizardPage(page, next);
  } else if (buttons.Back != 0 && id == buttons.Back) {
    back();
    LeaveWizardPage(page);
  } else if (id == buttons.Cancel) {
    CancelWizardPage(page);
  } else {
    return FALSE;
  }
  return TRUE;
}

}  // namespace wavoria
