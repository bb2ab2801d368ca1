// Wizard page 8400: the mouse ID by the Negativ rule and automatic sending
// (shown when mouse support is chosen).
#include "app/win_util_win.h"
#include "resources/resource_ids.h"
#include "wizard/wizard_page_common_win.h"
#include "wizard/wizard_pages_win.h"

namespace wavoria {

namespace {

void ShowForm(HWND page, const MouseForm& form) {
  SetItemText(page, IDC_WIZ_MOUSE_ID, form.IdDigits);
  SetButtonChecked(page, IDC_WIZ_MOUSE_NEGATIVE, form.Negative);
  SetButtonChecked(page, IDC_WIZ_MOUSE_AUTOMATIC, form.AutoSend);
}

MouseForm ReadForm(HWND page) {
  return {GetItemText(page, IDC_WIZ_MOUSE_ID), IsButtonChecked(page, IDC_WIZ_MOUSE_NEGATIVE),
          IsButtonChecked(page, IDC_WIZ_MOUSE_AUTOMATIC)};
}

}  // namespace

INT_PTR CALLBACK MousePageProc(HWND page, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  switch (message) {
    case WM_INITDIALOG:
      OpenWizardPage(page);
      ShowForm(page, ShowMouseSettings(Wizard()));
      return TRUE;
    case WM_CLOSE:
      CancelWizardPage(page);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_WIZ_MOUSE_NEXT:
          ConfirmMouseSettings(Wizard(), ReadForm(page));
          LeaveWizardPage(page);
          return TRUE;
        case IDC_WIZ_MOUSE_BACK:
          BackFromMouseSettings(Wizard(), ReadForm(page));
          LeaveWizardPage(page);
          return TRUE;
        case IDC_WIZ_MOUSE_CANCEL:
          CancelWizardPage(page);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
