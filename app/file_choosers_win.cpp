#include "app/file_choosers_win.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "app/app_state_win.h"
#include "app/editor_rules.h"
#include "app/file_commands.h"
#include "app/win_util_win.h"
#include "document/file_io.h"

namespace wavoria {

namespace {

ScriptChooser& Seam() {
  static ScriptChooser seam;
  return seam;
}

// Both pairs of the filter, each text ended by a zero, the list by another.
constexpr char kFilter[] = "Klavato-Skript (*.script.wav)\0*.script.wav\0Alle Dateien (*.*)\0*.*\0";

// The save chooser's hook: once a name is chosen, the name that will really
// be written (SavedScriptName) is the one asked about when it exists already.
UINT_PTR CALLBACK AskBeforeReplacing(HWND child, UINT message, WPARAM, LPARAM lparam) {
  if (message != WM_NOTIFY) return 0;
  const auto& note = *reinterpret_cast<const OFNOTIFYA*>(lparam);
  if (note.hdr.code != CDN_FILEOK) return 0;
  const std::string name = SavedScriptName(note.lpOFN->lpstrFile, note.lpOFN->nFilterIndex);
  HWND chooser = GetParent(child);
  if (!FileExists(name) || MessageBoxA(chooser, OverwriteQuestion(name).c_str(), "Skript speichern",
                                       MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES) {
    return 0;
  }
  SetWindowLongPtrA(child, DWLP_MSGRESULT, 1);  // the chooser stays open
  return 1;
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
  settings.hInstance = GetModuleHandleA(nullptr);
  settings.lpstrFilter = kFilter;
  settings.nFilterIndex = 0;  // the first pair
  settings.lpstrFile = file.data();
  settings.nMaxFile = static_cast<DWORD>(file.size());
  if (forSaving) {
    // The chooser's own question would name the file as typed; the hook asks
    // about the one written.
    settings.lpstrTitle = "Skript speichern";
    settings.Flags =
        OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
    settings.lpfnHook = AskBeforeReplacing;
  } else {
    settings.lpstrTitle = "Skript öffnen";
    settings.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  }
  const BOOL chosen = forSaving ? GetSaveFileNameA(&settings) : GetOpenFileNameA(&settings);
  if (!chosen) return {};
  if (forSaving) return SavedScriptName(file.data(), settings.nFilterIndex);
  return std::string(file.data());
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
