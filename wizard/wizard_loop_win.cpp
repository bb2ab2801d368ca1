// The wizard loop: one page after another, as each page's NextPage names.
#include <algorithm>
#include <iterator>

#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "wizard/wizard_flow.h"
#include "wizard/wizard_pages_win.h"
#include "wizard/wizard_shell_win.h"

namespace wavoria {

namespace {

struct WizardPage {
  std::int32_t TemplateId;
  DLGPROC Procedure;
};

constexpr WizardPage kPages[] = {
    {IDD_WIZ_PATHS, PathsPageProc},                   // game and RPG Maker folders
    {IDD_WIZ_FUNCTIONS, FunctionsPageProc},           // keyboard and/or mouse support
    {IDD_WIZ_START_FUNCTION, StartFunctionPageProc},  // support active at game start
    {IDD_WIZ_MOUSE, MousePageProc},                   // mouse ID
    {IDD_WIZ_FINISH, FinishPageProc},                 // "Fertig stellen"
};

}  // namespace

void RunWizardPages() {
  WizardSettings& wizard = App().Wizard;
  while (wizard.NextPage >= 0) {
    const std::int32_t shown = wizard.NextPage;
    const auto* page = std::ranges::find(kPages, shown, &WizardPage::TemplateId);
    if (page != std::end(kPages)) {
      DialogBoxA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(shown), nullptr, page->Procedure);
    }
    wizard.NextPage = WizardLoopNext(shown, wizard.NextPage);
  }
}

}  // namespace wavoria
