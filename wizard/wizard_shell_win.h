// The wizard as the top-level flow runs it: the pages, then the installation.
#pragma once

namespace wavoria {

// Shows the wizard pages, without owner, while the wizard's NextPage is not
// negative: each page is the dialog with that id, driven by its procedure
// (wizard_pages_win.h). Ends with NextPage at -1 (cancelled) or -2 (install).
void RunWizardPages();

// Installs keyboard and/or mouse support into the game folder the wizard
// settings name, with the templates from the "scripts" folder beside the
// program, and tells the user how it went: the closing message when every
// step succeeded, otherwise a warning that lists what could not be done.
// Returns whether the game's key list is in place to be edited.
bool RunInstallation();

}  // namespace wavoria
