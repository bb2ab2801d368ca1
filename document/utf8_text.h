// Scripts saved by editors that write UTF-8: the program and the add-on read
// Windows-1252, so such a text is converted once, on reading.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wavoria {

struct Utf8Conversion {
  bool Converted = false;  // the text was UTF-8 with non-ASCII characters
  std::string Text;        // the Windows-1252 text when Converted
  int Unmappable = 0;      // characters Windows-1252 lacks, written as "?"
};

// The code point of a Windows-1252 byte. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters
// of the same number, as Windows itself converts them.
char32_t CodePointOf1252(unsigned char byte);

// The Windows-1252 byte of code point c; false when the code page has none.
bool Windows1252ByteOf(char32_t c, char& byte);

// Decodes the UTF-8 sequence of two to four bytes at text[pos] into c and
// returns its length; 0 when the bytes there are no valid sequence (an ASCII
// byte, overlong forms, surrogates and code points past U+10FFFF included).
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& c);

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
