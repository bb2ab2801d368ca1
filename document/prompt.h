// A message box that the core words and the shell shows (ShowPrompt,
// shell/win_util_win.h), titled "Wavoria" and owned by the window that asks:
// the wizard's pages and the editor's undo of an installation ask through
// it.
#pragma once

#include <string>

namespace wavoria {

// The kind of box: its icon and its buttons.
enum class MessageIcon {
  None,      // no message box
  Warning,   // exclamation icon, OK
  Question,  // question icon, Ja/Nein
  Error,     // error icon, OK
  Choice,    // question icon, Ja/Nein/Abbrechen: two ways to go on, or none
};

// What a box says.
struct Prompt {
  MessageIcon Icon = MessageIcon::None;
  std::string Message;
  bool operator==(const Prompt&) const = default;
};

// An answer to a box: Ja, Nein, or neither (Abbrechen, Esc, the close box,
// or OK of a box that asks nothing).
enum class Answer { kYes, kNo, kCancel };

}  // namespace wavoria
