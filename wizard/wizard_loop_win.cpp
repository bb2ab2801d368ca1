// The wizard loop: one page after another, as each page's NextPage names.
#include "shell/app_state_win.h"
#include "shell/dialog_registry_win.h"
#include "wizard/wizard_flow.h"
#include "wizard/wizard_shell_win.h"

namespace wavoria {

void RunWizardPages() {
  WizardSettings& wizard = App().Wizard;
  while (wizard.NextPage >= 0) {
    const std::int32_t shown = wizard.NextPage;
    if (IsWizardPage(shown)) ShowRegisteredDialog(nullptr, shown);
    wizard.NextPage = WizardLoopNext(shown, wizard.NextPage);
  }
}

}  // namespace wavoria
