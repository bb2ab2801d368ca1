#include "document/command_table.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace wavoria {
namespace {

using testing::ChainNames;

// A table with n commands appended one after another (WIZ0 ... in slots 1 ...).
CommandTable TableWith(int n) {
  CommandTable t;
  for (int i = 0; i < n; ++i) t.InsertCommand(t.LastPosition() + 1);
  return t;
}

TEST(CommandTable, EmptyScript) {
  CommandTable t;
  EXPECT_EQ(t.LastPosition(), 0);
  EXPECT_EQ(t.SlotAt(0), 0);
  EXPECT_EQ(t.SlotAt(1), -1);
  EXPECT_EQ(t.Head().SectionName, "Execute");
  EXPECT_EQ(t.ScriptName, "Unbenanntes Skript");
  for (int s = 0; s < kSlotCount; ++s) EXPECT_EQ(t.Slot(s).SlotIndex, s);
  EXPECT_EQ(t.EditBuffer().SlotIndex, -1);

  EXPECT_EQ(t.InsertCommand(1), 1);
  EXPECT_EQ(t.Slot(1).SectionName, "WIZ0");
  EXPECT_EQ(t.Head().Next, "WIZ0");
  EXPECT_EQ(t.LastPosition(), 1);
}

TEST(CommandTable, InsertBeforeTheFirstCommandRewiresTheHead) {
  CommandTable t = TableWith(1);
  EXPECT_EQ(t.InsertCommand(1), 2);
  EXPECT_EQ(t.Head().Next, "WIZ1");
  EXPECT_EQ(t.Slot(2).Next, "WIZ0");
  EXPECT_EQ(ChainNames(t), "WIZ1 WIZ0");
}

TEST(CommandTable, FreedSlotAndNameAreGivenOutAgain) {
  CommandTable t = TableWith(3);
  t.DeleteCommand(1);
  EXPECT_TRUE(t.Slot(1).SectionName.empty());
  EXPECT_EQ(t.NewSectionName(), "WIZ0");
  EXPECT_EQ(t.InsertCommand(2), 1);
  EXPECT_EQ(t.Slot(1).SectionName, "WIZ0");
  EXPECT_EQ(t.Slot(2).Next, "WIZ0");
  EXPECT_EQ(t.Slot(1).Next, "WIZ2");
  EXPECT_EQ(ChainNames(t), "WIZ1 WIZ0 WIZ2");
}

TEST(CommandTable, DeletingTheLastCommandEndsTheChainAtItsPredecessor) {
  CommandTable t = TableWith(2);
  t.Slot(2).Next = "Elsewhere";  // whatever the last command held
  t.DeleteCommand(2);
  EXPECT_EQ(t.Slot(1).Next, "");
  EXPECT_EQ(ChainNames(t), "WIZ0");
  t.DeleteCommand(1);
  EXPECT_EQ(t.Head().Next, "");
  EXPECT_EQ(t.LastPosition(), 0);
}

TEST(CommandTable, LookupsIgnoreCaseAndPreferTheLowestSlot) {
  CommandTable t = TableWith(2);
  t.Slot(1).Next = "wiz1";
  t.RebuildOrder();
  EXPECT_EQ(ChainNames(t), "WIZ0 WIZ1");
  // A record outside the chain whose Next also names WIZ1, in a lower slot
  // than the chain's own predecessor, is the one that gets rewired.
  t.Slot(3).SectionName = "Outside";
  t.Slot(3).Next = "WIZ1";
  t.Slot(1).Next = "";
  t.Slot(2).Next = "";
  t.Slot(4).SectionName = "Other";
  t.Head().Next = "WIZ0";
  t.Slot(1).Next = "WIZ1";
  EXPECT_EQ(t.FindPredecessor(t.Slot(2)), 1);
  EXPECT_EQ(t.FindSection("outside"), 3);
  EXPECT_EQ(t.NewSectionName(), "WIZ2");
}

TEST(CommandTable, ANextNamingNoSectionEndsTheChainAndIsKept) {
  CommandTable t = TableWith(2);
  t.Slot(1).Next = "Missing";
  t.RebuildOrder();
  EXPECT_EQ(ChainNames(t), "WIZ0");
  EXPECT_EQ(t.Slot(1).Next, "Missing");
  EXPECT_EQ(t.Slot(2).SectionName, "WIZ1");  // unreached, still there
  EXPECT_EQ(t.NewSectionName(), "WIZ2");
}

TEST(CommandTable, AChainThatRunsBackIntoItselfStopsBeforeTheRepeat) {
  CommandTable t = TableWith(3);
  t.Slot(3).Next = "wiz1";
  t.RebuildOrder();
  EXPECT_EQ(ChainNames(t), "WIZ0 WIZ1 WIZ2");
  t.Slot(3).Next = "Execute";
  t.RebuildOrder();
  EXPECT_EQ(ChainNames(t), "WIZ0 WIZ1 WIZ2");
  t.Slot(1).Next = "WIZ0";
  t.RebuildOrder();
  EXPECT_EQ(ChainNames(t), "WIZ0");
}

TEST(CommandTable, FullTableRefusesInsertion) {
  CommandTable t = TableWith(511);
  EXPECT_EQ(t.LastPosition(), 511);
  EXPECT_EQ(t.FindFreeSlot(), -1);
  EXPECT_EQ(t.InsertCommand(1), -1);
  EXPECT_EQ(t.InsertCommand(512), -1);
  EXPECT_EQ(t.LastPosition(), 511);
  EXPECT_EQ(t.Head().Next, "WIZ0");
}

TEST(CommandTable, OperationsOutsideTheirPositionsDoNothing) {
  CommandTable t = TableWith(3);
  const CommandTable before = t;
  auto same = [&] { return ChainNames(t) == ChainNames(before) && t.Head() == before.Head(); };
  t.DeleteCommand(0);
  t.DeleteCommand(4);
  t.MoveCommandUp(0);
  t.MoveCommandUp(1);
  t.MoveCommandUp(4);
  t.MoveCommandDown(0);
  t.MoveCommandDown(3);
  t.MoveCommandDown(4);
  EXPECT_TRUE(same());
  EXPECT_EQ(t.InsertCommand(0), -1);
  EXPECT_EQ(t.InsertCommand(5), -1);
  EXPECT_TRUE(same());
  EXPECT_TRUE(t.Slot(4).SectionName.empty());
}

TEST(CommandTable, MovingKeepsNamesAndRewiresNext) {
  CommandTable t = TableWith(3);
  t.MoveCommandUp(2);
  EXPECT_EQ(ChainNames(t), "WIZ1 WIZ0 WIZ2");
  EXPECT_EQ(t.Head().Next, "WIZ1");
  t.MoveCommandDown(2);
  EXPECT_EQ(ChainNames(t), "WIZ1 WIZ2 WIZ0");
  EXPECT_EQ(t.Slot(1).Next, "");
}

TEST(CommandTable, ResetCommandKeepsLinksUnlessAsked) {
  CommandTable t = TableWith(2);
  t.Slot(1).Action = "WriteToLog";
  t.Slot(1).Text = "x";
  t.Slot(1).DialogType = 40;
  t.ResetCommand(1, false);
  EXPECT_EQ(t.Slot(1).Action, "");
  EXPECT_EQ(t.Slot(1).DialogType, -1);
  EXPECT_EQ(t.Slot(1).SectionName, "WIZ0");
  EXPECT_EQ(t.Slot(1).Next, "WIZ1");
  t.EditBuffer().SectionName = "&NULL";
  t.ResetCommand(-1, true);
  EXPECT_EQ(t.EditBuffer(), ScriptCommand{});
}

}  // namespace
}  // namespace wavoria
