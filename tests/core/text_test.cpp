#include "document/text.h"

#include <gtest/gtest.h>

namespace wavoria {
namespace {

TEST(IntegerOf, ReadsTheNumberAtTheStartOfAText) {
  struct Case {
    const char* text;
    std::int32_t expected;
  } cases[] = {
      {"7", 7},
      {"  -5", -5},
      {"+12", 12},
      {"12abc", 12},
      {"abc", 0},
      {"", 0},
      {"   ", 0},
      {"&H10", 16},
      {"&hff", 255},
      {"&O17", 15},
      {"&b101", 5},
      {"&X1", 0},
      {"- 5", 0},
      {"\t5", 0},
      {"007", 7},
      {"&H", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", 2147483647},
      {"-99999999999999999999", -2147483647 - 1},
      {"&HFFFFFFFFFFFFFFFFFF", 2147483647},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("text: '") + c.text + "'");
    EXPECT_EQ(IntegerOf(c.text), c.expected);
  }
}

TEST(TextHelpers, FoldOnlyAtoZAndStripOnlyBlanks) {
  EXPECT_TRUE(EqualsIgnoreCase("wiz3", "WIZ3"));
  EXPECT_FALSE(EqualsIgnoreCase("ä", "Ä"));  // outside A to Z: exact
  EXPECT_FALSE(EqualsIgnoreCase("WIZ", "WIZ0"));
  EXPECT_EQ(ToUpperAscii("aüz{"), "AüZ{");
  EXPECT_EQ(StripBlanks("  \tx \t "), "\tx \t");
  EXPECT_EQ(StripBlanks("    "), "");
  EXPECT_EQ(DecimalText(-5), "-5");
}

}  // namespace
}  // namespace wavoria
