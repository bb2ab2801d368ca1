// A run of lines of the main window's command list, from its first to its
// last line: what is selected, and what a list command selects afterwards.
// A line stands for the range of that one line.
#pragma once

namespace wavoria {

struct LineRange {
  constexpr LineRange() = default;
  constexpr LineRange(int line) : First(line), Last(line) {}  // NOLINT: a line is a range
  constexpr LineRange(int first, int last) : First(first), Last(last) {}

  bool IsOneLine() const { return First == Last; }
  int Count() const { return Last - First + 1; }
  bool operator==(const LineRange&) const = default;

  int First = -1;  // -1: no line
  int Last = -1;
};

}  // namespace wavoria
