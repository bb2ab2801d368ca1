#include "app/find_replace.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/editor_commands.h"
#include "dialogs/details_text.h"
#include "document/edit_history.h"
#include "document/list_lines.h"
#include "document/script_writer.h"
#include "test_support.h"

namespace wavoria {
namespace {

using testing::Command;

// A script of the given commands in this order, pasted as text, with its
// history and its list lines as the window shows them.
struct Script {
  explicit Script(std::string_view sections) {
    PasteText(Table, 1, sections, testing::EditorActions());
    Lines = BuildListLines(Table);
    Table.SetHistory(&History);
  }
  CommandTable Table;
  EditHistory History;
  std::vector<std::string> Lines;
};

// Suchen looks at what the window shows of a command, its list line and its
// details, Ersetzen's search at its values; both go on from the selection and
// wrap at the script's ends, the selected commands last.
TEST(Find, OrderWrapCaseAndWhereItLooks) {
  const Script s(
      "[1]\nAction=WriteToLog\nText=Schatz gefunden\n[2]\nAction=ExecProgram\nCommand=truhe.exe\n"
      "Display=Minimized\nResult=ärger.txt\n[3]\nAction=WriteToLog\nText=schatz \xFE\n[4]\n"
      "Action=AddOutput\nValue=&H10\n");
  // text, case, downwards, where, selected; found (0: none), wrapped
  const std::tuple<const char*, bool, bool, FindIn, LineRange, int, bool> cases[] = {
      {"Schatz", false, true, FindIn::kShown, 1, 3, false},
      {"Schatz", false, true, FindIn::kShown, 3, 1, true},
      {"Schatz", true, true, FindIn::kShown, 1, 1, true},
      {"truhe", false, true, FindIn::kShown, 5, 2, true},
      {"schatz", false, true, FindIn::kShown, {1, 2}, 3, false},
      {"schatz", false, false, FindIn::kShown, 1, 3, true},
      {"schatz", false, false, FindIn::kShown, {3, 4}, 1, false},
      {"Minimiert", false, true, FindIn::kShown, 0, 2, false},    // only in the details
      {"ÄRGER", false, true, FindIn::kShown, 0, 2, false},        // only in a parameter
      {"SCHATZ \xDE", false, true, FindIn::kShown, 0, 3, false},  // a to z and þ fold too
      {"Minimiert", false, true, FindIn::kValues, 0, 0, false},
      {"&h10", false, true, FindIn::kValues, 0, 4, false},
      {"", false, true, FindIn::kShown, 0, 0, false}};
  for (const auto& [text, matchCase, down, where, selected, line, wrapped] : cases) {
    const auto found = FindCommand(s.Table, s.Lines, {text, matchCase, down}, where, selected);
    EXPECT_EQ(std::pair(found ? found->Line : 0, found && found->Wrapped), std::pair(line, wrapped))
        << text << " from " << ::testing::PrintToString(selected);
  }
  EXPECT_EQ(NotFoundMessage("Drache"), "„Drache“ wurde nicht gefunden.");
  WrapNotice notice;  // said once for a text and its case option
  const bool said[] = {notice.Due({"a"}), notice.Due({"a", false, false}), notice.Due({"A", true}),
                       notice.Due({"b"})};
  EXPECT_EQ(std::vector(std::begin(said), std::end(said)),
            (std::vector<bool>{true, false, true, true}));
}

// Alle ersetzen changes parameter values only, as one step; a value that the
// command's dialog would not take stays, and its command is named with why.
TEST(Replace, AllValuesExceptWhatADialogWouldRefuse) {
  const KeyNameTable keys = ParseKeyNames("\"F1\",59\n\"F2\",60\n");
  // the command, what is replaced by what, its fields afterwards, why refused
  const std::tuple<ScriptCommand, const char*, const char*, const char*, const char*> cases[] = {
      {Command("WriteToLog", "Text=WriteToLog"), "write", "Lese", "Text=LeseToLog", ""},
      {Command("AddOutput", "Value=5"), "5", "15", "Value=15", ""},
      {Command("AddOutput", "Value=5"), "5", "5x", "Value=5",
       "Value=5x speicherte der Dialog als '5'"},
      {Command("RegisterKeyUpEvent", "Value=1|Key=F1|BlockKey=False"), "F1", "F13",
       "Value=1|Key=F1|BlockKey=False", "Key=F13 ist keine Taste aus keys.dat"},
      {Command("RegisterKeyUpEvent", "Value=1|Key=F1|BlockKey=False"), "False", "nein",
       "Value=1|Key=F1|BlockKey=False", "BlockKey=nein speicherte der Dialog als 'False'"},
      {Command("EnableMouseSupport", "Enable=True|ID=5|Automatic=False"), "5", "5a",
       "Enable=True|ID=5|Automatic=False", "ID=5a speicherte der Dialog als '5'"},
      {Command("SetDebugLevel", "Level=3"), "3", "7", "Level=3",
       "Level=7 nähme der Dialog nicht an"},
      {Command("ExecProgram", "Command=a.exe"), "a.exe", "", "Command=a.exe",
       "Command= nähme der Dialog nicht an"},
      {Command("EnableKeySupport", "Enable=True"), "True", "False", "Enable=False", ""},
      {Command("EnableKeySupport", "Enable=True"), "True", "Nie", "Enable=True",
       "Enable=Nie machte daraus ein unbekanntes Kommando (\"???\")"},
      {Command("Tanzen", "Text=links"), "links", "rechts", "Text=rechts", ""}};
  for (const auto& [before, find, by, fields, refusal] : cases) {
    SCOPED_TRACE(std::string(find) + " by " + by);
    ScriptCommand named = before;
    named.SectionName = "A";
    Script s(SectionText(named));
    const ReplaceOutcome replaced = ReplaceAll(s.Table, keys, s.Lines, {find}, by, 0);
    ScriptCommand after = Command(before.Action, fields);
    after.SlotIndex = 1, after.SectionName = "WIZ0";
    EXPECT_EQ(*s.Table.CommandAt(1), after);
    const bool changed = *refusal == '\0';
    EXPECT_EQ(std::tuple(replaced.Values, s.History.Steps(), replaced.Refused),
              std::tuple(changed ? 1 : 0, changed ? 1u : 0u,
                         changed ? std::vector<std::string>{}
                                 : std::vector<std::string>{s.Lines[1] + ": " + refusal}));
  }
}

// A range limits Alle ersetzen to its commands, Ersetzen works on the one
// selected command, names and Next stay; the message counts what changed.
TEST(Replace, InARangeOrOneCommandAndWhatItSays) {
  Script s(
      "[1]\nAction=WriteToLog\nText=a\n[2]\nAction=ExecProgram\nCommand=a.exe\nResult=a.txt\n"
      "[3]\nAction=WriteToLog\nText=a\n[4]\nAction=AddOutput\nValue=1\n");
  const ReplaceOutcome range = ReplaceAll(s.Table, {}, s.Lines, {"a"}, "b", {2, 4});
  const ReplaceOutcome one = ReplaceInSelected(s.Table, {}, s.Lines, {"a"}, "c", 1);
  EXPECT_EQ(std::tuple(range.Lines, range.Values, range.Commands, one.Values),
            std::tuple(LineRange(2, 4), 3, 2, 1));
  EXPECT_EQ(s.Table.CommandAt(1)->Text + s.Table.CommandAt(2)->Command + s.Table.CommandAt(3)->Text,
            "cb.exeb");
  EXPECT_EQ(ReplacedMessage(range), "3 Werte in 2 Kommandos wurden ersetzt.");
  EXPECT_EQ(ReplacedMessage(one), "1 Wert in 1 Kommando wurde ersetzt.");
  ReplaceOutcome refused;
  refused.Refused.assign(11, "<> x: Level=7 nähme der Dialog nicht an");
  const std::string said = ReplacedMessage(refused);
  EXPECT_EQ(said.substr(0, said.find("\r\n<>")),
            "Kein Wert wurde ersetzt.\r\n\r\nNicht ersetzt, weil der Dialog des Kommandos den "
            "neuen Wert nicht annähme:");
  EXPECT_EQ(said.substr(said.rfind("\r\n") + 2), "… und 1 weitere");
}

// The details of a range: how many commands, then their list lines, as many
// as fit into the box (a long line takes several of its lines), and how many
// more there are.
TEST(RangeDetails, CountAndListLinesAsManyAsFit) {
  const std::vector<std::string> lines = {"Skriptname: x", "<> a", "<> bbbbbb", "<> c", "<>"};
  EXPECT_EQ(DetailsOfRange(lines, {1, 3}, {7, 8}).Text,
            "3 Kommandos ausgewählt:\r\n<> a\r\n<> bbbbbb\r\n<> c");
  EXPECT_EQ(DetailsOfRange(lines, {1, 3}, {6, 8}).Text,
            "3 Kommandos ausgewählt:\r\n<> a\r\n… und 2 weitere");
  // The box holds kDetailsTextLimit characters: a last line that ends there fits.
  const std::string head = "2 Kommandos ausgewählt:\r\n<> a\r\n";
  for (const std::size_t size : {kDetailsTextLimit, kDetailsTextLimit + 1}) {
    const std::string last(size - head.size(), 'b');
    const std::string text = DetailsOfRange({"", "<> a", last, "<>"}, {1, 2}, {9999, 9999}).Text;
    EXPECT_EQ(text, size == kDetailsTextLimit ? head + last : head + "… und 1 weitere");
  }
}

}  // namespace
}  // namespace wavoria
