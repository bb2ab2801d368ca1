#include "dialogs/input_forms.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace wavoria {
namespace {

TEST(MouseSupportForm, NewCommandDefaultsAndStore) {
  ScriptCommand cmd;
  MouseSupportForm form = ShowMouseSupport(cmd);
  EXPECT_EQ(form.Id.Digits, "0");
  EXPECT_FALSE(form.Id.Negative);
  EXPECT_FALSE(form.Automatic);
  StoreMouseSupport(form, cmd);
  EXPECT_EQ(cmd.Action, "EnableMouseSupport");
  EXPECT_EQ(cmd.Enable, "True");
  EXPECT_EQ(cmd.ID, "0");
  EXPECT_EQ(cmd.Automatic, "False");
}

TEST(MouseSupportForm, ShowsAndStoresNegativeIdAndAutomatic) {
  ScriptCommand cmd{.Enable = "False", .ID = "-3", .Automatic = "true"};
  MouseSupportForm form = ShowMouseSupport(cmd);
  EXPECT_EQ(form.Id.Digits, "3");
  EXPECT_TRUE(form.Id.Negative);
  EXPECT_TRUE(form.Automatic);
  StoreMouseSupport(form, cmd);
  EXPECT_EQ(cmd.Enable, "True");  // the dialog always switches support on
  EXPECT_EQ(cmd.ID, "-3");
  EXPECT_EQ(cmd.Automatic, "True");

  cmd.Automatic = "Yes";
  EXPECT_FALSE(ShowMouseSupport(cmd).Automatic);
}

TEST(CheatForm, ShowsLettersInUpperCase) {
  const std::pair<const char*, std::string> cases[] = {
      {"", ""},
      {"iddqd", "IDDQD"},
      {"Geld 99!", "GELD 99!"},
      {"  mixed Case  ", "  MIXED CASE  "},  // blanks kept
  };
  testing::ExpectMaps(cases, CheatShown);
}

TEST(CheatForm, StoresTheBoxAsItIsAndTheValue) {
  ScriptCommand cmd;
  cmd.Value = "-12";
  cmd.Cheat = "money";
  CheatForm form = ShowCheat(cmd);
  EXPECT_EQ(form.Cheat, "MONEY");
  EXPECT_EQ(form.Value.Digits, "12");
  EXPECT_TRUE(form.Value.Negative);
  StoreCheat(form, cmd);
  EXPECT_EQ(cmd.Action, "RegisterCheatEvent");
  EXPECT_EQ(cmd.Value, "-12");
  EXPECT_EQ(cmd.Cheat, "MONEY");

  StoreCheat({"", {"", false}}, cmd);
  EXPECT_EQ(cmd.Cheat, "");
  EXPECT_EQ(cmd.Value, "0");
}

TEST(KeyEventForm, KeyShownIsUpperCaseWithoutBlanks) {
  const std::pair<const char*, std::string> cases[] = {
      {"", "A"},          {"   ", "A"},   {"f1", "F1"}, {"  space ", "SPACE"},
      {"Esc", "ESC"},     {"\tX", "\tX"},  // tabs are no blanks
      {"Num 5", "NUM 5"},
  };
  testing::ExpectMaps(cases, KeyShown);
}

TEST(KeyEventForm, EventItemFollowsTheAction) {
  const std::pair<const char*, int> cases[] = {
      {"", kKeyDownItem},
      {"RegisterKeyDownEvent", kKeyDownItem},
      {"RegisterKeyUpEvent", kKeyUpItem},
      {"registerkeyupevent", kKeyUpItem},
      {"REGISTERKEYUPEVENT", kKeyUpItem},
      {"RegisterKeyUpEvent2", kKeyDownItem},
  };
  testing::ExpectMaps(cases, [](const char* action) {
    ScriptCommand cmd;
    cmd.Action = action;
    return ShowKeyEvent(cmd).Event;
  });
  EXPECT_EQ(kKeyEventItems[0], "Drücken");
  EXPECT_EQ(kKeyEventItems[1], "Loslassen");
}

TEST(KeyEventForm, NewKeyEventDefaultsAndStore) {
  ScriptCommand cmd;
  KeyEventForm form = ShowKeyEvent(cmd);
  EXPECT_EQ(form.Event, kKeyDownItem);
  EXPECT_EQ(form.Key, "A");
  EXPECT_EQ(form.Value.Digits, "0");
  EXPECT_FALSE(form.Value.Negative);
  EXPECT_FALSE(form.BlockKey);
  StoreKeyEvent(form, cmd);
  EXPECT_EQ(cmd.Action, "RegisterKeyDownEvent");
  EXPECT_EQ(cmd.Key, "A");
  EXPECT_EQ(cmd.Value, "0");
  EXPECT_EQ(cmd.BlockKey, "False");
}

TEST(KeyEventForm, EditedKeyUpEventKeepsItsEventAndNormalisesTheKey) {
  ScriptCommand cmd;
  cmd.Action = "registerKeyUpEvent";
  cmd.Key = " f12 ";
  cmd.Value = "-7";
  cmd.BlockKey = "TRUE";
  KeyEventForm form = ShowKeyEvent(cmd);
  StoreKeyEvent(form, cmd);
  EXPECT_EQ(cmd.Action, "RegisterKeyUpEvent");
  EXPECT_EQ(cmd.Key, "F12");
  EXPECT_EQ(cmd.Value, "-7");
  EXPECT_EQ(cmd.BlockKey, "True");

  form.Event = -1;  // nothing selected: a key-down event
  StoreKeyEvent(form, cmd);
  EXPECT_EQ(cmd.Action, "RegisterKeyDownEvent");
}

}  // namespace
}  // namespace wavoria
