#include "document/data_files.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/file_io.h"

namespace wavoria {

namespace {

constexpr std::size_t kNameLimit = 4096;
constexpr std::size_t kNumberLimit = 22;

bool IsBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

}  // namespace

std::string DataFieldReader::NextField(std::size_t maxLength) {
  while (pos_ < text_.size() && IsBlankOrTab(text_[pos_])) ++pos_;
  std::string field;
  if (pos_ < text_.size() && text_[pos_] == '"') {
    // A quoted field runs to the next quote; blanks, tabs and commas count.
    std::size_t close = text_.find('"', pos_ + 1);
    if (close == std::string_view::npos) close = text_.size();
    field = text_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close < text_.size() ? close + 1 : close;
  } else {
    std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]) &&
           !IsBlankOrTab(text_[pos_])) {
      ++pos_;
    }
    field = text_.substr(start, pos_ - start);
  }
  // One comma or one line end after the field belongs to it.
  while (pos_ < text_.size() && IsBlankOrTab(text_[pos_])) ++pos_;
  if (pos_ < text_.size()) {
    if (text_[pos_] == ',' || text_[pos_] == '\n') {
      ++pos_;
    } else if (text_[pos_] == '\r') {
      ++pos_;
      if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    }
  }
  field.resize(std::min(field.size(), maxLength));
  return field;
}

std::int32_t DataFieldReader::NextNumber() {
  const std::string text = NextField(kNumberLimit);
  const std::string_view field = text;  // no character past the end is ever looked at
  std::size_t i = 0;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    negative = field[i] == '-';
    ++i;
  }
  double value = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
    value = value * 10 + (field[i] - '0');
  }
  if (i < field.size() && field[i] == '.') {
    double scale = 0.1;
    for (++i; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
      value += (field[i] - '0') * scale;
      scale /= 10;
    }
    value = std::nearbyint(value);  // the default rounding mode: ties to even
  }
  if (negative) value = -value;
  constexpr double lo = std::numeric_limits<std::int32_t>::min();
  constexpr double hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(value, lo, hi));
}

KeyNameTable ParseKeyNames(std::string_view text) {
  KeyNameTable table{};
  DataFieldReader reader(text);
  for (int r = 0; r < kKeyRecordCount; ++r) {
    std::string name = reader.NextField(kNameLimit);
    std::int32_t code = reader.NextNumber();
    if (code < 0 || code >= kKeyNameCount) continue;
    table[code] = KeyName{std::move(name), code};
  }
  return table;
}

ActionTable ParseActionNames(std::string_view text) {
  ActionTable table{};
  DataFieldReader reader(text);
  for (auto& entry : table) {
    entry.Name = reader.NextField(kNameLimit);
    entry.Number = reader.NextNumber();
  }
  return table;
}

bool LoadStartupTables(const std::string& folder, StartupTables& tables, std::string& missingFile) {
  const std::string prefix = folder.empty() ? std::string{} : folder + kPathSeparator;
  std::string text;
  if (!ReadWholeFile(prefix + "keys.dat", text)) {
    missingFile = "keys.dat";
    return false;
  }
  tables.Keys = ParseKeyNames(text);
  if (!ReadWholeFile(prefix + "actions.dat", text)) {
    missingFile = "actions.dat";
    return false;
  }
  tables.Actions = ParseActionNames(text);
  return true;
}

std::string MissingDataFileMessage(std::string_view fileName) {
  return "Die Datei '" + std::string(fileName) + "' wurde nicht gefunden.";
}

}  // namespace wavoria
