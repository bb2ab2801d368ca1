#include "document/utf8_text.h"

#include <cstdint>

namespace wavoria {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The code points that Windows-1252 puts at 0x80 to 0x9F (0: none there).
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Decodes the character at text[at]; false on a malformed sequence.
bool Decode(std::string_view text, std::size_t& at, char32_t& cp) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(at);
  int extra = 0;
  if (lead < 0x80) {
    cp = lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    cp = lead & 0x1F;
    extra = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    cp = lead & 0x0F;
    extra = 2;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    cp = lead & 0x07;
    extra = 3;
  } else {
    return false;
  }
  if (at + static_cast<std::size_t>(extra) >= text.size()) return false;
  for (int i = 1; i <= extra; ++i) {
    const std::uint8_t next = byte(at + i);
    if ((next & 0xC0) != 0x80) return false;
    cp = (cp << 6) | (next & 0x3F);
  }
  // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
  if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
      (cp >= 0xD800 && cp <= 0xDFFF)) {
    return false;
  }
  at += static_cast<std::size_t>(extra) + 1;
  return true;
}

// The Windows-1252 byte for cp, or 0 when there is none.
char ToWindows1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  }
  return 0;
}

std::string_view WithoutMark(std::string_view text) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text.remove_prefix(kByteOrderMark.size());
  }
  return text;
}

// Whether text is valid UTF-8; firstLine gets the line of the first
// non-ASCII character (0 when there is none).
bool IsUtf8(std::string_view text, int& firstLine) {
  firstLine = 0;
  int line = 1;
  for (std::size_t at = 0; at < text.size();) {
    if (static_cast<std::uint8_t>(text[at]) < 0x80) {
      if (text[at++] == '\n') ++line;
      continue;
    }
    char32_t cp = 0;
    if (!Decode(text, at, cp)) return false;
    if (firstLine == 0) firstLine = line;
  }
  return true;
}

}  // namespace

Utf8Conversion ConvertUtf8Text(std::string_view text) {
  Utf8Conversion result;
  text = WithoutMark(text);
  int firstLine = 0;
  if (!IsUtf8(text, firstLine) || firstLine == 0) return result;
  result.Converted = true;
  result.Text.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    char32_t cp = 0;
    Decode(text, at, cp);
    const char c = ToWindows1252(cp);
    if (c == 0 && cp != 0) {
      result.Text += '?';
      ++result.Unmappable;
    } else {
      result.Text += c;
    }
  }
  return result;
}

int FirstUtf8Line(std::string_view text) {
  int firstLine = 0;
  return IsUtf8(WithoutMark(text), firstLine) ? firstLine : 0;
}

}  // namespace wavoria
