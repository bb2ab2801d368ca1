// Wizard page 8000: the game's runtime and the RPG Maker, each chosen with
// its "..." button; "Weiter >" checks both folders.
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"
#include "wizard/program_choosers_win.h"
#include "wizard/wizard_page_common_win.h"
#include "wizard/wizard_pages_win.h"

namespace wavoria {

namespace {

void ShowForm(HWND page, const PathsForm& form) {
  SetItemText(page, IDC_WIZ_PATHS_GAME, form.GameFile);
  SetItemText(page, IDC_WIZ_PATHS_MAKER, form.MakerFile);
}

PathsForm ReadForm(HWND page) {
  return {GetItemText(page, IDC_WIZ_PATHS_GAME), GetItemText(page, IDC_WIZ_PATHS_MAKER)};
}

// A chosen file replaces the field's text; a cancelled chooser changes nothing.
void Browse(HWND page, int field, ProgramFile which) {
  const std::string chosen = ChooseProgramFile(page, which, GetItemText(page, field));
  if (!chosen.empty()) SetItemText(page, field, chosen);
}

}  // namespace

INT_PTR CALLBACK PathsPageProc(HWND page, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  if (message == WM_INITDIALOG) {
    OpenWizardPage(page);
    ShowForm(page, ShowPaths(Wizard()));
    return TRUE;
  }
  if (message == WM_COMMAND) {
    switch (LOWORD(wparam)) {
      case IDC_WIZ_PATHS_GAME_BROWSE:
        Browse(page, IDC_WIZ_PATHS_GAME, ProgramFile::GameRuntime);
        return TRUE;
      case IDC_WIZ_PATHS_MAKER_BROWSE:
        Browse(page, IDC_WIZ_PATHS_MAKER, ProgramFile::RpgMaker);
        return TRUE;
    }
  }
  // The first page has no "< Zurück".
  return HandlePageButtons(page, message, wparam, {IDC_WIZ_PATHS_NEXT, 0, IDC_WIZ_PATHS_CANCEL},
                           [page](bool continueConfirmed) {
                             return ConfirmPaths(Wizard(), ReadForm(page), continueConfirmed);
                           });
}

}  // namespace wavoria
