// One line of a script as Windows' INI reader (GetPrivateProfileStringA)
// takes it. The game reads scripts with that reader, one key at a time, so the
// editor reads every line the same way; tests/win32 keeps the measurement:
// - blanks, tabs, vertical tabs and form feeds around the line do not count;
// - a line that starts with ";" is a comment;
// - a line that starts with "[" and has a "]" after it is a section header;
//   the name is the text between the "[" and the last "]", without blanks
//   around it (what follows the last "]" does not count);
// - every other line is a key line: the key is the text before the first
//   "=", the value the text after it, each without the blanks next to the
//   "="; a line without "=" is a key without a value;
// - a name, key or value ends at a NUL byte;
// - one pair of matching quotes ('...' or "...") around a whole value is no
//   part of it.
#pragma once

#include <string>
#include <string_view>

namespace wavoria {

enum class IniLineKind { kEmpty, kComment, kHeader, kKey };

struct IniLine {
  IniLineKind Kind = IniLineKind::kEmpty;
  std::string_view Text;   // the line without the blanks around it
  std::string_view Name;   // a header's section name; a key line's key
  std::string_view Value;  // a key line's value; empty also when it has no "="
  bool HasEquals = false;  // a key line with "="
};

IniLine ReadIniLine(std::string_view line);

// The text without the blanks, tabs, vertical tabs and form feeds at either
// end, which the INI reader trims (a section name asked for included).
std::string_view TrimIniBlanks(std::string_view text);

// Whether c is one of the blanks the INI reader trims.
constexpr bool IsIniBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// Appends value as the text after "key=", so that the line reads back as
// value: as it is, or in double quotes when it would otherwise lose blanks at
// its ends or a pair of quotes around it. (Inline: the writer calls it for
// every value.)
inline void AppendIniValue(std::string& out, std::string_view value) {
  const bool quoted = !value.empty() && (IsIniBlank(value.front()) || IsIniBlank(value.back()) ||
                                         (value.size() >= 2 && value.back() == value.front() &&
                                          (value.front() == '"' || value.front() == '\'')));
  if (quoted) out += '"';
  out.append(value);
  if (quoted) out += '"';
}

}  // namespace wavoria
