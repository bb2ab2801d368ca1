#include "app/editor_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/chooser_choices.h"
#include "app/editor_rules.h"
#include "app/list_selection.h"
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

std::optional<LineRange> AddLog(CommandTable& t, LineRange at, const char* text) {
  ResetEditBuffer(t);
  t.EditBuffer().Action = "WriteToLog";
  t.EditBuffer().Text = text;
  return AddFromEditBuffer(t, at);
}

// The logged texts of the commands in chain order.
std::string Texts(const CommandTable& t) {
  std::string texts;
  for (int p = 1; p <= t.LastPosition(); ++p) texts += t.CommandAt(p)->Text;
  return texts;
}

TEST(EditorCommands, AddLinksTheNewCommandInFrontOfTheSelection) {
  CommandTable t;
  EXPECT_EQ(AddLog(t, 0, "x"), std::nullopt);  // nothing before the script line
  EXPECT_EQ(AddLog(t, -1, "x"), std::nullopt);
  EXPECT_EQ(AddLog(t, 1, "a"), 1);
  EXPECT_EQ(AddLog(t, 2, "c"), 2);
  EXPECT_EQ(AddLog(t, 2, "b"), 2);
  EXPECT_EQ(ChainNames(t), "WIZ0 WIZ2 WIZ1");
  // Hinzufügen is offered from the first command down to the end line.
  std::vector<bool> offered;
  for (int at : {-1, 0, 1, 4, 5}) offered.push_back(CanAddAt(t, at));
  EXPECT_EQ(offered, (std::vector<bool>{false, false, true, true, false}));
  CancelEditBuffer(t);
  EXPECT_FALSE(ChooserClosesAfter(t)) << "a cancelled dialog goes back to the chooser";
  EXPECT_EQ(AddFromEditBuffer(t, 1), std::nullopt);
}

