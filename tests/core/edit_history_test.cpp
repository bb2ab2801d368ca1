#include "document/edit_history.h"

#include <gtest/gtest.h>

#include <random>

#include "app/editor_commands.h"
#include "app/find_replace.h"
#include "document/list_lines.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "test_support.h"

namespace wavoria {
namespace {

using testing::ChainNames;

// What undo must bring back: every slot as the file has it, the slots in
// use, the name and the chain.
std::string State(const CommandTable& t) {
  std::string state = ScriptText(t) + "| " + ChainNames(t) + " " +
                      std::to_string(t.SlotAt(t.LastPosition() + 1)) + " |";
  for (int s = 1; s < t.SlotsInUse(); ++s) {
    if (!t.Slot(s).SectionName.empty()) state += " " + std::to_string(s);
  }
  return state;
}

// A table with its history, as the editor has them.
struct Edited {
  explicit Edited(std::size_t maxBytes = EditHistory::kMaxBytes) : History(maxBytes) {
    Table.SetHistory(&History);
  }
  CommandTable Table;
  EditHistory History;
};

// Random sessions of every list command on one line or a range of commands,
// the clipboard's, Duplizieren, Alle ersetzen, rename and the read-back
// after Notepad, with undos, redos and saves in between, against the
// snapshot of the document after each step: undo and redo give back exactly
// that document and the lines the step began or ended on, and Modified is
// false exactly at the step last saved.
TEST(EditHistory, RandomSessionsAgainstSnapshots) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    Edited e;
    CommandTable& t = e.Table;
    std::vector<std::string> states{State(t)};
    std::vector<std::pair<LineRange, LineRange>> lines{{0, 0}};  // per step: selected before, after
    std::size_t at = 0, saved = 0;
    for (int round = 0; round < 400; ++round) {
      const int n = t.LastPosition();
      LineRange selected = pick(n + 2);
      if (n >= 2 && pick(3) == 0) {  // a range of commands
        selected.First = 1 + pick(n - 1);
        selected.Last = selected.First + 1 + pick(n - selected.First);
      }
      const int kind = pick(14);
      std::optional<LineRange> after;
      if (kind == 0) {
        after = UndoStep(t);
        ASSERT_EQ(after.has_value(), at > 0);
        if (after) {
          EXPECT_EQ(*after, lines[at].first);
          --at;
        }
      } else if (kind == 1) {
        after = RedoStep(t);
        ASSERT_EQ(after.has_value(), at + 1 < states.size());
        if (after) {
          EXPECT_EQ(*after, lines[++at].second);
        }
      } else if (kind == 2) {
        e.History.MarkSaved(), saved = at;
      } else {
        const std::string text = "t" + std::to_string(round);
        if (kind == 3 || kind == 4) {
          ResetEditBuffer(t);
          t.EditBuffer().Action = "WriteToLog", t.EditBuffer().Text = text;
          after = AddFromEditBuffer(t, selected);
        } else if (kind == 5) {
          after = DeleteAt(t, selected);
        } else if (kind == 6) {
          after = MoveUpAt(t, selected);
        } else if (kind == 7) {
          after = MoveDownAt(t, selected);
        } else if (kind == 8) {  // an edit, or a rename that may keep the name
          const int edited = pick(3) == 0 ? 0 : selected.First;
          const EditTarget target = EditTargetAt(t, edited);
          BeginEdit(t, edited, target);
          if (edited == 0 && pick(4) != 0) t.ScriptName = text;
          t.EditBuffer().Text = text;
          if (pick(4) == 0) CancelEditBuffer(t);
          after = FinishEdit(t, edited, target);
        } else if (kind == 9) {  // a copy pasted, or commands cut
          const std::optional<std::string> copied = CopiedText(t, pick(3) ? selected : 0);
          after = copied ? PasteText(t, selected, *copied, testing::EditorActions()).Lines
                         : std::nullopt;
        } else if (kind == 10) {
          after = CutText(t, selected) ? DeleteAt(t, selected) : std::nullopt;
        } else if (kind == 11) {
          after = DuplicateAt(t, selected).Lines;
        } else if (kind == 12) {  // "t1" becomes another text, as often as it is there
          after = ReplaceAll(t, {}, BuildListLines(t), {"t1"}, text, selected).Lines;
        } else {  // read back as Notepad left it: a command changed, or nothing
          const std::string before = State(t);
          CommandTable edited = t;
          if (t.LastPosition() > 0 && pick(2) == 0) edited.ChangeAt(1)->Text = text;
          const std::string file = ScriptText(edited);
          ASSERT_TRUE(ReadBackAsOneStep(t, selected, [&] {
            ParseScript(file, testing::EditorActions(), t);
            return true;
          }));
          if (State(t) != before) after = 0;  // no step when nothing changed
        }
        if (after) {
          if (saved > at) saved = SIZE_MAX;  // the saved document was undone and is gone
          states.erase(states.begin() + long(++at), states.end());
          lines.resize(at);
          states.push_back(State(t)), lines.emplace_back(kind == 8 ? *after : selected, *after);
        }
      }
      ASSERT_EQ(State(t), states[at]) << "round " << round << " kind " << kind;
      ASSERT_EQ(e.History.Modified(), at != saved) << "round " << round << " kind " << kind;
    }
  }
}

