// Random editing sessions checked against a plain list of the commands.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "app/data_files.h"
#include "document/command_table.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "test_support.h"

namespace wavoria {
namespace {

// Every command carries a unique Text so that it can be followed through
// moves, and through writing and reading where section names change.
std::vector<std::string> DisplayedTexts(const CommandTable& t) {
  std::vector<std::string> texts;
  for (int p = 1; p <= t.LastPosition(); ++p) texts.push_back(t.CommandAt(p)->Text);
  return texts;
}

void ExpectSlotsConsistent(const CommandTable& t) {
  std::set<int> seen;
  int used = 0;
  for (int s = 1; s < kSlotCount; ++s) {
    if (!t.Slot(s).SectionName.empty())
      ++used;
    else
      EXPECT_EQ(t.Slot(s).Next, "") << "free slot " << s << " keeps a Next";
  }
  for (int p = 1; p <= t.LastPosition(); ++p) {
    EXPECT_TRUE(seen.insert(t.SlotAt(p)).second) << "slot shown twice at position " << p;
  }
  EXPECT_EQ(used, t.LastPosition()) << "a used slot is outside the chain";
}

TEST(ChainProperty, RandomEditsMatchAPlainList) {
  const ActionTable actions = testing::EditorActions();
  for (unsigned seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    CommandTable t;
    std::vector<std::string> model;
    int counter = 0;
    for (int step = 0; step < 200; ++step) {
      const int n = static_cast<int>(model.size());
      const int position = std::uniform_int_distribution<int>(0, n + 1)(rng);
      const int op = std::uniform_int_distribution<int>(0, 9)(rng);
      std::string what;
      if (op < 5) {
        what = "insert";
        const int s = t.InsertCommand(position);
        if (position >= 1 && n < 511) {
          ASSERT_GE(s, 1);
          t.Slot(s).Action = "WriteToLog";
          t.Slot(s).Text = "c" + std::to_string(counter++);
          model.insert(model.begin() + (position - 1), t.Slot(s).Text);
        } else {
          EXPECT_EQ(s, -1);
        }
      } else if (op < 7) {
        what = "delete";
        t.DeleteCommand(position);
        if (position >= 1 && position <= n) model.erase(model.begin() + (position - 1));
      } else if (op < 8) {
        what = "up";
        t.MoveCommandUp(position);
        if (position >= 2 && position <= n) std::swap(model[position - 1], model[position - 2]);
      } else {
        what = "down";
        t.MoveCommandDown(position);
        if (position >= 1 && position < n) std::swap(model[position - 1], model[position]);
      }
      SCOPED_TRACE("step " + std::to_string(step) + ": " + what + " at " +
                   std::to_string(position));
      ASSERT_EQ(DisplayedTexts(t), model);
      ExpectSlotsConsistent(t);
    }
    CommandTable back;
    ReadWarnings warnings = ParseScript(ScriptText(t), actions, back);
    EXPECT_FALSE(warnings.Any());
    EXPECT_EQ(DisplayedTexts(back), model);
    EXPECT_EQ(ScriptText(back), ScriptText(t));
  }
}

}  // namespace
}  // namespace wavoria
