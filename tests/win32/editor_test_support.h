// Helpers of the editor's Win32 tests: a clean editor state, the file
// chooser and Notepad seams, process ends, temporary folders and small
// shortcuts for driving the main window.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/app_state_win.h"
#include "app/editor_windows_win.h"
#include "app/file_choosers_win.h"
#include "app/file_commands_win.h"
#include "dialog_driver.h"
#include "document/file_io.h"
#include "document/script_writer.h"
#include "resources/resource_ids.h"
#include "tests/worked_example.h"
#include "wizard/program_choosers_win.h"

namespace wavoria::testing {

// Ends every process end as a test failure, as the test program does.
inline void ProcessEndIsAFailure() {
  ADD_FAILURE() << "the program tried to end the process";
}

// Counts the program's attempts to end the process while it lives.
class ProcessEndCounter {
 public:
  ProcessEndCounter() {
    count_ = 0;
    SetEndProgramHandler([] { ++count_; });
  }
  ~ProcessEndCounter() { SetEndProgramHandler(ProcessEndIsAFailure); }
  ProcessEndCounter(const ProcessEndCounter&) = delete;
  ProcessEndCounter& operator=(const ProcessEndCounter&) = delete;
  int Count() const { return count_; }

 private:
  static inline int count_ = 0;
};

// Answers a stubbed chooser with queued paths in order ("" for a cancel)
// and records every call; a call with no answer left is a test failure.
template <typename Call>
class AnswerQueue {
 public:
  AnswerQueue(std::vector<std::string> answers, const char* what)
      : answers_(answers.begin(), answers.end()), what_(what) {}
  AnswerQueue(const AnswerQueue&) = delete;
  AnswerQueue& operator=(const AnswerQueue&) = delete;

  const std::vector<Call>& Calls() const { return calls_; }

 protected:
  std::string Answer(Call call) {
    calls_.push_back(std::move(call));
    if (answers_.empty()) {
      ADD_FAILURE() << "an unexpected " << what_ << " opened";
      return std::string();
    }
    std::string answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

 private:
  std::deque<std::string> answers_;
  const char* what_;
  std::vector<Call> calls_;
};

// One call of a file chooser.
struct ChooserCall {
  HWND Owner;
  bool ForSaving;
  std::string Preset;
};

// Takes the place of the system's file choosers.
class ChooserStub : public AnswerQueue<ChooserCall> {
 public:
  explicit ChooserStub(std::vector<std::string> answers = {})
      : AnswerQueue(std::move(answers), "file chooser") {
    SetScriptChooser([this](HWND owner, bool forSaving, const std::string& preset) {
      return Answer({owner, forSaving, preset});
    });
  }
  ~ChooserStub() { SetScriptChooser({}); }
};

// One call of a program chooser.
struct ProgramCall {
  HWND Owner;
  ProgramFile Which;
  std::string Preset;
};

// Takes the place of the runtime and RPG Maker choosers of page 8000.
class ProgramChooserStub : public AnswerQueue<ProgramCall> {
 public:
  explicit ProgramChooserStub(std::vector<std::string> answers = {})
      : AnswerQueue(std::move(answers), "chooser") {
    SetProgramChooser([this](HWND owner, ProgramFile which, const std::string& preset) {
      return Answer({owner, which, preset});
    });
  }
  ~ProgramChooserStub() { SetProgramChooser({}); }
};

// Takes the place of starting Notepad: records the command lines and runs
// `edit` in Notepad's stead; `starts` says whether the start succeeds.
class NotepadStub {
 public:
  explicit NotepadStub(std::function<void()> edit = {}, bool starts = true) {
    SetNotepadLauncher([this, edit, starts](const std::string& commandLine) {
      commandLines_.push_back(commandLine);
      if (starts && edit) edit();
      return starts;
    });
  }
  ~NotepadStub() { SetNotepadLauncher({}); }
  NotepadStub(const NotepadStub&) = delete;
  NotepadStub& operator=(const NotepadStub&) = delete;

  const std::vector<std::string>& CommandLines() const { return commandLines_; }

 private:
  std::vector<std::string> commandLines_;
};

// A fresh, empty folder for one test, removed again when the object dies.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name) {
    path_ = std::filesystem::temp_directory_path() / ("wavoria-edA-" + name);
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string File(const std::string& name) const { return path_.string() + "\\" + name; }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// Makes a folder the current directory while it lives.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::string& folder) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    previous_ = previous;
    SetCurrentDirectoryA(folder.c_str());
  }
  ~CurrentDirectory() { SetCurrentDirectoryA(previous_.c_str()); }
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;

 private:
  std::string previous_;
};