// A script Notepad saved again with the same commands reads back as no step.
TEST(EditHistory, AScriptReadBackUnchangedIsNoStep) {
  Edited e;
  ParseScript("[Execute]\r\nAction=WriteToLog\r\nText=a\r\n", testing::EditorActions(), e.Table);
  const std::string before = ScriptText(e.Table);
  ASSERT_TRUE(ReadBackAsOneStep(e.Table, 1, [&] {
    ParseScript("[execute]\r\naction = WriteToLog\r\nText=a\r\n", testing::EditorActions(),
                e.Table);
    return true;
  }));
  EXPECT_EQ(std::pair(e.History.Steps(), ScriptText(e.Table)), std::pair(std::size_t{0}, before));
}

// The oldest steps go once 1,000 are kept: the document after the fifth step
// is as far back as undo goes, and the state saved before them is gone.
TEST(EditHistory, KeepsTheNewestThousandSteps) {
  Edited e;
  CommandTable& t = e.Table;
  ResetEditBuffer(t);
  for (int i = 0; i < 2; ++i) AddFromEditBuffer(t, 1);
  std::string chains[6];
  for (int i = 0; i < 1003; ++i) {
    if (i < 6) chains[i] = ChainNames(t);
    ASSERT_TRUE(MoveDownAt(t, 1));
  }
  EXPECT_EQ(e.History.Steps(), 1000u);
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(UndoStep(t)) << i;
  EXPECT_EQ(UndoStep(t), std::nullopt);
  EXPECT_EQ(ChainNames(t), chains[3]);
  EXPECT_TRUE(e.History.Modified());
  e.History.Clear();
  EXPECT_EQ(std::tuple(e.History.Steps(), e.History.Bytes(), e.History.Modified(), RedoStep(t)),
            std::tuple(0u, 0u, false, std::nullopt));
}

// Text of `size` characters stored in the first command by 26 edits.
void EditTwentySixTimes(Edited& e, std::size_t size) {
  ResetEditBuffer(e.Table);
  e.Table.EditBuffer().Action = "WriteToLog";
  AddFromEditBuffer(e.Table, 1);
  const EditTarget target{EditTarget::kDialog, 4000};
  for (char c = 'a'; c <= 'z'; ++c) {
    BeginEdit(e.Table, 1, target);
    e.Table.EditBuffer().Text.assign(size, c);
    FinishEdit(e.Table, 1, target);
  }
}

// The history counts every byte its steps keep and stays within its memory
// by dropping the oldest steps; a step larger than all of it is kept alone.
TEST(EditHistory, KeepsWithinItsMemory) {
  const std::size_t limit = 64 << 10;
  for (const std::size_t size : {std::size_t{8} << 10, std::size_t{100} << 10}) {
    SCOPED_TRACE(size);
    Edited e(limit);
    EditTwentySixTimes(e, size);
    // Each step kept holds the text before and after its edit.
    EXPECT_GE(e.History.Bytes(), e.History.Steps() * 2 * (size + 1));
    EXPECT_TRUE(e.History.Bytes() <= limit || e.History.Steps() == 1) << e.History.Steps();
    UndoStep(e.Table);
    EXPECT_EQ(e.Table.CommandAt(1)->Text[0], 'y');
  }
  // Texts just too long to be kept inside their strings count too: 51 of
  // them, after each edit and before all but the first.
  const std::size_t inside = std::string().capacity();
  Edited small(limit), heap(limit);
  EditTwentySixTimes(small, inside);
  EditTwentySixTimes(heap, inside + 1);
  EXPECT_EQ(heap.History.Steps(), 27u);
  EXPECT_GE(heap.History.Bytes(), small.History.Bytes() + 51 * (inside + 2));
  // Two steps that take exactly the limit both stay; one byte less, the older goes.
  auto stepsKept = [](std::size_t maxBytes) {
    Edited e(maxBytes);
    ResetEditBuffer(e.Table);
    for (int i = 0; i < 2; ++i) AddFromEditBuffer(e.Table, 1);
    return std::pair(e.History.Steps(), e.History.Bytes());
  };
  const std::size_t both = stepsKept(EditHistory::kMaxBytes).second;
  EXPECT_EQ(stepsKept(both), std::pair(std::size_t{2}, both));
  EXPECT_EQ(stepsKept(both - 1).first, 1u);
}

}  // namespace
}  // namespace wavoria
