// Reading a script text into the table and writing the table as a file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "bench/generated_script.h"
#include "document/list_lines.h"
#include "document/script_findings.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "document/text.h"
#include "test_support.h"

namespace wavoria {
namespace {

using namespace std::string_literals;
using testing::ChainNames;
using ::testing::ElementsAre;
using testing::FileBytes;
using ::testing::HasSubstr;

struct Read {
  CommandTable table;
  ReadWarnings warnings;
};
// Reads into a document that held another script before.
Read ReadText(std::string_view text) {
  Read r;
  r.table.ScriptName = "vorher";
  r.table.Change(r.table.InsertCommand(1)).Text = "vorher";
  r.warnings = ParseScript(text, testing::EditorActions(), r.table);
  return r;
}

// The warnings' flags, without the lines they come from.
ReadWarnings Flags(ReadWarnings w) {
  w.Lines.clear();
  return w;
}

// Line rules Windows' INI reader does not show (the rest is measured against
// it under Wine): each line below the header "[S]", the one field it fills or
// dropped.
TEST(ScriptReader, KeyLines) {
  const std::tuple<std::string, const char*, const char*, bool> cases[] = {
      {"ACTION   =   x  ", "Action", "x", false},
      {"text=a=b", "Text", "a=b", false},
      {"Text=\xA0x\xA0", "Text", "\xA0x\xA0", false},
      {"=Text", "", "", true},
      {"Text=\"A \0\""s, "Text", "\"A ", false},
      {"Text=\"\"", "Text", "", false},
      {"Text='a'", "Text", "a", false},
      {"Text='a\"", "Text", "'a\"", false},
  };
  for (const auto& [line, key, value, dropped] : cases) {
    SCOPED_TRACE(line);
    Read r = ReadText("[S]\n" + line + "\n");
    EXPECT_EQ(r.warnings.UnknownKeysDropped, dropped);
    ScriptCommand expected =
        testing::Command("", std::string(key) + "=" + value + "|SectionName=S");
    expected.SlotIndex = 1;
    EXPECT_EQ(r.table.Slot(1), expected);
  }
}

TEST(ScriptReader, SectionsNamesAndChain) {
  Read r = ReadText(
      "[WIZ0]\nAction=GetMousePosition\nNext=wiz1\n"
      "[WIZ1]\rAction=GetMousePosition\r"
      "[execute]\r\nAction=GetMousePosition\nNext=WIZ0\n"
      "[WIZ4]\nAction=WriteToLog\nText=\nText = Eins \nText=Zwei\n"
      "[WIZ5]\nAction=WriteToLog\nText\nText=Eins\nNext=\nNext=WIZ4\n");
  EXPECT_EQ(ChainNames(r.table), "WIZ2 WIZ0 WIZ1");  // [execute] named WIZ2
  // The first line of a key counts, an empty one and one without "=" too.
  EXPECT_EQ(r.table.Slot(4).Text + r.table.Slot(5).Text + r.table.Slot(5).Next, "");
  // [Execute] never takes a name a later section bears, "WIZ01" is no such name.
  EXPECT_EQ(ReadText("[Execute]\nNext=WIZ0\n[WIZ0]\n[wiz1]\n").table.Slot(1).SectionName, "WIZ2");
  EXPECT_EQ(ReadText("[Execute]\n[WIZ0]\n[WIZ01]\n").table.Slot(1).SectionName, "WIZ1");
  // Nor one that a Next names without such a section: the game stops there.
  Read dangling = ReadText("[Execute]\nNext=WIZ0\n[]\nNext=wiz2\n");
  EXPECT_EQ(ChainNames(dangling.table) + "|" + dangling.table.Slot(2).SectionName, "WIZ1|WIZ3");
  // Of two [Execute] sections the first starts the chain, as in the game.
  EXPECT_EQ(ChainNames(ReadText("[Execute]\n[EXECUTE]\nAction=SetDebugLevel\n").table), "WIZ0");
  // A header names the text between "[" and the last "]", without blanks; a
  // nameless one is named; "[" without "]" is a key line of the section above.
  Read odd = ReadText(
      "\t[ Name ] ; x]\nAction=WriteToLog\n[]\nText=kept\n[a]b] c\n[Rest\nLevel=2\n[S\0x]\n"s);
  EXPECT_EQ(odd.table.Slot(1).SectionName + "|" + odd.table.Slot(2).SectionName + "|" +
                odd.table.Slot(2).Text + "|" + odd.table.Slot(3).SectionName + "|" +
                odd.table.Slot(3).Level + "|" + odd.table.Slot(4).SectionName,
            "Name ] ; x|WIZ0|kept|a]b|2|S");
}

TEST(ScriptReader, ScriptName) {
  const std::string none = "Unbenanntes Skript";
  const std::pair<const char*, std::string> cases[] = {
      {"", none},
      {";WIZDESC$Erster\n;WIZDESC$Zweiter\n", "Zweiter"},
      {";WIZDESC$\n", none},
      {"; WIZDESC$Nein\n", none},
      {";wizdesc$Nein\n", none},
      {"   ;WIZDESC$  Mit Leerzeichen  \n", "  Mit Leerzeichen"},
  };
  for (const auto& [text, name] : cases) EXPECT_EQ(ReadText(text).table.ScriptName, name) << text;
}

// The sentences of the warnings, in their order; the flags are checked with
// the findings below.
TEST(ScriptReader, WarningTexts) {
  using W = ReadWarnings;
  // A Next into another file is dropped, and a later Next still counts.
  EXPECT_EQ(ReadText("[E]\nNext=a;b\nNext=c\n").table.Slot(1).Next, "c");
  const W all{true, true, true, true, true, true, true};
  const std::vector<std::string> texts = WarningTexts(all, "TMP.DAT");
  EXPECT_THAT(texts,
              ElementsAre("Die geöffnete Datei beinhaltet Verweise zu anderen Dateien. Dies "
                          "wird nicht unterstützt. Das Speichern kann zu Datenverlust führen.",
                          HasSubstr("unbekannte Kommandos"), HasSubstr("mehr als 511"),
                          HasSubstr("unbekannte Einträge"), HasSubstr("UTF-8-kodiert"),
                          HasSubstr("gekürzt")));
  EXPECT_EQ(WarningTexts(all, "tmp.dat"), std::vector<std::string>{texts[2]});
  EXPECT_THAT(WarningTexts({.ConvertedFromUtf16 = true}, ""), ElementsAre(HasSubstr("UTF-16")));
}

// Each warning names its lines below it, at most a screenful.
TEST(ScriptReader, WarningsNameTheirLines) {
  std::string text = "[Execute]\r\nAction=Tanzen\r\nNext=a.script.wav;X\r\n";
  for (int i = 0; i < 20; ++i) text += "Farbe" + std::to_string(i) + "=1\r\n";
  const Read r = ReadText(text);
  const std::vector<std::string> texts = WarningTexts(r.warnings, "x");
  const std::vector<std::string> sentences = WarningTexts(Flags(r.warnings), "x");
  const std::vector<ScriptFinding>& lines = r.warnings.Lines;
  ASSERT_EQ(std::pair(texts.size(), lines.size()), std::pair(std::size_t{3}, std::size_t{22}));
  EXPECT_EQ(texts[0], sentences[0] + "\r\n\r\nZeile 3: " + lines[1].Message);
  EXPECT_EQ(texts[1], sentences[1] + "\r\n\r\nZeile 2: " + lines[0].Message);
  std::string keys = sentences[2] + "\r\n";
  for (int i = 2; i < 12; ++i) keys += "\r\nZeile " + DecimalText(i + 2) + ": " + lines[i].Message;
  EXPECT_EQ(texts[2], keys + "\r\n… und 10 weitere");
  EXPECT_THAT(WarningTexts(r.warnings, "x", 100)[2], ::testing::EndsWith(lines[21].Message));
  // A long value: the list shows its command cut (a longer one is among the findings).
  EXPECT_FALSE(
      ReadText("[Execute]\nAction=WriteToLog\nText=" + std::string(480, 'x')).warnings.Any());
  // The list shows bytes a control must not get escaped, four to a byte: 26 +
  // 4 * 121 fill the line.
  const auto cutAt = [](int n) {
    return ReadText("[Execute]\nAction=WriteToLog\nText=" + std::string(n, '\x01'))
        .warnings.CutInList;
  };
  EXPECT_EQ(std::pair(cutAt(121), cutAt(122)), std::pair(false, true));
}

TEST(ScriptReader, MoreThan511SectionsAreCut) {
  std::string text = "[Execute]\nNext=aZ1\n";  // names are found ignoring case
  for (int i = 1; i <= 520; ++i) {
    text += "[Az" + std::to_string(i) + "]\nNext=aZ" + std::to_string(i + 1) + "\nFoo=1\n";
  }
  Read r = ReadText(text);  // past 511 sections: cut, a flag the findings check
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
  Read r = ReadText("[Execute]\r\nText=" + big + "\r\n[" + big + "]\n" + std::string(100000, '['));
  EXPECT_EQ(r.table.CommandAt(1)->Text, big);
  EXPECT_EQ(r.table.Slot(2).SectionName, big);
}

// What the checker and the warnings on opening find in a script text: the
// line, the warning it belongs to and what of the file its message names.
TEST(ScriptFindings, FindingsAtTheirLines) {
  using W = ReadWarning;
  using Found = std::tuple<int, ReadWarning, std::string>;
  const std::string log = "Action=WriteToLog\n", x = "[Execute]\n" + log;
  std::string tooMany = x + "Next=S1\n";
  for (int i = 1; i <= 512; ++i) {
    tooMany += "[S" + std::to_string(i) + "]\n" + log + "Next=S" + std::to_string(i + 1) + "\n";
  }
  const std::string first = "ersten Abschnitt", noHeader = "kein ']'";
  const std::pair<std::string, std::vector<Found>> cases[] = {
      {"Stray=1\n;WIZDESC$F\n" + x +
           "Text=Hallo\nText=Nochmal\nFarbe=rot\nNext=a.script.wav;S\nNext=Zwei\n\n[Zwei]\n"
           "Action=Tanzen\nNext=Drei\n[Drei]\nNext=Vier\n[Vier]\n  Action = EnableKeySupport  \n"
           "Enable=vielleicht\nNext=zwei\n[Waise]\nAction=RegisterKeyDownEvent\nKey=Enter\n"
           "Next=Nirgends\n[drei]\nAction=GetMousePosition\n[Kaputt\nAction WriteToLog\n"
           "Action=SetDebugLevel\nText=\n",
       {{1, W::kUnknownKeysDropped, "'Stray'"},
        {6, W::kDuplicateKeys, "'Text' steht in diesem Abschnitt schon in Zeile 5"},
        {7, W::kUnknownKeysDropped, "'Farbe'"},
        {8, W::kCrossFileReference, "Next=a.script.wav;S"},
        {12, W::kUnknownCommands, "'Tanzen'"},
        {14, W::kUnknownCommands, "[Drei]"},
        {16, W::kShownAsUnknown, "(Action=EnableKeySupport, Enable=vielleicht)"},
        {19, W::kChainGaps, "Next=zwei führt zum Abschnitt in Zeile 11"},
        {20, W::kChainGaps, "[Waise]"},
        {20, W::kShownAsUnknown, "(Action=RegisterKeyDownEvent, Value=)"},
        {23, W::kChainGaps, "Next=Nirgends"},
        {24, W::kChainGaps, "[drei] steht schon in Zeile 14"},
        {26, W::kUnknownKeysDropped, noHeader},
        {27, W::kUnknownKeysDropped, "Schlüssel=Wert"},
        {28, W::kDuplicateKeys, "'Action' steht in diesem Abschnitt schon in Zeile 25"}}},
      {"\xEF\xBB\xBF[Execute]\r\n" + log + "Foo=1\r\n", {{3, W::kUnknownKeysDropped, "'Foo'"}}},
      {"[Execute]\rAction=Tanzen\rNext=\r", {{2, W::kUnknownCommands, "'Tanzen'"}}},
      {"\n\n[Execute]\nAction=\nNext=\n", {{3, W::kUnknownCommands, "[Execute]"}}},
      {"[Eins]\n" + log, {{1, W::kChainGaps, "[Execute]"}}},
      {";nur\n;WIZDESC$Name\n", {}},
      // The first [Execute] starts the chain, as the game finds it.
      {x + "Next=\n[execute]\n" + log, {{4, W::kChainGaps, "[execute] steht schon in Zeile 1"}}},
      {x + "Next=Execute\n", {{3, W::kChainGaps, "Next=Execute führt an ihren Anfang"}}},
      {x + "Next=WIZ0\n[WIZ0]\n" + log, {}},
      {x + "Next=WIZ01\n[WIZ01]\n" + log, {}},
      {x + "Next=&NULL\n[&NULL]\n" + log, {}},
      {x + "Next=a.script.wav;X\nNext=Zwei\n[Zwei]\n" + log,
       {{3, W::kCrossFileReference, "Next=a.script.wav;X"}}},
      // The first line of a key counts, an empty one too.
      {x + "Text=\nText=A\nNext=\nNext=S2\n[S2]\n" + log,
       {{4, W::kDuplicateKeys, "'Text'"},
        {6, W::kDuplicateKeys, "'Next'"},
        {7, W::kChainGaps, "[S2]"}}},
      {x + "Text=A\nText=\n", {}},
      {"Text=Hallo\n" + x, {{1, W::kUnknownKeysDropped, first}}},
      {x + "Key Text=Hallo\n\tText = Hallo\n", {{3, W::kUnknownKeysDropped, "'Key Text'"}}},
      {"[Execute]\nAction=enablemousesupport\nEnable=\n",
       {{1, W::kShownAsUnknown, "(Action=EnableMouseSupport, Enable=)"}}},
      {"[Execute]\nAction=MidiTickFunction\nCommand=Pause\n",
       {{1, W::kShownAsUnknown, "Command=Pause"}}},
      {"[Execute]\nAction=Foo\nEnable=x\n", {{2, W::kUnknownCommands, "'Foo'"}}},
      {"[Execute]\nAction=Tan\x01zen\n", {{2, W::kUnknownCommands, "'Tan\\x01zen'"}}},
      // A UTF-8 file is quoted in the program's text, at the lines the reader counts.
      {"[Execute]\rAction=Gr\xC3\xBC\xC3\x9F"
       "e\r",
       {{2, W::kConverted, "ohne Byte-Order-Mark"},
        {2, W::kUnknownCommands,
         "'Gr\xFC\xDF"
         "e'"}}},
      {"\xEF\xBB\xBF" + x + "Text=\xC3\xA4\n", {{3, W::kConverted, "UTF-8-kodiert;"}}},
      {"\xFF\xFE[\0E\0x\0e\0c\0u\0t\0e\0]\0\n\0A\0c\0t\0i\0o\0n\0=\0T\0a\0n\0z\0e\0n\0"s,
       {{1, W::kConverted, "UTF-16"}, {2, W::kUnknownCommands, "'Tanzen'"}}},
      {"[Execute]\r\nAction=WriteToLog\r\nText=A\0B\r\n"s, {{3, W::kNulBytes, "Nullzeichen"}}},
      // The first of the longest values is named, not a later one as long.
      {x + "Text=" + std::string(500, 'x') + "\nNext=" + std::string(500, 'y') + "\n[" +
           std::string(500, 'y') + "]\n" + log,
       {{3, W::kCutInList, "zu lang"}}},
      {"[]\n" + log + x, {{1, W::kChainGaps, "[]"}}},
      {"[\n" + log, {{1, W::kUnknownKeysDropped, noHeader}, {2, W::kUnknownKeysDropped, first}}},
      {tooMany, {{1533, W::kChainGaps, "Next=S511"}, {1534, W::kSectionsCut, "511"}}},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text.substr(0, 60));
    const std::vector<ScriptFinding> findings = FindingsOf(text, testing::EditorActions());
    std::vector<Found> found;
    for (std::size_t i = 0; i < findings.size(); ++i) {
      const std::string& names = i < expected.size() ? std::get<2>(expected[i]) : "";
      const std::string& message = findings[i].Message;
      found.emplace_back(findings[i].Line, findings[i].Warning,
                         message.find(names) == std::string::npos ? message : names);
    }
    EXPECT_EQ(found, expected);
    const ReadWarnings warnings = ReadText(text).warnings;
    EXPECT_EQ(warnings.Lines, findings) << "opening names other lines than check";
    for (int k = 0; k <= static_cast<int>(ReadWarning::kChainGaps); ++k) {
      const auto kind = [k](const Found& f) { return std::get<1>(f) == ReadWarning(k); };
      EXPECT_EQ(warnings.Has(ReadWarning(k)), std::ranges::any_of(expected, kind))
          << "raised: " << k;
    }
  }
}

// The lines every written file starts with, as in the worked example.
const std::string kHeader(testing::kWorkedExample,
                          std::string_view(testing::kWorkedExample).find(";WIZDESC$"));

TEST(ScriptWriter, EdgesOfTheLayout) {
  CommandTable t;
  t.ScriptName = "";
  EXPECT_EQ(ScriptText(t), kHeader + ";WIZDESC$\r\n");
  t.ScriptName = "  Blanks";
  t.InsertCommand(1);
  t.Change(1).Action = "GetMousePosition";
  t.Change(3).SectionName = "Lost";  // outside the chain: its own name, in slot order
  t.Change(3).Next = "Execute";
  t.Change(2).SectionName = "FIRST";  // a duplicate of the chain start in case only
  t.Change(0).Next = "wiz0";
  EXPECT_EQ(ScriptText(t), kHeader +
                               ";WIZDESC$  Blanks\r\n"
                               "[Execute]\r\nAction=GetMousePosition\r\nNext=\r\n\r\n"
                               "[FIRST]\r\nAction=\r\nNext=\r\n\r\n"
                               "[Lost]\r\nAction=\r\nNext=Execute\r\n\r\n");
}

// A value is written so that the game reads it back as stored: in double
// quotes when blanks at its ends or quotes around it would be lost otherwise.
TEST(ScriptWriter, ValuesReadBackAsStored) {
  const std::pair<std::string, std::string> cases[] = {
      {"A B", "A B"},       {"\"", "\""},           {"A\"", "A\""},     {" A", "\" A\""},
      {"A\t", "\"A\t\""},   {"\"A\"", "\"\"A\"\""}, {"'A'", "\"'A'\""}, {"\"A'", "\"A'"},
      {"\"\"", "\"\"\"\""}, {"\v", "\"\v\""},
  };
  for (const auto& [value, written] : cases) {
    SCOPED_TRACE(value);
    CommandTable t;
    ScriptCommand& cmd = t.Change(t.InsertCommand(1));
    cmd.Action = cmd.Text = cmd.Next = value;
    const std::string text = ScriptText(t);
    for (const char* key : {"\r\nAction=", "\r\nText=", "\r\nNext="}) {
      EXPECT_THAT(text, HasSubstr(key + written + "\r\n"));
    }
    CommandTable back;
    ParseScript(text, testing::EditorActions(), back);
    const ScriptCommand& read = back.Slot(1);
    EXPECT_EQ(std::tuple(read.Action, read.Text), std::tuple(value, value));
  }
}

// The files the editor writes and the shipped templates read without a
// warning and write back byte for byte.
TEST(ScriptWriter, EditorFilesAndTemplatesStayByteForByte) {
  std::vector<std::pair<std::string, std::string>> files = {
      {"the worked example", testing::kWorkedExample}, {"generated", bench::GeneratedScript(60)}};
  for (const auto& e :
       std::filesystem::recursive_directory_iterator(testing::DataFolder() + "/scripts")) {
    if (e.is_regular_file()) files.emplace_back(e.path().string(), FileBytes(e.path().string()));
  }
  ASSERT_EQ(files.size(), 9u);
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    CommandTable t;
    EXPECT_FALSE(ParseScript(bytes, testing::EditorActions(), t).Any());
    EXPECT_EQ(ScriptText(t), bytes);
  }
}

}  // namespace
}  // namespace wavoria
