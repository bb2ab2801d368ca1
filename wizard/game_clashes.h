// What keeps a game from telling its events apart, or from running what its
// scripts say: the clashes between the registrations of a game's scripts,
// the problems of "autorun.script", and what "check" finds in each script.
// Each clash names every place involved and says in one sentence what is
// wrong. Values are compared as the whole numbers the game takes them for
// (IntegerOf), keys and cheats without regard to the case of A to Z.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "wizard/game_model.h"

namespace wavoria {

enum class ClashKind {
  kSameKey,         // one key registered more than once for one event (pressed or released)
  kSameValue,       // one value sent by different events: the game cannot tell them apart
  kValueIsMouseId,  // an event sends a mouse ID: the game takes it for a report of the mouse
  kCheatInCheat,    // a cheat inside a longer one fires while the longer one is typed
  kSameCheat,       // one cheat registered more than once
  kMouseIds,        // the scripts run at the start switch mouse support on with different IDs
  kMissingScript,   // "autorun.script" names a script that is not there or cannot be read
  kOutsideGame,     // a note: "autorun.script" names a path outside the game folder
  kNamedTwice,      // a note: "autorun.script" names one script twice
  kNoKeySupport,    // a note: key events, but no script run at the start switches key support on
  kFinding,         // what "check" finds in a script
};

enum class ClashWeight {
  kConflict,  // the game runs otherwise than the scripts say
  kFinding,   // the editor shows or keeps something otherwise than the file says
  kNote,      // worth a look, maybe meant so
};

ClashWeight WeightOf(ClashKind kind);

// One place of a clash.
struct ClashPlace {
  int Script = -1;        // index in GameModel::Scripts; -1: "autorun.script"
  int Line = 0;           // line of that file
  int Registration = -1;  // index in GameModel::Registrations, or -1
  int Position = 0;       // the command's line in the editor's list; 0: the script line

  bool operator==(const ClashPlace&) const = default;
};

struct GameClash {
  ClashKind Kind = ClashKind::kFinding;
  std::string Sentence;            // one sentence a maker understands
  std::vector<ClashPlace> Places;  // every place involved, in the order of the game

  ClashWeight Weight() const { return WeightOf(Kind); }
};

// Every clash of the game: the conflicts in the order of the kinds above,
// each kind in the order of the places it first involves, then the notes and
// the findings, script by script.
std::vector<GameClash> FindClashes(const GameModel& game);

// Whether any clash counts against the game: a conflict or a finding.
bool AnyConflictOrFinding(const std::vector<GameClash>& clashes);

// "Sound\A.script.wav, Zeile 7"; "autorun.script, Zeile 2".
std::string PlaceText(const GameModel& game, const ClashPlace& place);

// The places joined with "; ", at most limit of them, then "… und N weitere";
// the place except points to, one of places, is left out.
std::string PlacesText(const GameModel& game, const std::vector<ClashPlace>& places,
                       std::size_t limit, const ClashPlace* except = nullptr);

// The clashes that command (a key event or cheat, as dialog 5000 or 5100
// stores it) would make with the other scripts of the game, when it stands in
// the script at scriptPath: the script's own registrations are left out,
// since the editor holds that script. Each clash lists only the other places.
std::vector<GameClash> ClashesOfCommand(const GameModel& game, const std::string& scriptPath,
                                        const ScriptCommand& command);

// The question asked on OK of the dialog when ClashesOfCommand found any:
// each clash with its places, then "Trotzdem übernehmen?".
std::string ClashQuestion(const GameModel& game, const std::vector<GameClash>& clashes);

}  // namespace wavoria
