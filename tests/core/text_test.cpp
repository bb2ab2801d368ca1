#include "document/text.h"

#include <gtest/gtest.h>

#include "cli/text_encoding.h"
#include "document/file_error.h"
#include "document/utf8_text.h"

namespace wavoria {
namespace {

TEST(Text, IntegerOf) {
  // clang-format off
  const std::pair<const char*, std::int32_t> cases[] = {
      {"7", 7}, {"  -5", -5}, {"+12", 12}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"&HA0", 160},
      {"&hff", 255}, {"&O17", 15}, {"&b101", 5}, {"&X1", 0}, {"- 5", 0}, {"\t5", 0}, {"&H", 0}, {"&", 0}, {"&H1:", 1},
      {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"2147483648", 2147483647},
      {"-99999999999999999999", -2147483647 - 1}, {"&HFFFFFFFFFFFFFFFFFF", 2147483647}};
  // clang-format on
  for (const auto& [text, value] : cases) EXPECT_EQ(IntegerOf(text), value) << text;
  EXPECT_EQ(IntegerOf(std::string_view("12345", 2)), 12);  // digits end with the view
}

TEST(Text, CaseBlanksAndNumbers) {
  EXPECT_TRUE(EqualsIgnoreCase("wiz3", "WIZ3"));
  EXPECT_FALSE(EqualsIgnoreCase("\xE4", "\xC4"));  // ä and Ä: outside A to Z
  EXPECT_FALSE(EqualsIgnoreCase("WIZ", "WIZ0"));
  EXPECT_EQ(ToUpperAscii("a\xFCz{"), "A\xFCZ{");
  EXPECT_EQ(StripBlanks("  \tx \t "), "\tx \t");
  EXPECT_EQ(StripBlanks("    "), "");
  EXPECT_EQ(DecimalText(-5), "-5");
  // The Negativ rule: the whole 32-bit range, held at its ends.
  // clang-format off
  const std::tuple<const char*, bool, std::int32_t> signed_[] = {
      {"5", true, -5}, {"", true, 0}, {"007", false, 7}, {"12abc", false, 12},
      {"2147483648", false, 2147483647}, {"2147483648", true, -2147483647 - 1},
      {"99999999999999999999", true, -2147483647 - 1}};
  // clang-format on
  EXPECT_EQ(SignedNumberOf(std::string_view("123456", 3), false), 123);  // digits end with the view
  for (const auto& [digits, negative, value] : signed_) {
    EXPECT_EQ(SignedNumberOf(digits, negative), value) << digits << negative;
  }
}

// Reading converts only valid UTF-8 with non-ASCII characters; the CLI
// converts both ways for the terminal.
TEST(Text, Utf8AndWindows1252) {
  // clang-format off
  const std::tuple<std::string, bool, std::string, int, int> cases[] = {
      {"Gr\xC3\xB6\xC3\x9F!", true, "Gr\xF6\xDF!", 0, 1},
      {"\xEF\xBB\xBFx\r\n\xE2\x82\xAC", true, "x\r\n\x80", 0, 2},
      {"a\n\xE4\xB8\xAD", true, "a\n?", 1, 2},
      {"Gr\xF6\xDF!", false, "", 0, 0},
      {"\xEF\xBB\xBFplain", false, "", 0, 0},
      {"\xC3", false, "", 0, 0},
      {"\xC3(", false, "", 0, 0},                  // no continuation byte
      {"\x80\xC3\xA4", false, "", 0, 0},           // a lone continuation byte first
      {"\xEF\xBC\x81", true, "?", 1, 1},            // U+FF01, led by 0xEF
      {"\xC0\xAF", false, "", 0, 0},
      {"\xDF\xBF", true, "?", 1, 1},                 // U+07FF, the last of two bytes
      {"\xF0\x90\x80\x80", true, "?", 1, 1},         // U+10000, the first of four bytes
      {"\xF4\x8F\xBF\xBF", true, "?", 1, 1},         // U+10FFFF, the last code point
      {"\xF4\x90\x80\x80", false, "", 0, 0},           // past U+10FFFF
      {"\xED\x9F\xBF\xEE\x80\x80", true, "??", 2, 1},  // U+D7FF and U+E000 around the surrogates
      {"\xED\xA0\x80", false, "", 0, 0},               // U+D800, a surrogate
      {"\xED\xBF\xBF", false, "", 0, 0},               // U+DFFF
      {"\xE0\x9F\xBF", false, "", 0, 0},               // overlong three bytes
      {"\xF0\x8F\xBF\xBF", false, "", 0, 0},           // overlong four bytes
      {"\xC2\x8F\xC2\x81", true, "\x8F\x81", 0, 1},    // the bytes Windows-1252 leaves undefined
  };
  // clang-format on
  for (const auto& [input, converted, text, unmappable, line] : cases) {
    const Utf8Conversion r = ConvertUtf8Text(input);
    EXPECT_EQ(std::tuple(r.Converted, r.Text, r.Unmappable, FirstUtf8Line(input)),
              std::tuple(converted, text, unmappable, line));
  }
  // Both ways, and from UTF-8 alone (what is not UTF-8 stays as it is).
  // clang-format off
  const std::pair<std::string, std::string> both[] = {{"Next=1", "Next=1"}, {"\xE4\xDF\xC4", "\xC3\xA4\xC3\x9F\xC3\x84"},
      {"\x80\x84", "\xE2\x82\xAC\xE2\x80\x9E"}, {"\x81", "\xC2\x81"}, {"\x9F", "\xC5\xB8"}, {"\xFF", "\xC3\xBF"}};
  const std::pair<const char*, const char*> fromUtf8[] = {{"\xE4\xB8\xAD!", "?!"}, {"\xC0\xAF", "\xC0\xAF"},
      {"\xED\xA0\x80", "\xED\xA0\x80"}, {"\xC3", "\xC3"}, {"\xC2\x80", "?"}, {"\xE0\xA4\x80", "?"},
      {"\xF8\x90\x80\x80", "\xF8\x90\x80\x80"}};
  // clang-format on
  for (const auto& [cp1252, utf8] : both) {
    EXPECT_EQ(std::pair(cli::Cp1252ToUtf8(cp1252), cli::Utf8ToCp1252(utf8)),
              std::pair(utf8, cp1252));
  }
  for (const auto& [utf8, cp1252] : fromUtf8) EXPECT_EQ(cli::Utf8ToCp1252(utf8), cp1252);
}

TEST(Text, FileErrorCauses) {
  // clang-format off
  const std::pair<FileError, std::string> cases[] = {{FileError::NotFound, "S: nicht gefunden."},
      {FileError::InUse, "S: wird gerade von einem anderen Programm verwendet (läuft das Spiel oder der RPG Maker noch?)."},
      {FileError::Other, "S: ein Fehler des Systems."}, {FileError::None, "S."}};
  // clang-format on
  for (const auto& [error, text] : cases) EXPECT_EQ(WithCause("S.", error), text);
}

}  // namespace
}  // namespace wavoria
