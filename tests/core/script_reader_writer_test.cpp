// Reading a script text into the table and writing the table as a file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "document/list_lines.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "document/text.h"
#include "test_support.h"

namespace wavoria {
namespace {

using testing::ChainNames;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct Read {
  CommandTable table;
  ReadWarnings warnings;
};
// Reads into a document that held another script before.
Read ReadText(std::string_view text) {
  Read r;
  r.table.ScriptName = "vorher";
  r.table.Slot(r.table.InsertCommand(1)).Text = "vorher";
  r.warnings = ParseScript(text, testing::EditorActions(), r.table);
  return r;
}

// Each line read below the header "[S]": the one field it fills, or dropped.
TEST(ScriptReader, KeyLines) {
  // clang-format off
  const std::tuple<const char*, const char*, const char*, bool> cases[] = {
      {"Action = WriteToLog", "Action", "WriteToLog", false}, {"ACTION   =   x  ", "Action", "x", false},
      {"Actions=x", "", "", true}, {"text=a=b", "Text", "a=b", false}, {"Text=x ;y", "Text", "x ;y", false},
      {"Text=", "Text", "", false}, {"Text", "", "", true}, {"Text hallo", "", "", true},
      {"\tText=x", "", "", true}, {"Type\t=Document", "", "", true}, {"Next foo=bar", "Next", "bar", false},
      {"Key Text=x", "Key", "x", false}, {"=Text", "", "", true}, {"BlockKey=True", "BlockKey", "True", false},
      {"ID= 7 ", "ID", "7", false}, {"Level=1;2", "Level", "1;2", false}};
  // clang-format on
  for (const auto& [line, key, value, dropped] : cases) {
    SCOPED_TRACE(line);
    Read r = ReadText(std::string("[S]\n") + line + "\n");
    EXPECT_EQ(r.warnings.UnknownKeysDropped, dropped);
    ScriptCommand expected =
        testing::Command("", std::string(key) + "=" + value + "|SectionName=S");
    expected.SlotIndex = 1;
    EXPECT_EQ(r.table.Slot(1), expected);
  }
}

TEST(ScriptReader, SectionsNamesAndChain) {
  EXPECT_TRUE(ReadText("[S]\nText").warnings.UnknownKeysDropped);  // the last line, without a break
  Read r = ReadText(
      "[WIZ0]\nAction=GetMousePosition\nNext=wiz1\n"
      "[WIZ1]\rAction=GetMousePosition\r"
      "[execute]\r\nAction=GetMousePosition\nNext=WIZ0\n"
      "[WIZ4]\nAction=WriteToLog\nText=\nText = Eins \nText=Zwei\n");
  EXPECT_EQ(ChainNames(r.table), "WIZ2 WIZ0 WIZ1");  // [execute] named WIZ2
  EXPECT_EQ(r.table.Slot(4).Text, "Eins");           // the first non-empty value
  EXPECT_FALSE(r.warnings.Any());
  // [Execute] never takes a name a later section bears, "WIZ01" is no such name.
  EXPECT_EQ(ReadText("[Execute]\nNext=WIZ0\n[WIZ0]\n[wiz1]\n").table.Slot(1).SectionName, "WIZ2");
  EXPECT_EQ(ReadText("[Execute]\n[WIZ0]\n[WIZ01]\n").table.Slot(1).SectionName, "WIZ1");
  // Of two [Execute] sections the later one starts the chain.
  EXPECT_EQ(ChainNames(ReadText("[Execute]\n[EXECUTE]\nAction=SetDebugLevel\n").table), "WIZ1");
  // A header loses its first and last character; a nameless one is named.
  Read odd = ReadText("[Name] ; x\nAction=WriteToLog\n[]\nText=kept\n");
  EXPECT_EQ(odd.table.Slot(1).SectionName + "|" + odd.table.Slot(2).SectionName + "|" +
                odd.table.Slot(2).Text + DecimalText(odd.table.LastPosition()),
            "Name] ; |WIZ0|kept0");
}

TEST(ScriptReader, ScriptName) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"", "Unbenanntes Skript"}, {";WIZDESC$Erster\n;WIZDESC$Zweiter\n", "Zweiter"},
      {";WIZDESC$\n", "Unbenanntes Skript"}, {"; WIZDESC$Nein\n", "Unbenanntes Skript"},
      {";wizdesc$Nein\n", "Unbenanntes Skript"}, {"   ;WIZDESC$  Mit Leerzeichen  \n", "  Mit Leerzeichen"}};
  // clang-format on
  for (const auto& [text, name] : cases) EXPECT_EQ(ReadText(text).table.ScriptName, name) << text;
}

