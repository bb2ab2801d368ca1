// Wizard page 8200: which support is active when the game starts (shown when
// both are chosen).
#include "app/win_util_win.h"
#include "resources/resource_ids.h"
#include "wizard/wizard_page_common_win.h"
#include "wizard/wizard_pages_win.h"

namespace wavoria {

namespace {

void FillList(HWND page) {
  for (std::string_view item : kStartFunctionItems) {
    SendDlgItemMessageA(page, IDC_WIZ_START_FUNCTION_LIST, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(std::string(item).c_str()));
  }
  SendDlgItemMessageA(page, IDC_WIZ_START_FUNCTION_LIST, CB_SETCURSEL,
                      static_cast<WPARAM>(StartFunctionSelection(Wizard())), 0);
}

// The selected entry, -1 when none is.
int Selected(HWND page) {
  return static_cast<int>(
      SendDlgItemMessageA(page, IDC_WIZ_START_FUNCTION_LIST, CB_GETCURSEL, 0, 0));
}

}  // namespace

INT_PTR CALLBACK StartFunctionPageProc(HWND page, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  switch (message) {
    case WM_INITDIALOG:
      OpenWizardPage(page);
      FillList(page);
      return TRUE;
    case WM_CLOSE:
      CancelWizardPage(page);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_WIZ_START_FUNCTION_NEXT:
          ConfirmStartFunction(Wizard(), Selected(page));
          LeaveWizardPage(page);
          return TRUE;
        case IDC_WIZ_START_FUNCTION_BACK:
          BackFromStartFunction(Wizard(), Selected(page));
          LeaveWizardPage(page);
          return TRUE;
        case IDC_WIZ_START_FUNCTION_CANCEL:
          CancelWizardPage(page);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
