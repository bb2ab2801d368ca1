// A game as its scripts make it: the scripts "autorun.script" starts, every
// "*.script.wav" in "Sound", and what each registers with the game (key
// events, cheats, mouse and key support, values for the output list, the
// debug level), each at the line of its command.
//
// Scripts are read with the editor's reader and judged with the findings of
// "wavoria-cli check" (document/script_findings.h), so the model holds what
// the editor would show of each. Only the commands of a script's chain count:
// they are what the game runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/action_names.h"
#include "document/script_command.h"

namespace wavoria {

enum class RegistrationKind {
  kKeyDown,        // RegisterKeyDownEvent: a value when a key is pressed
  kKeyUp,          // RegisterKeyUpEvent: a value when a key is released
  kCheat,          // RegisterCheatEvent: a value when a cheat is typed
  kMouseOn,        // EnableMouseSupport with Enable "True": the mouse ID
  kMouseOff,       // EnableMouseSupport with Enable "False"
  kOutput,         // AddOutput: a value for the output list
  kKeySupportOn,   // EnableKeySupport with Enable "True"
  kKeySupportOff,  // EnableKeySupport with Enable "False"
  kDebugLevel,     // SetDebugLevel: the level
};

// What one command registers with the game.
struct Registration {
  int Script = 0;    // index in GameModel::Scripts
  int Line = 0;      // line of the command's section header
  int Position = 0;  // the command's line in the editor's command list
  RegistrationKind Kind = RegistrationKind::kKeyDown;
  std::string Name;   // the key or the cheat as the file gives it; empty for other kinds
  std::string Value;  // the value, mouse ID or level as the file gives it
  // The whole number the game takes Value for ("5", " 5" and "&H5" are 5).
  std::int32_t Number = 0;
  bool Option = false;  // a key event's "Originalfunktion sperren", mouse support's automatic
                        // sending of the position

  bool IsEvent() const;  // a key event or a cheat: it sends a value when it happens
  bool operator==(const Registration&) const = default;
};

// What command registers, or nothing for a command that registers nothing
// (Script, Line and Position are left to the caller).
std::optional<Registration> RegistrationOf(const ScriptCommand& command);

// The kind in words, as the overview's column "Art" shows it: "Taste
// drücken", "Cheat", "Maussupport an", ...
std::string_view KindText(RegistrationKind kind);
// The option in words ("Originalfunktion gesperrt", "Position automatisch"),
// or "" when it is not set.
std::string_view OptionText(const Registration& registration);
// The key or cheat as the dialogs show it (letters A to Z in upper case).
std::string NameShown(const Registration& registration);
// The value as the game takes it, in decimal; "" for kinds without a value.
std::string ValueShown(const Registration& registration);

enum class ScriptState {
  kRead,        // read, with its findings
  kMissing,     // named in "autorun.script", but not there
  kUnreadable,  // there, but it cannot be read
};

// Something "check" finds in a script.
struct GameFinding {
  int Line = 0;         // the line of the file
  int Position = 0;     // the command it belongs to in the command list; 0: none
  std::string Message;  // the checker's sentence

  bool operator==(const GameFinding&) const = default;
};

struct GameScript {
  std::string Name;  // relative to the game folder, "\" between names: "Sound\A.script.wav"
  std::string Path;  // the file
  // The line of "autorun.script" that starts it; 0: it runs when the game plays it.
  int AutorunLine = 0;
  ScriptState State = ScriptState::kRead;
  std::vector<GameFinding> Findings;  // sorted by line

  bool RunsAtStart() const { return AutorunLine > 0; }
};

// One path named by "autorun.script".
struct AutorunEntry {
  int Line = 0;      // line of "autorun.script"
  std::string Text;  // the path as the line gives it
  int Script = -1;   // the script it names; -1 for a path outside the game folder
};

struct GameModel {
  std::string Folder;                        // the game folder, ending in a separator
  std::string AutorunPath;                   // "autorun.script" in it
  bool AutorunUnreadable = false;            // "autorun.script" is there but cannot be read
  std::vector<AutorunEntry> AutorunEntries;  // in the order of the file
  // The scripts that run at the start, in the order "autorun.script" names
  // them first, then the other scripts of "Sound" in the order of their names.
  std::vector<GameScript> Scripts;
  // Script by script, each in the order of its chain.
  std::vector<Registration> Registrations;
};

// Reads the game in gameFolder. Names are found as Windows finds them,
// ignoring the case of A to Z. Of "autorun.script" blank lines and comments
// (";") count for nothing, and a path that leads out of the game folder is
// named but not followed.
GameModel ReadGame(const std::string& gameFolder, const ActionTable& actions);

// The game folder (ending in a separator) of a script that lies in the
// "Sound" folder of a game, one holding "RPG_RT.EXE"; "" for any other path.
std::string GameFolderOfScript(std::string_view scriptPath);

// The program "RPG_RT.EXE" of a game folder, as the folder spells it.
std::string GameProgramPath(const std::string& gameFolder);

}  // namespace wavoria
