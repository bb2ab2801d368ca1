// "wavoria-cli check --game DIR [--keys]": the whole game at a glance. The
// overview names every script (those "autorun.script" starts first, in its
// order, then the others of "Sound") with what it registers, one line each
// with its line number, then every clash (wizard/game_clashes.h) with its places as
// "FILE:LINE: sentence"; --keys prints only the keys and cheats with their
// values, sorted by key, a table a maker can paste into a game's manual.
#pragma once

#include <string>

#include "cli/output.h"
#include "document/action_names.h"
#include "wizard/game_clashes.h"
#include "wizard/game_model.h"

namespace wavoria::cli {

// The overview: the scripts with their registrations, the conflicts and
// findings, the notes, and the count line. Lines end in "\n".
std::string GameOverviewText(const GameModel& game, const std::vector<GameClash>& clashes);

// The table of keys and cheats: one line per key, event and value (the same
// one registered twice is one line), sorted by key or cheat, then by event
// and value, the columns aligned. Lines end in "\n".
std::string KeyTableText(const GameModel& game);

// Reads the game in folder and prints the overview, or with keys the table
// (the number of clashes then goes to standard error). Exit status: 0 when
// there is no conflict and no finding, 1 otherwise or when folder is no
// folder.
int RunGameCheck(const std::string& folder, bool keys, const ActionTable& actions,
                 const CliOutput& output);

}  // namespace wavoria::cli
