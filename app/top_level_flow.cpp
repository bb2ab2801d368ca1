#include "app/top_level_flow.h"

#include "app/editor_rules.h"
#include "document/text.h"
#include "platform/file_error.h"
#include "wizard/install_plan.h"

namespace wavoria {

std::string JoinArguments(const std::vector<std::string>& arguments) {
  std::string line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) line += ' ';
    line += arguments[i];
  }
  return std::string(StripBlanks(line));
}

FlowState FirstState(const std::string& commandLine,
                     const std::function<bool(const std::string&)>& fileExists,
                     std::string& scriptToOpen, WizardSettings& wizard) {
  if (!commandLine.empty() && fileExists(commandLine)) {
    scriptToOpen = commandLine;
    return FlowState::kEditor;
  }
  if (fileExists(std::string(kDefaultMakerExe))) wizard.MakerPath = kDefaultMakerFolder;
  return FlowState::kStartScreen;
}

std::optional<std::string> UnreadableScriptWarning(
    const std::string& commandLine, FlowState first,
    const std::function<bool(const std::string&)>& fileExists) {
  if (first == FlowState::kEditor || commandLine.empty() || fileExists(commandLine)) {
    return std::nullopt;
  }
  const FileError cause = LastFileError();
  if (cause == FileError::NotFound) return std::nullopt;
  return CannotOpenMessage(commandLine, cause);
}

FlowState AfterStartScreen(int startChoice, WizardSettings& wizard) {
  wizard.NextPage = kWizardCancelled;
  switch (startChoice) {
    case kStartWizard:
      wizard.NextPage = kPagePaths;
      return FlowState::kWizard;
    case kStartNew:
    case kStartOpen:
      return FlowState::kEditor;
    default:
      return FlowState::kExit;
  }
}

bool StartsNewScript(int startChoice) {
  return startChoice == kStartNew;
}

void EndEditor(bool toWizard, WizardSettings& wizard) {
  wizard.NextPage = toWizard ? kPagePaths : kWizardCancelled;
}

FlowState AfterEditor(const WizardSettings& wizard) {
  return wizard.NextPage == kWizardCancelled ? FlowState::kExit : FlowState::kWizard;
}

FlowState AfterWizard(const WizardSettings& wizard) {
  if (wizard.NextPage == kWizardCancelled) return FlowState::kStartScreen;
  if (wizard.NextPage == kWizardInstall) return FlowState::kInstall;
  // The pages never stop on a page id; should they, nothing is installed.
  return FlowState::kStartScreen;
}

FlowState AfterInstall(const WizardSettings& wizard, bool keyListInstalled,
                       std::string& scriptToOpen) {
  if (wizard.KeyboardSupport == 0 || !keyListInstalled) return FlowState::kStartScreen;
  scriptToOpen = GameKeyListPath(wizard.GamePath);
  return FlowState::kEditor;
}

}  // namespace wavoria
