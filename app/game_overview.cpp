#include "app/game_overview.h"

#include <algorithm>
#include <cstdint>

#include "document/text.h"
#include "wizard/install_plan.h"

namespace wavoria {

namespace {

using C = OverviewColumn;

// How many other places a row's note names.
constexpr std::size_t kOtherPlacesShown = 3;

std::string& Cell(OverviewRow& row, OverviewColumn column) {
  return row.Cells[static_cast<std::size_t>(column)];
}
const std::string& Cell(const OverviewRow& row, OverviewColumn column) {
  return row.Cells[static_cast<std::size_t>(column)];
}

// The script's name, below "Sound" without that folder's name, and whether
// it runs at the start.
std::string ScriptCell(const GameModel& game, int script) {
  const GameScript& s = game.Scripts[static_cast<std::size_t>(script)];
  const std::size_t folder = kGameSoundFolder.size() + 1;
  const bool inSound = StartsWithIgnoreCase(s.Name, kGameSoundFolder) && s.Name.size() > folder &&
                       s.Name[folder - 1] == '\\';
  const std::string name = inSound ? s.Name.substr(folder) : s.Name;
  return s.RunsAtStart() ? name + " (beim Start)" : name;
}

// A clash as a row names it: its sentence, and the places other than the row's own.
std::string NoteOf(const GameModel& game, const GameClash& clash, const ClashPlace& own) {
  if (clash.Places.size() < 2) return clash.Sentence;
  return clash.Sentence + " Auch: " + PlacesText(game, clash.Places, kOtherPlacesShown, &own) + ".";
}

void AddNote(OverviewRow& row, std::string note, ClashWeight weight) {
  std::string& cell = Cell(row, C::kNote);
  cell = cell.empty() ? std::move(note) : std::move(note) + " " + cell;
  if (weight != ClashWeight::kNote) {
    row.Mark = RowMark::kClash;
  } else if (row.Mark == RowMark::kNone) {
    row.Mark = RowMark::kNote;
  }
}

// "3 Konflikte", "1 Konflikt".
std::string Counted(std::size_t n, std::string_view one, std::string_view many) {
  return DecimalText(static_cast<std::int64_t>(n)) + " " + std::string(n == 1 ? one : many);
}

unsigned char UpperLetter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

// Compares two rows in one column (-1: the game's order): -1, 0 or 1.
int Compare(const OverviewRow& a, const OverviewRow& b, int columnIndex) {
  auto order = [](auto x, auto y) { return x < y ? -1 : y < x ? 1 : 0; };
  if (columnIndex < 0) return order(a.Order, b.Order);
  const auto column = static_cast<OverviewColumn>(columnIndex);
  switch (column) {
    case C::kScript:
      return order(a.Script, b.Script);
    case C::kLine:
      return order(a.Line, b.Line);
    case C::kValue: {
      // Rows without a value come first.
      const std::string& x = Cell(a, column);
      const std::string& y = Cell(b, column);
      if (x.empty() || y.empty()) return order(!x.empty(), !y.empty());
      return order(IntegerOf(x), IntegerOf(y));
    }
    default: {
      const std::string& x = Cell(a, column);
      const std::string& y = Cell(b, column);
      for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        if (const int c = order(UpperLetter(x[i]), UpperLetter(y[i])); c != 0) return c;
      }
      return order(x.size(), y.size());
    }
  }
}

// Sorts the rows as less says, keeping equal rows in their order: an order
// of their indices is sorted, and each row moves once.
template <typename Less>
void StableSortRows(std::vector<OverviewRow>& rows, Less less) {
  std::vector<std::size_t> order(rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return less(rows[a], rows[b]); });
  std::vector<OverviewRow> sorted;
  sorted.reserve(rows.size());
  for (std::size_t i : order) sorted.push_back(std::move(rows[i]));
  rows = std::move(sorted);
}

}  // namespace

