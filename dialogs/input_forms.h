// What the dialogs for mouse support, key events and cheat input show for a
// command and what they store on OK. Signed numbers follow the Negativ rule
// (ShowSignedNumber / StoreSignedNumber); check boxes read a field as ticked
// when it equals "TRUE" in any letter case and store "True" or "False".
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "dialogs/command_forms.h"
#include "document/script_command.h"

namespace wavoria {

// Dialog "Maussupport aktivieren": an EnableMouseSupport command that
// switches mouse support on.
struct MouseSupportForm {
  SignedNumberForm Id;     // the mouse ID
  bool Automatic = false;  // "Automatisch alle 0,5 Sekunden Mausposition senden"
};

MouseSupportForm ShowMouseSupport(const ScriptCommand& cmd);
// Writes Action "EnableMouseSupport", Enable "True", ID and Automatic.
void StoreMouseSupport(const MouseSupportForm& form, ScriptCommand& cmd);

// Dialog "Cheat-Eingabe registrieren": a RegisterCheatEvent command.
struct CheatForm {
  std::string Cheat;       // the cheat box, upper case
  SignedNumberForm Value;  // the value sent when the cheat is typed
};

// The cheat box turns letters to upper case as they are typed; a cheat that
// a script holds in lower case is shown the same way, letters a to z upper,
// Displayable. OK stores a cheat the box still shows so in upper case.
std::string CheatShown(std::string_view cheat);

CheatForm ShowCheat(const ScriptCommand& cmd);
// Writes Action "RegisterCheatEvent", Value, and Cheat as the box holds it
// (the stored one in upper case while the box shows it as CheatShown).
void StoreCheat(const CheatForm& form, ScriptCommand& cmd);

// Dialog "Tastenereignis registrieren": RegisterKeyDownEvent and
// RegisterKeyUpEvent commands.
inline constexpr std::array<std::string_view, 2> kKeyEventItems = {"Drücken", "Loslassen"};
inline constexpr int kKeyDownItem = 0;
inline constexpr int kKeyUpItem = 1;
inline constexpr std::string_view kDefaultKeyName = "A";

struct KeyEventForm {
  int Event = kKeyDownItem;  // index into kKeyEventItems; -1: none selected
  std::string Key;           // the key box: a name from the key table
  SignedNumberForm Value;    // the value sent to the output list
  bool BlockKey = false;     // "Originalfunktion sperren"
};

// The key box for a stored Key: upper case, blanks at both ends removed, and
// "A" when nothing is left; Displayable. OK stores that name while the box
// still shows it.
std::string KeyShown(std::string_view key);

KeyEventForm ShowKeyEvent(const ScriptCommand& cmd);
// Writes Value, Action (the key-up event for item 1, otherwise the key-down
// event, also without a selection), Key as shown, and BlockKey.
void StoreKeyEvent(const KeyEventForm& form, ScriptCommand& cmd);

}  // namespace wavoria
