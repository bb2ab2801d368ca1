// What the command dialogs show for a command and what they store on OK:
// the conversions between a command's fields and the dialog's controls.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "document/script_command.h"

namespace wavoria {

// A signed whole number is edited as a digits-only box and a "Negativ" box.
struct SignedNumberForm {
  std::string Digits;     // the magnitude as decimal text
  bool Negative = false;  // "Negativ" ticked
};

// The form of a field: its magnitude, and "Negativ" for a negative number.
// An empty or non-numeric field shows "0".
SignedNumberForm ShowSignedNumber(std::string_view field);

// The field stored from a form: the box read as a number, negated when
// "Negativ" is ticked, clamped to the 32-bit range. Zero is stored as "0".
std::string StoreSignedNumber(std::string_view digits, bool negative);

// Dialog "Funktion von 'Get Midi Pos.' ändern": its two items, the item a
// Command preselects, and the Command an item stores (nothing without a
// selection: the dialog then ends as cancelled).
inline constexpr std::array<std::string_view, 2> kMidiTickItems = {
    "Abspielposition der Musik abfragen", "Wert aus der Output-Liste abfragen"};
int MidiTickSelection(std::string_view command);
std::optional<std::string> MidiTickCommand(int item);

// Dialog "Debuglevel setzen": its four items, the item a Level preselects
// (-1 for none, when Level lies outside 0 to 3) and the Level an item stores
// (nothing without a selection: the dialog then ends as cancelled).
inline constexpr std::array<std::string_view, 4> kDebugLevelItems = {"Level 0", "Level 1",
                                                                     "Level 2", "Level 3"};
int DebugLevelSelection(std::string_view level);
std::optional<std::string> DebugLevelValue(int item);

// What the text and value dialogs store on OK: Action and the dialog's field.
// The two drop-down dialogs store nothing and return false when no item is
// selected (the dialog then ends as cancelled). A text box shows its field
// as Displayable(field) and stores it back with FromBox (document/text.h).
void StoreLog(std::string_view text, ScriptCommand& cmd);                      // WriteToLog
void StoreOutput(std::string_view digits, bool negative, ScriptCommand& cmd);  // AddOutput
bool StoreMidiTick(int item, ScriptCommand& cmd);                              // MidiTickFunction
bool StoreDebugLevel(int item, ScriptCommand& cmd);                            // SetDebugLevel
void StoreMci(std::string_view command, ScriptCommand& cmd);                   // MCICommand

}  // namespace wavoria
