// Conversions between the program's text (Windows-1252) and UTF-8, for the
// terminal on Linux: the script files and every text of the program are
// Windows-1252, a Linux terminal and its file names speak UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace wavoria::cli {

// Windows-1252 text as UTF-8. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of
// the same number, as Windows itself converts them.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 text as Windows-1252. A character that Windows-1252 cannot hold
// becomes "?"; a byte that starts no valid UTF-8 sequence is taken as a
// Windows-1252 character of its own, so text that was never UTF-8 survives.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace wavoria::cli
