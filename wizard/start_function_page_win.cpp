// Wizard page 8200: which support is active when the game starts (shown when
// both are chosen).
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"
#include "wizard/wizard_page_common_win.h"
#include "wizard/wizard_pages_win.h"

namespace wavoria {

namespace {

// The selected entry, -1 when none is.
int Selected(HWND page) {
  return DropDownSelection(page, IDC_WIZ_START_FUNCTION_LIST);
}

}  // namespace

INT_PTR CALLBACK StartFunctionPageProc(HWND page, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  if (message == WM_INITDIALOG) {
    OpenWizardPage(page);
    FillDropDown(page, IDC_WIZ_START_FUNCTION_LIST, kStartFunctionItems,
                 StartFunctionSelection(Wizard()));
    return TRUE;
  }
  return HandlePageButtons(
      page, message, wparam,
      {IDC_WIZ_START_FUNCTION_NEXT, IDC_WIZ_START_FUNCTION_BACK, IDC_WIZ_START_FUNCTION_CANCEL},
      [page](bool) {
        ConfirmStartFunction(Wizard(), Selected(page));
        return ClosePage();
      },
      [page] { BackFromStartFunction(Wizard(), Selected(page)); });
}

}  // namespace wavoria
