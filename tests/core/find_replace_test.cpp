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

// A script of the given commands in this order, with its history.
struct Script {
  explicit Script(const std::vector<ScriptCommand>& commands) {
    for (const ScriptCommand& cmd : commands) {
      ScriptCommand& added = Table.Slot(Table.InsertCommand(Table.LastPosition() + 1));
      const ScriptCommand named = added;
      added = cmd;
      added.SlotIndex = named.SlotIndex, added.SectionName = named.SectionName;
      added.Next = named.Next;
    }
    Table.SetHistory(&History);
  }
  // The list's lines, as the window shows them.
  std::vector<std::string> Lines() const {
    CommandTable listed = Table;
    return BuildListLines(listed);
  }
  CommandTable Table;
  EditHistory History;
};

using testing::Command;

// Suchen looks at what the window shows of a command, its list line and its
// details, Ersetzen's search at its values; both go on from the selection and
// wrap at the script's ends, the selected commands last.
TEST(Find, OrderWrapCaseAndWhereItLooks) {
  const Script s({Command("WriteToLog", "Text=Schatz gefunden"),
                  Command("ExecProgram", "Command=truhe.exe|Display=Minimized|Result=ärger.txt"),
                  Command("WriteToLog", "Text=schatz"), Command("AddOutput", "Value=&H10")});
  const struct {
    const char* Name;
    FindRequest Request;
    FindIn Where;
    LineRange Selected;
    std::optional<FindResult> Found;
  } cases[] = {
      {"down from the script line", {"Schatz"}, FindIn::kShown, 0, FindResult{1, false}},
      {"down, either case", {"Schatz"}, FindIn::kShown, 1, FindResult{3, false}},
      {"down, past the end", {"Schatz"}, FindIn::kShown, 3, FindResult{1, true}},
      {"down, the case kept", {"Schatz", true}, FindIn::kShown, 1, FindResult{1, true}},
      {"down from the end line", {"truhe"}, FindIn::kShown, 5, FindResult{2, true}},
      {"down from a range", {"schatz"}, FindIn::kShown, {1, 2}, FindResult{3, false}},
      {"up", {"schatz", false, false}, FindIn::kShown, 4, FindResult{3, false}},
      {"up, past the start", {"schatz", false, false}, FindIn::kShown, 1, FindResult{3, true}},
      {"up from a range", {"schatz", false, false}, FindIn::kShown, {3, 4}, FindResult{1, false}},
      {"only in the details", {"Minimiert"}, FindIn::kShown, 0, FindResult{2, false}},
      {"only in a parameter", {"ÄRGER"}, FindIn::kShown, 0, FindResult{2, false}},
      {"a number as shown", {"16"}, FindIn::kShown, 0, FindResult{4, false}},
      {"a number as stored", {"&h10"}, FindIn::kValues, 0, FindResult{4, false}},
      {"not a value", {"Minimiert"}, FindIn::kValues, 0, std::nullopt},
      {"nowhere", {"Drache"}, FindIn::kShown, 0, std::nullopt},
      {"an empty text", {""}, FindIn::kShown, 0, std::nullopt},
  };
  const std::vector<std::string> lines = s.Lines();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::optional<FindResult> found =
        FindCommand(s.Table, lines, c.Request, c.Where, c.Selected);
    EXPECT_EQ(found.has_value(), c.Found.has_value());
    if (found && c.Found) {
      EXPECT_EQ(std::pair(found->Line, found->Wrapped), std::pair(c.Found->Line, c.Found->Wrapped));
    }
  }
  EXPECT_EQ(NotFoundMessage("Drache"), "„Drache“ wurde nicht gefunden.");
}

// That a search wrapped is said once for a text and its case option.
TEST(Find, TheWrapIsSaidOncePerText) {
  WrapNotice notice;
  const bool said[] = {notice.Due({"a"}), notice.Due({"a", false, false}), notice.Due({"A", true}),
                       notice.Due({"b"}), notice.Due({"b"})};
  EXPECT_EQ(std::vector<bool>(std::begin(said), std::end(said)),
            (std::vector<bool>{true, false, true, true, false}));
}

