#include "document/script_writer.h"

#include <gtest/gtest.h>

#include "document/list_lines.h"
#include "document/script_reader.h"
#include "test_support.h"

namespace wavoria {
namespace {

const std::string kHeader =
    ";Diese Datei wurde von Wavoria erstellt oder bearbeitet.\r\n"
    ";Namen von Sections wurden nicht berücksichtigt.\r\n\r\n";

TEST(ScriptWriter, WorkedExampleByteForByte) {
  CommandTable t;
  t.ScriptName = "Testskript";
  auto add = [&](int position, const char* action, std::string ScriptCommand::*field,
                 const char* value) {
    ScriptCommand& cmd = t.Slot(t.InsertCommand(position));
    cmd.Action = action;
    cmd.*field = value;
  };
  add(1, "WriteToLog", &ScriptCommand::Text, "Start");
  add(2, "SetDebugLevel", &ScriptCommand::Level, "2");
  add(1, "EnableKeySupport", &ScriptCommand::Enable, "True");
  EXPECT_EQ(ScriptText(t), testing::kWorkedExample);
  CommandTable back;
  EXPECT_FALSE(ParseScript(testing::kWorkedExample, testing::EditorActions(), back).Any());
  EXPECT_EQ(BuildListLines(back), BuildListLines(t));
  EXPECT_EQ(ScriptText(back), testing::kWorkedExample);
}

TEST(ScriptWriter, EdgesOfTheLayout) {
  CommandTable t;
  t.ScriptName = "";
  EXPECT_EQ(ScriptText(t), kHeader + ";WIZDESC$\r\n");
  t.ScriptName = "  Blanks";
  t.InsertCommand(1);
  t.Slot(1).Action = "GetMousePosition";
  t.Slot(3).SectionName = "Lost";  // outside the chain: its own name, in slot order
  t.Slot(3).Next = "Execute";
  t.Slot(2).SectionName = "FIRST";  // a duplicate of the chain start in case only
  t.Head().Next = "wiz0";
  EXPECT_EQ(ScriptText(t), kHeader +
                               ";WIZDESC$  Blanks\r\n"
                               "[Execute]\r\nAction=GetMousePosition\r\nNext=\r\n\r\n"
                               "[FIRST]\r\nAction=\r\nNext=\r\n\r\n"
                               "[Lost]\r\nAction=\r\nNext=Execute\r\n\r\n");
}

}  // namespace
}  // namespace wavoria
