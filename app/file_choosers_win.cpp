#include "app/file_choosers_win.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "app/editor_rules.h"
#include "app/file_commands.h"
#include "platform/file_io.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"

namespace wavoria {

namespace {

ScriptChooser& Seam() {
  static ScriptChooser seam;
  return seam;
}

// Both pairs of the filter, each text ended by a zero, the list by another.
constexpr char kFilter[] = "Klavato-Skript (*.script.wav)\0*.script.wav\0Alle Dateien (*.*)\0*.*\0";

// Whether the script may be written to name: it does not exist yet, or the
// user agrees to replace it.
bool MayReplace(HWND owner, const std::string& name) {
  return !FileExists(name) || AskYesNo(owner, OverwriteQuestion(name), "Skript speichern");
}

std::string ChooserResult(HWND owner, bool forSaving) {
  const std::string& preset = App().DocumentPath;
  if (Seam()) return Seam()(owner, forSaving, preset);

  // The buffer holds at least 260 bytes and always the whole preset path.
  std::vector<char> file(std::max<std::size_t>(MAX_PATH, preset.size() + 1), '\0');
  std::copy(preset.begin(), preset.end(), file.begin());

  OPENFILENAMEA settings = {};
  settings.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // the short form
  settings.hwndOwner = owner;
  settings.lpstrFilter = kFilter;
  settings.nFilterIndex = 0;  // the first pair
  settings.lpstrFile = file.data();
  settings.nMaxFile = static_cast<DWORD>(file.size());
  if (!forSaving) {
    settings.lpstrTitle = "Skript öffnen";
    settings.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    return GetOpenFileNameA(&settings) ? std::string(file.data()) : std::string();
  }
  // The chooser's own question would name the file as typed, not the one
  // written (SavedScriptName), so the question is asked here, and Nein opens
  // the chooser again. A hook could ask inside the chooser, but a chooser
  // with a hook is the old kind on Windows.
  settings.lpstrTitle = "Skript speichern";
  for (;;) {
    settings.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER;  // the chooser adds some
    if (!GetSaveFileNameA(&settings)) return {};
    std::string name = SavedScriptName(file.data(), settings.nFilterIndex);
    if (MayReplace(owner, name)) return name;
  }
}

// The chosen file as a full path, taken at once: the chooser may have made
// the folder it showed the current one.
std::string RunChooser(HWND owner, bool forSaving) {
  return FullPath(ChooserResult(owner, forSaving));
}

}  // namespace

std::string ChooseScriptToOpen(HWND owner) {
  return RunChooser(owner, false);
}

std::string ChooseScriptToSave(HWND owner) {
  return RunChooser(owner, true);
}

void SetScriptChooser(ScriptChooser chooser) {
  Seam() = std::move(chooser);
}

}  // namespace wavoria