// Alle ersetzen changes parameter values only, of the selected range or of
// the whole script, as one step; a value that the command's dialog would
// not take stays, and its command is named with the reason.
TEST(Replace, AllValuesExceptWhatADialogWouldRefuse) {
  const KeyNameTable keys = ParseKeyNames("\"F1\",59\n\"F2\",60\n");
  const struct {
    const char* Name;
    ScriptCommand Before;
    const char* Find;
    const char* By;
    ScriptCommand After;  // the same as before when refused
    const char* Refusal;
  } cases[] = {
      {"a text", Command("WriteToLog", "Text=alt und alt"), "ALT", "neu",
       Command("WriteToLog", "Text=neu und neu"), ""},
      {"never the Action", Command("WriteToLog", "Text=WriteToLog"), "Write", "Lese",
       Command("WriteToLog", "Text=LeseToLog"), ""},
      {"a number stays a number", Command("AddOutput", "Value=5"), "5", "15",
       Command("AddOutput", "Value=15"), ""},
      {"a number field", Command("AddOutput", "Value=5"), "5", "5x",
       Command("AddOutput", "Value=5"), "Value=5x speicherte der Dialog als '5'"},
      {"a key that keys.dat has", Command("RegisterKeyDownEvent", "Value=1|Key=F1|BlockKey=False"),
       "F1", "F2", Command("RegisterKeyDownEvent", "Value=1|Key=F2|BlockKey=False"), ""},
      {"a key that keys.dat lacks",
       Command("RegisterKeyDownEvent", "Value=1|Key=F1|BlockKey=False"), "F1", "F13",
       Command("RegisterKeyDownEvent", "Value=1|Key=F1|BlockKey=False"),
       "Key=F13 ist keine Taste aus keys.dat"},
      {"a level the list does not offer", Command("SetDebugLevel", "Level=3"), "3", "7",
       Command("SetDebugLevel", "Level=3"), "Level=7 nähme der Dialog nicht an"},
      {"a program without a file", Command("ExecProgram", "Command=spiel.exe|Wait=False"),
       "spiel.exe", "", Command("ExecProgram", "Command=spiel.exe|Wait=False"),
       "Command= nähme der Dialog nicht an"},
      {"a kind without a dialog", Command("EnableKeySupport", "Enable=True"), "True", "False",
       Command("EnableKeySupport", "Enable=False"), ""},
      {"a kind the list shows as ???", Command("EnableKeySupport", "Enable=True"), "True", "Nie",
       Command("EnableKeySupport", "Enable=True"),
       "Enable=Nie machte daraus ein unbekanntes Kommando (\"???\")"},
      {"an unknown command stays unknown", Command("Tanzen", "Text=links"), "links", "rechts",
       Command("Tanzen", "Text=rechts"), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Script s({c.Before});
    const std::vector<std::string> lines = s.Lines();
    const std::string before = ScriptText(s.Table);
    const ReplaceOutcome replaced = ReplaceAll(s.Table, keys, lines, {c.Find}, c.By, 0);
    ScriptCommand after = *s.Table.CommandAt(1);
    after.SlotIndex = -1, after.SectionName.clear();
    EXPECT_EQ(after, c.After);
    const bool changed = c.Before != c.After;
    EXPECT_EQ(std::tuple(replaced.Lines, replaced.Values, s.History.Steps()),
              std::tuple(changed ? std::optional<LineRange>(0) : std::nullopt, changed ? 1 : 0,
                         changed ? 1u : 0u));
    EXPECT_EQ(replaced.Refused, *c.Refusal ? std::vector<std::string>{lines[1] + ": " + c.Refusal}
                                           : std::vector<std::string>{});
    UndoStep(s.Table);
    EXPECT_EQ(ScriptText(s.Table), before);
  }
}

// A range limits Alle ersetzen to its commands, Ersetzen works on the one
// selected command; the message counts values and commands.
TEST(Replace, InARangeOrOneCommandAndWhatItSays) {
  Script s({Command("WriteToLog", "Text=a"), Command("ExecProgram", "Command=a.exe|Result=a.txt"),
            Command("WriteToLog", "Text=a"), Command("AddOutput", "Value=1")});
  const std::vector<std::string> lines = s.Lines();
  const ReplaceOutcome range = ReplaceAll(s.Table, {}, lines, {"a"}, "b", {2, 4});
  EXPECT_EQ(std::tuple(range.Lines, range.Values, range.Commands),
            std::tuple(LineRange(2, 4), 3, 2));
  EXPECT_EQ(s.Table.CommandAt(1)->Text + s.Table.CommandAt(2)->Command + s.Table.CommandAt(3)->Text,
            "ab.exeb");
  const ReplaceOutcome one = ReplaceInSelected(s.Table, {}, lines, {"a"}, "c", 1);
  EXPECT_EQ(std::pair(one.Values, s.Table.CommandAt(1)->Text), std::pair(1, std::string("c")));
  EXPECT_EQ(ReplaceInSelected(s.Table, {}, lines, {"b"}, "c", {2, 3}).Values, 0);
  const std::string chain = testing::ChainNames(s.Table) + s.Table.Head().Next;
  EXPECT_EQ(ReplaceAll(s.Table, {}, lines, {"WIZ"}, "X", 1).Lines, std::nullopt);
  EXPECT_EQ(testing::ChainNames(s.Table) + s.Table.Head().Next, chain) << "names and Next stay";
  EXPECT_EQ(s.History.Steps(), 2u);
  EXPECT_EQ(ReplacedMessage(range), "3 Werte in 2 Kommandos wurden ersetzt.");
  EXPECT_EQ(ReplacedMessage(one), "1 Wert in 1 Kommando wurde ersetzt.");
  ReplaceOutcome refused;
  for (int i = 0; i < 12; ++i) refused.Refused.push_back("<> " + std::to_string(i) + ": x");
  const std::string said = ReplacedMessage(refused);
  EXPECT_EQ(said.substr(0, said.find("\r\n<> 0")),
            "Kein Wert wurde ersetzt.\r\n\r\nNicht ersetzt, weil der Dialog des Kommandos den "
            "neuen Wert nicht annähme:");
  EXPECT_EQ(said.substr(said.rfind("\r\n") + 2), "… und 2 weitere");
}

// The details of a range: how many commands, then their list lines, as many
// as fit into the box (a long line takes several of its lines) and the text's
// limit, and how many more there are.
TEST(RangeDetails, CountAndListLinesAsManyAsFit) {
  const std::vector<std::string> lines = {"Skriptname: x", "<> a", "<> bbbbbb", "<> c", "<>"};
  EXPECT_EQ(DetailsOfRange(lines, {1, 3}, {7, 8}).Text,
            "3 Kommandos ausgewählt:\r\n<> a\r\n<> bbbbbb\r\n<> c");
  EXPECT_EQ(DetailsOfRange(lines, {1, 3}, {6, 8}).Text,
            "3 Kommandos ausgewählt:\r\n<> a\r\n… und 2 weitere");
  std::vector<std::string> many(512, "<> " + std::string(100, 'x'));
  const Details cut = DetailsOfRange(many, {1, 511}, {1000, 1000});
  EXPECT_LE(cut.Text.size(), kDetailsTextLimit);
  const std::size_t shown = (cut.Text.size() - 24) / 105;
  EXPECT_EQ(cut.Text.substr(cut.Text.rfind("\r\n") + 2),
            "… und " + std::to_string(511 - shown) + " weitere");
  EXPECT_EQ(std::pair(cut.Icon, cut.SectionLabel), std::pair(int(kIconNoCommand), std::string()));
}

}  // namespace
}  // namespace wavoria
