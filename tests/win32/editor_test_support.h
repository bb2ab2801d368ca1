// Helpers of the Win32 tests: a clean editor state, the chooser and Notepad
// seams, process ends, temporary folders and shortcuts for the main window.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/app_state_win.h"
#include "app/editor_windows_win.h"
#include "app/file_choosers_win.h"
#include "app/file_commands_win.h"
#include "dialog_driver.h"
#include "document/file_io.h"
#include "resources/resource_ids.h"
#include "tests/worked_example.h"
#include "wizard/program_choosers_win.h"

namespace wavoria::testing {

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
  int Count() const { return count_; }

 private:
  static inline int count_ = 0;
};

struct ChooserCall {
  HWND Owner;
  bool ForSaving;
  std::string Preset;
};

// Takes the place of the script choosers and of the wizard's program
// choosers: answers with queued paths in order ("" for a cancel) and records
// every call; a call with no answer left is a failure.
class ChooserStub {
 public:
  explicit ChooserStub(std::vector<std::string> answers = {})
      : answers_(answers.begin(), answers.end()) {
    SetScriptChooser([this](HWND owner, bool saving, const std::string& preset) {
      return Answer({owner, saving, preset});
    });
    SetProgramChooser([this](HWND owner, ProgramFile, const std::string& preset) {
      return Answer({owner, false, preset});
    });
  }
  ~ChooserStub() {
    SetScriptChooser({});
    SetProgramChooser({});
  }
  const std::vector<ChooserCall>& Calls() const { return calls_; }

 private:
  std::string Answer(ChooserCall call) {
    calls_.push_back(std::move(call));
    if (answers_.empty()) ADD_FAILURE() << "an unexpected chooser opened";
    if (answers_.empty()) return {};
    std::string answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  std::deque<std::string> answers_;
  std::vector<ChooserCall> calls_;
};
using ProgramChooserStub = ChooserStub;

// Takes the place of starting Notepad: records the command lines and runs
// `edit` in Notepad's stead.
class NotepadStub {
 public:
  explicit NotepadStub(std::function<void()> edit = {}) {
    SetNotepadLauncher([this, edit](const std::string& commandLine) {
      commandLines_.push_back(commandLine);
      if (edit) edit();
      return true;
    });
  }
  ~NotepadStub() { SetNotepadLauncher({}); }
  const std::vector<std::string>& CommandLines() const { return commandLines_; }

 private:
  std::vector<std::string> commandLines_;
};

// A fresh, empty folder for one test (its name in the ANSI code page), removed
// with everything in it when the object dies.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    path_ = std::string(temp, GetTempPathA(MAX_PATH, temp)) + "wavoria-test " + name;
    wide_.resize(MultiByteToWideChar(CP_ACP, 0, path_.c_str(), -1, nullptr, 0) - 1);
    MultiByteToWideChar(CP_ACP, 0, path_.c_str(), -1, wide_.data(), int(wide_.size()) + 1);
    std::error_code ec;
    std::filesystem::remove_all(wide_, ec);
    std::filesystem::create_directories(wide_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(wide_, ec);
  }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  std::string Path() const { return path_; }

 private:
  std::string path_;
  std::wstring wide_;
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

inline std::string MainCaption(const std::string& path = "") {
  return "Wavoria - " + (path.empty() ? std::string("Unbenannt") : path);
}

// Runs a command of the main window to its end (for commands that open nothing).
inline void Command(HWND window, int id) {
  SendMessageA(window, WM_COMMAND, id, 0);
}
// Posts a command: for commands that open a modal window.
inline void Post(HWND window, int id) {
  PostMessageA(window, WM_COMMAND, id, 0);
}
inline void Select(HWND window, int line) {
  SendDlgItemMessageA(window, IDC_MAIN_LIST, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
}
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

// Queues `check` on the main window captioned `caption`, which then closes,
// and runs the main window through the steps of `driver`.
inline void FinishWith(DialogDriver& driver, const std::string& caption,
                       const std::function<void(HWND)>& check) {
  driver.Then(caption, [check](HWND w) {
    check(w);
    CloseMainWindow(w);
  });
  ASSERT_TRUE(driver.Run(ShowMainWindow, 20000)) << driver.Problems();
}

// Checks a message box: title, text, icon and which of OK, Abbrechen, Ja, Nein it has.
inline void ExpectBox(HWND box, const std::string& title, const std::string& text, LPCSTR icon,
                      std::vector<int> buttons) {
  EXPECT_EQ(Caption(box), title);
  EXPECT_EQ(MessageText(box), text);
  EXPECT_EQ(MessageIcon(box), icon);
  for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
    EXPECT_EQ(HasButton(box, id), std::count(buttons.begin(), buttons.end(), id) > 0) << id;
  }
}
inline void ExpectWarning(HWND box, const std::string& text) {
  ExpectBox(box, "Wavoria", text, IDI_EXCLAMATION, {IDOK});
}
// Queues a warning box with `text`, answered with OK.
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