TEST(ScriptReader, Warnings) {
  using W = ReadWarnings;
  // clang-format off
  const std::pair<const char*, W> cases[] = {
      {"[Execute]\nAction=writetolog\n", {}},
      {";only\n", {}},
      {"[Execute]\nAction=WriteToLog\nNext=other.script.wav;WIZ0\n", {.CrossFileReference = true}},
      {"[Execute]\nText=x\n", {.UnknownCommands = true}},
      {"[A]\nAction=Foo\n[Execute]\nAction=WriteToLog\n", {.UnknownCommands = true}},
      {"[Execute]\nAction=WriteToLog\nColour=red\n", {.UnknownKeysDropped = true}},
      {"Action=WriteToLog\n[Execute]\nAction=WriteToLog\n", {.UnknownKeysDropped = true}},
      {"Colour=red\n[Execute]\nAction=WriteToLog\n", {.UnknownKeysDropped = true}},
      {"[Execute]\nAction=Gr\xC3\xBC\xC3\x9F" "e\n",
       {.UnknownCommands = true, .ConvertedFromUtf8 = true}},
  };
  // clang-format on
  for (const auto& [text, w] : cases) EXPECT_TRUE(ReadText(text).warnings == w) << text;
  EXPECT_EQ(ReadText("[E]\nNext=a;b\nNext=c\n").table.Slot(1).Next, "c");
  const W all{true, true, true, true, true};
  const std::vector<std::string> texts = WarningTexts(all, "TMP.DAT");
  EXPECT_THAT(texts,
              ElementsAre("Die geöffnete Datei beinhaltet Verweise zu anderen Dateien. Dies "
                          "wird nicht unterstützt. Das Speichern kann zu Datenverlust führen.",
                          HasSubstr("unbekannte Kommandos"), HasSubstr("mehr als 511"),
                          HasSubstr("unbekannte Einträge"), HasSubstr("UTF-8-kodiert")));
  EXPECT_EQ(WarningTexts(all, "tmp.dat"), std::vector<std::string>{texts[2]});
}

TEST(ScriptReader, MoreThan511SectionsAreCut) {
  std::string text = "[Execute]\nNext=aZ1\n";  // names are found ignoring case
  for (int i = 1; i <= 520; ++i) {
    text += "[Az" + std::to_string(i) + "]\nNext=aZ" + std::to_string(i + 1) + "\nFoo=1\n";
  }
  Read r = ReadText(text);
  EXPECT_TRUE(r.warnings.SectionsCut);
  EXPECT_EQ(r.table.Slot(511).SectionName + DecimalText(r.table.LastPosition()), "Az510511");
  // A "WIZ" name past the slots is not given to [Execute] either.
  std::string cut;
  for (char digit = '9'; digit >= '0'; --digit) cut += std::string("[WIZ") + digit + "]\n";
  EXPECT_EQ(ReadText(text + cut).table.Slot(1).SectionName, "WIZ10");
  EXPECT_FALSE(ReadText(text.substr(0, text.find("[Az511]"))).warnings.SectionsCut);
}

// Inputs too large for the fuzz corpus: a 10 MB value is kept whole, a 10 MB
// header and 100 000 brackets are read without harm.
TEST(ScriptReader, LargeInputs) {
  const std::string big(10 << 20, 'z');
  Read r = ReadText("[Execute]\r\nText=" + big + "\r\n[" + big + "\n" + std::string(100000, '['));
  EXPECT_EQ(r.table.CommandAt(1)->Text, big);
  EXPECT_EQ(r.table.Slot(2).SectionName, big.substr(1));
}

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
