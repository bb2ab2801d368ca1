#include "app/file_commands_win.h"

#include <vector>

#include "app/app_state_win.h"
#include "app/command_list_view_win.h"
#include "app/editor_rules.h"
#include "app/file_choosers_win.h"
#include "app/win_util_win.h"
#include "document/file_io.h"
#include "document/script_reader.h"
#include "document/script_writer.h"

namespace wavoria {

namespace {

NotepadLauncher& LauncherSeam() {
  static NotepadLauncher seam;
  return seam;
}

// Shows the wait cursor while it lives.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_ != nullptr ? previous_ : LoadCursorA(nullptr, IDC_ARROW)); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

// Reads path into the document and shows the reader's warnings, or warns
// that the file cannot be read and leaves the document alone.
bool ReadScriptInto(HWND owner, const std::string& path) {
  ReadWarnings warnings;
  bool read = false;
  {
    WaitCursor wait;
    read = ReadScriptFile(path, App().Tables.Actions, App().Document, warnings);
  }
  if (!read) {
    ShowWarning(owner, CannotOpenMessage(path));
    return false;
  }
  for (const std::string& text : WarningTexts(warnings, path)) ShowWarning(owner, text);
  return true;
}

// Writes the document to path, or warns that it could not be written.
bool WriteScriptTo(HWND owner, const std::string& path) {
  bool written = false;
  {
    WaitCursor wait;
    written = WriteScriptFile(path, App().Document);
  }
  if (!written) ShowWarning(owner, CannotSaveMessage(path));
  return written;
}

// Writes the document to path and makes path its file.
bool SaveTo(HWND owner, const std::string& path) {
  if (!WriteScriptTo(owner, path)) return false;
  App().DocumentPath = path;
  App().Modified = false;
  RefreshLabelAndTitle(App().MainWindow);
  RefreshDetails(App().MainWindow);
  return true;
}

// Notepad from the system folder, so that no other program of that name in
// the current directory is started; "" lets the system search for it.
std::string SystemNotepad() {
  char folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::string path = std::string(folder, length) + "\\notepad.exe";
  return FileExists(path) ? path : std::string();
}

// Starts Notepad with the command line and does not wait for it.
bool StartNotepad(const std::string& commandLine) {
  if (LauncherSeam()) return LauncherSeam()(commandLine);
  const std::string program = SystemNotepad();
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(program.empty() ? nullptr : program.c_str(), line.data(), nullptr, nullptr,
                      FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

bool AskToSave(HWND owner) {
  switch (AskYesNoCancel(owner, kSavePromptText)) {
    case IDNO:
      return true;
    case IDYES:
      return SaveScript(owner);
    default:
      return false;
  }
}

void ResetToNewScript() {
  App().Document.Clear();
  App().DocumentPath.clear();
  App().Modified = false;
}

bool OpenScriptFile(HWND owner, const std::string& path) {
  if (!ReadScriptInto(owner, path)) return false;
  App().DocumentPath = path;
  App().Modified = false;
  return true;
}

void NewScript(HWND window) {
  if (App().Modified && !AskToSave(window)) return;
  ResetToNewScript();
  RefreshCommandList(window);
}

void OpenScript(HWND window) {
  if (App().Modified && !AskToSave(window)) return;
  const std::string path = ChooseScriptToOpen(window);
  if (path.empty()) return;  // cancelled: the script stays as it is
  if (OpenScriptFile(window, path)) RefreshCommandList(window);
}

bool SaveScript(HWND window) {
  std::string path = App().DocumentPath;
  if (path.empty()) path = ChooseScriptToSave(window);
  if (path.empty()) return false;
  return SaveTo(window, path);
}

bool SaveScriptAs(HWND window) {
  const std::string path = ChooseScriptToSave(window);
  if (path.empty()) {
    RefreshDetails(App().MainWindow);
    return false;
  }
  return SaveTo(window, path);
}

void EditInNotepad(HWND window) {
  AppState& app = App();
  const bool wasModified = app.Modified;
  std::string file;
  bool ownFile = true;
  std::string written;  // what the temporary file held when Notepad started
  if (!NotepadNeedsNoPrompt(app.DocumentPath, app.Modified)) {
    switch (AskYesNoCancel(window, NotepadPromptText(app.DocumentPath))) {
      case IDYES:
        if (!SaveScript(window)) return;
        break;
      case IDNO:
        file = kNotepadTempFile;
        ownFile = false;
        written = ScriptText(app.Document);
        if (!WriteScriptTo(window, file)) return;
        break;
      default:
        return;
    }
  }
  if (ownFile) file = app.DocumentPath;

  if (!StartNotepad(NotepadCommandLine(file))) {
    ShowWarning(window, NotepadFailedMessage(file));
    return;
  }
  MessageBoxA(window, std::string(kNotepadWaitText).c_str(), std::string(kNotepadWaitTitle).c_str(),
              MB_OK);

  bool changed = false;
  if (!ownFile) {
    std::string now;
    changed = !ReadWholeFile(file, now) || now != written;
  }
  if (ReadScriptInto(window, file)) {
    RefreshCommandList(window);
  } else {
    changed = false;  // the script in memory is the one Notepad started with
  }
  app.Modified = ModifiedAfterNotepad(ownFile, wasModified, changed);
}

void SetNotepadLauncher(NotepadLauncher launcher) {
  LauncherSeam() = std::move(launcher);
}

}  // namespace wavoria
