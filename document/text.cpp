#include "document/text.h"

#include <algorithm>
#include <array>
#include <limits>

namespace wavoria {

namespace {

char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Value of c as a digit in the given base, or -1.
int DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') {
    v = c - '0';
  } else if (UpperAscii(c) >= 'A' && UpperAscii(c) <= 'F') {
    v = UpperAscii(c) - 'A' + 10;
  }
  return v < base ? v : -1;
}

std::int32_t Clamp32(std::int64_t v) {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(v, lo, hi));
}

// Reads digits of base from text starting at i; saturates well beyond the
// 32-bit range so that clamping afterwards gives the right bound.
std::int64_t ReadDigits(std::string_view text, std::size_t i, int base) {
  constexpr std::int64_t kCap = std::int64_t{1} << 40;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    int d = DigitValue(text[i], base);
    if (d < 0) break;
    value = std::min(value * base + d, kCap);
  }
  return value;
}

}  // namespace

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (UpperAscii(text[i]) != UpperAscii(prefix[i])) return false;
  }
  return true;
}

std::string_view StripBlanks(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::int32_t IntegerOf(std::string_view text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0;
  if (text[i] == '&' && i + 1 < text.size()) {
    switch (UpperAscii(text[i + 1])) {
      case 'H':
        return Clamp32(ReadDigits(text, i + 2, 16));
      case 'O':
        return Clamp32(ReadDigits(text, i + 2, 8));
      case 'B':
        return Clamp32(ReadDigits(text, i + 2, 2));
      default:
        return 0;
    }
  }
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') {
    negative = text[i] == '-';
    ++i;
  }
  std::int64_t magnitude = ReadDigits(text, i, 10);
  return Clamp32(negative ? -magnitude : magnitude);
}

std::int32_t SignedNumberOf(std::string_view digits, bool negative) {
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t n = 0;
  std::size_t i = 0;
  while (i < digits.size() && digits[i] == ' ') ++i;
  for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i) {
    n = std::min(n * 10 + (digits[i] - '0'), kLimit);
  }
  return static_cast<std::int32_t>(negative ? -n : std::min(n, kLimit - 1));
}

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

std::string DecimalText(std::int64_t value) {
  return std::to_string(value);
}

void AppendAll(std::string& text, std::initializer_list<std::string_view> parts) {
  std::size_t size = text.size();
  for (std::string_view part : parts) size += part.size();
  text.reserve(size);
  for (std::string_view part : parts) text.append(part);
}

std::string CutTo(std::string text, std::size_t limit) {
  text.resize(std::min(text.size(), limit));
  return text;
}

std::string AndMoreText(std::int64_t more) {
  return "… und " + DecimalText(more) + " weitere";
}

namespace {

// ShownEscaped of every byte, looked up: every list line and every value read
// passes each of its bytes through it.
constexpr std::array<bool, 256> kShownEscaped = [] {
  std::array<bool, 256> escaped{};
  for (int byte = 0; byte < 0x20; ++byte) escaped[byte] = true;
  for (int byte : {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D}) escaped[byte] = true;
  return escaped;
}();

}  // namespace

bool ShownEscaped(char c) {
  return kShownEscaped[static_cast<unsigned char>(c)];
}

std::string Displayable(std::string_view text, std::size_t limit, bool lineBreaks) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  shown.reserve(std::min(limit, text.size()));
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (lineBreaks && c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      if (shown.size() + 2 > limit) break;
      shown.append(LineBreak);
      ++i;
    } else if (ShownEscaped(c)) {
      if (shown.size() + 4 > limit) break;
      const auto byte = static_cast<unsigned char>(c);
      shown.append({'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]});
    } else {
      if (shown.size() + 1 > limit) break;
      shown += c;
    }
  }
  return shown;
}

void MakeDisplayable(std::string& text, std::size_t limit) {
  if (DisplayedSize(text) == text.size()) {
    text.resize(std::min(text.size(), limit));
  } else {
    text = Displayable(text, limit);
  }
}

std::size_t DisplayedSize(std::string_view text) {
  std::size_t escaped = 0;
  for (const char c : text) escaped += kShownEscaped[static_cast<unsigned char>(c)];
  return text.size() + 3 * escaped;
}

std::string FromBox(std::string_view box, std::string_view value) {
  return std::string(box == Displayable(value) ? value : box);
}

}  // namespace wavoria