// An editor as the program has it before the first window opens.
inline void ResetEditor() {
  AppState& app = App();
  app.Document.Clear();
  app.DocumentPath.clear();
  app.Modified = false;
  app.ScriptToOpen.clear();
  app.StartChoice = 0;
  app.Wizard = WizardSettings{};
  app.Tables.Actions = EditorActions();
  SetScriptChooser({});
  SetNotepadLauncher({});
  SimulateShortWriteAfter(-1);
}

// The edit buffer, through which the command dialogs take and give back a
// command.
inline ScriptCommand& Buffer() {
  return App().Document.EditBuffer();
}

// Appends a WriteToLog command with the given text to the document.
inline void AppendLog(const std::string& text) {
  CommandTable& table = App().Document;
  const int slot = table.InsertCommand(table.LastPosition() + 1);
  table.Slot(slot).Action = "WriteToLog";
  table.Slot(slot).Text = text;
  table.RebuildOrder();
}

inline std::string ReadFile(const std::string& path) {
  std::string bytes;
  ReadWholeFile(path, bytes);
  return bytes;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(WriteFileAtomically(path, bytes)) << path;
}

// The caption of the main window for a document path.
inline std::string MainCaption(const std::string& path = "") {
  return "Wavoria - " + (path.empty() ? std::string("Unbenannt") : path);
}

inline HWND& CommandWindow() {
  static HWND window = nullptr;
  return window;
}

// Ends a window that a command opened although it should not have, so that
// the test fails instead of waiting for it forever.
inline void CALLBACK EndUnexpectedWindow(HWND, UINT, UINT_PTR, DWORD) {
  HWND active = ActiveDialog();
  if (active == nullptr || active == CommandWindow()) return;
  ADD_FAILURE() << "'" << Caption(active) << "' opened unexpectedly";
  EndDialog(active, 0);
}

// Runs a command of the main window to its end; it must open no window.
inline void Command(HWND window, int id) {
  CommandWindow() = window;
  const UINT_PTR guard = SetTimer(nullptr, 0, 1500, EndUnexpectedWindow);
  SendMessageA(window, WM_COMMAND, id, 0);
  KillTimer(nullptr, guard);
}

// Posts a command: for commands that open a modal window.
inline void Post(HWND window, int id) {
  PostMessageA(window, WM_COMMAND, id, 0);
}

inline void Select(HWND window, int line) {
  SendDlgItemMessageA(window, IDC_MAIN_LIST, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
}

// Selects an item of a combo box.
inline void Select(HWND dialog, int id, int item) {
  SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

inline std::vector<std::string> Lines(HWND window) {
  std::vector<std::string> lines;
  for (int i = 0; i < ListCount(window, IDC_MAIN_LIST); ++i) {
    lines.push_back(ListLine(window, IDC_MAIN_LIST, i));
  }
  return lines;
}

// Ends the main window through the wizard hand-off, which asks nothing
// while the script has no unsaved changes.
inline void CloseMainWindow(HWND window) {
  App().Modified = false;
  Post(window, IDM_WIZARD);
}

// Queues the last step, `check` on the main window with `caption`, which
// then closes; and runs the main window through the steps of `driver`.
inline void FinishWith(DialogDriver& driver, const std::string& caption,
                       const std::function<void(HWND)>& check) {
  driver.Then(caption, [check](HWND w) {
    check(w);
    CloseMainWindow(w);
  });
  ASSERT_TRUE(driver.Run(ShowMainWindow)) << driver.Problems();
}

// Checks a message box: title, text, icon and buttons.
inline void ExpectBox(HWND box, const std::string& title, const std::string& text, LPCSTR icon,
                      std::vector<int> buttons) {
  EXPECT_EQ(Caption(box), title);
  EXPECT_EQ(MessageText(box), text);
  EXPECT_EQ(MessageIcon(box), icon);
  for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
    const bool wanted = std::find(buttons.begin(), buttons.end(), id) != buttons.end();
    EXPECT_EQ(HasButton(box, id), wanted) << "button " << id;
  }
}

inline void ExpectWarning(HWND box, const std::string& text) {
  ExpectBox(box, "Wavoria", text, IDI_EXCLAMATION, {IDOK});
}

// Queues on `driver` a warning box with `text`, answered with OK.
inline void ThenWarning(DialogDriver& driver, const std::string& text) {
  driver.Then("Wavoria", [text](HWND box) {
    ExpectWarning(box, text);
    Click(box, IDOK);
  });
}

inline void ExpectSavePrompt(HWND box) {
  ExpectBox(box, "Wavoria", "An der Datei wurden Änderungen vorgenommen. Jetzt speichern?",
            IDI_QUESTION, {IDYES, IDNO, IDCANCEL});
}

}  // namespace wavoria::testing
