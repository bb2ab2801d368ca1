#include "platform/utf8_text.h"

#include <array>

namespace wavoria {

namespace {

// Code points of the bytes 0x80 to 0x9F; from 0xA0 on Windows-1252 is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

char32_t CodePointOf1252(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

bool Windows1252ByteOf(char32_t c, char& byte) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
    byte = static_cast<char>(c);
    return true;
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) {
      byte = static_cast<char>(0x80 + i);
      return true;
    }
  }
  return false;
}

std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& c) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const unsigned char first = byte(0);
  std::size_t length = 0;
  char32_t min{};
  if (first >= 0xC2 && first <= 0xDF) {
    length = 2, c = first & 0x1F, min = 0x80;
  } else if (first >= 0xE0 && first <= 0xEF) {
    length = 3, c = first & 0x0F, min = 0x800;
  } else if (first >= 0xF0 && first <= 0xF4) {
    length = 4, c = first & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(i) & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

}  // namespace wavoria
