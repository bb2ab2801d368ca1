// Helpers of the Win32 tests: a clean editor state, the chooser and Notepad
// seams, process ends and shortcuts for the main window. Temporary folders and
// file bytes come from the core tests' helpers.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
// windows.h first: shlobj.h needs its types.
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/command_list_view_win.h"
#include "app/editor_windows_win.h"
#include "app/file_choosers_win.h"
#include "app/file_commands_win.h"
#include "dialog_driver.h"
#include "document/list_lines.h"
#include "platform/file_io.h"
#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"
#include "tests/cli/linux_under_wine_win.h"
#include "tests/core/test_support.h"
#include "wizard/program_choosers_win.h"

namespace wavoria::testing {

// Sets a test hook back when the test's scope ends, also after a failed
// ASSERT: every hook a test sets is undone through one.
class Restore {
 public:
  explicit Restore(std::function<void()> undo) : undo_(std::move(undo)) {}
  Restore(const Restore&) = delete;
  Restore& operator=(const Restore&) = delete;
  ~Restore() { undo_(); }

 private:
  std::function<void()> undo_;
};

inline void ProcessEndIsAFailure() {
  ADD_FAILURE() << "the program tried to end the process";
}

// Counts the calls of a program function that Set replaces while it lives;
// then hands Set the handler `after`.
template <void (*Set)(void (*)()), void (*after)()>
struct CallCounter {
  CallCounter() {
    Set([] { ++count_; }), count_ = 0;
  }
  ~CallCounter() { Set(after); }
  int Count() const { return count_; }
  static inline int count_ = 0;
};
// The program's attempts to end the process.
using ProcessEndCounter = CallCounter<SetEndProgramHandler, ProcessEndIsAFailure>;
// The refusals the program sounds.
using RefusalCounter = CallCounter<SetRefusalHandler, nullptr>;

// Takes the place of the script choosers and of the wizard's program
// choosers: answers with queued paths in order ("" for a cancel); a call with
// no answer left is a failure. Keeps the path each program chooser was
// preset with.
class ChooserStub {
 public:
  explicit ChooserStub(std::vector<std::string> answers = {}) : answers_(std::move(answers)) {
    SetScriptChooser([this](HWND, bool, const std::string&) { return Answer(); });
    SetProgramChooser([this](HWND, ProgramFile, const std::string& preset) {
      Presets.push_back(preset);
      return Answer();
    });
  }
  ~ChooserStub() { SetScriptChooser({}), SetProgramChooser({}); }
  std::vector<std::string> Presets;

 private:
  std::string Answer() {
    EXPECT_LT(next_, answers_.size()) << "an unexpected chooser opened";
    return next_ < answers_.size() ? answers_[next_++] : "";
  }
  std::vector<std::string> answers_;
  size_t next_ = 0;
};

// An editor as the program has it before the first window opens.
inline void ResetEditor() {
  ResetToNewScript();
  App().ScriptToOpen.clear();
  App().StartChoice = 0;
  App().Wizard = WizardSettings{};
  App().Tables.Actions = EditorActions();
  SimulateShortWriteAfter(-1);
}

// A test that starts from a clean editor and drives its windows.
class EditorWindows : public ::testing::Test {
 protected:
  void SetUp() override { ResetEditor(); }
  DialogDriver driver;
};

inline ScriptCommand& Buffer() {
  return App().Document.EditBuffer();
}

// Appends a WriteToLog command with the given text to the document.
inline void AppendLog(const std::string& text) {
  const int slot = App().Document.InsertCommand(App().Document.LastPosition() + 1);
  App().Document.Change(slot).Action = "WriteToLog";
  App().Document.Change(slot).Text = text;
  App().Document.RebuildOrder();
}

// A file or folder of the source tree's data folder, as this program reaches
// it (Wine's Z: drive).
inline std::string SourceData(const std::string& name) {
  return "Z:" + std::string(__FILE__) + "/../../../data/" + name;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(WriteFileAtomically(path, bytes)) << path;
}

// The pixels of a window as the screen shows it, row by row: with its frame,
// or only its client area.
struct Picture {
  LONG Width = 0;
  std::vector<DWORD> Pixels;
};
inline Picture WindowPicture(HWND window, bool client = false) {
  RECT r{};
  client ? GetClientRect(window, &r) : GetWindowRect(window, &r);
  OffsetRect(&r, -r.left, -r.top);
  HDC screen = client ? GetDC(window) : GetWindowDC(window), memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  SelectObject(memory, bitmap), BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
  DeleteDC(memory);
  BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB}};
  Picture picture{r.right, std::vector<DWORD>(size_t(r.right) * r.bottom)};
  GetDIBits(screen, bitmap, 0, r.bottom, picture.Pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap), ReleaseDC(window, screen);
  return picture;
}

