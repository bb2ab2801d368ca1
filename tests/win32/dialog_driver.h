// Drives the real modal dialogs and message boxes of this thread from inside
// their modal loops: a thread timer looks for the active dialog (a visible,
// enabled "#32770" window of this thread), and when its caption is the one
// the next step waits for, runs that step on it. A dialog still open at the
// time limit is ended and the run fails instead of hanging.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <string>

namespace wavoria::testing {

class DialogDriver {
 public:
  using Action = std::function<void(HWND)>;

  // Queues a step: wait for an active dialog captioned `caption`, then run
  // `action` on it (which should end with a click that closes it or opens
  // the next one).
  DialogDriver& Then(std::string caption, Action action);

  // Runs `open`, which shows a modal window and returns when it closes, while
  // the queued steps act on what it shows. True when every step ran in time.
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
  static DialogDriver* current_;
};

HWND ActiveDialog();

// Presses a button as a click does (posted: it acts after the step returns).
void Click(HWND dialog, int id);

// Presses and releases keys through the system's input queue, as the keyboard
// does, and lets the active dialog take them (a window they open must not be
// modal: it would wait for a step that cannot run).
void PressKeys(std::initializer_list<WORD> keys);

std::string Text(HWND dialog, int id);
std::string Caption(HWND window);

// A message box: its text, its buttons and its standard icon (IDI_EXCLAMATION,
// IDI_QUESTION, IDI_ASTERISK, IDI_HAND; nullptr for none).
std::string MessageText(HWND box);
bool HasButton(HWND box, int id);
LPCSTR MessageIcon(HWND box);

int ListSelection(HWND dialog, int id);
int ComboSelection(HWND dialog, int id);
std::string ListLine(HWND dialog, int id, int line);
int ListCount(HWND dialog, int id);

}  // namespace wavoria::testing
