#include "document/text.h"

#include <gtest/gtest.h>

#include "document/script_encoding.h"
#include "platform/file_error.h"
#include "platform/text_encoding.h"

namespace wavoria {
namespace {

TEST(Text, IntegerOf) {
  const std::pair<const char*, std::int32_t> cases[] = {{"7", 7},
                                                        {"  -5", -5},
                                                        {"+12", 12},
                                                        {"12abc", 12},
                                                        {"abc", 0},
                                                        {"", 0},
                                                        {"&HA0", 160},
                                                        {"&hff", 255},
                                                        {"&O17", 15},
                                                        {"&b101", 5},
                                                        {"&X1", 0},
                                                        {"- 5", 0},
                                                        {"\t5", 0},
                                                        {"&H", 0},
                                                        {"&", 0},
                                                        {"&H1:", 1},
                                                        {"2147483647", 2147483647},
                                                        {"-2147483648", -2147483647 - 1},
                                                        {"2147483648", 2147483647},
                                                        {"-99999999999999999999", -2147483647 - 1},
                                                        {"&HFFFFFFFFFFFFFFFFFF", 2147483647}};
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
  const std::tuple<const char*, bool, std::int32_t> signed_[] = {
      {"5", true, -5},
      {"", true, 0},
      {"007", false, 7},
      {"12abc", false, 12},
      {"2147483648", false, 2147483647},
      {"2147483648", true, -2147483647 - 1},
      {"99999999999999999999", true, -2147483647 - 1}};
  EXPECT_EQ(SignedNumberOf(std::string_view("123456", 3), false), 123);  // digits end with the view
  for (const auto& [digits, negative, value] : signed_) {
    EXPECT_EQ(SignedNumberOf(digits, negative), value) << digits << negative;
  }
}

// A file with a UTF-16 or UTF-8 mark is converted as Windows converts it (best
// fit, then "?"; invalid UTF-8 replaced as Windows does); without a mark only
// valid UTF-8 with non-ASCII characters is. The CLI converts both ways for the
// terminal.
TEST(Text, ScriptBytesAndWindows1252) {
  using namespace std::string_literals;
  const std::string u8 = "\xEF\xBB\xBF", le = "\xFF\xFE", be = "\xFE\xFF";
  using E = TextEncoding;
  const std::tuple<std::string, E, bool, std::string, int, std::size_t> cases[] = {
      {"Gr\xC3\xB6\xC3\x9F!", E::kUtf8, true, "Gr\xF6\xDF!", 0, 2},
      {u8 + "x\r\n\xE2\x82\xAC", E::kUtf8, true, "x\r\n\x80", 0, 3},
      {"a\n\xE4\xB8\xAD", E::kUtf8, true, "a\n?", 1, 2},
      {"Gr\xF6\xDF!", E::kWindows1252, false, "", 0, 0},
      {u8 + "plain", E::kUtf8, false, "", 0, 0},
      {"\xC3", E::kWindows1252, false, "", 0, 0},
      {"\xC3(", E::kWindows1252, false, "", 0, 0},         // no continuation byte
      {"\x80\xC3\xA4", E::kWindows1252, false, "", 0, 0},  // a lone continuation byte first
      {"\xEF\xBC\x81\xE2\x88\x92\xC4\x8D", E::kUtf8, true, "!-c", 0,
       0},  // best fit: U+FF01, U+2212, U+010D
      {"\xC0\xAF", E::kWindows1252, false, "", 0, 0},
      {"\xDF\xBF", E::kUtf8, true, "?", 1, 0},                 // U+07FF, the last of two bytes
      {"\xF0\x90\x80\x80", E::kUtf8, true, "??", 2, 0},        // U+10000: two UTF-16 units
      {"\xF4\x8F\xBF\xBF", E::kUtf8, true, "??", 2, 0},        // U+10FFFF, the last code point
      {"\xF4\x90\x80\x80", E::kWindows1252, false, "", 0, 0},  // past U+10FFFF
      {"\xED\x9F\xBF\xEE\x80\x80", E::kUtf8, true, "??", 2,
       0},  // U+D7FF and U+E000 around the surrogates
      {"\xED\xA0\x80", E::kWindows1252, false, "", 0, 0},      // U+D800, a surrogate
      {"\xE0\x9F\xBF", E::kWindows1252, false, "", 0, 0},      // overlong three bytes
      {"\xF0\x8F\xBF\xBF", E::kWindows1252, false, "", 0, 0},  // overlong four bytes
      {"\xC2\x8F\xC2\x81", E::kUtf8, true, "\x8F\x81", 0,
       0},  // the bytes Windows-1252 leaves undefined
      // After a UTF-8 mark, invalid bytes as Windows replaces them (measured).
      {u8 + "a\xFC"
            "b\xE2\x82"
            "c\xC3"
            "d",
       E::kUtf8, true, "a?b?c?d", 3, 1},
      {u8 + "\xED\xA0\x80|\xF4\x90\x80\x80|\xE0\x80\x80|\xE0\x9F\xBF|\xC0\x80|\xF0\x9F\x98|"
            "\xF4\x8F\xBF|",
       E::kUtf8, true, "??|???|??|??|??|?|?|", 13, 0},
      {u8 + "x\xE2"
            "A",
       E::kUtf8, true, "x?", 1, 1},  // a sequence cut by the end takes the rest
      {le + "[\0S\0]\0\r\0\n\0\x00\x01\x3D\xD8\x00\xDE\xAC\x20\0\0!"s, E::kUtf16, true,
       "[S]\r\nA??\x80\0?"s, 3, 0},
      {be + "\0[\0\xE4"s + "A", E::kUtf16, true, "[\xE4?", 1, 0},
  };
  for (const auto& [input, from, converted, text, unmappable, first] : cases) {
    SCOPED_TRACE(input);
    const TextConversion r = ConvertScriptBytes(input);
    EXPECT_EQ(std::tuple(r.From, r.Converted, r.Text, r.Unmappable, r.FirstChanged),
              std::tuple(from, converted, text, unmappable, first));
  }
  EXPECT_EQ(TextOf(ConvertScriptBytes(u8 + "plain"), u8 + "plain"), "plain");
  // Both ways, and from UTF-8 alone (what is not UTF-8 stays as it is).
  const std::pair<std::string, std::string> both[] = {{"Next=1", "Next=1"},
                                                      {"\xE4\xDF\xC4", "\xC3\xA4\xC3\x9F\xC3\x84"},
                                                      {"\x80\x84", "\xE2\x82\xAC\xE2\x80\x9E"},
                                                      {"\x81", "\xC2\x81"},
                                                      {"\x9F", "\xC5\xB8"},
                                                      {"\xFF", "\xC3\xBF"}};
  const std::pair<const char*, const char*> fromUtf8[] = {{"\xE4\xB8\xAD!", "?!"},
                                                          {"\xC0\xAF", "\xC0\xAF"},
                                                          {"\xED\xA0\x80", "\xED\xA0\x80"},
                                                          {"\xC3", "\xC3"},
                                                          {"\xC2\x80", "?"},
                                                          {"\xE0\xA4\x80", "?"},
                                                          {"\xF8\x90\x80\x80", "\xF8\x90\x80\x80"}};
  for (const auto& [cp1252, utf8] : both) {
    EXPECT_EQ(std::pair(cli::Cp1252ToUtf8(cp1252), cli::Utf8ToCp1252(utf8)),
              std::pair(utf8, cp1252));
  }
  for (const auto& [utf8, cp1252] : fromUtf8) EXPECT_EQ(cli::Utf8ToCp1252(utf8), cp1252);
}

// Bytes a control must not get are shown as escapes; what a dialog showed so
// is stored back as the bytes it stood for until the maker edits it.
TEST(Text, ControlsGetEscapesForControlCharacters) {
  const std::size_t all = std::string_view::npos;
  const std::tuple<std::string, std::size_t, bool, std::string> cases[] = {
      {"a\x01z", all, false, "a\\x01z"},
      {"\x1F\x7F\x81\x8D\x8F\x90\x9D", all, false, "\\x1F\\x7F\\x81\\x8D\\x8F\\x90\\x9D"},
      {"\x80\x9E\xFF\\x20 ", all, false, "\x80\x9E\xFF\\x20 "},
      {"1\r\n2\n3\r", all, false, "1\\x0D\\x0A2\\x0A3\\x0D"},
      {"1\r\n2\n3\r", all, true, "1\r\n2\\x0A3\\x0D"},
      {"ab\x01", 5, false, "ab"},
      {"ab\x01", 6, false, "ab\\x01"}};
  for (const auto& [text, limit, lineBreaks, shown] : cases) {
    EXPECT_EQ(Displayable(text, limit, lineBreaks), shown) << text;
  }
  EXPECT_EQ(std::pair(FromBox("a\\x01", "a\x01"), FromBox("a\\x01!", "a\x01")),
            std::pair(std::string("a\x01"), std::string("a\\x01!")));
}

TEST(Text, FileErrorCauses) {
  const std::pair<FileError, std::string> cases[] = {
      {FileError::NotFound, "S: nicht gefunden."},
      {FileError::InUse,
       "S: wird gerade von einem anderen Programm verwendet (läuft das Spiel oder der RPG Maker "
       "noch?)."},
      {FileError::Other, "S: ein Fehler des Systems."},
      {FileError::None, "S."}};
  for (const auto& [error, text] : cases) EXPECT_EQ(WithCause("S.", error), text);
}

}  // namespace
}  // namespace wavoria
