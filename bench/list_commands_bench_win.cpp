// What a user waits for in the real main window under Windows or Wine: each
// list command from its message until the window has painted the result, on
// scripts of 10, 100 and 511 commands, and at 511 the commands on a range,
// Alle ersetzen and Weitersuchen. Dialogs that a command opens (the chooser,
// the log dialog, a message box) are answered as soon as they are active.
// Prints the median of several runs, the ratio of 511 to 10 commands, each
// command as a multiple of one details refresh, and the goals. Then the game
// overview: from the click on its menu item until it has painted a game of 50
// scripts of 511 commands and waits for the user.
#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>
#include <dlgs.h>
#include <uxtheme.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/command_list_view_win.h"
#include "app/editor_windows_win.h"
#include "app/file_choosers_win.h"
#include "app/find_replace_win.h"
#include "bench/generated_script.h"
#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "wizard/program_choosers_win.h"

namespace {

using namespace wavoria;
using wavoria::LineRange;

constexpr int kRuns = 21;
const int kSizes[] = {10, 100, 511};

// The dialog to answer when it becomes active, and the button that answers
// it; for the file chooser, the file to type into it before.
int answerButton = 0;
std::string chooserFile;
HHOOK hook = nullptr;

// When the last dialog came up (QueryPerformanceCounter).
LARGE_INTEGER dialogShown = {};

LRESULT CALLBACK AnswerDialogs(int code, WPARAM wparam, LPARAM lparam) {
  const auto dialog = reinterpret_cast<HWND>(wparam);
  // The main window, active again once a dialog closed, is no dialog to answer.
  if (code == HCBT_ACTIVATE && answerButton != 0 && dialog != App().MainWindow) {
    QueryPerformanceCounter(&dialogShown);
    if (!chooserFile.empty()) SetDlgItemTextA(dialog, edt1, chooserFile.c_str());
    PostMessageA(dialog, WM_COMMAND, answerButton, 0);
  }
  return CallNextHookEx(hook, code, wparam, lparam);
}

// Lets the window finish: everything posted is handled and every control
// that needs painting is painted.
void Finish(HWND window) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (!IsDialogMessageA(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
}

// The milliseconds from the start of `step` until the window has painted its
// result, and until the dialog it opened came up when `untilDialog` is given.
double Milliseconds(const std::function<void()>& step, HWND window, double* untilDialog = nullptr) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  step();
  Finish(window);
  QueryPerformanceCounter(&end);
  auto ms = [&](LARGE_INTEGER to) {
    return 1000.0 * static_cast<double>(to.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  };
  if (untilDialog != nullptr) *untilDialog = ms(dialogShown);
  return ms(end);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Command(HWND window, int id, int answer = 0) {
  answerButton = answer;
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  answerButton = 0;
}

// A selection as the user makes it: the list selects and tells its window.
void Select(HWND window, int line) {
  HWND list = GetDlgItem(window, IDC_MAIN_LIST);
  SendMessageA(list, LB_SETSEL, FALSE, -1);
  SendMessageA(list, LB_SETSEL, TRUE, line);
  SendMessageA(list, LB_SETCARETINDEX, static_cast<WPARAM>(line), FALSE);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_LIST, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

// Undo of the step just timed, then redo, each timed as "undo STEP" and
// "redo STEP"; afterwards the script is as the step left it.
void UndoAndRedo(HWND window, const std::string& step,
                 std::map<std::string, std::vector<double>>& times) {
  times["undo " + step].push_back(Milliseconds([&] { Command(window, IDM_UNDO); }, window));
  times["redo " + step].push_back(Milliseconds([&] { Command(window, IDM_REDO); }, window));
}

// Median milliseconds by script size and step.
using Figures = std::map<int, std::map<std::string, double>>;

// One run of every step on a script of `commands` commands, opened first.
void RunSteps(HWND window, const std::string& path, int commands,
              std::map<std::string, std::vector<double>>& times) {
  // The lines worked on are in the middle and hold the same kinds of command
  // at every size (those of lines 5 and 6 of the smallest script), so that
  // the sizes differ in nothing but their size.
  const int half = commands / 2 + 1, first = kSizes[0] / 2 + 1;
  const int middle = half - (half - first) % bench::kKinds;
  SetScriptChooser([&](HWND, bool, const std::string&) { return path; });
  App().History.SetModified(false);
  times["open"].push_back(Milliseconds([&] { Command(window, IDM_OPEN); }, window));
  SetScriptChooser({});
  // The same through the file chooser, the file typed into it.
  App().History.SetModified(false);
  chooserFile = path;
  times["open, chooser"].push_back(Milliseconds([&] { Command(window, IDM_OPEN, IDOK); }, window));
  chooserFile.clear();
  // They stay in the middle of the view, as when a user works on what they
  // see: no step has to scroll.
  SendDlgItemMessageA(window, IDC_MAIN_LIST, LB_SETTOPINDEX, std::max(middle - 5, 0), 0);
  Select(window, middle - 1);
  Finish(window);
  times["select"].push_back(Milliseconds([&] { Select(window, middle); }, window));
  times["move down"].push_back(Milliseconds([&] { Command(window, IDC_MAIN_DOWN); }, window));
  times["move up"].push_back(Milliseconds([&] { Command(window, IDC_MAIN_UP); }, window));
  UndoAndRedo(window, "move up", times);
  times["delete"].push_back(Milliseconds([&] { Command(window, IDC_MAIN_DELETE); }, window));
  UndoAndRedo(window, "delete", times);
  times["add"].push_back(
      Milliseconds([&] { Command(window, IDC_MAIN_ADD, IDC_CHOOSER_KEY_ON); }, window));
  Select(window, 1);  // the first command writes to the log
  Finish(window);
  times["edit"].push_back(
      Milliseconds([&] { Command(window, IDC_MAIN_EDIT, IDC_LOG_OK); }, window));
}

// A step on a range and its undo, each timed: the range is selected first
// (as Strg+A or Umschalt select it), untimed unless `selectTimed`.
void RangeStep(HWND window, const std::string& step, LineRange lines, int id,
               std::map<std::string, std::vector<double>>& times) {
  SelectLines(window, lines);
  Finish(window);
  times[step].push_back(Milliseconds([&] { Command(window, id); }, window));
  times["undo " + step].push_back(Milliseconds([&] { Command(window, IDM_UNDO); }, window));
}

// Clicks a button of the open find or replace box.
void BoxCommand(HWND window, int id) {
  HWND box = FindBox();
  answerButton = IDOK;  // the message boxes that follow
  SendMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  answerButton = 0;
  Finish(window);
}

// The commands on ranges at 511 commands, Alle ersetzen and Weitersuchen,
// once each on the script opened at `path`.
void RunRangeSteps(HWND window, const std::string& path,
                   std::map<std::string, std::vector<double>>& times) {
  SetScriptChooser([&](HWND, bool, const std::string&) { return path; });
  App().History.SetModified(false);
  Command(window, IDM_OPEN);
  SetScriptChooser({});
  Finish(window);
  times["select all, delete"].push_back(Milliseconds(
      [&] { Command(window, IDM_SELECT_ALL), Command(window, IDM_DELETE_COMMAND); }, window));
  times["undo select all, delete"].push_back(
      Milliseconds([&] { Command(window, IDM_UNDO); }, window));
  // 255 commands cut and pasted back in the middle of the remaining 256.
  SelectLines(window, {1, 255});
  Command(window, IDM_CUT);
  RangeStep(window, "paste 255", 128, IDM_PASTE, times);
  Command(window, IDM_REDO);
  RangeStep(window, "move up 100", {200, 299}, IDC_MAIN_UP, times);
  // 100 commands cut, and another 100 duplicated to fill the table again.
  SelectLines(window, {1, 100});
  Command(window, IDM_CUT);
  RangeStep(window, "duplicate 100", {150, 249}, IDM_DUPLICATE, times);
  Command(window, IDM_REDO);
  Finish(window);
  // Alle ersetzen over every command: an r in most values, a key name and a
  // program's Type among them, which their dialogs refuse.
  Select(window, 1);
  Command(window, IDM_REPLACE);
  SetDlgItemTextA(FindBox(), edt1, "r");
  SetDlgItemTextA(FindBox(), edt2, "R");
  CheckDlgButton(FindBox(), chx2, BST_CHECKED);
  double untilTold = 0;
  times["replace all"].push_back(
      Milliseconds([&] { BoxCommand(window, psh2); }, window, &untilTold));
  times["replace all, until told"].push_back(untilTold);
  Command(window, IDM_UNDO);
  // Weitersuchen from the first command to the 507th, through the list lines
  // and details of all between.
  SendMessageA(FindBox(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  Command(window, IDM_FIND);
  SetDlgItemTextA(FindBox(), edt1, "Schritt 506 ");
  BoxCommand(window, IDOK);
  SendMessageA(FindBox(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  Select(window, 1);
  Finish(window);
  times["find next"].push_back(Milliseconds([&] { Command(window, IDM_FIND_NEXT); }, window));
}

std::string WriteScript(int commands) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string path =
      std::string(folder) + "wavoria-bench-" + std::to_string(commands) + ".script.wav";
  std::ofstream(path, std::ios::binary) << bench::GeneratedScript(commands);
  return path;
}

// The game overview: the time from the click until its window has painted
// the game and waits for the user (its loop tells the main window it is idle),
// when it is closed again.
double overviewShown = 0;
LARGE_INTEGER overviewStart;
HHOOK idleHook = nullptr;

LRESULT CALLBACK OverviewIdle(int code, WPARAM wparam, LPARAM lparam) {
  const auto& message = *reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && message.message == WM_ENTERIDLE && message.wParam == MSGF_DIALOGBOX &&
      overviewShown == 0) {
    GdiFlush();
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    overviewShown = 1000.0 * static_cast<double>(now.QuadPart - overviewStart.QuadPart) /
                    static_cast<double>(frequency.QuadPart);
    PostMessageA(reinterpret_cast<HWND>(message.lParam), WM_COMMAND, IDCANCEL, 0);
  }
  return CallNextHookEx(idleHook, code, wparam, lparam);
}

// The median time from the click on "Spielübersicht…" until the overview of
// a game of `scripts` scripts of `commands` commands is shown.
double OverviewMilliseconds(HWND window, int scripts, int commands) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string game = std::string(temp) + "wavoria-bench-game-" + std::to_string(scripts);
  bench::WriteGeneratedGame(game, scripts, commands);
  SetProgramChooser([&](HWND, ProgramFile, const std::string&) { return game + "\\RPG_RT.EXE"; });
  idleHook = SetWindowsHookExA(WH_CALLWNDPROC, OverviewIdle, nullptr, GetCurrentThreadId());
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    overviewShown = 0;
    QueryPerformanceCounter(&overviewStart);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDM_GAME_OVERVIEW, 0), 0);
    Finish(window);
    times.push_back(overviewShown);
  }
  UnhookWindowsHookEx(idleHook);
  SetProgramChooser({});
  std::filesystem::remove_all(game);
  return Median(times);
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  SetEndProgramHandler([] {});
  App().Tables.Actions = bench::Actions();
  App().Tables.Keys = ParseKeyNames("\"Space\",57\n\"Enter\",28\n");
  hook = SetWindowsHookExA(WH_CBT, AnswerDialogs, nullptr, GetCurrentThreadId());

  // The sizes take turns run by run, so that a busy machine slows them alike.
  HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                   MainWindowProc, 0);
  ShowWindow(window, SW_SHOW);
  Finish(window);
  std::map<int, std::string> paths;
  for (int commands : kSizes) paths[commands] = WriteScript(commands);
  std::map<int, std::map<std::string, std::vector<double>>> times;
  for (int run = 0; run < kRuns; ++run) {
    for (int commands : kSizes) RunSteps(window, paths[commands], commands, times[commands]);
    RunRangeSteps(window, paths[511], times[511]);
  }
  const double smallGame = OverviewMilliseconds(window, 12, 10);
  const double largeGame = OverviewMilliseconds(window, 50, 511);
  DestroyWindow(window);
  Figures figures;
  for (int commands : kSizes) {
    DeleteFileA(paths[commands].c_str());
    for (const auto& [step, values] : times[commands]) figures[commands][step] = Median(values);
  }
  UnhookWindowsHookEx(hook);

  // clang-format off
  const char* steps[] = {"move up", "move down", "delete", "add", "edit", "select", "open",
                         "open, chooser", "undo move up", "redo move up", "undo delete",
                         "redo delete"};
  // clang-format on
  std::printf("visual styles (theme): %s\n", IsThemeActive() ? "on" : "off");
  std::printf("%-14s %9s %9s %9s %9s %9s %10s\n", "ms (median)", "10", "100", "511", "511/10",
              "511/100", "/select");
  bool met = true;
  for (const char* step : steps) {
    const double small = figures[10][step], large = figures[511][step];
    const double refreshes = large / figures[511]["select"];
    std::printf("%-14s %9.2f %9.2f %9.2f %9.2f %9.2f %10.2f\n", step, small, figures[100][step],
                large, large / small, large / figures[100][step], refreshes);
  }
  auto goal = [&](const char* what, double value, double limit) {
    std::printf("%-44s %6.2f (at most %.1f) %s\n", what, value, limit,
                value <= limit ? "met" : "MISSED");
    met = met && value <= limit;
  };
  for (const char* step : {"move up", "move down", "delete", "add", "edit"}) {
    goal((std::string(step) + ": 511 against 10 commands").c_str(),
         figures[511][step] / figures[10][step], 1.2);
  }
  // Undo and redo cost what the step they take back or do again costs, at
  // any size.
  for (const char* step : {"move up", "delete"}) {
    for (const std::string what : {"undo ", "redo "}) {
      goal((what + step + ": 511 against 10 commands").c_str(),
           figures[511][what + step] / figures[10][what + step], 1.2);
      goal((what + step + " against " + step + " (511)").c_str(),
           figures[511][what + step] / figures[511][step], 1.0);
    }
  }
  // A list command the user sees done within one frame of the screen.
  for (const char* step : {"move up", "move down", "delete", "select", "undo move up",
                           "redo move up", "undo delete", "redo delete"}) {
    for (int commands : kSizes) {
      goal((std::string(step) + " at " + std::to_string(commands) + " commands, ms").c_str(),
           figures[commands][step], 16.0);
    }
  }
  // The commands on ranges at 511 commands, each against a single Löschen.
  std::printf("\n%-26s %9s %9s\n", "at 511 commands", "ms", "/delete");
  const double single = figures[511]["delete"];
  for (const char* step : {"select all, delete", "paste 255", "move up 100", "duplicate 100"}) {
    for (const std::string what : {"", "undo "}) {
      const double ms = figures[511][what + step];
      std::printf("%-26s %9.2f %9.2f\n", (what + step).c_str(), ms, ms / single);
      goal((what + step + ", ms").c_str(), ms, 50.0);
      goal((what + step + " against a single delete").c_str(), ms / single, 4.0);
    }
  }
  goal("replace all over 511 commands, ms", figures[511]["replace all"], 50.0);
  std::printf("%-44s %6.2f (until its message box comes up)\n", "replace all, ms",
              figures[511]["replace all, until told"]);
  goal("find next through 505 commands, ms", figures[511]["find next"], 16.0);
  // Without the chooser's dialog: what the window itself pays, no goal.
  std::printf("%-44s %6.2f (the window's own part)\n", "open without the chooser: 511 against 10",
              figures[511]["open"] / figures[10]["open"]);
  goal("open through the chooser: 511 against 10",
       figures[511]["open, chooser"] / figures[10]["open, chooser"], 1.5);
  std::printf("%-44s %6.2f (a small game, for comparison)\n",
              "game overview of 12 x 10 commands shown, ms", smallGame);
  goal("game overview of 50 x 511 commands shown, ms", largeGame, 300.0);
  return met ? 0 : 1;
}
