// The edits that turn the lines a list box shows into the new list lines:
// the lines both share at the top and at the bottom stay, the lines between
// are replaced pairwise and the rest inserted or deleted. A move thus changes
// two lines, a delete removes one and an edit replaces one.
#pragma once

#include <string>
#include <vector>

namespace wavoria {

struct ListEdit {
  enum Kind { kReplace, kInsert, kDelete };
  Kind What = kReplace;
  int Line = 0;  // index in the list as it stands when this edit is applied

  bool operator==(const ListEdit&) const = default;
};

// Edits to apply in order to `shown` to make it equal `wanted`. Replacements
// come first, then insertions, then deletions, so a replaced or inserted
// line takes its place for good: its new text is wanted[Line].
std::vector<ListEdit> DiffListLines(const std::vector<std::string>& shown,
                                    const std::vector<std::string>& wanted);

// The first visible line after a list command: the view stays where it was
// (top) unless the selected line would leave it, then it scrolls just far
// enough to show that line at its edge; never past the last full view.
int KeptTopLine(int top, int selected, int visibleLines, int lineCount);

}  // namespace wavoria
