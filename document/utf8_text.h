// Scripts saved by editors that write UTF-8: the program and the add-on read
// Windows-1252, so such a text is converted once, on reading.
#pragma once

#include <string>
#include <string_view>

namespace wavoria {

struct Utf8Conversion {
  bool Converted = false;  // the text was UTF-8 with non-ASCII characters
  std::string Text;        // the Windows-1252 text when Converted
  int Unmappable = 0;      // characters Windows-1252 lacks, written as "?"
};

// Converts text (with or without the UTF-8 byte-order mark) when it is valid
// UTF-8 and holds at least one non-ASCII character. Any other text, among it
// every Windows-1252 text with umlauts, is left alone (Converted false).
Utf8Conversion ConvertUtf8Text(std::string_view text);

// What `check` says about such a file, at its first line with a non-ASCII
// character.
inline constexpr std::string_view kUtf8FindingText =
    "Die Datei ist UTF-8-kodiert; der Editor wandelt sie beim Öffnen nach Windows-1252 um.";

// The number (from 1) of the first line holding a non-ASCII character when
// ConvertUtf8Text would convert text; 0 when it would not.
int FirstUtf8Line(std::string_view text);

}  // namespace wavoria
