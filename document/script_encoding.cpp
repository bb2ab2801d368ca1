#include "document/script_encoding.h"

#include <cstdint>

#include "document/best_fit_1252.h"
#include "platform/utf8_text.h"

namespace wavoria {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

std::uint8_t ByteAt(std::string_view text, std::size_t pos) {
  return static_cast<std::uint8_t>(text[pos]);
}

bool IsContinuation(std::string_view text, std::size_t pos) {
  return (ByteAt(text, pos) & 0xC0) == 0x80;
}

// How many bytes at text[pos], which are no valid UTF-8, Windows replaces by
// one "?" (measured): a lead byte C2 to F4 takes its continuation bytes
// along, the first one even when it does not fit the lead (an overlong form,
// a surrogate, a code point past U+10FFFF), which then ends the sequence; a
// lead byte whose sequence would run past the end takes the rest of the text;
// any other byte stands alone.
std::size_t InvalidUtf8Length(std::string_view text, std::size_t pos) {
  const std::uint8_t lead = ByteAt(text, pos);
  const std::size_t need = lead >= 0xC2 && lead <= 0xDF   ? 1
                           : lead >= 0xE0 && lead <= 0xEF ? 2
                           : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                          : 0;
  if (need == 0) return 1;
  if (pos + need >= text.size()) return text.size() - pos;
  if (!IsContinuation(text, pos + 1)) return 1;
  const std::uint8_t second = ByteAt(text, pos + 1);
  const bool fits = lead == 0xE0   ? second > 0x9F
                    : lead == 0xED ? second < 0xA0
                    : lead == 0xF0 ? second >= 0x90
                    : lead == 0xF4 ? second <= 0x8F
                                   : true;
  std::size_t length = 2;
  while (fits && length <= need && IsContinuation(text, pos + length)) ++length;
  return length;
}

// Appends c as Windows writes a character into Windows-1252: a character
// beyond U+FFFF is two UTF-16 units there, and so two "?".
void AppendBestFit(TextConversion& result, char32_t c) {
  if (c > 0xFFFF) {
    result.Text += "??";
    result.Unmappable += 2;
    return;
  }
  const char byte = BestFitByteOf(c);
  if (byte == '?' && c != U'?') ++result.Unmappable;
  result.Text += byte;
}

// Whether text is valid UTF-8 with at least one non-ASCII character.
bool IsUtf8WithNonAscii(std::string_view text) {
  bool nonAscii = false;
  for (std::size_t at = 0; at < text.size();) {
    if (ByteAt(text, at) < 0x80) {
      ++at;
      continue;
    }
    char32_t c{};
    const std::size_t length = DecodeUtf8(text, at, c);
    if (length == 0) return false;
    at += length;
    nonAscii = true;
  }
  return nonAscii;
}

// UTF-8 (without its mark) as Windows-1252; invalid bytes become "?".
void ConvertUtf8(std::string_view text, TextConversion& result) {
  result.Text.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    if (ByteAt(text, at) < 0x80) {
      result.Text += text[at++];
      continue;
    }
    if (!result.Converted) result.FirstChanged = result.Text.size();
    result.Converted = true;
    char32_t c{};
    std::size_t length = DecodeUtf8(text, at, c);
    if (length == 0) {
      length = InvalidUtf8Length(text, at);
      c = 0xFFFD;
    }
    at += length;
    AppendBestFit(result, c);
  }
}

// UTF-16 (without its mark) as Windows-1252: unit by unit, as Windows
// converts it, so a surrogate is "?"; a last odd byte is "?" as well.
void ConvertUtf16(std::string_view text, bool bigEndian, TextConversion& result) {
  result.Converted = true;
  result.Text.reserve(text.size() / 2 + 1);
  for (std::size_t at = 0; at + 1 < text.size(); at += 2) {
    const char32_t high = ByteAt(text, at + (bigEndian ? 0 : 1));
    const char32_t low = ByteAt(text, at + (bigEndian ? 1 : 0));
    AppendBestFit(result, (high << 8) | low);
  }
  if (text.size() % 2 != 0) AppendBestFit(result, 0xFFFD);
}

}  // namespace

TextConversion ConvertScriptBytes(std::string_view bytes) {
  TextConversion result;
  if (bytes.starts_with(kUtf16LittleMark) || bytes.starts_with(kUtf16BigMark)) {
    result.From = TextEncoding::kUtf16;
    ConvertUtf16(bytes.substr(2), bytes[0] == kUtf16BigMark[0], result);
  } else if (bytes.starts_with(kUtf8Mark)) {
    result.From = TextEncoding::kUtf8;
    ConvertUtf8(bytes.substr(kUtf8Mark.size()), result);
  } else if (IsUtf8WithNonAscii(bytes)) {
    result.From = TextEncoding::kUtf8;
    ConvertUtf8(bytes, result);
  }
  if (!result.Converted) result.Text.clear();
  return result;
}

std::string_view TextOf(const TextConversion& conversion, std::string_view bytes) {
  if (conversion.Converted) return conversion.Text;
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  return bytes;
}

}  // namespace wavoria
