#include "document/command_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <utility>

#include "document/list_diff.h"
#include "document/list_lines.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "document/text.h"
#include "test_support.h"

namespace wavoria {
namespace {

using testing::ChainNames;

CommandTable TableWith(int n) {
  CommandTable t;
  for (int i = 0; i < n; ++i) t.InsertCommand(t.LastPosition() + 1);
  return t;
}

TEST(CommandTable, FullTableAndPositionsOutsideDoNothing) {
  CommandTable full = TableWith(511);
  EXPECT_EQ(full.InsertCommand(1), -1);
  EXPECT_EQ(std::tuple(full.FindFreeSlot(), full.FindPredecessor(full.Head()), full.LastPosition()),
            std::tuple(-1, -1, 511));
  EXPECT_EQ(full.NewSectionName(), "WIZ511");
  EXPECT_EQ(TableWith(3).NewSectionNames(2), (std::vector<std::string>{"WIZ3", "WIZ4"}));
  full.Change(full.SlotAt(511)).Text = "last";
  full.MoveCommandUp(511);  // a full table still moves and deletes
  full.DeleteCommand(1);
  EXPECT_EQ(full.CommandAt(509)->Text + std::to_string(full.LastPosition()), "last510");
  CommandTable t = TableWith(3);
  const CommandTable before = t;
  // Moves and deletes outside the commands are in the random sessions below.
  EXPECT_EQ(std::pair(t.InsertCommand(0), t.InsertCommand(5)), std::pair(-1, -1));
  EXPECT_EQ(ChainNames(t), ChainNames(before));
  t.Change(3).SectionName = "EXECUTE";  // the head's name: a Next naming it ends the chain
  t.Change(2).Next = "execute";
  t.RebuildOrder();
  EXPECT_EQ(ChainNames(t), "WIZ0 WIZ1");
  t.Change(1).Text = "x";
  t.ResetCommand(1, false);
  EXPECT_EQ(t.Slot(1), before.Slot(1));
  t.ResetCommand(1, true);
  EXPECT_EQ(t.Slot(1).SectionName + t.Slot(1).Next, "");
}

// Random editing sessions of blocks of one to five commands: the table
// against a plain list, the list box's update against a full rebuild, and at
// the end written and read back.
TEST(CommandTable, RandomEditsMatchAPlainListAndAFullRebuild) {
  for (unsigned seed = 1; seed <= 8; ++seed) {
    std::mt19937 rng(seed);
    CommandTable t;
    std::vector<std::string> model, shown = BuildListLines(t), reused;
    for (int step = 0; step < 400; ++step) {
      const int n = static_cast<int>(model.size());
      const int p = std::uniform_int_distribution<int>(0, n + 1)(rng);
      const int op = std::uniform_int_distribution<int>(0, 4)(rng);
      const int last = p + std::uniform_int_distribution<int>(0, 4)(rng);  // may lie outside
      const bool inside = p >= 1 && last <= n;
      if (op <= 1) {
        const std::vector<int> added = t.InsertCommands(p, last - p + 1);
        ASSERT_EQ(added.empty(), p < 1);
        for (std::size_t i = 0; i < added.size(); ++i) {
          t.Change(added[i]).Action = "WriteToLog";
          t.Change(added[i]).Text = "c" + std::to_string(step) + "." + std::to_string(i);
          model.insert(model.begin() + (p - 1) + static_cast<long>(i), t.Slot(added[i]).Text);
        }
      } else if (op == 2) {
        t.DeleteCommands(p, last);
        if (inside) model.erase(model.begin() + (p - 1), model.begin() + last);
      } else if (op == 4) {  // an edit in place
        // Some texts are long, some beyond what a list line holds.
        const std::string text = "e" + std::to_string(step) + std::string(step % 5 * 150, 'x');
        if (p >= 1 && p <= n) t.ChangeAt(p)->Text = model[p - 1] = text;
      } else if (step % 2) {
        t.MoveCommandsUp(p, last);
        if (inside && p >= 2) std::rotate(&model[p - 2], &model[p - 1], &model[last - 1] + 1);
      } else {
        t.MoveCommandsDown(p, last);
        if (inside && last < n) std::rotate(&model[p - 1], &model[last], &model[last] + 1);
      }
      std::vector<std::string> texts;
      for (int q = 1; q <= t.LastPosition(); ++q) texts.push_back(t.CommandAt(q)->Text);
      ASSERT_EQ(texts, model) << "seed " << seed << " step " << step;
      int used = 0;
      for (int s = 1; s < kSlotCount; ++s) used += !t.Slot(s).SectionName.empty();
      ASSERT_EQ(used, static_cast<int>(model.size()));
      ASSERT_EQ(t.SlotAt(t.LastPosition() + 1), -1);  // past the end: no slot
      const std::vector<std::string> wanted = BuildListLines(t);
      for (const ListEdit& e : DiffListLines(shown, wanted)) {  // as the list box takes them
        if (e.What == ListEdit::kDelete) shown.erase(shown.begin() + e.Line);
        if (e.What == ListEdit::kInsert) shown.insert(shown.begin() + e.Line, wanted[e.Line]);
        if (e.What == ListEdit::kReplace) shown[e.Line] = wanted[e.Line];
      }
      ASSERT_EQ(shown, wanted) << "seed " << seed << " step " << step;
      BuildListLines(t, reused);  // over the last step's lines, as the main window does
      ASSERT_EQ(reused, wanted) << "seed " << seed << " step " << step;
    }
    CommandTable back;
    // Nothing to warn about but the long texts that the list shows cut.
    ReadWarnings read = ParseScript(ScriptText(t), testing::EditorActions(), back);
    read.CutInList = false;
    EXPECT_FALSE(read.Any());
    EXPECT_EQ(ScriptText(back), ScriptText(t));
  }
}

// The list box's update: the fewest edits for a move, a delete and an edit.
TEST(ListUpdate, EditsAreMinimal) {
  const std::vector<std::string> lines{"s", "a", "b", "c", "<>"};
  using E = ListEdit;
  const struct {
    std::vector<std::string> wanted;
    std::vector<E> edits;
  } cases[] = {
      {{"s", "b", "a", "c", "<>"}, {{E::kReplace, 1}, {E::kReplace, 2}}},
      {{"s", "a", "c", "<>"}, {{E::kDelete, 2}}},
      {{"s", "a", "x", "b", "c", "<>"}, {{E::kInsert, 2}}},
      {{"s", "a", "b", "x", "<>"}, {{E::kReplace, 3}}},
      {{"t", "a", "b", "c", "<>"}, {{E::kReplace, 0}}},  // a new script name
      {lines, {}},
      {{}, std::vector<E>(5, {E::kDelete, 0})},
  };
  for (const auto& row : cases) EXPECT_EQ(DiffListLines(lines, row.wanted), row.edits);
}

// A read after a long script leaves nothing of it behind.
TEST(ListUpdate, ResetAfterALongScriptEmptiesEverySlot) {
  CommandTable table = TableWith(511);
  table.Change(511).Text = std::string(300, 'x');  // a long value too
  table.Clear();
  for (int p = 1; p <= kSlotCount; ++p) ASSERT_EQ(table.SlotAt(p), -1) << p;  // also past the end
  table.Change(3).Key = "k";
  table.Clear();
  EXPECT_EQ(std::tuple(table.SlotsInUse(), table.LastPosition(), table.SlotAt(2)),
            std::tuple(1, 0, -1));  // stops at the head
  EXPECT_EQ(&std::as_const(table).Slot(0), &table.Head());
  const CommandTable fresh;
  for (int s = -1; s < kSlotCount; ++s) ASSERT_EQ(std::as_const(table).Slot(s), fresh.Slot(s)) << s;
  EXPECT_EQ(table.NewSectionName() + DecimalText(table.FindFreeSlot()), "WIZ01");
}

TEST(ListUpdate, TheViewStaysPutUnlessTheSelectionWouldLeaveIt) {
  struct Case {
    int top, selected, visible, count, kept;
  } const cases[] = {
      {10, 15, 10, 100, 10},  // inside the view: no scrolling
      {10, 19, 10, 100, 10},  // on the bottom edge
      {10, 20, 10, 100, 11},  // one below: just far enough
      {10, 9, 10, 100, 9},    // one above
      {10, 0, 10, 100, 0},    // to the head line
      {95, 96, 10, 100, 90},  // lines deleted at the end: the last full view
      {2, 3, 10, 5, 0},       // shorter than the view: from its first line
      {4, 4, 0, 100, 4},      // a list box too small for one line still shows it
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeptTopLine(c.top, c.selected, c.visible, c.count), c.kept)
        << c.top << " " << c.selected << " " << c.visible << " " << c.count;
  }
}

}  // namespace
}  // namespace wavoria
