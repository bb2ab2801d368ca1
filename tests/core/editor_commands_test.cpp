#include "app/editor_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/chooser_choices.h"
#include "app/editor_rules.h"
#include "document/command_kinds.h"
#include "document/edit_history.h"
#include "document/list_lines.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
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
  BeginEdit(t, 1, EditTargetAt(t, 1));
  ScriptCommand expected = testing::Command("WriteToLog", "Text=alt");
  expected.DialogType = 40;
  EXPECT_EQ(t.EditBuffer(), expected);  // without its name, links and slot
  t.EditBuffer().Text = expected.Text = "neu";
  ASSERT_TRUE(StoreEditBuffer(t, 1));
  expected.SlotIndex = 1, expected.SectionName = "WIZ0", expected.Next = "WIZ1";
  EXPECT_EQ(t.Slot(1), expected);
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
    EXPECT_EQ(std::tuple(b.SectionName + b.Text + b.Next, b.SlotIndex, ListTextOf(KindOf(b), b)),
              std::tuple("", -1, text));
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
  EditHistory history;  // an Add that finds no room leaves no step open
  t.SetHistory(&history);
  EXPECT_EQ(AddFromEditBuffer(t, 1), std::nullopt);
  EXPECT_FALSE(history.Recording());
}

// The worked example with a command that has every parameter at line 2.
CommandTable ExampleWithEveryParameter() {
  CommandTable t;
  ParseScript(testing::kWorkedExample, testing::EditorActions(), t);
  ResetEditBuffer(t);
  t.EditBuffer().Action = "ExecProgram";
  for (const ParameterKey& key : kParameterKeys) {
    t.EditBuffer().*key.field = std::string(key.name) + " Wert äß";
  }
  AddFromEditBuffer(t, 2);
  return t;
}

// Kopieren writes a command's section without Next, the whole script on the
// script line, nothing on the end line; pasted, each command comes back
// equal in every field but its name and links.
TEST(Clipboard, ACopyPastedGivesTheCommandBack) {
  const CommandTable t = ExampleWithEveryParameter();
  EXPECT_EQ(std::tuple(CopiedText(t, 0), CopiedText(t, 1), CopiedText(t, 5), CutText(t, 0),
                       CutText(t, 5)),
            std::tuple(ScriptText(t), "[WIZ2]\r\nAction=EnableKeySupport\r\nEnable=True\r\n\r\n",
                       std::nullopt, std::nullopt, std::nullopt));
  for (int line = 1; line <= 4; ++line) {
    SCOPED_TRACE(line);
    CommandTable other;
    const PasteOutcome pasted = PasteText(other, 1, *CopiedText(t, line), testing::EditorActions());
    EXPECT_EQ(std::tuple(pasted.Line, pasted.Refusal, pasted.Warnings.size()),
              std::tuple(1, "", 0u));
    ScriptCommand expected = *t.CommandAt(line);
    expected.SectionName = "WIZ0", expected.Next = "", expected.SlotIndex = 1;
    EXPECT_EQ(*other.CommandAt(1), expected);
  }
}

