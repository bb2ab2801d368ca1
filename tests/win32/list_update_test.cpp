// The main window's list box after list commands: exactly what a full rebuild
// shows, and the keyboard focus back on the list even after a command that
// did nothing.
#include <gtest/gtest.h>

#include <random>

#include "app/editor_commands.h"
#include "document/list_lines.h"
#include "document/script_reader.h"
#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;

struct MainWindow {
  explicit MainWindow(const std::string& script) {
    App().Tables.Actions = ParseActionNames("WriteToLog,1\nEnableKeySupport,6\n");
    ParseScript(script, App().Tables.Actions, App().Document);
    App().DocumentPath.clear();
    window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                MainWindowProc, 0);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
  }
  ~MainWindow() { DestroyWindow(window); }
  HWND window;
};
std::string Script(int commands) {
  std::string text = "[Execute]\r\n";
  for (int i = 0; i < commands; ++i) {
    text += i % 3 ? "Action=WriteToLog\r\nText=Zeile " + std::to_string(i) + "\r\n"
                  : "Action=EnableKeySupport\r\nEnable=True\r\n";
    if (i + 1 < commands)
      text += "Next=S" + std::to_string(i) + "\r\n[S" + std::to_string(i) + "]\r\n";
  }
  return text;
}

TEST(ListBox, RandomListCommandsShowWhatAFullRebuildShows) {
  MainWindow main(Script(60));
  std::mt19937 random(7);
  const int commands[] = {IDC_MAIN_DELETE, IDC_MAIN_UP, IDC_MAIN_DOWN};
  for (int step = 0; step < 150; ++step) {
    const int line = int(random() % ListCount(main.window, IDC_MAIN_LIST));
    Select(main.window, line);
    CommandTable expected = App().Document;
    const int id = commands[random() % 3];
    auto change = id == IDC_MAIN_DELETE ? DeleteAt : id == IDC_MAIN_UP ? MoveUpAt : MoveDownAt;
    const std::optional<int> selected = change(expected, line);
    expected.RebuildOrder();
    Command(main.window, id);
    ASSERT_EQ(Lines(main.window), BuildListLines(expected)) << "step " << step;
    ASSERT_EQ(Selection(main.window, IDC_MAIN_LIST), selected.value_or(line)) << "step " << step;
  }
}

TEST(ListBox, ACommandThatDoesNothingLeavesTheFocusOnTheList) {
  MainWindow main(Script(3));  // line 1 turns key support on: it has no dialog
  Select(main.window, 1);
  auto key = [](int code, DWORD flags) {
    INPUT input = {INPUT_KEYBOARD, {.ki = {WORD(code), 0, flags, 0, 0}}};
    SendInput(1, &input, sizeof input);
  };
  for (int code : {VK_MENU, int('E')}) key(code, 0);  // Alt+E: "B&earbeiten"
  for (int code : {int('E'), VK_MENU, VK_DOWN}) key(code, KEYEVENTF_KEYUP);
  key(VK_DOWN, 0);
  key(VK_DOWN, KEYEVENTF_KEYUP);
  for (const DWORD end = GetTickCount() + 300; GetTickCount() < end; Sleep(10)) {
    for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
      if (!IsDialogMessageA(main.window, &msg)) DispatchMessageA(&msg);
    }
  }
  EXPECT_EQ(GetFocus(), GetDlgItem(main.window, IDC_MAIN_LIST));
  EXPECT_EQ(Selection(main.window, IDC_MAIN_LIST), 2);
}

}  // namespace
}  // namespace wavoria
