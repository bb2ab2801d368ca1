#include "wizard/install_plan.h"

#include <algorithm>

#include "document/text.h"
#include "platform/file_io.h"
#include "platform/file_ops.h"
#include "wizard/wizard_flow.h"

namespace wavoria {

namespace {

bool EndsInSeparator(std::string_view path) {
  return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

// folder with a separator at its end.
std::string AsFolder(std::string folder) {
  if (!folder.empty() && !EndsInSeparator(folder)) folder += kPathSeparator;
  return folder;
}

std::string Join(const std::string& folder, std::string_view name) {
  return AsFolder(folder) + std::string(name);
}

}  // namespace

std::string GameKeyListPath(const std::string& gameFolder) {
  return EntryPath(EntryPath(gameFolder, kGameSoundFolder), kKeyListScript);
}

std::string NameInFolder(const std::string& folder, std::string_view name) {
  // Every entry counts, links too, so that a link of that name is found and refused.
  const std::vector<std::string> entries = NamesIn(folder);
  if (std::find(entries.begin(), entries.end(), name) != entries.end()) return std::string(name);
  for (const std::string& entry : entries) {
    if (EqualsIgnoreCase(entry, name)) return entry;
  }
  return std::string(name);
}

std::string EntryPath(const std::string& folder, std::string_view name) {
  return Join(folder, NameInFolder(folder, name));
}

namespace {

// The script line of "autorun.script": Klavato reads it on Windows, so the
// separator is "\" wherever the plan is built.
std::string SoundLine(std::string_view script) {
  return std::string(kGameSoundFolder) + "\\" + std::string(script);
}

// The template names of one folder to copy: every entry found there but
// folders (a pipe or device too, so that reading it names it) and the
// required ones, sorted, each name once (case of A to Z ignored).
std::vector<std::string> TemplateNames(const std::string& folder,
                                       std::initializer_list<std::string_view> required) {
  std::vector<std::string> names = NamesIn(folder);
  std::erase_if(names, [&](const std::string& name) { return FolderExists(Join(folder, name)); });
  for (std::string_view name : required) {
    const bool found = std::any_of(names.begin(), names.end(),
                                   [&](const std::string& n) { return EqualsIgnoreCase(n, name); });
    if (!found) names.emplace_back(name);
  }
  std::ranges::sort(names, {}, [](const std::string& n) { return ToUpperAscii(n); });
  return names;
}

int AddStep(InstallPlan& plan, InstallStep step) {
  plan.Steps.push_back(std::move(step));
  return static_cast<int>(plan.Steps.size()) - 1;
}

void AddCopy(InstallPlan& plan, std::string source, std::string target, int after = -1) {
  AddStep(plan, {InstallStepKind::CopyFile, std::move(source), std::move(target), {}, after});
}

}  // namespace

std::vector<std::string> AutorunLines(const WizardSettings& settings) {
  const bool keyboard = settings.KeyboardSupport != 0;
  const bool mouse = settings.MouseSupport != 0;
  std::vector<std::string> lines = {SoundLine(kMidiTickOutputScript),
                                    SoundLine(kMidiTickClearScript)};
  if (keyboard) {
    lines.push_back(SoundLine(kKeyListScript));
    if (!mouse || settings.StartFunction == 0) lines.push_back(SoundLine(kKeySupportOnScript));
  }
  if (mouse && (!keyboard || settings.StartFunction == 1)) {
    lines.push_back(SoundLine(kMouseSupportOnScript));
  }
  return lines;
}

std::string AutorunText(const WizardSettings& settings) {
  std::string text;
  for (const std::string& line : AutorunLines(settings)) {
    text += line;
    text += LineBreak;
  }
  return text;
}

std::string MouseSupportScriptText(const WizardSettings& settings) {
  const std::string lines[] = {
      "",
      ";WIZDESC$Maussupport",
      "[Execute]",
      "Action=EnableMouseSupport",
      "Enable=True",
      "ID=" + DecimalText(settings.MouseId),
      std::string("Automatic=") + (settings.AutoSendPosition != 0 ? "True" : "False"),
      "Next=",
  };
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += LineBreak;
  }
  return text;
}

std::string ChoicesText(const WizardSettings& settings) {
  const bool keyboard = settings.KeyboardSupport != 0;
  const bool mouse = settings.MouseSupport != 0;
  std::string text = keyboard && mouse ? "Tastatursupport und Maussupport, beim Start "
                     : keyboard        ? "Tastatursupport"
                                       : "Maussupport";
  if (keyboard && mouse) text += kStartFunctionItems[settings.StartFunction == 1 ? 1 : 0];
  if (mouse) {
    text += "; Maus-ID " + DecimalText(settings.MouseId);
    if (settings.AutoSendPosition != 0) text += ", Mausposition automatisch senden";
  }
  return text;
}

bool IsScriptFileName(std::string_view name) {
  constexpr std::string_view kSuffix = ".script.wav";
  return name.size() > kSuffix.size() &&
         EqualsIgnoreCase(name.substr(name.size() - kSuffix.size()), kSuffix);
}

InstallPlan BuildInstallPlan(const WizardSettings& settings, const std::string& templateFolder) {
  InstallPlan plan;
  plan.GameFolder = AsFolder(settings.GamePath);
  plan.MakerFolder = AsFolder(settings.MakerPath);
  plan.Choices = ChoicesText(settings);
  const bool keyboard = settings.KeyboardSupport != 0;
  const bool mouse = settings.MouseSupport != 0;
  const std::string sound = EntryPath(plan.GameFolder, kGameSoundFolder);

  const int soundFolder = AddStep(plan, {InstallStepKind::CreateFolder, {}, sound, {}, -1});

  // Klavato's harmony.dll calls the library it replaced, so it goes in only
  // once oldharmony.dll is in place; otherwise the game keeps its own.
  const int oldHarmony = AddStep(plan, {InstallStepKind::CopyFile,
                                        EntryPath(plan.MakerFolder, kOldHarmonyDll),
                                        EntryPath(plan.GameFolder, kOldHarmonyDll),
                                        {},
                                        -1});
  AddCopy(plan, EntryPath(plan.MakerFolder, kHarmonyDll), EntryPath(plan.GameFolder, kHarmonyDll),
          oldHarmony);

  auto copyTemplates = [&](std::string_view subfolder,
                           std::initializer_list<std::string_view> required) {
    const std::string from = EntryPath(templateFolder, subfolder);
    if (FilesIn(from).empty()) plan.EmptyTemplateFolders.push_back(from);
    for (const std::string& name : TemplateNames(from, required)) {
      // The generated mouse script takes the place of a template of its name.
      if (mouse && EqualsIgnoreCase(name, kMouseSupportOnScript)) continue;
      AddCopy(plan, Join(from, name), EntryPath(sound, name), soundFolder);
    }
  };
  copyTemplates(kCommonTemplates, {kMidiTickOutputScript, kMidiTickClearScript});
  if (keyboard) {
    copyTemplates(kKeyTemplates, {kKeyListScript, kKeySupportOnScript});
    plan.KeyListPath = GameKeyListPath(plan.GameFolder);
  }
  if (mouse) {
    copyTemplates(kMouseTemplates, {});
    AddStep(plan, {InstallStepKind::WriteFile,
                   {},
                   EntryPath(sound, kMouseSupportOnScript),
                   MouseSupportScriptText(settings),
                   soundFolder});
  }
  AddStep(plan, {InstallStepKind::WriteFile,
                 {},
                 EntryPath(plan.GameFolder, kAutorunFile),
                 AutorunText(settings),
                 -1});
  return plan;
}

}  // namespace wavoria