std::vector<OverviewRow> OverviewRows(const GameModel& game,
                                      const std::vector<GameClash>& clashes) {
  std::vector<std::string> scripts;  // each script's cell, made once
  for (int s = 0; s < static_cast<int>(game.Scripts.size()); ++s) {
    scripts.push_back(ScriptCell(game, s));
  }
  auto scriptCell = [&](int script) {
    return script < 0 ? std::string(kAutorunFile) : scripts[static_cast<std::size_t>(script)];
  };
  std::vector<OverviewRow> rows;
  rows.reserve(game.Registrations.size());
  for (const Registration& r : game.Registrations) {
    OverviewRow& row = rows.emplace_back();
    row.Cells = {scriptCell(r.Script), DecimalText(r.Line), std::string(KindText(r.Kind)),
                 NameShown(r),         ValueShown(r),       std::string(OptionText(r))};
    row.Script = r.Script;
    row.Line = r.Line;
    row.Position = r.Position;
  }
  for (const GameClash& clash : clashes) {
    // The places past the first few all name the same others.
    std::string sharedNote;
    for (std::size_t i = 0; i < clash.Places.size(); ++i) {
      const ClashPlace& place = clash.Places[i];
      if (i >= kOtherPlacesShown && sharedNote.empty()) sharedNote = NoteOf(game, clash, place);
      std::string note = i >= kOtherPlacesShown ? sharedNote : NoteOf(game, clash, place);
      if (place.Registration >= 0) {
        AddNote(rows[static_cast<std::size_t>(place.Registration)], std::move(note),
                clash.Weight());
        continue;
      }
      OverviewRow& row = rows.emplace_back();
      row.Cells = {scriptCell(place.Script),
                   DecimalText(place.Line),
                   clash.Kind == ClashKind::kFinding ? "Befund" : "Beim Start",
                   "",
                   "",
                   ""};
      row.Script = place.Script;
      row.Line = place.Line;
      row.Position = place.Position;
      AddNote(row, std::move(note), clash.Weight());
    }
  }
  StableSortRows(rows, [](const OverviewRow& a, const OverviewRow& b) {
    return std::pair(a.Script, a.Line) < std::pair(b.Script, b.Line);
  });
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].Order = static_cast<int>(i);
  return rows;
}

OverviewSort SortAfterClick(OverviewSort sort, OverviewColumn column) {
  const int clicked = static_cast<int>(column);
  return {clicked, sort.Column == clicked && !sort.Descending};
}

void SortRows(std::vector<OverviewRow>& rows, OverviewSort sort) {
  StableSortRows(rows, [&](const OverviewRow& a, const OverviewRow& b) {
    const int c = Compare(a, b, sort.Column);
    return sort.Descending ? c > 0 : c < 0;
  });
}

std::string GameChooserPreset(std::string_view documentPath, const std::string& wizardGameFile) {
  const std::string game = GameFolderOfScript(documentPath);
  return game.empty() ? wizardGameFile : GameProgramPath(game);
}

std::string CountLine(const GameModel& game, const std::vector<GameClash>& clashes) {
  const auto scripts = std::count_if(game.Scripts.begin(), game.Scripts.end(), [](const auto& s) {
    return s.State != ScriptState::kMissing;
  });
  std::size_t weights[3] = {};
  for (const GameClash& clash : clashes) ++weights[static_cast<std::size_t>(clash.Weight())];
  const auto [conflicts, findings, notes] = weights;
  std::string line = Counted(static_cast<std::size_t>(scripts), "Skript", "Skripte") + ", " +
                     Counted(game.Registrations.size(), "Ereignis", "Ereignisse") + ", " +
                     Counted(conflicts, "Konflikt", "Konflikte");
  if (findings > 0) line += ", " + Counted(findings, "Befund", "Befunde");
  if (notes > 0) line += ", " + Counted(notes, "Hinweis", "Hinweise");
  return line;
}

}  // namespace wavoria
