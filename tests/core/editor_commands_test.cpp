#include "app/editor_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/chooser_choices.h"
#include "app/editor_rules.h"
#include "document/command_kinds.h"
#include "document/list_lines.h"
#include "document/text.h"
#include "test_support.h"

namespace wavoria {
namespace {

using testing::ChainNames;

std::optional<int> AddLog(CommandTable& t, int at, const char* text) {
  ResetEditBuffer(t);
  t.EditBuffer().Action = "WriteToLog";
  t.EditBuffer().Text = text;
  const std::optional<int> line = AddFromEditBuffer(t, at);
  BuildListLines(t);
  return line;
}

TEST(EditorCommands, AddDeleteAndMoveSelectTheRightLine) {
  CommandTable t;
  EXPECT_EQ(AddLog(t, 0, "x"), std::nullopt);  // nothing before the script line
  EXPECT_EQ(AddLog(t, -1, "x"), std::nullopt);
  EXPECT_FALSE(CanAddAt(t, 0) || !CanAddAt(t, 1));
  EXPECT_EQ(AddLog(t, 1, "a"), 1);
  EXPECT_EQ(AddLog(t, 2, "c"), 2);
  EXPECT_EQ(AddLog(t, 2, "b"), 2);
  EXPECT_EQ(ChainNames(t), "WIZ0 WIZ2 WIZ1");
  CancelEditBuffer(t);
  EXPECT_TRUE(EditBufferCancelled(t));
  EXPECT_EQ(AddFromEditBuffer(t, 1), std::nullopt);
  // clang-format off
  const std::tuple<std::optional<int> (*)(CommandTable&, int), int, std::optional<int>, const char*> steps[] = {
      {MoveUpAt, 1, std::nullopt, "abc"}, {MoveDownAt, 3, std::nullopt, "abc"},
      {MoveDownAt, 4, std::nullopt, "abc"}, {DeleteAt, 0, std::nullopt, "abc"},
      {DeleteAt, 4, std::nullopt, "abc"}, {MoveUpAt, 3, 2, "acb"}, {MoveDownAt, 1, 2, "cab"},
      {MoveUpAt, 2, 1, "acb"}, {DeleteAt, 1, 0, "cb"}, {DeleteAt, 1, 0, "b"}, {DeleteAt, 1, 0, ""}};  // the last one too
  // clang-format on
  for (const auto& [step, at, selected, texts] : steps) {
    EXPECT_EQ(step(t, at), selected) << at;
    std::string shown;
    for (int p = 1; p <= t.LastPosition(); ++p) shown += t.CommandAt(p)->Text;
    EXPECT_EQ(shown, texts) << at;
  }
}

TEST(EditorCommands, EditRoundTripThroughTheBuffer) {
  CommandTable t;
  AddLog(t, 1, "alt");
  ApplyChooserChoice(*FindChooserChoice(3009), t);
  AddFromEditBuffer(t, 2);
  BuildListLines(t);
  // The key-support line has no dialog, the end line nothing to edit.
  EXPECT_EQ(std::tuple(EditTargetAt(t, 0).What, EditTargetAt(t, 2).What, EditTargetAt(t, 3).What),
            std::tuple(EditTarget::kRename, EditTarget::kNothing, EditTarget::kNothing));
  ASSERT_EQ(EditTargetAt(t, 1).What, EditTarget::kDialog);
  EXPECT_EQ(EditTargetAt(t, 1).DialogId, 4000);
  LoadEditBuffer(t, 1);
  EXPECT_EQ(
      t.EditBuffer().SectionName + t.EditBuffer().Next + DecimalText(t.EditBuffer().SlotIndex),
      "-1");
  t.EditBuffer().Text = "neu";
  ASSERT_TRUE(StoreEditBuffer(t, 1));
  const ScriptCommand& s = t.Slot(1);
  EXPECT_EQ(s.Text + "|" + s.SectionName + "|" + s.Next + "|" + DecimalText(s.SlotIndex),
            "neu|WIZ0|WIZ1|1");
  LoadEditBuffer(t, 1);
  t.EditBuffer().Text = "verworfen";
  t.EditBuffer().SectionName = "&NULL";
  EXPECT_FALSE(StoreEditBuffer(t, 1));
  EXPECT_EQ(t.Slot(1).Text, "neu");
  t.ScriptName = "";
  t.Head().SectionName = "";
  t.Slot(2).SectionName = "Execute";  // reached while the head has no name
  t.Slot(1).Next = "execute";
  t.RebuildOrder();
  PrepareForEditor(t);
  EXPECT_EQ(t.ScriptName + "|" + t.Head().SectionName + "|" + ChainNames(t),
            "Unbenanntes Skript|Execute|WIZ0");
}

// Every chooser button starts from an empty buffer; kinds without a dialog
// are written at once and show the button's own caption in the list.
TEST(EditorCommands, ChooserChoices) {
  // clang-format off
  const std::tuple<int, int, const char*> buttons[] = {
      {3016, 0, "Maus-/Tastenstatus senden"}, {3017, 0, "Output-Liste löschen"}, {3015, 0, "Maussupport deaktivieren"},
      {3009, 0, "Tastensupport aktivieren"}, {3010, 0, "Tastensupport deaktivieren"}, {3004, 4000, "???"}, {3021, 5400, "???"}};
  // clang-format on
  for (const auto& [button, dialog, text] : buttons) {
    SCOPED_TRACE(button);
    CommandTable t;
    t.EditBuffer() = testing::Command("WriteToLog", "Text=verworfen|SectionName=&NULL");
    t.EditBuffer().SlotIndex = 4;
    ASSERT_NE(FindChooserChoice(button), nullptr);
    EXPECT_EQ(FindChooserChoice(button)->DialogId, dialog);
    ApplyChooserChoice(*FindChooserChoice(button), t);
    const ScriptCommand& b = t.EditBuffer();
    EXPECT_EQ(b.SectionName + b.Text + b.Next + DecimalText(b.SlotIndex), "-1");
    EXPECT_EQ(ListTextOf(KindOf(b), b), text);
  }
  for (int id : {3003, 3008, kChooserCancel, 1}) EXPECT_EQ(FindChooserChoice(id), nullptr) << id;
}

TEST(EditorRules, NotepadCommandLineAndAFullScript) {
  EXPECT_EQ(NotepadCommandLine("C:\\Meine Skripte\\a & b.script.wav"),
            "notepad.exe \"C:\\Meine Skripte\\a & b.script.wav\"");
  CommandTable t;
  for (int i = 0; i < 510; ++i) t.InsertCommand(1);
  EXPECT_TRUE(HasRoomForCommand(t));
  t.InsertCommand(1);
  EXPECT_FALSE(HasRoomForCommand(t));
  EXPECT_THAT(ScriptFullMessage(), ::testing::HasSubstr("bereits 511 Kommandos"));
}

}  // namespace
}  // namespace wavoria
