// The data files "keys.dat" and "actions.dat" beside the program, and the two
// tables loaded from them at start-up.
//
// Both files are a stream of fields: fields are separated by a comma or a line
// end (LF, CR or CR LF); blanks and tabs before and after a field are
// skipped; a field that begins with a double quote runs to the next double
// quote; an unquoted field ends at a comma, line end, blank or tab. A record
// is a name and a number. Past the end of the file every field reads as empty.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/action_names.h"

namespace wavoria {

inline constexpr int kKeyNameCount = 129;   // entries 0 to 128, by scan code
inline constexpr int kKeyRecordCount = 83;  // records read from keys.dat

struct KeyName {
  std::string Name;  // empty: no key is known under this code
  std::int32_t ScanCode = 0;
};

using KeyNameTable = std::array<KeyName, kKeyNameCount>;

// Reads the fields of a data file one after another.
class DataFieldReader {
 public:
  explicit DataFieldReader(std::string_view text) : text_(text) {}
  // The next field as text (at most maxLength characters are kept).
  std::string NextField(std::size_t maxLength);
  // The next field as a number: an optional sign and decimal digits up to the
  // first other character, 0 without digits; a field with a point is read as
  // a decimal fraction and rounded to the nearest integer, ties to even.
  std::int32_t NextNumber();

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Key names from the text of "keys.dat": 83 records, each stored under its
// number. Later records win; records numbered outside 0 to 128 are skipped.
KeyNameTable ParseKeyNames(std::string_view text);
// Action names from the text of "actions.dat": the first 32 records in order.
ActionTable ParseActionNames(std::string_view text);

// Both tables, loaded from a program folder.
struct StartupTables {
  KeyNameTable Keys;
  ActionTable Actions;
};

// Loads "keys.dat" and then "actions.dat" from folder (no trailing separator
// needed; an empty folder means the current one). On success returns true;
// otherwise missingFile names the first file that could not be read.
bool LoadStartupTables(const std::string& folder, StartupTables& tables, std::string& missingFile);

// The message shown when a data file is missing.
std::string MissingDataFileMessage(std::string_view fileName);

}  // namespace wavoria
