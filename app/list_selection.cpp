#include "app/list_selection.h"

#include <algorithm>

namespace wavoria {

LineRange RangeOfSelection(const CommandTable& table, const std::vector<int>& selected) {
  if (selected.empty()) return {};
  const auto [low, high] = std::minmax_element(selected.begin(), selected.end());
  if (*low == *high) return *low;
  const LineRange commands{std::max(*low, 1), std::min(*high, table.LastPosition())};
  return commands.First <= commands.Last ? commands : LineRange{};
}

std::optional<LineRange> AllCommands(const CommandTable& table) {
  if (table.LastPosition() == 0) return std::nullopt;
  return LineRange{1, table.LastPosition()};
}

LineRange RangeForContextMenu(LineRange selected, int clicked) {
  return clicked >= selected.First && clicked <= selected.Last ? selected : LineRange(clicked);
}

bool HoldsOnlyCommands(const CommandTable& table, LineRange lines) {
  return lines.First >= 1 && lines.First <= lines.Last && lines.Last <= table.LastPosition();
}

}  // namespace wavoria