// Whether two pictures are alike; if not, the first pixel (x, y) that differs.
inline ::testing::AssertionResult SamePicture(const Picture& a, const Picture& b) {
  if (a.Width != b.Width || a.Pixels.size() != b.Pixels.size()) {
    return ::testing::AssertionFailure() << "the window's size changed";
  }
  const auto at = std::ranges::mismatch(a.Pixels, b.Pixels).in1 - a.Pixels.begin();
  if (at == std::ssize(a.Pixels)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "pixels differ from (" << at % a.Width << ", " << at / a.Width << ") on";
}

// The GDI objects and the process and thread handles this process holds,
// to see that a step leaves none behind. Wine does not count GDI objects, so
// there every slot of its table is asked (it takes a GDI handle by its slot
// alone). Of the kernel handles only those of processes and threads are
// counted: the system opens and caches others (registry keys) on first use.
inline int GdiObjects() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return int(n);
  int n = 0;
  for (ULONG_PTR slot = 1; slot < 0x10000; ++slot) n += GetObjectType(HGDIOBJ(slot)) != 0;
  return n;
}
inline int ProcessAndThreadHandles() {
  int n = 0;
  for (ULONG_PTR h = 4; h < 0x10000; h += 4) {
    n += GetProcessId(HANDLE(h)) != 0 || GetThreadId(HANDLE(h)) != 0;
  }
  return n;
}

// Paints a window and its frame again, as a full repaint does.
constexpr UINT kFullRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW;

// Runs a command of a window to its end (for commands that open nothing; Click
// posts the commands that open a modal window).
inline void Command(HWND window, int id) {
  SendMessageA(window, WM_COMMAND, id, 0);
}
inline std::vector<std::string> Lines(HWND window) {
  std::vector<std::string> lines(SendDlgItemMessageA(window, IDC_MAIN_LIST, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < int(lines.size()); ++i) {
    lines[i].resize(SendDlgItemMessageA(window, IDC_MAIN_LIST, LB_GETTEXTLEN, i, 0));
    SendDlgItemMessageA(window, IDC_MAIN_LIST, LB_GETTEXT, i, LPARAM(lines[i].data()));
  }
  return lines;
}

// The screen point in the middle of a line of the list.
inline POINT PointOfLine(HWND window, int line) {
  RECT r{};
  SendDlgItemMessageA(window, IDC_MAIN_LIST, LB_GETITEMRECT, line, LPARAM(&r));
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(GetDlgItem(window, IDC_MAIN_LIST), &p);
  return p;
}

// The logged texts of the list, one letter per command.
inline std::string Texts(HWND window) {
  std::string texts;
  for (const std::string& line : Lines(window)) texts += line.back();
  return texts.substr(1, texts.size() - 2);
}

// Ends the main window through the wizard hand-off, which asks nothing
// while the script has no unsaved changes.
inline void CloseMainWindow(HWND window) {
  App().History.SetModified(false);
  Click(window, IDM_WIZARD);
}

// Queues `check` on the main window captioned `caption`, which then closes,
// and runs the main window through the steps of `driver`.
inline void FinishWith(DialogDriver& driver, const std::string& caption,
                       const std::function<void(HWND)>& check) {
  driver.Then(caption, [check](HWND w) { check(w), CloseMainWindow(w); });
  ASSERT_TRUE(driver.Run(ShowMainWindow, 20000)) << driver.Problems();
}

// Queues a step that checks a message box: its title, its text, its standard
// icon (nullptr for none), which of OK, Abbrechen, Ja and Nein it has and that
// the window under it owns it; then it presses `answer`.
inline void ThenBox(DialogDriver& driver, std::string_view title, std::string_view shownText,
                    LPCSTR icon, std::vector<int> buttons, int answer) {
  std::ranges::sort(buttons);
  driver.Then(std::string(title), [=, &driver, text = std::string(shownText)](HWND box) {
    std::vector<int> shown;
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
      if (GetDlgItem(box, id) != nullptr) shown.push_back(id);
    }
    HICON image = nullptr;  // of the first visible control that shows one
    for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      if (image == nullptr && IsWindowVisible(c)) image = HICON(SendMessageA(c, STM_GETICON, 0, 0));
    }
    // The text is the static 0xFFFF.
    EXPECT_EQ(std::tuple(GetItemText(box, 0xFFFF), image, shown, GetWindow(box, GW_OWNER)),
              std::tuple(text, icon ? LoadIconA(nullptr, icon) : nullptr, buttons, driver.Under()));
    Click(box, answer);
  });
}

// Drops files on a window, as the shell hands them over (WM_DROPFILES); the
// window frees them.
inline void Drop(HWND window, const std::vector<std::string>& files) {
  std::string names;
  for (const std::string& file : files) names += file + '\0';
  names += '\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  std::copy(names.begin(), names.end(), reinterpret_cast<char*>(drop + 1));
  GlobalUnlock(memory);
  PostMessageA(window, WM_DROPFILES, WPARAM(memory), 0);
}

// Runs this test program again as a second process with `arguments`, answers
// the messages it sends until it ends (at most 20 s) and returns its exit code.
inline DWORD RunSecondProgram(const std::string& arguments) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const HANDLE process = cli::StartProgram("\"" + std::string(self) + "\" " + arguments);
  if (process == nullptr) return 1;
  for (const DWORD end = GetTickCount() + 20000;
       GetTickCount() < end && WaitForSingleObject(process, 0) == WAIT_TIMEOUT;) {
    Pump(20);
  }
  TerminateProcess(process, 1);  // one that did not end in time
  DWORD code = 1;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return code;
}

}  // namespace wavoria::testing
