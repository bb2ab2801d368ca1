// Windows-1252 and UTF-8 character by character (document/script_encoding.h
// converts whole files).
#pragma once

#include <cstddef>
#include <string_view>

namespace wavoria {

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

}  // namespace wavoria
