// Drives the real modal dialogs and message boxes of this thread from inside
// their modal loops, in the manner of Wine's own user32 tests: a thread timer
// looks for the active dialog (a visible, enabled "#32770" window of this
// thread), and when its caption is the one the next step waits for, runs that
// step on it. Every run has a time limit: a dialog that does not close in
// time is ended and the test fails instead of hanging.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

namespace wavoria::testing {

class DialogDriver {
 public:
  using Action = std::function<void(HWND)>;

  // Queues a step: wait for an active dialog captioned `caption`, then run
  // `action` on it. Actions should end with a click (Click) that closes the
  // dialog or opens the next one.
  DialogDriver& Then(std::string caption, Action action);

  // Runs `open`, which shows a modal window and returns when it closes, while
  // the queued steps act on the dialogs it shows. Returns true when every step
  // ran and nothing timed out; failures are listed by Problems().
  bool Run(const std::function<void()>& open, int limitMs = 8000);

  const std::string& Problems() const { return problems_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Tick();

  struct Step {
    std::string Caption;
    Action Do;
  };
  std::deque<Step> steps_;
  std::string problems_;
  DWORD deadline_ = 0;
  bool busy_ = false;
  HWND lastHandled_ = nullptr;
  static DialogDriver* current_;
};

// The active dialog of this thread: the visible, enabled "#32770" window that
// is not disabled by a modal child; nullptr when there is none.
HWND ActiveDialog();

// Presses a button of a dialog the way a click does (posted, so the action
// returns before the dialog reacts).
void Click(HWND dialog, int id);

// The text and caption of windows and controls.
std::string Text(HWND dialog, int id);
std::string Caption(HWND window);

// The text of a message box and whether it has a button.
std::string MessageText(HWND box);
bool HasButton(HWND box, int id);

// Which standard icon a message box shows: IDI_EXCLAMATION, IDI_QUESTION,
// IDI_ASTERISK, IDI_HAND, or nullptr for none.
LPCSTR MessageIcon(HWND box);

// The selected index of a list or combo box.
int ListSelection(HWND dialog, int id);
int ComboSelection(HWND dialog, int id);
std::string ListLine(HWND dialog, int id, int line);
int ListCount(HWND dialog, int id);

}  // namespace wavoria::testing
