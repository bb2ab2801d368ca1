#include "document/ini_line.h"

namespace wavoria {

namespace {

std::string_view TrimStart(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsIniBlank(text[start])) ++start;
  return text.substr(start);
}

std::string_view TrimEnd(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsIniBlank(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string_view UpToNul(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

std::string_view WithoutQuotes(std::string_view value) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::string_view TrimIniBlanks(std::string_view text) {
  return TrimEnd(TrimStart(text));
}

IniLine ReadIniLine(std::string_view raw) {
  IniLine line;
  line.Text = TrimIniBlanks(raw);
  if (line.Text.empty()) return line;
  if (line.Text[0] == ';') {
    line.Kind = IniLineKind::kComment;
    return line;
  }
  const std::size_t close = line.Text.rfind(']');
  if (line.Text[0] == '[' && close != std::string_view::npos && close > 0) {
    line.Kind = IniLineKind::kHeader;
    // A NUL byte may leave blanks at the end of what remains; they are
    // dropped too, so the name reads back the same after saving.
    line.Name = TrimIniBlanks(UpToNul(TrimIniBlanks(line.Text.substr(1, close - 1))));
    return line;
  }
  line.Kind = IniLineKind::kKey;
  const std::size_t equals = line.Text.find('=');
  line.HasEquals = equals != std::string_view::npos;
  line.Name = UpToNul(TrimEnd(line.Text.substr(0, equals)));
  if (line.HasEquals) line.Value = WithoutQuotes(UpToNul(TrimStart(line.Text.substr(equals + 1))));
  return line;
}

}  // namespace wavoria
