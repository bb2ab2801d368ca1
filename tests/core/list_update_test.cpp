// The list box's update: the minimal edits for a move, a delete and an edit,
// the view kept in place, and a read after a long script leaving nothing of
// it behind. Random list commands against a full rebuild are in the table's tests.
#include <gtest/gtest.h>

#include <utility>

#include "document/list_diff.h"
#include "document/list_lines.h"

namespace wavoria {
namespace {

TEST(ListUpdate, EditsAreMinimal) {
  const std::vector<std::string> lines{"s", "a", "b", "c", "<>"};
  using E = ListEdit;
  const struct {
    std::vector<std::string> wanted;
    std::vector<E> edits;
  } cases[] = {
      {{"s", "b", "a", "c", "<>"}, {{E::kReplace, 1, "b"}, {E::kReplace, 2, "a"}}},
      {{"s", "a", "c", "<>"}, {{E::kDelete, 2, ""}}},
      {{"s", "a", "x", "b", "c", "<>"}, {{E::kInsert, 2, "x"}}},
      {{"s", "a", "b", "x", "<>"}, {{E::kReplace, 3, "x"}}},
      {lines, {}},
      {{}, std::vector<E>(5, {E::kDelete, 0, ""})},
  };
  for (const auto& row : cases) EXPECT_EQ(DiffListLines(lines, row.wanted), row.edits);
}

TEST(ListUpdate, ResetAfterALongScriptEmptiesEverySlot) {
  CommandTable table;
  for (int i = 0; i < 511; ++i) table.InsertCommand(table.LastPosition() + 1);
  table.Slot(511).Text = std::string(300, 'x');  // a long value too
  table.Clear();
  table.Slot(3).Key = "k";
  table.Clear();
  EXPECT_EQ(table.SlotsInUse(), 1);  // the next reset stops at the head
  EXPECT_EQ(table.SlotAt(2), -1);
  const CommandTable fresh;
  for (int s = -1; s < kSlotCount; ++s) ASSERT_EQ(std::as_const(table).Slot(s), fresh.Slot(s)) << s;
  EXPECT_EQ(table.FindFreeSlot(), 1);
  EXPECT_EQ(table.NewSectionName(), "WIZ0");
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
      {0, 3, 10, 5, 0},       // shorter than the view
      {4, 4, 0, 100, 4},      // a list box too small for one line still shows it
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeptTopLine(c.top, c.selected, c.visible, c.count), c.kept)
        << c.top << " " << c.selected << " " << c.visible << " " << c.count;
  }
}

}  // namespace
}  // namespace wavoria
