// What every wizard page shares: its window icon, how it ends, and the message
// boxes it raises. The picture along the left edge and the etched line come
// with each page's template.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "wizard/wizard_flow.h"
#include "wizard/wizard_settings.h"

namespace wavoria {

// The wizard's settings in this process.
WizardSettings& Wizard();

// On opening: sets icon resource 100 as the page's small icon and fits the
// picture along the left edge to its place.
void OpenWizardPage(HWND page);

// Ends the page once its button has stored NextPage.
void LeaveWizardPage(HWND page);

// "Abbrechen" and the close box: NextPage := -1, nothing on the page is
// stored, and the page ends.
void CancelWizardPage(HWND page);

// Carries out a button whose rule may ask first: runs confirm(false); when it
// asks a question and the user answers Ja, runs confirm(true). Then shows the
// message the result names, if any, and ends the page when the result closes
// it. After a message box the page stays open.
void ConfirmWizardPage(HWND page, const std::function<PageResult(bool continueConfirmed)>& confirm);

// The buttons along the bottom of a page.
struct PageButtons {
  int Next = 0;    // "Weiter >" or "Fertig stellen"
  int Back = 0;    // "< Zurück"; 0 on a page without it
  int Cancel = 0;  // "Abbrechen"
};

// A page result that ends the page without a message box, for a button whose
// rule never refuses.
inline PageResult ClosePage() {
  PageResult result;
  result.Closes = true;
  return result;
}

// The messages every page handles alike: the close box and "Abbrechen" cancel
// the wizard; Next carries out next through ConfirmWizardPage; Back runs back
// (which stores what the page shows) and ends the page. Returns TRUE when the
// message was one of these, FALSE otherwise.
INT_PTR HandlePageButtons(HWND page, UINT message, WPARAM wparam, const PageButtons& buttons,
                          const std::function<PageResult(bool continueConfirmed)>& next,
                          const std::function<void()>& back = {});

}  // namespace wavoria
