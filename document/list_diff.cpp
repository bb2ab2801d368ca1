#include "document/list_diff.h"

#include <algorithm>
#include <cstddef>

namespace wavoria {

std::vector<ListEdit> DiffListLines(const std::vector<std::string>& shown,
                                    const std::vector<std::string>& wanted) {
  std::size_t top = 0;
  const std::size_t common = std::min(shown.size(), wanted.size());
  while (top < common && shown[top] == wanted[top]) ++top;
  std::size_t bottom = 0;  // shared lines at the end, not overlapping the top
  while (bottom < common - top &&
         shown[shown.size() - 1 - bottom] == wanted[wanted.size() - 1 - bottom]) {
    ++bottom;
  }
  const std::size_t oldCount = shown.size() - top - bottom;
  const std::size_t newCount = wanted.size() - top - bottom;
  std::vector<ListEdit> edits;
  const std::size_t paired = std::min(oldCount, newCount);
  for (std::size_t i = 0; i < paired; ++i) {
    if (shown[top + i] == wanted[top + i]) continue;
    edits.push_back({ListEdit::kReplace, static_cast<int>(top + i)});
  }
  for (std::size_t i = paired; i < newCount; ++i) {
    edits.push_back({ListEdit::kInsert, static_cast<int>(top + i)});
  }
  for (std::size_t i = paired; i < oldCount; ++i) {
    edits.push_back({ListEdit::kDelete, static_cast<int>(top + paired)});
  }
  return edits;
}

int KeptTopLine(int top, int selected, int visibleLines, int lineCount) {
  const int visible = std::max(visibleLines, 1);
  if (selected >= 0 && selected < top) top = selected;
  if (selected >= top + visible) top = selected - visible + 1;
  return std::clamp(top, 0, std::max(lineCount - visible, 0));
}

}  // namespace wavoria
