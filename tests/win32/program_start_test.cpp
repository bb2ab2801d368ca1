// The program itself, started as a process the way a user starts it: without
// its data files it says which one is missing and ends with exit code 0;
// with a script named on the command line (split at its blanks) it opens the
// editor on it at once.
#include <gtest/gtest.h>

#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;

// The program built beside the tests: <build>\wavoria.exe, the tests being
// <build>\tests\win32\win32_tests.exe.
std::string BuiltProgram() {
  char name[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, name, MAX_PATH);
  std::string path = name;
  for (int i = 0; i < 3; ++i) path = path.substr(0, path.rfind('\\'));
  return path + "\\wavoria.exe";
}

struct FoundWindow {
  DWORD Process;
  std::string Class;
  HWND Window = nullptr;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM param) {
  auto* wanted = reinterpret_cast<FoundWindow*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (process == wanted->Process && IsWindowVisible(window) && wanted->Class == name) {
    wanted->Window = window;
    return FALSE;
  }
  return TRUE;
}

// Waits up to 20 seconds for a visible dialog window of the process.
HWND WaitForDialog(DWORD process) {
  for (int i = 0; i < 400; ++i) {
    FoundWindow found{process, "#32770"};
    EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&found));
    if (found.Window != nullptr) return found.Window;
    Sleep(50);
  }
  return nullptr;
}

class ProgramProcess {
 public:
  ProgramProcess(const std::string& program, const std::string& arguments,
                 const std::string& folder) {
    std::string line = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &startup, &info_);
  }
  ~ProgramProcess() {
    if (!started_) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  bool Started() const { return started_; }
  DWORD Id() const { return info_.dwProcessId; }
  // The exit code once it ended within 20 seconds, else -1.
  long ExitCode() {
    if (WaitForSingleObject(info_.hProcess, 20000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
  }

 private:
  PROCESS_INFORMATION info_ = {};
  bool started_ = false;
};

TEST(ProgramStart, AMissingDataFileIsReportedAndTheProgramEndsWithCodeZero) {
  const std::string built = BuiltProgram();
  ASSERT_TRUE(FileExists(built)) << built;
  struct Case {
    const char* name;
    bool withKeys;
    std::string message;
  };
  const Case cases[] = {
      {"no data files", false, "Die Datei 'keys.dat' wurde nicht gefunden."},
      {"keys.dat only", true, "Die Datei 'actions.dat' wurde nicht gefunden."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder("start-missing");
    const std::string program = folder.File("wavoria.exe");
    ASSERT_TRUE(CopyFileA(built.c_str(), program.c_str(), FALSE));
    if (c.withKeys) WriteFile(folder.File("keys.dat"), "\"Enter\",28\r\n");
    ProgramProcess process(program, "", folder.Path());
    ASSERT_TRUE(process.Started());
    HWND box = WaitForDialog(process.Id());
    ASSERT_NE(box, nullptr) << "no message box appeared";
    EXPECT_EQ(Caption(box), "Wavoria");
    EXPECT_EQ(MessageText(box), c.message);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_TRUE(HasButton(box, IDOK));
    EXPECT_FALSE(HasButton(box, IDCANCEL));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(process.ExitCode(), 0);
  }
}

TEST(ProgramStart, AScriptOnTheCommandLineOpensTheEditorAtOnce) {
  const std::string built = BuiltProgram();
  ASSERT_TRUE(FileExists(built)) << built;
  TempFolder folder("start-script");
  const std::string program = folder.File("wavoria.exe");
  ASSERT_TRUE(CopyFileA(built.c_str(), program.c_str(), FALSE));
  WriteFile(folder.File("keys.dat"), "\"Enter\",28\r\n");
  WriteFile(folder.File("actions.dat"), "\"WriteToLog\",1\r\n");
  const std::string script = folder.File("Mein  Skript.script.wav");
  WriteFile(script, "[Execute]\r\nAction=WriteToLog\r\nText=Hallo\r\nNext=\r\n");
  // The blanks split the path into arguments; joined with one blank each.
  WriteFile(folder.File("Mein Skript.script.wav"),
            "[Execute]\r\nAction=WriteToLog\r\nText=Hallo\r\nNext=\r\n");
  ProgramProcess process(program, "  " + folder.File("Mein") + "   Skript.script.wav ",
                         folder.Path());
  ASSERT_TRUE(process.Started());
  HWND window = WaitForDialog(process.Id());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Caption(window), "Wavoria - " + folder.File("Mein Skript.script.wav"));
  // The script line, the command and the end line. (Line texts do not cross
  // process borders; their count does.)
  EXPECT_EQ(SendDlgItemMessageA(window, IDC_MAIN_LIST, LB_GETCOUNT, 0, 0), 3);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.ExitCode(), 0);
}

}  // namespace
}  // namespace wavoria
