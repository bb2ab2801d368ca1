#include "wizard/wizard_flow.h"

#include <cstdlib>

#include "document/text.h"
#include "wizard/install_plan.h"

namespace wavoria {

namespace {

PageResult Stay(MessageIcon icon, std::string_view text) {
  return {false, icon, std::string(text)};
}

PageResult Close() {
  return {true, MessageIcon::None, {}};
}

void StoreFunctions(WizardSettings& settings, bool keyboard, bool mouse) {
  settings.KeyboardSupport = keyboard ? 1 : 0;
  settings.MouseSupport = mouse ? 1 : 0;
}

void StoreMouseForm(WizardSettings& settings, const MouseForm& form) {
  settings.MouseId = SignedNumberOf(form.IdDigits, form.Negative);
  settings.AutoSendPosition = form.AutoSend ? 1 : 0;
}

}  // namespace

bool IsWizardPage(std::int32_t id) {
  return id == kPagePaths || id == kPageFunctions || id == kPageStartFunction || id == kPageMouse ||
         id == kPageFinish;
}

std::int32_t PageAfter(std::int32_t page, const WizardSettings& settings) {
  const bool keyboard = settings.KeyboardSupport != 0;
  const bool mouse = settings.MouseSupport != 0;
  switch (page) {
    case kPagePaths:
      return kPageFunctions;
    case kPageFunctions:
      if (keyboard && mouse) return kPageStartFunction;
      if (mouse) return kPageMouse;
      if (keyboard) return kPageFinish;
      return kPageFunctions;
    case kPageStartFunction:
      return kPageMouse;
    case kPageMouse:
      return kPageFinish;
    case kPageFinish:
      return kWizardInstall;
    default:
      return kWizardCancelled;
  }
}

std::int32_t PageBefore(std::int32_t page, const WizardSettings& settings) {
  switch (page) {
    case kPagePaths:
      return kPagePaths;
    case kPageFunctions:
      return kPagePaths;
    case kPageStartFunction:
      return kPageFunctions;
    case kPageMouse:
      return settings.KeyboardSupport != 0 ? kPageStartFunction : kPageFunctions;
    case kPageFinish:
      return settings.MouseSupport != 0 ? kPageMouse : kPageFunctions;
    default:
      return kWizardCancelled;
  }
}

void CancelWizard(WizardSettings& settings) {
  settings.NextPage = kWizardCancelled;
}

std::int32_t WizardLoopNext(std::int32_t shown, std::int32_t next) {
  if (next == kWizardCancelled || next == kWizardInstall) return next;
  if (next == shown || !IsWizardPage(next)) return kWizardCancelled;
  return next;
}

PathsForm ShowPaths(const WizardSettings& settings) {
  PathsForm form;
  if (!settings.GamePath.empty()) form.GameFile = settings.GamePath + std::string(kGameProgram);
  if (!settings.MakerPath.empty()) form.MakerFile = settings.MakerPath + std::string(kMakerProgram);
  return form;
}

std::string FolderOf(std::string_view file) {
  const std::size_t cut = file.find_last_of("\\/");
  if (cut == std::string_view::npos) return {};
  return std::string(file.substr(0, cut + 1));
}

PageResult ConfirmPaths(WizardSettings& settings, const PathsForm& form, bool continueConfirmed,
                        const FileExistsFunction& exists) {
  const std::string gameFolder = FolderOf(form.GameFile);
  if (gameFolder.empty()) return Stay(MessageIcon::Warning, kGamePathMissingText);

  if (!continueConfirmed) {
    // An earlier installation may spell the names otherwise (Windows ignores the case).
    const std::string soundFile =
        EntryPath(EntryPath(gameFolder, kGameSoundFolder), kMidiTickOutputScript);
    if (exists(EntryPath(gameFolder, kAutorunFile)) || exists(soundFile)) {
      return Stay(MessageIcon::Question, kAlreadyInstalledText);
    }
  }
  settings.GamePath = gameFolder;

  const std::string makerFolder = FolderOf(form.MakerFile);
  if (makerFolder.empty()) return Stay(MessageIcon::Warning, kMakerPathMissingText);
  if (!exists(EntryPath(makerFolder, kOldHarmonyDll))) {
    return Stay(MessageIcon::Error, kOldHarmonyMissingText);
  }
  settings.MakerPath = makerFolder;
  settings.NextPage = PageAfter(kPagePaths, settings);
  return Close();
}

PageResult ConfirmFunctions(WizardSettings& settings, bool keyboard, bool mouse) {
  if (!keyboard && !mouse) return Stay(MessageIcon::Warning, kNoFunctionText);
  StoreFunctions(settings, keyboard, mouse);
  settings.NextPage = PageAfter(kPageFunctions, settings);
  return Close();
}

void BackFromFunctions(WizardSettings& settings, bool keyboard, bool mouse) {
  StoreFunctions(settings, keyboard, mouse);
  settings.NextPage = PageBefore(kPageFunctions, settings);
}

int StartFunctionSelection(const WizardSettings& settings) {
  return settings.StartFunction == 1 ? 1 : 0;  // any other value shows keyboard support
}

void ConfirmStartFunction(WizardSettings& settings, int selected) {
  settings.StartFunction = selected == 1 ? 1 : 0;
  settings.NextPage = PageAfter(kPageStartFunction, settings);
}

void BackFromStartFunction(WizardSettings& settings, int selected) {
  settings.StartFunction = selected == 1 ? 1 : 0;
  settings.NextPage = PageBefore(kPageStartFunction, settings);
}

MouseForm ShowMouseSettings(const WizardSettings& settings) {
  const std::int64_t id = settings.MouseId;
  return {DecimalText(std::abs(id)), id < 0, settings.AutoSendPosition != 0};
}

void ConfirmMouseSettings(WizardSettings& settings, const MouseForm& form) {
  StoreMouseForm(settings, form);
  settings.NextPage = PageAfter(kPageMouse, settings);
}

void BackFromMouseSettings(WizardSettings& settings, const MouseForm& form) {
  StoreMouseForm(settings, form);
  settings.NextPage = PageBefore(kPageMouse, settings);
}

bool ShowsKeyListNote(const WizardSettings& settings) {
  return settings.KeyboardSupport != 0;
}

void ConfirmFinish(WizardSettings& settings) {
  settings.NextPage = PageAfter(kPageFinish, settings);
}

void BackFromFinish(WizardSettings& settings) {
  settings.NextPage = PageBefore(kPageFinish, settings);
}

}  // namespace wavoria
