#include "document/data_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "document/script_reader.h"
#include "document/text.h"
#include "test_support.h"

namespace wavoria {
namespace {

TEST(DataFiles, FieldsAndNumbers) {
  DataFieldReader r(" \"Bild auf\" , 73\r\nplain,\t-4\rx y,7.5\nz,6.5\n\"a,b\",+2 ,12abc,.5");
  const std::pair<bool, std::string> fields[] = {
      {true, "Bild auf"}, {false, "73"}, {true, "plain"}, {false, "-4"}, {true, "x"},
      {true, "y"},        {false, "8"},  {true, "z"},     {false, "6"},  {true, "a,b"},
      {false, "2"},       {false, "12"}, {false, "0"},    {true, ""},    {false, "0"},
  };
  for (const auto& [text, value] : fields) {
    EXPECT_EQ(text ? r.NextField(4096) : std::to_string(r.NextNumber()), value);
  }
  EXPECT_EQ(DataFieldReader("abcdef").NextField(3), "abc");
  EXPECT_EQ(DataFieldReader("2.509").NextNumber(), 3);  // every decimal counts
  EXPECT_EQ(DataFieldReader("2.45").NextNumber(), 2);   // each a tenth of the one before
  DataFieldReader view(std::string_view("a\r\nb", 2));  // only the view counts
  EXPECT_EQ(view.NextField(9), "a");
  EXPECT_EQ(view.NextField(9), "");
}

TEST(DataFiles, KeyAndActionTables) {
  const KeyNameTable keys =
      ParseKeyNames("A,30\n\"Bild auf\",73\nB,30\nWeit,200\nNeg,-1\nL,128\nR,129\n");
  // The later record wins; the records missing at the end name nothing.
  EXPECT_EQ(keys[30].Name + "|" + keys[73].Name + "|" + keys[128].Name + "|" + keys[0].Name,
            "B|Bild auf|L|");
  EXPECT_EQ(keys[30].ScanCode, 30);
  std::string full = "Nul,0\n";  // all 83 records there: scan code 0 has a name too
  for (int i = 1; i < 83; ++i) full += "K,5\n";
  EXPECT_EQ(ParseKeyNames(full)[0].Name, "Nul");
  std::string text;
  for (int i = 0; i < 33; ++i)
    text += "Action" + std::to_string(i) + "," + std::to_string(i) + "\n";
  const ActionTable actions = ParseActionNames(text);
  EXPECT_EQ(actions[31].Number, 31);
  EXPECT_TRUE(IsKnownAction("action31", actions));
  EXPECT_FALSE(IsKnownAction("Action32", actions) || IsKnownAction("", ParseActionNames(",1\n")));
}

TEST(DataFiles, ShippedFilesLoadAndAMissingOneIsNamed) {
  StartupTables tables;
  std::string missing;
  ASSERT_TRUE(LoadStartupTables(testing::DataFolder(), tables, missing)) << missing;
  int named = 0;
  for (const KeyName& key : tables.Keys) named += !key.Name.empty();
  EXPECT_EQ(tables.Keys[28].Name + DecimalText(named), "Enter83");
  EXPECT_TRUE(IsKnownAction("SetDebugLevel", tables.Actions));
  testing::TempFolder folder("datafiles");
  EXPECT_FALSE(LoadStartupTables(folder.Path(), tables, missing));
  EXPECT_EQ(MissingDataFileMessage(missing), "Die Datei 'keys.dat' wurde nicht gefunden.");
  std::ofstream(folder.File("keys.dat")) << "Esc,1\n";
  EXPECT_FALSE(LoadStartupTables(folder.Path(), tables, missing) || missing != "actions.dat");
  std::ofstream(folder.File("actions.dat")) << "WriteToLog,1\n";
  EXPECT_TRUE(LoadStartupTables(folder.Path(), tables, missing));
  EXPECT_EQ(tables.Keys[1].Name, "Esc");
}

}  // namespace
}  // namespace wavoria
