#include "app/file_commands_win.h"

#include <memory>
#include <vector>

#include "app/command_list_view_win.h"
#include "app/editor_commands.h"
#include "app/editor_rules.h"
#include "app/file_choosers_win.h"
#include "app/file_commands.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"

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
    ShowWarning(owner, CannotOpenMessage(path, LastFileError()));
    return false;
  }
  for (const std::string& text : WarningTexts(warnings, path)) ShowWarning(owner, text);
  return true;
}

// A file read to be opened, before it becomes the document.
struct FileToOpen {
  std::string Path;  // absolute
  std::unique_ptr<CommandTable> Table = std::make_unique<CommandTable>();
  ReadWarnings Warnings;
  bool NoScript = false;  // HoldsNoScript, and the user wants it opened all the same
};

// Reads path for opening. A file that cannot be read is reported, and one
// that holds no script is taken only when the user says so.
std::optional<FileToOpen> ReadToOpen(HWND owner, const std::string& path) {
  FileToOpen file;
  file.Path = FullPath(path);
  std::string bytes;
  bool read = false;
  {
    WaitCursor wait;
    read = ReadWholeFile(file.Path, bytes);
    if (read) file.Warnings = ParseScript(bytes, App().Tables.Actions, *file.Table);
  }
  if (!read) {
    ShowWarning(owner, CannotOpenMessage(file.Path, LastFileError()));
    return std::nullopt;
  }
  file.NoScript = HoldsNoScript(bytes, *file.Table);
  if (file.NoScript && !AskYesNo(owner, OpenNonScriptQuestion(file.Path))) return std::nullopt;
  return file;
}

// The file read becomes the document, with an empty history, and the reader's
// warnings are shown. The caller refreshes the window.
void MakeDocument(HWND owner, FileToOpen&& file) {
  AppState& app = App();
  app.Document = std::move(*file.Table);
  app.DocumentPath = file.Path;
  app.NoScriptFile = file.NoScript;
  app.History.Clear();
  for (const std::string& text : WarningTexts(file.Warnings, file.Path)) ShowWarning(owner, text);
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Writes the document to path, or warns that it could not be written.
bool WriteScriptTo(HWND owner, const std::string& path) {
  bool written = false;
  {
    WaitCursor wait;
    written = WriteScriptFile(path, App().Document);
  }
  if (!written) ShowWarning(owner, CannotSaveMessage(path, LastFileError()));
  return written;
}

// Writes the document to path (absolute) and makes path its file.
bool SaveTo(HWND owner, const std::string& path) {
  if (!WriteScriptTo(owner, path)) return false;
  App().DocumentPath = path;
  App().NoScriptFile = false;
  App().History.MarkSaved();
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

// How long Notepad may take to show its window.
constexpr DWORD kNotepadStartLimitMs = 10000;

// Starts Notepad with the command line and waits until its window is up (at
// most kNotepadStartLimitMs), not for Notepad to end.
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
  WaitForInputIdle(process.hProcess, kNotepadStartLimitMs);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

bool MayDropChanges(HWND owner) {
  return MayDropChanges(
      App().History.Modified(),
      [owner] { return ShowPrompt(owner, MessageIcon::Choice, kSavePromptText); },
      [owner] { return SaveScript(owner); });
}

void ResetToNewScript() {
  App().Document.Clear();
  App().DocumentPath.clear();
  App().NoScriptFile = false;
  App().History.Clear();
}

bool OpenScriptFile(HWND owner, const std::string& path) {
  std::optional<FileToOpen> file = ReadToOpen(owner, path);
  if (!file) return false;
  MakeDocument(owner, std::move(*file));
  return true;
}

std::string ScriptFromDrop(HWND owner, HDROP drop) {
  const std::vector<std::string> files = DroppedFiles(drop);
  if (files.empty() || !IsWindowEnabled(owner)) return {};
  if (const std::optional<std::string> note = DroppedFilesNote(files)) {
    MessageBoxA(owner, note->c_str(), kProgramTitle, MB_OK | MB_ICONINFORMATION);
  }
  const std::string path = FullPath(files.front());
  if (!IsFolder(path)) return path;
  ShowWarning(owner, DroppedFolderMessage(path));
  return {};
}

void OpenDroppedScript(HWND window, HDROP drop) {
  const std::string path = ScriptFromDrop(window, drop);
  if (path.empty()) return;
  // The dropped file is read, and asked about, before the save prompt.
  std::optional<FileToOpen> file = ReadToOpen(window, path);
  if (!file || !MayDropChanges(window)) return;
  MakeDocument(window, std::move(*file));
  RefreshCommandList(window);
}

void NewScript(HWND window) {
  if (!MayDropChanges(window)) return;
  ResetToNewScript();
  RefreshCommandList(window);
}

void OpenScript(HWND window) {
  if (!MayDropChanges(window)) return;
  const std::string path = ChooseScriptToOpen(window);
  if (path.empty()) return;  // cancelled: the script stays as it is
  if (OpenScriptFile(window, path)) RefreshCommandList(window);
}

bool SaveScript(HWND window) {
  std::string path = App().DocumentPath;
  if (path.empty()) {
    path = ChooseScriptToSave(window);
    if (path.empty()) return false;
  } else if (App().NoScriptFile && !AskYesNo(window, ReplaceNonScriptQuestion(path))) {
    return false;
  }
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
  NotepadSteps steps;
  steps.Ask = [window](std::string_view question) {
    return ShowPrompt(window, MessageIcon::Choice, question);
  };
  steps.Save = [window]() -> std::optional<std::string> {
    if (!SaveScript(window)) return std::nullopt;
    return App().DocumentPath;
  };
  steps.Write = [window](const std::string& file) { return WriteScriptTo(window, file); };
  steps.Contents = [](const std::string& file) -> std::optional<std::string> {
    std::string bytes;
    if (!ReadWholeFile(file, bytes)) return std::nullopt;
    return bytes;
  };
  steps.Start = [window](const std::string& file) {
    if (StartNotepad(NotepadCommandLine(file))) return true;
    ShowWarning(window, NotepadFailedMessage(file));
    return false;
  };
  steps.Wait = [window] {
    // In front of Notepad, which came up first; owned by the window, so that
    // switching to Wavoria (Alt+Tab) brings it back.
    MessageBoxA(window, std::string(kNotepadWaitText).c_str(),
                std::string(kNotepadWaitTitle).c_str(), MB_OK | MB_SETFOREGROUND);
  };
  steps.Read = [window](const std::string& file) {
    const bool read = ReadBackAsOneStep(App().Document, SelectedLines(window),
                                        [&] { return ReadScriptInto(window, file); });
    if (read) RefreshCommandList(window);
    return read;
  };
  const std::string tempFile = AbsolutePath(kNotepadTempFile, StartFolder());
  app.History.SetModified(
      wavoria::EditInNotepad(app.DocumentPath, app.History.Modified(), tempFile, steps));
  RefreshLabelAndTitle(window);
}

void SetNotepadLauncher(NotepadLauncher launcher) {
  LauncherSeam() = std::move(launcher);
}

}  // namespace wavoria
