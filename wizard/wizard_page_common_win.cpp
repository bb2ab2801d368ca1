#include "wizard/wizard_page_common_win.h"

#include <string>

#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"

namespace wavoria {

namespace {

UINT BoxStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning:
      return MB_OK | MB_ICONEXCLAMATION;
    case MessageIcon::Question:
      return MB_YESNO | MB_ICONQUESTION;
    case MessageIcon::Error:
      return MB_OK | MB_ICONERROR;
    case MessageIcon::Choice:
      return MB_YESNOCANCEL | MB_ICONQUESTION;
    case MessageIcon::None:
      break;
  }
  return MB_OK;
}

}  // namespace

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

int ShowPageMessage(HWND page, MessageIcon icon, std::string_view text) {
  if (icon == MessageIcon::None) return IDOK;
  return MessageBoxA(page, std::string(text).c_str(), kProgramTitle, BoxStyle(icon));
}

void ConfirmWizardPage(HWND page,
                       const std::function<PageResult(bool continueConfirmed)>& confirm) {
  PageResult result = confirm(false);
  if (result.Icon == MessageIcon::Question) {
    if (ShowPageMessage(page, result.Icon, result.Message) != IDYES) return;
    result = confirm(true);
  }
  ShowPageMessage(page, result.Icon, result.Message);
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
