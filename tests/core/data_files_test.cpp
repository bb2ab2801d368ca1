#include "app/data_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "document/file_io.h"
#include "document/script_reader.h"
#include "test_support.h"

namespace wavoria {
namespace {

TEST(DataFields, QuotingSeparatorsAndNumbers) {
  DataFieldReader r(" \"Bild auf\" , 73\r\nplain,\t-4\rx y,7.5\nz,6.5\n\"a,b\",+2 ,12abc,.5");
  EXPECT_EQ(r.NextField(4096), "Bild auf");
  EXPECT_EQ(r.NextNumber(), 73);
  EXPECT_EQ(r.NextField(4096), "plain");
  EXPECT_EQ(r.NextNumber(), -4);
  EXPECT_EQ(r.NextField(4096), "x");  // an unquoted name ends at the blank
  EXPECT_EQ(r.NextField(4096), "y");
  EXPECT_EQ(r.NextNumber(), 8);
  EXPECT_EQ(r.NextField(4096), "z");
  EXPECT_EQ(r.NextNumber(), 6);  // ties go to the even number
  EXPECT_EQ(r.NextField(4096), "a,b");
  EXPECT_EQ(r.NextNumber(), 2);
  EXPECT_EQ(r.NextNumber(), 12);
  EXPECT_EQ(r.NextNumber(), 0);      // ".5" rounds to the even 0
  EXPECT_EQ(r.NextField(4096), "");  // past the end: empty
  EXPECT_EQ(r.NextNumber(), 0);
}

TEST(DataFields, KeyNames) {
  KeyNameTable keys = ParseKeyNames("A,30\n\"Bild auf\",73\nB,30\nWeit,200\nNeg,-1\n");
  EXPECT_EQ(keys[30].Name, "B");  // the later record wins
  EXPECT_EQ(keys[30].ScanCode, 30);
  EXPECT_EQ(keys[73].Name, "Bild auf");
  // Fewer than 83 records: the missing ones read as an empty name for 0.
  EXPECT_EQ(keys[0].Name, "");
  ActionTable actions = ParseActionNames(std::string(40 * 4, 'x'));
  EXPECT_EQ(actions[1].Name, "");
}

TEST(DataFields, ActionsBeyondThe32ndAreNotRead) {
  std::string text;
  for (int i = 0; i < 33; ++i)
    text += "Action" + std::to_string(i) + "," + std::to_string(i) + "\n";
  ActionTable actions = ParseActionNames(text);
  EXPECT_EQ(actions[31].Name, "Action31");
  EXPECT_EQ(actions[31].Number, 31);
  EXPECT_TRUE(IsKnownAction("action31", actions));
  EXPECT_FALSE(IsKnownAction("Action32", actions));
  EXPECT_FALSE(IsKnownAction("", actions));
}

TEST(DataFiles, ShippedFilesLoad) {
  StartupTables tables;
  std::string missing;
  ASSERT_TRUE(LoadStartupTables(testing::DataFolder(), tables, missing)) << missing;
  int named = 0;
  for (int code = 0; code < kKeyNameCount; ++code) {
    if (tables.Keys[code].Name.empty()) continue;
    ++named;
    EXPECT_EQ(tables.Keys[code].ScanCode, code);
  }
  EXPECT_EQ(named, 83);
  EXPECT_EQ(tables.Keys[28].Name, "Enter");
  EXPECT_EQ(tables.Keys[1].Name, "Esc");
  for (const char* action :
       {"WriteToLog", "ExecProgram", "MCICommand", "MidiTickFunction", "AddOutput",
        "EnableKeySupport", "RegisterKeyDownEvent", "RegisterKeyUpEvent", "RegisterCheatEvent",
        "EnableMouseSupport", "GetMousePosition", "SetDebugLevel"}) {
    EXPECT_TRUE(IsKnownAction(action, tables.Actions)) << action;
  }
}

TEST(DataFiles, AMissingFileIsNamedInOrder) {
  testing::TempFolder folder("datafiles");
  StartupTables tables;
  std::string missing;
  EXPECT_FALSE(LoadStartupTables(folder.Path(), tables, missing));
  EXPECT_EQ(missing, "keys.dat");
  EXPECT_EQ(MissingDataFileMessage(missing), "Die Datei 'keys.dat' wurde nicht gefunden.");
  std::ofstream(folder.File("keys.dat")) << "Esc,1\n";
  EXPECT_FALSE(LoadStartupTables(folder.Path(), tables, missing));
  EXPECT_EQ(missing, "actions.dat");
  std::ofstream(folder.File("actions.dat")) << "WriteToLog,1\n";
  EXPECT_TRUE(LoadStartupTables(folder.Path(), tables, missing));
  EXPECT_EQ(tables.Keys[1].Name, "Esc");
}

}  // namespace
}  // namespace wavoria
