// Wizard page 8400: the mouse ID by the Negativ rule and automatic sending
// (shown when mouse support is chosen).
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"
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
  if (message == WM_INITDIALOG) {
    OpenWizardPage(page);
    ShowForm(page, ShowMouseSettings(Wizard()));
    return TRUE;
  }
  return HandlePageButtons(
      page, message, wparam, {IDC_WIZ_MOUSE_NEXT, IDC_WIZ_MOUSE_BACK, IDC_WIZ_MOUSE_CANCEL},
      [page](bool) {
        ConfirmMouseSettings(Wizard(), ReadForm(page));
        return ClosePage();
      },
      [page] { BackFromMouseSettings(Wizard(), ReadForm(page)); });
}

}  // namespace wavoria
