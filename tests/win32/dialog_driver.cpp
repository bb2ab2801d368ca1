#include "dialog_driver.h"

#include <vector>

#include "app/win_util_win.h"

namespace wavoria::testing {

DialogDriver* DialogDriver::current_ = nullptr;

namespace {

bool IsDialogWindow(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return std::string(name) == "#32770";
}

BOOL CALLBACK CollectDialogs(HWND window, LPARAM param) {
  if (IsDialogWindow(window) && IsWindowVisible(window)) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  }
  return TRUE;
}

std::vector<HWND> ThreadDialogs() {
  std::vector<HWND> dialogs;
  EnumThreadWindows(GetCurrentThreadId(), CollectDialogs, reinterpret_cast<LPARAM>(&dialogs));
  return dialogs;
}

}  // namespace

HWND ActiveDialog() {
  for (HWND dialog : ThreadDialogs()) {
    if (IsWindowEnabled(dialog)) return dialog;
  }
  return nullptr;
}

DialogDriver& DialogDriver::Then(std::string caption, Action action) {
  steps_.push_back({std::move(caption), std::move(action)});
  return *this;
}

bool DialogDriver::Run(const std::function<void()>& open, int limitMs) {
  problems_.clear();
  lastHandled_ = nullptr;
  current_ = this;
  deadline_ = GetTickCount() + static_cast<DWORD>(limitMs);
  UINT_PTR timer = SetTimer(nullptr, 0, 15, OnTimer);
  open();
  KillTimer(nullptr, timer);
  current_ = nullptr;
  // Messages of a timer that fired after the window closed are dropped.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
  }
  if (!steps_.empty()) {
    problems_ += "steps left over, the next waits for '" + steps_.front().Caption + "'\n";
    steps_.clear();
  }
  return problems_.empty();
}

void CALLBACK DialogDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (current_ != nullptr) current_->Tick();
}

void DialogDriver::Tick() {
  if (busy_) return;
  busy_ = true;
  HWND active = ActiveDialog();
  if (static_cast<LONG>(GetTickCount() - deadline_) > 0) {
    // Out of time: end whatever is open so that the test can report.
    if (active != nullptr) {
      problems_ += "timed out with '" + Caption(active) + "' open";
      if (!steps_.empty()) problems_ += ", waiting for '" + steps_.front().Caption + "'";
      problems_ += "\n";
      EndDialog(active, 0);
    }
    steps_.clear();
    busy_ = false;
    return;
  }
  if (active != nullptr && !steps_.empty() && Caption(active) == steps_.front().Caption) {
    Step step = std::move(steps_.front());
    steps_.pop_front();
    lastHandled_ = active;
    step.Do(active);
  }
  busy_ = false;
}

void Click(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string Text(HWND dialog, int id) { return GetItemText(dialog, id); }
std::string Caption(HWND window) { return GetWindowString(window); }

std::string MessageText(HWND box) { return GetItemText(box, 0xFFFF); }

bool HasButton(HWND box, int id) { return GetDlgItem(box, id) != nullptr; }

LPCSTR MessageIcon(HWND box) {
  // The icon is the one static control that shows an icon.
  HICON shown = nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (std::string(name) != "Static") continue;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
    if (!IsWindowVisible(child)) continue;
    shown = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
  }
  if (shown == nullptr) return nullptr;
  for (LPCSTR id : {IDI_EXCLAMATION, IDI_QUESTION, IDI_ASTERISK, IDI_HAND}) {
    if (LoadIconA(nullptr, id) == shown) return id;
  }
  return IDI_APPLICATION;  // some other icon
}

int ListSelection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0));
}

int ComboSelection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

int ListCount(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0));
}

std::string ListLine(HWND dialog, int id, int line) {
  LRESULT length = SendDlgItemMessageA(dialog, id, LB_GETTEXTLEN, line, 0);
  if (length == LB_ERR) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendDlgItemMessageA(dialog, id, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace wavoria::testing