// Every list command on one line and on a range of commands, from the script
// "abcde": what it leaves and selects, or that it does not apply; and that
// it is one step (what undo and redo give back is checked by the history's
// random sessions).
TEST(EditorCommands, EachListCommandOnALineOrARangeIsOneStep) {
  using Command = std::optional<LineRange> (*)(CommandTable&, LineRange);
  const Command add = [](CommandTable& t, LineRange at) { return AddLog(t, at, "x"); };
  const Command duplicate = [](CommandTable& t, LineRange at) { return DuplicateAt(t, at).Lines; };
  const struct {
    const char* Name;
    Command Run;
    LineRange Selected;
    std::optional<LineRange> After;
    const char* Texts;
  } cases[] = {
      {"delete a line", DeleteAt, 3, 2, "abde"},
      {"delete a range at the top", DeleteAt, {1, 2}, 0, "cde"},
      {"delete a range at the bottom", DeleteAt, {4, 5}, 3, "abc"},
      {"delete the whole script", DeleteAt, {1, 5}, 0, ""},
      {"delete the script line", DeleteAt, 0, std::nullopt, "abcde"},
      {"move a range up", MoveUpAt, {3, 4}, LineRange{2, 3}, "acdbe"},
      {"move the range at the top up", MoveUpAt, {1, 2}, std::nullopt, "abcde"},
      {"move a range down", MoveDownAt, {2, 3}, LineRange{3, 4}, "adbce"},
      {"move a range past the end line's neighbour", MoveDownAt, {3, 4}, LineRange{4, 5}, "abecd"},
      {"move the range at the bottom down", MoveDownAt, {4, 5}, std::nullopt, "abcde"},
      {"duplicate a range", duplicate, {2, 3}, LineRange{4, 5}, "abcbcde"},
      {"duplicate the whole script", duplicate, {1, 5}, LineRange{6, 10}, "abcdeabcde"},
      {"duplicate the script line", duplicate, 0, std::nullopt, "abcde"},
      {"add in front of a range", add, {2, 4}, 2, "axbcde"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    CommandTable t;
    for (const char* text : {"a", "b", "c", "d", "e"}) AddLog(t, t.LastPosition() + 1, text);
    EditHistory history;
    t.SetHistory(&history);
    EXPECT_EQ(c.Run(t, c.Selected), c.After);
    EXPECT_EQ(Texts(t), c.Texts);
    EXPECT_EQ(history.Steps(), c.After ? 1u : 0u);
  }
}

// A selection of several lines forms a range of commands, gaps filled, the
// script line and the end line left out; one line stays as it is.
TEST(ListSelection, TheLinesOfARange) {
  CommandTable t;
  for (int i = 0; i < 5; ++i) AddLog(t, t.LastPosition() + 1, "x");
  const std::pair<std::vector<int>, LineRange> cases[] = {
      {{3}, 3}, {{0, 1, 2}, {1, 2}}, {{2, 6}, {2, 5}}, {{4, 2}, {2, 4}}, {{}, {}}};
  for (const auto& [selected, range] : cases) EXPECT_EQ(RangeOfSelection(t, selected), range);
  EXPECT_EQ(AllCommands(t), LineRange(1, 5));
  EXPECT_EQ(std::pair(RangeForContextMenu({2, 4}, 4), RangeForContextMenu({2, 4}, 5)),
            std::pair(LineRange(2, 4), LineRange(5)))
      << "a right-click in the range keeps it";
  CommandTable empty;
  EXPECT_EQ(RangeOfSelection(empty, {0, 1}), LineRange{}) << "no command between the two lines";
  EXPECT_EQ(AllCommands(empty), std::nullopt);
}

TEST(EditorCommands, EditRoundTripThroughTheBuffer) {
  CommandTable t;
  AddLog(t, 1, "alt");
  ApplyChooserChoice(*FindChooserChoice(3009), t);
  AddFromEditBuffer(t, 2);
  // The key-support line has no dialog, the end line and a range nothing to edit.
  EXPECT_EQ(std::tuple(EditTargetAt(t, 0).What, EditTargetAt(t, 2).What, EditTargetAt(t, 3).What,
                       EditTargetAt(t, {1, 2}).What),
            std::tuple(EditTarget::kRename, EditTarget::kNothing, EditTarget::kNothing,
                       EditTarget::kNothing));
  ASSERT_EQ(EditTargetAt(t, 1).What, EditTarget::kDialog);
  EXPECT_EQ(EditTargetAt(t, 1).DialogId, 4000);
  BeginEdit(t, 1, EditTargetAt(t, 1));
  ScriptCommand expected = testing::Command("WriteToLog", "Text=alt");
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
  t.Change(0).SectionName = "";
  t.Change(2).SectionName = "Execute";  // reached while the head has no name
  t.Change(1).Next = "execute";
  t.RebuildOrder();
  PrepareForEditor(t);
  EXPECT_EQ(t.ScriptName + "|" + t.Head().SectionName + "|" + ChainNames(t),
            "Unbenanntes Skript|Execute|WIZ0");
}

// Every chooser button starts from an empty buffer; kinds without a dialog
// are written at once and show the button's own caption in the list.
TEST(EditorCommands, ChooserChoices) {
  const std::tuple<int, int, const char*> buttons[] = {{3016, 0, "Maus-/Tastenstatus senden"},
                                                       {3017, 0, "Output-Liste löschen"},
                                                       {3015, 0, "Maussupport deaktivieren"},
                                                       {3009, 0, "Tastensupport aktivieren"},
                                                       {3010, 0, "Tastensupport deaktivieren"},
                                                       {3004, 4000, "???"},
                                                       {3021, 5400, "???"}};
  for (const auto& [button, dialog, text] : buttons) {
    SCOPED_TRACE(button);
    CommandTable t;
    t.EditBuffer() = testing::Command("WriteToLog", "Text=verworfen|SectionName=&NULL");
    t.EditBuffer().SlotIndex = 4;
    ASSERT_NE(FindChooserChoice(button), nullptr);
    EXPECT_EQ(FindChooserChoice(button)->DialogId, dialog);
    ApplyChooserChoice(*FindChooserChoice(button), t);
    const ScriptCommand& b = t.EditBuffer();
    EXPECT_EQ(std::tuple(b.SectionName + b.Text + b.Next, b.SlotIndex, ListTextOf(KindOf(b), b),
                         ChooserClosesAfter(t)),
              std::tuple("", -1, text, true));
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

// Kopieren writes a command's section without Next, a range's sections in
// chain order with every Next but the last, the whole script on the script
// line, nothing on the end line; pasted, the commands come back in their
// order, equal in every field but their names and links, and selected.
TEST(Clipboard, ACopyPastedGivesTheCommandsBack) {
  const CommandTable t = ExampleWithEveryParameter();
  EXPECT_EQ(std::tuple(CopiedText(t, 0), CopiedText(t, 1), CopiedText(t, 5), CutText(t, 0),
                       CutText(t, 5), CutText(t, {0, 2})),
            std::tuple(ScriptText(t), "[WIZ2]\r\nAction=EnableKeySupport\r\nEnable=True\r\n\r\n",
                       std::nullopt, std::nullopt, std::nullopt, std::nullopt));
  for (const LineRange lines : {LineRange(1), LineRange(2), LineRange(3), LineRange(4), {1, 4}}) {
    SCOPED_TRACE(::testing::PrintToString(lines));
    const std::string copied = *CopiedText(t, lines);
    std::size_t nexts = 0;
    for (std::size_t at = 0; (at = copied.find("\r\nNext=", at)) != std::string::npos; ++at)
      ++nexts;
    EXPECT_EQ(nexts, static_cast<std::size_t>(lines.Count() - 1));
    CommandTable other;
    const PasteOutcome pasted = PasteText(other, 1, copied, testing::EditorActions());
    EXPECT_EQ(std::tuple(pasted.Lines, pasted.Refusal, pasted.Warnings.size()),
              std::tuple(LineRange(1, lines.Count()), "", 0u));
    for (int p = 1; p <= lines.Count(); ++p) {
      ScriptCommand expected = *t.CommandAt(lines.First + p - 1);
      const ScriptCommand& back = *other.CommandAt(p);
      expected.SectionName = back.SectionName, expected.Next = back.Next;
      expected.SlotIndex = back.SlotIndex;
      EXPECT_EQ(back, expected);
    }
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
  const struct {
    const char* Name;
    std::string Text;
    LineRange Selected, Pasted;
    const char* Shown;
  } cases[] = {{"loose, on a command", loose, 3, {3, 4}, "a b Hallo 2 c"},
               {"loose, on the script line", loose, 0, {1, 2}, "Hallo 2 a b c"},
               {"loose, on the end line", loose, 4, {4, 5}, "a b c Hallo 2"},
               {"loose, on a range", loose, {2, 3}, {2, 3}, "a Hallo 2 b c"},
               {"a whole script", script, 2, {2, 4}, "a True Start 2 b c"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EditHistory history;
    CommandTable t;
    t.SetHistory(&history);
    for (const char* text : {"c", "b", "a"}) AddLog(t, 1, text);
    history.Clear();
    const std::string before = ScriptText(t) + testing::ChainNames(t);
    const PasteOutcome pasted = PasteText(t, c.Selected, c.Text, testing::EditorActions());
    EXPECT_EQ(pasted.Lines, c.Pasted);
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
  const std::string none(kNoCommandsOnClipboardText);
  const struct {
    const char* Name;
    int Commands;
    std::string Text;
    std::string Refusal;
  } cases[] = {{"empty", 0, "", none},
               {"plain text", 0, "Einkaufsliste: Milch, Brot", none},
               {"a section without Action", 0, "[A]\r\nText=x\r\n", none},
               {"one too many", 510, "[A]\r\nAction=WriteToLog\r\n[B]\r\nAction=WriteToLog\r\n",
                "Das Skript kann höchstens 511 Kommandos enthalten; es enthält schon 510, aus der "
                "Zwischenablage kämen 2 dazu."},
               {"more than a script holds", 0, tooMany,
                "Das Skript kann höchstens 511 Kommandos enthalten; es enthält schon 0, aus der "
                "Zwischenablage kämen mehr als 511 dazu."},
               {"the last free slot", 510, "[A]\r\nAction=WriteToLog\r\n", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    CommandTable t;
    // The slot of the command deleted last stays free among the others.
    for (int i = 0; i <= c.Commands; ++i) t.InsertCommand(1);
    t.DeleteCommand(t.LastPosition());
    const std::string before = ScriptText(t);
    const PasteOutcome pasted = PasteText(t, 1, c.Text, testing::EditorActions());
    EXPECT_EQ(pasted.Refusal, c.Refusal);
    EXPECT_EQ(pasted.Lines.has_value(), c.Refusal.empty());
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
  EXPECT_EQ(PasteText(t, -1, "[A]\r\nAction=WriteToLog\r\n", {}).Lines, std::nullopt);
}

}  // namespace
}  // namespace wavoria
