#include <gtest/gtest.h>

#include <set>

#include "dialogs/key_capture.h"
#include "test_support.h"

namespace wavoria {
namespace {

KeyNameTable SomeKeys() {
  KeyNameTable keys;
  for (auto [code, name] :
       {std::pair{1, "Esc"}, {16, "Q"}, {30, "A"}, {44, "Z"}, {127, "Last"}, {128, "Beyond"}}) {
    keys[code] = {name, code};
  }
  return keys;
}

TEST(KeyCaptureRules, TakesTheLowestNamedHeldKey) {
  const KeyNameTable keys = SomeKeys();
  struct Case {
    const char* name;
    std::set<int> held;
    std::optional<int> taken;
  } cases[] = {
      {"nothing held", {}, std::nullopt},
      {"one named key", {30}, 30},
      {"two named keys: the lower", {44, 16}, 16},
      {"unnamed keys are passed over", {0, 2, 17, 31}, std::nullopt},
      {"an unnamed lower key does not hide a named one", {2, 31, 44}, 44},
      {"scan code 0 has no name here", {0, 1}, 1},
      {"the last polled code", {127}, 127},
      {"code 128 is never polled", {128}, std::nullopt},
      {"negative codes are never polled", {-1}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TakenScanCode([&](int s) { return c.held.count(s) > 0; }, keys), c.taken);
  }
}

TEST(KeyCaptureRules, PollsOnlyNamedCodesInAscendingOrder) {
  const KeyNameTable keys = SomeKeys();
  std::vector<int> asked;
  TakenScanCode(
      [&](int s) {
        asked.push_back(s);
        return false;
      },
      keys);
  EXPECT_EQ(asked, (std::vector<int>{1, 16, 30, 44, 127}));
}

TEST(KeyCaptureRules, BlinksEvery200Ticks) {
  const CaptureColours normal{kPaletteBlack, kPaletteWhite};
  const CaptureColours inverted{kPaletteWhite, kPaletteBlack};
  const std::pair<std::int64_t, CaptureColours> cases[] = {
      {0, normal},   {1, normal},   {199, normal},   {200, inverted},   {399, inverted},
      {400, normal}, {599, normal}, {600, inverted}, {1000000, normal}, {-5, normal},
  };
  testing::ExpectMaps(cases, BlinkColoursAt);
}

TEST(KeyCaptureRules, CloseRequestAndTexts) {
  EXPECT_TRUE(IsCloseRequest(std::string("\xFF") + "k"));
  EXPECT_FALSE(IsCloseRequest("k"));
  EXPECT_FALSE(IsCloseRequest(std::string("\xFF") + "K"));
  EXPECT_FALSE(IsCloseRequest(std::string("\xFF") + "kk"));
  EXPECT_EQ(kCaptureTitle, "Bitte Taste drücken");
  EXPECT_EQ(kCaptureText, "Bitte Taste druecken...");
}

}  // namespace
}  // namespace wavoria
