// What the game overview's list shows: one row per registration of the game,
// and one per place of a clash that is no registration (a line of
// "autorun.script", a finding of "check"); the clashes named in the column
// "Hinweis"; how the rows sort by each column; the count line above the list.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "wizard/game_clashes.h"
#include "wizard/game_model.h"

namespace wavoria {

enum class OverviewColumn { kScript, kLine, kKind, kName, kValue, kNote };
inline constexpr int kOverviewColumns = 6;

// The titles of the columns, in their order.
inline constexpr std::array<std::string_view, kOverviewColumns> kOverviewTitles = {
    "Skript", "Zeile", "Art", "Taste/Cheat", "Wert", "Hinweis"};

enum class RowMark {
  kNone,
  kClash,  // in a conflict, or a finding: the warning icon
  kNote,   // only in notes: the information icon
};

struct OverviewRow {
  std::array<std::string, kOverviewColumns> Cells;  // the texts, by OverviewColumn
  RowMark Mark = RowMark::kNone;
  int Script = -1;   // the script to open (index in GameModel::Scripts); -1: "autorun.script"
  int Line = 0;      // the line of that file
  int Position = 0;  // the command to select in the editor's list; 0: the script line
  int Order = 0;     // the row's place in the game's order (a list sorted by no column)

  bool operator==(const OverviewRow&) const = default;
};

// The rows in the game's order: script by script as the model has them
// ("autorun.script" first), each by line.
std::vector<OverviewRow> OverviewRows(const GameModel& game, const std::vector<GameClash>& clashes);

// How the list is sorted: by a column, one way or the other; Column -1 is the
// game's order.
struct OverviewSort {
  int Column = -1;
  bool Descending = false;

  bool operator==(const OverviewSort&) const = default;
};

// A click on a column's title: that column ascending, or the other way round
// when the list is sorted by it already.
OverviewSort SortAfterClick(OverviewSort sort, OverviewColumn column);

// Sorts the rows as sort says, keeping rows that are equal in that column in
// the order they had, so that a second click sorts by two columns. Skript
// sorts in the game's order, Zeile and Wert as numbers, the others as text
// (letters A to Z without regard to case).
void SortRows(std::vector<OverviewRow>& rows, OverviewSort sort);

// Where the chooser for a game's RPG_RT.EXE starts: at the game of the open
// script when it lies in a game's "Sound" folder, else at the wizard's game.
std::string GameChooserPreset(std::string_view documentPath, const std::string& wizardGameFile);

// "12 Skripte, 48 Ereignisse, 3 Konflikte", followed by the findings and
// notes when there are any (", 2 Befunde, 1 Hinweis").
std::string CountLine(const GameModel& game, const std::vector<GameClash>& clashes);

}  // namespace wavoria
