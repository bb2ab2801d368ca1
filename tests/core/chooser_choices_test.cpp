#include "app/chooser_choices.h"

#include <gtest/gtest.h>

#include <set>

namespace wavoria {
namespace {

TEST(ChooserChoices, KindsWithoutDialogWriteTheirFieldsIntoAnEmptyBuffer) {
  struct Case {
    const char* name;
    int button;
    std::string action, command, enable;
  };
  const Case cases[] = {
      {"Maus-/Tastenstatus senden", 3016, "GetMousePosition", "", ""},
      {"Output-Liste löschen", 3017, "MidiTickFunction", "Clear", ""},
      {"Maussupport deaktivieren", 3015, "EnableMouseSupport", "", "False"},
      {"Tastensupport aktivieren", 3009, "EnableKeySupport", "", "True"},
      {"Tastensupport deaktivieren", 3010, "EnableKeySupport", "", "False"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CommandTable table;
    ScriptCommand& buffer = table.EditBuffer();
    // Left over from a dialog that was cancelled before.
    buffer.SectionName = "&NULL";
    buffer.Text = "verworfen";
    buffer.Value = "7";
    buffer.SlotIndex = 4;
    buffer.DialogType = 40;
    const ChooserChoice* choice = FindChooserChoice(c.button);
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->DialogId, 0);
    ApplyChooserChoice(*choice, table);
    ScriptCommand expected;
    expected.Action = c.action;
    expected.Command = c.command;
    expected.Enable = c.enable;
    EXPECT_EQ(buffer, expected);
  }
}

TEST(ChooserChoices, KindsWithDialogLeaveAnEmptyBufferForTheirDialog) {
  const std::pair<int, int> dialogs[] = {{3004, 4000}, {3005, 4100}, {3006, 4200}, {3007, 4400},
                                         {3014, 4500}, {3011, 5000}, {3012, 5100}, {3019, 5200},
                                         {3020, 5300}, {3021, 5400}};
  for (auto [button, dialog] : dialogs) {
    SCOPED_TRACE(button);
    const ChooserChoice* choice = FindChooserChoice(button);
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->DialogId, dialog);
    CommandTable table;
    table.EditBuffer().SectionName = "&NULL";
    table.EditBuffer().Action = "WriteToLog";
    ApplyChooserChoice(*choice, table);
    EXPECT_EQ(table.EditBuffer(), ScriptCommand{});
  }
}

TEST(ChooserChoices, FifteenButtonsAndNoOthers) {
  std::set<int> buttons;
  for (const ChooserChoice& choice : kChooserChoices) buttons.insert(choice.ButtonId);
  EXPECT_EQ(buttons.size(), 15u);
  EXPECT_EQ(*buttons.begin(), 3004);
  EXPECT_EQ(*buttons.rbegin(), 3021);
  for (int id : {3001, 3003, 3008, 3013, 3018, kChooserCancel, 1, 2}) {
    EXPECT_EQ(FindChooserChoice(id), nullptr) << id;
  }
}

}  // namespace
}  // namespace wavoria
