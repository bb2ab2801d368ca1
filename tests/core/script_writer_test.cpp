#include "document/script_writer.h"

#include <gtest/gtest.h>

#include "document/file_io.h"
#include "document/list_lines.h"
#include "document/script_reader.h"
#include "test_support.h"

namespace wavoria {
namespace {

using testing::kWorkedExample;

// New, rename, then three commands as a user adds them in the editor.
CommandTable WorkedExampleSession() {
  CommandTable t;
  t.ScriptName = "Testskript";
  int s = t.InsertCommand(1);
  t.Slot(s).Action = "WriteToLog";
  t.Slot(s).Text = "Start";
  s = t.InsertCommand(2);
  t.Slot(s).Action = "SetDebugLevel";
  t.Slot(s).Level = "2";
  s = t.InsertCommand(1);
  t.Slot(s).Action = "EnableKeySupport";
  t.Slot(s).Enable = "True";
  return t;
}

TEST(ScriptWriter, WorkedExampleByteForByte) {
  CommandTable t = WorkedExampleSession();
  EXPECT_EQ(ScriptText(t), kWorkedExample);
  EXPECT_EQ(std::string(kWorkedExample).find("\xfc"), 94u);  // ü as one Windows-1252 byte

  CommandTable back;
  EXPECT_FALSE(ParseScript(kWorkedExample, testing::EditorActions(), back).Any());
  EXPECT_EQ(BuildListLines(back), BuildListLines(t));
  EXPECT_EQ(back.Slot(3).SectionName, "WIZ2");
  EXPECT_EQ(ScriptText(back), kWorkedExample);
}

TEST(ScriptWriter, EdgesOfTheLayout) {
  CommandTable t;
  const std::string header =
      ";Diese Datei wurde von Wavoria erstellt oder bearbeitet.\r\n"
      ";Namen von Sections wurden nicht berücksichtigt.\r\n\r\n";
  EXPECT_EQ(ScriptText(t), header + ";WIZDESC$Unbenanntes Skript\r\n");
  t.ScriptName = "";
  EXPECT_EQ(ScriptText(t), header + ";WIZDESC$\r\n");
  t.ScriptName = "  Blanks";
  t.InsertCommand(1);
  t.Slot(1).Action = "GetMousePosition";
  // A section outside the chain is written under its own name, in slot order.
  t.Slot(2).SectionName = "Lost";
  t.Slot(2).Action = "Foo";
  t.Slot(2).Next = "Execute";
  EXPECT_EQ(ScriptText(t), header +
                               ";WIZDESC$  Blanks\r\n"
                               "[Execute]\r\nAction=GetMousePosition\r\nNext=\r\n\r\n"
                               "[Lost]\r\nAction=Foo\r\nNext=Execute\r\n\r\n");
}

TEST(ScriptWriter, ChainStartIsFoundIgnoringCaseAndOnlyOnce) {
  CommandTable t;
  t.Slot(1).SectionName = "First";
  t.Slot(2).SectionName = "FIRST";  // a duplicate the chain never reaches
  t.Head().Next = "first";
  const std::string text = ScriptText(t);
  EXPECT_NE(text.find("[Execute]\r\n"), std::string::npos);
  EXPECT_NE(text.find("[FIRST]\r\n"), std::string::npos);
  EXPECT_EQ(text.find("[Execute]"), text.rfind("[Execute]"));
}

TEST(ScriptFiles, FailedWritesLeaveTheEarlierFileIntact) {
  testing::TempFolder folder("writer");
  const std::string path = folder.File("Skript mit Leerzeichen.script.wav");
  CommandTable t = WorkedExampleSession();
  ASSERT_TRUE(WriteScriptFile(path, t));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, kWorkedExample);

  t.Slot(1).Text = "Geändert";
  SimulateShortWriteAfter(100);
  EXPECT_FALSE(WriteScriptFile(path, t));
  SimulateShortWriteAfter(-1);
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, kWorkedExample);

  EXPECT_FALSE(WriteScriptFile(folder.File("missing") + kPathSeparator + "x.script.wav", t));
  EXPECT_FALSE(WriteScriptFile(folder.Path(), t));  // a folder is no file

  // Nothing but the script itself is left in the folder.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST(ScriptFiles, AFileThatCannotBeReadLeavesTheDocumentAlone) {
  testing::TempFolder folder("reader");
  CommandTable t = WorkedExampleSession();
  const std::string before = ScriptText(t);
  ReadWarnings warnings;
  EXPECT_FALSE(
      ReadScriptFile(folder.File("nicht da.script.wav"), testing::EditorActions(), t, warnings));
  EXPECT_FALSE(ReadScriptFile(folder.Path(), testing::EditorActions(), t, warnings));
  EXPECT_EQ(ScriptText(t), before);
  EXPECT_EQ(t.LastPosition(), 3);
}

}  // namespace
}  // namespace wavoria
