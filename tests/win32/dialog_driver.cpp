#include "dialog_driver.h"

#include "app/win_util_win.h"

namespace wavoria::testing {

DialogDriver* DialogDriver::current_ = nullptr;

namespace {

BOOL CALLBACK FindActive(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32770" || !IsWindowVisible(window) || !IsWindowEnabled(window)) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

}  // namespace

HWND ActiveDialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindActive, reinterpret_cast<LPARAM>(&found));
  return found;
}

DialogDriver& DialogDriver::Then(std::string caption, Action action) {
  steps_.push_back({std::move(caption), std::move(action)});
  return *this;
}

bool DialogDriver::Run(const std::function<void()>& open, int limitMs) {
  problems_.clear();
  current_ = this;
  deadline_ = GetTickCount() + static_cast<DWORD>(limitMs);
  const UINT_PTR timer = SetTimer(nullptr, 0, 15, OnTimer);
  open();
  KillTimer(nullptr, timer);
  current_ = nullptr;
  MSG msg;  // a tick that fired after the window closed is dropped
  while (PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
  }
  if (!steps_.empty())
    problems_ += "steps left, the next waits for '" + steps_.front().Caption + "'";
  steps_.clear();
  return problems_.empty();
}

void CALLBACK DialogDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (current_ != nullptr && !current_->busy_) {
    current_->busy_ = true;
    current_->Tick();
    current_->busy_ = false;
  }
}

void DialogDriver::Tick() {
  HWND active = ActiveDialog();
  if (static_cast<LONG>(GetTickCount() - deadline_) > 0) {
    if (active == nullptr) return;
    problems_ += "timed out with '" + Caption(active) + "' open\n";
    steps_.clear();
    EndDialog(active, 0);
  } else if (active != nullptr && !steps_.empty() && Caption(active) == steps_.front().Caption) {
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step.Do(active);
  }
}

void Click(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressKeys(std::initializer_list<WORD> keys) {
  HWND dialog = ActiveDialog();
  for (WORD key : keys) {
    INPUT input[2] = {{INPUT_KEYBOARD, {.ki = {key}}},
                      {INPUT_KEYBOARD, {.ki = {key, 0, KEYEVENTF_KEYUP}}}};
    SendInput(2, input, sizeof(INPUT));
  }
  // The dialog takes the keys before the next step looks at it.
  for (const DWORD end = GetTickCount() + 150; GetTickCount() < end; Sleep(5)) {
    for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
      if (!IsDialogMessageA(dialog, &msg)) TranslateMessage(&msg), DispatchMessageA(&msg);
    }
  }
}

std::string Text(HWND dialog, int id) {
  return GetItemText(dialog, id);
}
std::string Caption(HWND window) {
  return GetWindowString(window);
}
std::string MessageText(HWND box) {
  return GetItemText(box, 0xFFFF);
}
bool HasButton(HWND box, int id) {
  return GetDlgItem(box, id) != nullptr;
}

LPCSTR MessageIcon(HWND box) {
  HICON shown = nullptr;  // the one visible static that shows an icon
  for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(c)) {
      shown = reinterpret_cast<HICON>(SendMessageA(c, STM_GETICON, 0, 0));
    }
  }
  for (LPCSTR id : {IDI_EXCLAMATION, IDI_QUESTION, IDI_ASTERISK, IDI_HAND}) {
    if (shown != nullptr && LoadIconA(nullptr, id) == shown) return id;
  }
  return shown == nullptr ? nullptr : IDI_APPLICATION;
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
  const LRESULT length = SendDlgItemMessageA(dialog, id, LB_GETTEXTLEN, line, 0);
  if (length == LB_ERR) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendDlgItemMessageA(dialog, id, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace wavoria::testing
