// Drives the real modal dialogs and message boxes of this thread from inside
// their modal loops: a thread timer looks for the active dialog (a visible,
// enabled "#32770" window of this thread), and when its caption is the one
// the next step waits for, runs that step on it. Past the time limit every
// dialog still open is ended, the topmost first, also one left disabled (it
// waits for a window that never closes), and the run fails instead of
// hanging. A message box is owned by the window under it: the last one a
// step acted on that is still open.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "shell/win_util_win.h"

namespace wavoria::testing {

// The topmost visible dialog of this thread; only an enabled one (the active
// dialog) if `enabled`.
inline HWND TopDialog(bool enabled = true) {
  std::pair<HWND, bool> found = {nullptr, enabled};
  auto find = [](HWND w, LPARAM data) -> BOOL {
    auto& [dialog, enabledOnly] = *reinterpret_cast<std::pair<HWND, bool>*>(data);
    char name[16] = {};
    GetClassNameA(w, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(w) && (!enabledOnly || IsWindowEnabled(w)))
      dialog = w;
    return dialog == nullptr;
  };
  EnumThreadWindows(GetCurrentThreadId(), find, reinterpret_cast<LPARAM>(&found));
  return found.first;
}

// Whether a window's caption is the one a step waits for. A main window's
// caption matches with the mark of unsaved changes too ("Wavoria - *..."):
// the tests of the mark look at the title themselves.
inline bool CaptionMatches(std::string shown, const std::string& wanted) {
  if (const std::size_t mark = shown.find(" - *"); mark != std::string::npos)
    shown.erase(mark + 3, 1);
  return shown == wanted;
}

class DialogDriver {
 public:
  using Action = std::function<void(HWND)>;

  // Queues a step: wait for an active dialog captioned `caption`, then run
  // `action` on it (which should end with a click that closes it or opens
  // the next one).
  DialogDriver& Then(std::string caption, Action action) {
    steps_.push_back({std::move(caption), std::move(action)});
    return *this;
  }

  // Runs `open`, which shows a modal window and returns when it closes, while
  // the queued steps act on what it shows. True when every step ran in time.
  bool Run(const std::function<void()>& open, int limitMs = 8000) {
    problems_.clear(), seen_.clear();
    current_ = this;
    deadline_ = GetTickCount() + static_cast<DWORD>(limitMs);
    const UINT_PTR timer = SetTimer(nullptr, 0, 15, OnTimer);
    open();
    KillTimer(nullptr, timer);
    current_ = nullptr;
    if (!steps_.empty()) problems_ += "steps left, the next waits for " + steps_.front().first;
    steps_.clear();
    return problems_.empty();
  }
  const std::string& Problems() const { return problems_; }
  HWND Under() const { return under_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    DialogDriver* d = current_;
    if (d == nullptr || d->busy_) return;
    d->busy_ = true;
    HWND active = TopDialog();
    if (static_cast<LONG>(GetTickCount() - d->deadline_) > 0) {
      if (HWND open = TopDialog(false)) {
        d->problems_ += "timed out with '" + GetWindowString(open) + "'" +
                        (IsWindowEnabled(open) ? "" : " (disabled)") + " open\n";
        EndDialog(open, 0);
      } else {
        if (!d->steps_.empty()) d->problems_ += "timed out with no dialog open\n";
        EndMenu();  // a popup menu's own loop
      }
      d->steps_.clear();
    } else if (active != nullptr && !d->steps_.empty() &&
               CaptionMatches(GetWindowString(active), d->steps_.front().first)) {
      Action step = std::move(d->steps_.front().second);
      d->steps_.pop_front();
      d->under_ = nullptr;
      for (HWND w : d->seen_) d->under_ = IsWindow(w) ? w : d->under_;
      d->seen_.push_back(active);
      step(active);
    }
    d->busy_ = false;
  }
  std::deque<std::pair<std::string, Action>> steps_;
  std::vector<HWND> seen_;  // the windows the steps acted on
  HWND under_ = nullptr;
  std::string problems_;
  DWORD deadline_ = 0;
  bool busy_ = false;
  static inline DialogDriver* current_ = nullptr;
};

// Presses a button or chooses a menu item as a click does, or the close box
// for kCloseBox (posted: it acts after the step returns).
inline constexpr int kCloseBox = 0;
inline void Click(HWND dialog, int id) {
  if (id == kCloseBox)
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  else
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}

// Handles this thread's messages for `ms` milliseconds, as a modal loop does.
inline void Pump(DWORD ms) {
  for (const DWORD end = GetTickCount() + ms; GetTickCount() < end; Sleep(5)) {
    for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
      if (!IsDialogMessageA(TopDialog(), &msg)) TranslateMessage(&msg), DispatchMessageA(&msg);
    }
  }
}

// Presses and releases keys through the system's input queue, as the keyboard
// does, the `held` keys down all along. The window with the focus takes them
// when its loop runs next: the step returns, and a modal loop, the real
// window's own, takes them (a window they open is answered by later steps).
inline void SendKeys(std::initializer_list<WORD> keys, std::initializer_list<WORD> held = {}) {
  std::vector<INPUT> input;
  const auto add = [&](WORD key, DWORD up) {
    input.push_back({INPUT_KEYBOARD, {.ki = {key, 0, up}}});
  };
  for (WORD key : held) add(key, 0);
  for (WORD key : keys) add(key, 0), add(key, KEYEVENTF_KEYUP);
  for (WORD key : held) add(key, KEYEVENTF_KEYUP);
  SendInput(UINT(input.size()), input.data(), sizeof(INPUT));
}

// Clicks a mouse button at a point on the screen, `count` times, with the
// key `held` down (0: none).
inline void ClickAt(POINT screen, bool right = false, int count = 1, WORD held = 0) {
  const DWORD down = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  const DWORD up = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  const LONG x = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  const LONG y = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  std::vector<INPUT> input = {
      {INPUT_MOUSE, {.mi = {x, y, 0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE}}}};
  if (held != 0) input.insert(input.begin(), {INPUT_KEYBOARD, {.ki = {held, 0, 0}}});
  for (int i = 0; i < count; ++i) {
    input.push_back({INPUT_MOUSE, {.mi = {0, 0, 0, down}}});
    input.push_back({INPUT_MOUSE, {.mi = {0, 0, 0, up}}});
  }
  if (held != 0) input.push_back({INPUT_KEYBOARD, {.ki = {held, 0, KEYEVENTF_KEYUP}}});
  SendInput(UINT(input.size()), input.data(), sizeof(INPUT));
}

// Sends keys as SendKeys does and lets the active dialog take them at once
// (a window they open must not be modal: it would wait for a step that cannot run).
inline void PressKeys(std::initializer_list<WORD> keys) {
  SendKeys(keys), Pump(150);
}

}  // namespace wavoria::testing
