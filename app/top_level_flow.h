// The top-level flow of the program: the five states between start screen,
// editor and wizard, and the start-up decisions that pick the first one. The
// windows themselves are shown by the shell; these functions only say which
// state follows and which values change on the way.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resources/resource_ids.h"
#include "wizard/wizard_settings.h"

namespace wavoria {

enum class FlowState {
  kStartScreen,  // dialog 2000
  kEditor,       // the main editor window, dialog 1000
  kWizard,       // the wizard pages while NextPage is not negative
  kInstall,      // installing support into the game
  kExit,         // the process ends with exit code 0
};

// The start-screen buttons that close the start screen (its StartChoice).
inline constexpr int kStartWizard = IDC_START_WIZARD;  // "Assist."
inline constexpr int kStartNew = IDC_START_NEW;        // "Neu"
inline constexpr int kStartOpen = IDC_START_OPEN;      // "Öffnen"

// Where the RPG Maker is looked for at start-up, and the folder preset then.
inline constexpr std::string_view kDefaultMakerExe = "C:\\Programme\\ASCII\\RPG2000\\RPG2000.EXE";
inline constexpr std::string_view kDefaultMakerFolder = "C:\\Programme\\ASCII\\RPG2000\\";

// The command-line arguments after the program name joined with one blank
// between each two, without blanks at both ends.
std::string JoinArguments(const std::vector<std::string>& arguments);

// Start-up after the data files were loaded. A command line that names an
// existing file becomes scriptToOpen and the flow starts in the editor (the
// RPG Maker folder is then not looked for); otherwise the default RPG Maker
// folder is preset when RPG2000.EXE is there, and the flow starts on the
// start screen.
FlowState FirstState(const std::string& commandLine,
                     const std::function<bool(const std::string&)>& fileExists,
                     std::string& scriptToOpen, WizardSettings& wizard);

// After FirstState: the warning for a script named on the command line that
// is there but cannot be read (in use, no permission, a folder), with the
// cause fileExists left in LastFileError. Nothing when none was named, when
// the flow opens it, or when it is not there: the start screen then comes
// up as for no script at all.
std::optional<std::string> UnreadableScriptWarning(
    const std::string& commandLine, FlowState first,
    const std::function<bool(const std::string&)>& fileExists);

// After the start screen closed with startChoice: "Assist." starts the wizard
// at its first page, "Neu" and "Öffnen" go to the editor, anything else (the
// start screen was cancelled) ends the program. NextPage is -1 unless the
// wizard starts.
FlowState AfterStartScreen(int startChoice, WizardSettings& wizard);

// Whether the start screen asked for a new, empty script.
bool StartsNewScript(int startChoice);

// How the editor window ends, as NextPage tells the flow: handing over to
// the wizard starts it at its first page, anything else ends the program.
void EndEditor(bool toWizard, WizardSettings& wizard);

// After the editor window closed: the wizard when it handed over (NextPage
// not -1), otherwise the end of the program.
FlowState AfterEditor(const WizardSettings& wizard);

// After the wizard pages: back to the start screen when cancelled (-1), the
// installation for any other end (-2).
FlowState AfterWizard(const WizardSettings& wizard);

// After the installation: with keyboard support the editor opens the game's
// key list script (scriptToOpen), otherwise the start screen comes back. A key
// list that the installation could not put in place (keyListInstalled false)
// is not opened: the start screen comes back then too.
FlowState AfterInstall(const WizardSettings& wizard, bool keyListInstalled,
                       std::string& scriptToOpen);

}  // namespace wavoria
