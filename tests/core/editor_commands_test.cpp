#include "app/editor_commands.h"

#include <gtest/gtest.h>

#include "dialogs/command_forms.h"
#include "document/list_lines.h"
#include "test_support.h"

namespace wavoria {
namespace {

using testing::ChainNames;

// Adds a WriteToLog command with the given text in front of line `at`.
std::optional<int> AddLog(CommandTable& t, int at, const char* text) {
  ResetEditBuffer(t);
  t.EditBuffer().Action = "WriteToLog";
  t.EditBuffer().Text = text;
  std::optional<int> line = AddFromEditBuffer(t, at);
  BuildListLines(t);
  return line;
}

TEST(EditorCommands, AddSelectsTheNewCommand) {
  CommandTable t;
  EXPECT_EQ(AddLog(t, 0, "x"), std::nullopt);  // nothing before the script line
  EXPECT_EQ(AddLog(t, -1, "x"), std::nullopt);
  EXPECT_EQ(AddLog(t, 1, "a"), 1);  // the end line of an empty script
  EXPECT_EQ(AddLog(t, 2, "c"), 2);
  EXPECT_EQ(AddLog(t, 2, "b"), 2);
  EXPECT_EQ(t.CommandAt(2)->Text, "b");
  EXPECT_EQ(ChainNames(t), "WIZ0 WIZ2 WIZ1");
  CancelEditBuffer(t);
  EXPECT_EQ(AddFromEditBuffer(t, 1), std::nullopt);
  EXPECT_EQ(t.LastPosition(), 3);
}

TEST(EditorCommands, DeleteAndMoveSelectTheRightLine) {
  CommandTable t;
  for (const char* text : {"a", "b", "c"}) AddLog(t, t.LastPosition() + 1, text);
  EXPECT_EQ(MoveUpAt(t, 1), std::nullopt);
  EXPECT_EQ(MoveDownAt(t, 3), std::nullopt);
  EXPECT_EQ(MoveDownAt(t, 4), std::nullopt);
  EXPECT_EQ(DeleteAt(t, 0), std::nullopt);
  EXPECT_EQ(DeleteAt(t, 4), std::nullopt);
  EXPECT_EQ(MoveUpAt(t, 3), 2);
  EXPECT_EQ(t.CommandAt(2)->Text, "c");
  EXPECT_EQ(MoveDownAt(t, 1), 2);
  EXPECT_EQ(t.CommandAt(2)->Text, "a");
  EXPECT_EQ(DeleteAt(t, 1), 0);
  EXPECT_EQ(DeleteAt(t, 2), 1);
  EXPECT_EQ(t.CommandAt(1)->Text, "a");
}

TEST(EditorCommands, EditRoundTripThroughTheBuffer) {
  CommandTable t;
  AddLog(t, 1, "alt");
  ResetEditBuffer(t);
  t.EditBuffer().Action = "EnableKeySupport";
  t.EditBuffer().Enable = "True";
  AddFromEditBuffer(t, 2);
  BuildListLines(t);

  EXPECT_EQ(EditTargetAt(t, 0).What, EditTarget::kRename);
  EXPECT_EQ(EditTargetAt(t, 2).What, EditTarget::kNothing);  // no dialog for it
  EXPECT_EQ(EditTargetAt(t, 3).What, EditTarget::kNothing);  // the end line
  ASSERT_EQ(EditTargetAt(t, 1).What, EditTarget::kDialog);
  EXPECT_EQ(EditTargetAt(t, 1).DialogId, 4000);

  LoadEditBuffer(t, 1);
  EXPECT_EQ(t.EditBuffer().SectionName, "");
  EXPECT_EQ(t.EditBuffer().Next, "");
  EXPECT_EQ(t.EditBuffer().SlotIndex, -1);
  EXPECT_EQ(t.EditBuffer().Text, "alt");
  t.EditBuffer().Text = "neu";
  ASSERT_TRUE(StoreEditBuffer(t, 1));
  EXPECT_EQ(t.Slot(1).Text, "neu");
  EXPECT_EQ(t.Slot(1).SectionName, "WIZ0");
  EXPECT_EQ(t.Slot(1).Next, "WIZ1");
  EXPECT_EQ(t.Slot(1).SlotIndex, 1);

  LoadEditBuffer(t, 1);
  t.EditBuffer().Text = "verworfen";
  t.EditBuffer().SectionName = "&NULL";
  EXPECT_FALSE(StoreEditBuffer(t, 1));
  EXPECT_EQ(t.Slot(1).Text, "neu");
}

TEST(EditorCommands, TheEditorOpensWithANameAndAHead) {
  CommandTable t;
  AddLog(t, 1, "a");
  t.ScriptName = "";
  t.Head().SectionName = "";
  PrepareForEditor(t);
  EXPECT_EQ(t.ScriptName, "Unbenanntes Skript");
  EXPECT_EQ(t.Head().SectionName, "Execute");
  EXPECT_EQ(t.LastPosition(), 1);
  t.ScriptName = "  ";
  PrepareForEditor(t);
  EXPECT_EQ(t.ScriptName, "  ");  // only an empty name is replaced
}

TEST(CommandForms, NegativRule) {
  struct Case {
    const char* field;
    const char* digits;
    bool negative;
    const char* stored;  // what OK stores without a change
  } cases[] = {
      {"-12", "12", true, "-12"},  {"7.9", "7", false, "7"},
      {"", "0", false, "0"},       {"abc", "0", false, "0"},
      {"&H10", "16", false, "16"}, {"-2147483648", "2147483648", true, "-2147483648"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    SignedNumberForm f = ShowSignedNumber(c.field);
    EXPECT_EQ(f.Digits, c.digits);
    EXPECT_EQ(f.Negative, c.negative);
    EXPECT_EQ(StoreSignedNumber(f.Digits, f.Negative), c.stored);
  }
  EXPECT_EQ(StoreSignedNumber("0", true), "0");
}

TEST(CommandForms, ComboBoxChoices) {
  EXPECT_EQ(MidiTickSelection("oUtPuT"), 1);
  EXPECT_EQ(MidiTickSelection("Original"), 0);
  EXPECT_EQ(MidiTickSelection("whatever"), 0);
  EXPECT_EQ(MidiTickCommand(0), "Original");
  EXPECT_EQ(MidiTickCommand(1), "Output");
  EXPECT_EQ(DebugLevelSelection(""), 0);
  EXPECT_EQ(DebugLevelSelection("3"), 3);
  EXPECT_EQ(DebugLevelSelection("5"), -1);
  EXPECT_EQ(DebugLevelSelection("-1"), -1);
  EXPECT_EQ(DebugLevelValue(2), "2");
}

// A combo box without a selection (CB_GETCURSEL gives -1) stores nothing, so
// the dialog ends as cancelled; an index past the items does the same.
TEST(CommandForms, NoSelectionStoresNothing) {
  struct Case {
    const char* name;
    std::optional<std::string> stored;
    std::optional<std::string> expected;
  } cases[] = {
      {"midi tick, none", MidiTickCommand(-1), std::nullopt},
      {"midi tick, past the items", MidiTickCommand(2), std::nullopt},
      {"midi tick, last item", MidiTickCommand(1), "Output"},
      {"debug level, none", DebugLevelValue(-1), std::nullopt},
      {"debug level, past the items", DebugLevelValue(4), std::nullopt},
      {"debug level, first item", DebugLevelValue(0), "0"},
      {"debug level, last item", DebugLevelValue(3), "3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.stored, c.expected);
  }
}

}  // namespace
}  // namespace wavoria