// A text written by hand (a comment, two loose sections, Linux line ends)
// goes in front of the selected line in the order of the text, as one step
// that undo takes back exactly; a whole script goes in its chain order,
// without the sections its chain does not reach.
TEST(Clipboard, PastedCommandsAreLinkedAsAddedOnesInOneStep) {
  const std::string loose =
      "; aus dem Forum\n[Start]\nAction=WriteToLog\nText=Hallo\n\n"
      "[Ende]\nAction=SetDebugLevel\nLevel=2\nNext=Start\n";
  const std::string script = std::string(testing::kWorkedExample) + "[Fern]\nAction=WriteToLog\n";
  // clang-format off
  const struct { const char* Name; std::string Text; int Line, Selected; const char* Shown; } cases[] = {
      {"loose, on a command", loose, 3, 3, "a b Hallo 2 c"},
      {"loose, on the script line", loose, 0, 1, "Hallo 2 a b c"},
      {"loose, on the end line", loose, 4, 4, "a b c Hallo 2"},
      {"a whole script", script, 2, 2, "a True Start 2 b c"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EditHistory history;
    CommandTable t;
    t.SetHistory(&history);
    for (const char* text : {"c", "b", "a"}) AddLog(t, 1, text);
    history.Clear();
    const std::string before = ScriptText(t) + testing::ChainNames(t);
    const PasteOutcome pasted = PasteText(t, c.Line, c.Text, testing::EditorActions());
    EXPECT_EQ(pasted.Line, c.Selected);
    std::string shown;
    for (int p = 1; p <= t.LastPosition(); ++p) {
      const ScriptCommand& cmd = *t.CommandAt(p);
      shown += (p > 1 ? " " : "") + cmd.Text + cmd.Level + cmd.Enable;
      EXPECT_TRUE(StartsWithIgnoreCase(cmd.SectionName, "WIZ")) << cmd.SectionName;
    }
    EXPECT_EQ(shown, c.Shown);
    EXPECT_EQ(history.Steps(), 1u);
    UndoStep(t);
    EXPECT_EQ(ScriptText(t) + testing::ChainNames(t), before);
  }
}

// Nothing is inserted, and the user is told why, without a command on the
// clipboard or with more than the script has room for; what the reader
// warns of in a file it warns of here too.
TEST(Clipboard, RefusalsAndWarnings) {
  std::string tooMany;
  for (int i = 0; i < 512; ++i) tooMany += "[S" + std::to_string(i) + "]\r\nAction=WriteToLog\r\n";
  // clang-format off
  const struct { const char* Name; int Commands; std::string Text; std::string Refusal; } cases[] = {
      {"empty", 0, "", "Die Zwischenablage enthält keine Kommandos."},
      {"plain text", 0, "Einkaufsliste: Milch, Brot", "Die Zwischenablage enthält keine Kommandos."},
      {"a section without Action", 0, "[A]\r\nText=x\r\n", "Die Zwischenablage enthält keine Kommandos."},
      {"one too many", 510, "[A]\r\nAction=WriteToLog\r\n[B]\r\nAction=WriteToLog\r\n",
       "Das Skript kann höchstens 511 Kommandos enthalten; es enthält schon 510, aus der "
       "Zwischenablage kämen 2 dazu."},
      {"more than a script holds", 0, tooMany,
       "Das Skript kann höchstens 511 Kommandos enthalten; es enthält schon 0, aus der "
       "Zwischenablage kämen mehr als 511 dazu."},
      {"the last free slot", 510, "[A]\r\nAction=WriteToLog\r\n", ""}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    CommandTable t;
    for (int i = 0; i < c.Commands; ++i) t.InsertCommand(1);
    const std::string before = ScriptText(t);
    const PasteOutcome pasted = PasteText(t, 1, c.Text, testing::EditorActions());
    EXPECT_EQ(pasted.Refusal, c.Refusal);
    EXPECT_EQ(pasted.Line.has_value(), c.Refusal.empty());
    EXPECT_EQ(ScriptText(t) == before, !c.Refusal.empty());
  }
  // What the reader warns of in a file, spoken of the clipboard; loose
  // sections have no chain to warn about.
  CommandTable t;
  const std::vector<std::string> warnings =
      PasteText(t, 1,
                "[A]\r\nAction=Tanzen\r\nFarbe=blau\r\n[B]\r\nAction=EnableKeySupport\r\n"
                "Enable=vielleicht\r\nEnable=True\r\n",
                testing::EditorActions())
          .Warnings;
  ASSERT_EQ(warnings.size(), 4u)
      << "an unknown action and key, a key twice, a command shown as ???";
  for (const std::string& w : warnings) EXPECT_THAT(w, ::testing::StartsWith("Die Zwischenablage"));
  EXPECT_EQ(PasteText(t, -1, "[A]\r\nAction=WriteToLog\r\n", {}).Line, std::nullopt);
}

// After a chooser button: a kind without dialog closes the chooser at once, a
// confirmed dialog too; a cancelled one leaves it open for another choice.
TEST(EditorCommands, ACancelledDialogGoesBackToTheChooser) {
  // button, buffer after its dialog, chooser closes
  const std::tuple<int, const char*, bool> rows[] = {
      {3009, "", true}, {3004, "Text=x", true}, {3004, "SectionName=&NULL", false}};
  for (const auto& [button, after, closes] : rows) {
    CommandTable t;
    t.EditBuffer() = testing::Command("", "SectionName=&NULL");  // an earlier cancel
    ApplyChooserChoice(*FindChooserChoice(button), t);
    if (*after != '\0') t.EditBuffer() = testing::Command("WriteToLog", after);
    EXPECT_EQ(ChooserClosesAfter(t), closes) << button << " " << after;
  }
}

}  // namespace
}  // namespace wavoria
