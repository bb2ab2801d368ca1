#include "platform/text_encoding.h"

#include "platform/utf8_text.h"

namespace wavoria::cli {

namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  for (char ch : text) AppendUtf8(out, CodePointOf1252(static_cast<unsigned char>(ch)));
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const auto first = static_cast<unsigned char>(text[pos]);
    char32_t c{};
    const std::size_t length = DecodeUtf8(text, pos, c);  // 0 for ASCII too
    if (length == 0) {
      out += static_cast<char>(first);
      ++pos;
    } else {
      char byte = '?';
      Windows1252ByteOf(c, byte);
      out += byte;
      pos += length;
    }
  }
  return out;
}

}  // namespace wavoria::cli
