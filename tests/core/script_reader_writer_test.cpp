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

// Each line read below the header "[S]", as Windows' INI reader takes it: the
// one field it fills, or dropped.
TEST(ScriptReader, KeyLines) {
  using namespace std::string_literals;
  // clang-format off
  const std::tuple<std::string, const char*, const char*, bool> cases[] = {
      {"Action = WriteToLog", "Action", "WriteToLog", false}, {"ACTION   =   x  ", "Action", "x", false},
      {"Actions=x", "", "", true}, {"text=a=b", "Text", "a=b", false}, {"Text=x ;y", "Text", "x ;y", false},
      {"Text=", "Text", "", false}, {"Text", "Text", "", false}, {"Text hallo", "", "", true},
      {"\t\v\fText\t=\tx\f", "Text", "x", false}, {"Next foo=bar", "", "", true}, {"Key Text=x", "", "", true},
      {"=Text", "", "", true}, {"BlockKey=True", "BlockKey", "True", false}, {"ID= 7 ", "ID", "7", false},
      {"Level=1;2", "Level", "1;2", false}, {"Text=\xA0x\xA0", "Text", "\xA0x\xA0", false},
      // One pair of matching quotes around the whole value is no part of it.
      {"Text=\"A B\"", "Text", "A B", false}, {"Text='A B'", "Text", "A B", false}, {"Text=\"\"", "Text", "", false},
      {"Value= \"5\" ", "Value", "5", false}, {"Text=\" A \"", "Text", " A ", false}, {"Text=\"A", "Text", "\"A", false},
      {"Text=\"A'", "Text", "\"A'", false}, {"Text=\"\"A\"\"", "Text", "\"A\"", false},
      // A NUL byte ends a key and a value; quotes count up to it.
      {"Text=A\0B"s, "Text", "A", false}, {"Text=\"A \0\""s, "Text", "\"A ", false}, {"Te\0xt=A"s, "", "", true},
      // The game finds sections without blanks around the name.
      {"Next=\" S2 \"", "Next", "S2", false}};
  // clang-format on
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
  EXPECT_TRUE(ReadText("[S]\nFoo").warnings.UnknownKeysDropped);  // the last line, without a break
  Read r = ReadText(
      "[WIZ0]\nAction=GetMousePosition\nNext=wiz1\n"
      "[WIZ1]\rAction=GetMousePosition\r"
      "[execute]\r\nAction=GetMousePosition\nNext=WIZ0\n"
      "[WIZ4]\nAction=WriteToLog\nText=\nText = Eins \nText=Zwei\n"
      "[WIZ5]\nAction=WriteToLog\nText\nText=Eins\nNext=\nNext=WIZ4\n");
  EXPECT_EQ(ChainNames(r.table), "WIZ2 WIZ0 WIZ1");  // [execute] named WIZ2
  // The first line of a key counts, an empty one and one without "=" too.
  EXPECT_EQ(r.table.Slot(4).Text + r.table.Slot(5).Text + r.table.Slot(5).Next, "");
  EXPECT_EQ(Flags(r.warnings), (ReadWarnings{.DuplicateKeys = true, .ChainGaps = true}));
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
  EXPECT_TRUE(odd.warnings.UnknownKeysDropped);
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
  const std::pair<std::string, W> cases[] = {
      {"[Execute]\nAction=writetolog\n", {}},
      {";only\n", {}},
      {"[Execute]\nAction=WriteToLog\nNext=other.script.wav;WIZ0\n", {.CrossFileReference = true}},
      {"[Execute]\nText=x\n", {.UnknownCommands = true}},
      {"[A]\nAction=Foo\n[Execute]\nAction=WriteToLog\n", {.UnknownCommands = true, .ChainGaps = true}},
      {"[Execute]\nAction=WriteToLog\nText=a\ntext=b\nText=\n", {.DuplicateKeys = true}},
      {"[Execute]\nAction=WriteToLog\nText=a\0b\n"s, {.NulBytes = true}},
      {"[Execute]\nAction=EnableKeySupport\nEnable=vielleicht\n", {.ShownAsUnknown = true}},
      {"[Execute]\nAction=WriteToLog\nNext=Nirgends\n", {.ChainGaps = true}},
      {"[Execute]\nAction=WriteToLog\nColour=red\n", {.UnknownKeysDropped = true}},
      {"Action=WriteToLog\n[Execute]\nAction=WriteToLog\n", {.UnknownKeysDropped = true}},
      {"Colour=red\n[Execute]\nAction=WriteToLog\n", {.UnknownKeysDropped = true}},
      {"[Execute]\nAction=Gr\xC3\xBC\xC3\x9F" "e\n",
       {.UnknownCommands = true, .ConvertedFromUtf8 = true}},
  };
  // clang-format on
  for (const auto& [text, w] : cases) EXPECT_TRUE(Flags(ReadText(text).warnings) == w) << text;
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
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0],
            "Die geöffnete Datei beinhaltet Verweise zu anderen Dateien. Dies wird nicht "
            "unterstützt. Das Speichern kann zu Datenverlust führen.\r\n\r\nZeile 3: "
            "Next=a.script.wav;X verweist auf eine andere Datei; das wird nicht unterstützt, die "
            "Kette endet hier.");
  EXPECT_THAT(texts[1], ::testing::EndsWith("\r\n\r\nZeile 2: Unbekannte Action 'Tanzen'."));
  EXPECT_THAT(texts[2], ::testing::EndsWith("\r\nZeile 13: Unbekannter Schlüssel 'Farbe9'; der "
                                            "Editor lädt diese Zeile nicht.\r\n… und 10 weitere"));
  EXPECT_THAT(WarningTexts(r.warnings, "x", 100)[2],
              ::testing::EndsWith("'Farbe19'; der Editor "
                                  "lädt diese Zeile nicht."));
  // A long value: the list shows its command cut.
  const Read cut = ReadText("[Execute]\nAction=WriteToLog\nText=" + std::string(490, 'x') + "\n");
  EXPECT_EQ(Flags(cut.warnings), ReadWarnings{.CutInList = true});
  EXPECT_EQ(cut.warnings.Lines.at(0).Line, 3);
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
  Read r = ReadText("[Execute]\r\nText=" + big + "\r\n[" + big + "]\n" + std::string(100000, '['));
  EXPECT_EQ(r.table.CommandAt(1)->Text, big);
  EXPECT_EQ(r.table.Slot(2).SectionName, big);
}

// What the checker and the warnings on opening say about a script text,
// "LINE: message" each; the warnings name every finding.
TEST(ScriptFindings, FindingsAtTheirLines) {
  // clang-format off
  const std::string q = "Der Editor kann dieses Kommando nur als '\?\?\?' zeigen und nicht bearbeiten (Action=", log = "Action=WriteToLog\n";
  const std::string loop = "Die Kette läuft hier in sich zurück: Next=", shows = "; der Editor zeigt die Kette nur bis hier.";
  const std::string key = "Unbekannter Schlüssel '", drops = "'; der Editor lädt diese Zeile nicht.", never = "wird von der Kette nie erreicht.";
  const std::string noExecute = "1: Die Datei hat keinen Abschnitt [Execute]; der Editor zeigt keines ihrer Kommandos.";
  const std::string other = " verweist auf eine andere Datei; das wird nicht unterstützt, die Kette endet hier.";
  std::string tooMany = "[Execute]\n" + log + "Next=S1\n";
  for (int i = 1; i <= 512; ++i) tooMany += "[S" + std::to_string(i) + "]\n" + log + "Next=S" + std::to_string(i + 1) + "\n";
  const std::string first = " steht in diesem Abschnitt schon in Zeile ", only = "; Spiel und Editor nehmen nur die erste Zeile.";
  const std::string utf8 = "Die Datei ist UTF-8-kodiert, ohne Byte-Order-Mark: Das Spiel liest sie als Windows-1252 und zeigt Zeichen wie diese falsch; "
                           "der Editor wandelt sie beim Öffnen nach Windows-1252 um, nach dem Speichern stimmen sie auch im Spiel.";
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"Stray=1\n;WIZDESC$F\n[Execute]\n" + log + "Text=Hallo\nText=Nochmal\nFarbe=rot\nNext=a.script.wav;S\nNext=Zwei\n\n[Zwei]\nAction=Tanzen\n"
       "Next=Drei\n[Drei]\nNext=Vier\n[Vier]\n  Action = EnableKeySupport  \nEnable=vielleicht\nNext=zwei\n[Waise]\nAction=RegisterKeyDownEvent\n"
       "Key=Enter\nNext=Nirgends\n[drei]\nAction=GetMousePosition\n[Kaputt\nAction WriteToLog\nAction=SetDebugLevel\nText=\n",
       {"1: " + key + "Stray" + drops, "6: 'Text'" + first + "5" + only,
        "7: " + key + "Farbe" + drops, "8: Next=a.script.wav;S" + other,
        "12: Unbekannte Action 'Tanzen'.", "14: Der Abschnitt [Drei] hat keine Action.",
        "16: " + q + "EnableKeySupport, Enable=vielleicht).", "19: " + loop + "zwei führt zum Abschnitt in Zeile 11" + shows,
        "20: Der Abschnitt [Waise] " + never, "20: " + q + "RegisterKeyDownEvent, Value=).",
        "23: Next=Nirgends verweist auf keinen Abschnitt; die Kette endet hier.", "24: Ein Abschnitt namens [drei] steht schon in Zeile 14; die Kette erreicht nur den ersten.",
        "26: Die Zeile beginnt mit '[', hat aber kein ']' und ist deshalb kein Abschnitt: Was ihr folgt, gehört im Spiel wie im Editor zum Abschnitt davor.",
        "27: Die Zeile ist kein Eintrag der Form Schlüssel=Wert; der Editor lädt sie nicht.", "28: 'Action'" + first + "25" + only}},
      {"\xEF\xBB\xBF[Execute]\r\n" + log + "Foo=1\r\n", {"3: " + key + "Foo" + drops}},
      {"[Execute]\rAction=Tanzen\rNext=\r", {"2: Unbekannte Action 'Tanzen'."}},
      {"\n\n[Execute]\nAction=\nNext=\n", {"3: Der Abschnitt [Execute] hat keine Action."}},
      {"[Execute]\nNext=\n", {"1: Der Abschnitt [Execute] hat keine Action."}},
      {"[Eins]\n" + log, {noExecute}},
      {";nur\n;WIZDESC$Name\n", {}},
      // The first [Execute] starts the chain, as the game finds it.
      {"[Execute]\n" + log + "Next=\n[execute]\n" + log, {"4: Ein Abschnitt namens [execute] steht schon in Zeile 1; die Kette erreicht nur den ersten."}},
      {"[Execute]\n" + log + "Next=Execute\n", {"3: " + loop + "Execute führt an ihren Anfang" + shows}},
      {"[Execute]\n" + log + "Next=WIZ0\n[WIZ0]\n" + log, {}},
      {"[Execute]\n" + log + "Next=WIZ01\n[WIZ01]\n" + log, {}},
      {"[Execute]\n" + log + "Next=&NULL\n[&NULL]\n" + log, {}},
      {"[Execute]\n" + log + "Next=a.script.wav;X\nNext=Zwei\n[Zwei]\n" + log, {"3: Next=a.script.wav;X" + other}},
      // The first line of a key counts, an empty one too.
      {"[Execute]\n" + log + "Text=\nText=A\nNext=\nNext=S2\n[S2]\n" + log,
       {"4: 'Text'" + first + "3" + only, "6: 'Next'" + first + "5" + only, "7: Der Abschnitt [S2] " + never}},
      {"[Execute]\n" + log + "Text=A\nText=\n", {}},
      {"Text=Hallo\n[Execute]\n" + log,
       {"1: Der Eintrag steht vor dem ersten Abschnitt und gehört zu keinem Kommando; der Editor lädt ihn nicht."}},
      {"[Execute]\n" + log + "Key Text=Hallo\n\tText = Hallo\n", {"3: " + key + "Key Text" + drops}},
      {"[Execute]\nAction=enablemousesupport\nEnable=\n", {"1: " + q + "EnableMouseSupport, Enable=)."}},
      {"[Execute]\nAction=MidiTickFunction\nCommand=Pause\n", {"1: " + q + "MidiTickFunction, Command=Pause)."}},
      {"[Execute]\nAction=Foo\nEnable=x\n", {"2: Unbekannte Action 'Foo'."}},
      {"[Execute]\nAction=Tan\x01zen\n", {"2: Unbekannte Action 'Tan\\x01zen'."}},
      // Findings quote a UTF-8 file in the program's text, as the editor shows it, at
      // the lines the reader counts.
      {"[Execute]\rAction=Gr\xC3\xBC\xC3\x9F" "e\r", {"2: " + utf8, "2: Unbekannte Action 'Gr\xFC\xDF" "e'."}},
      {"\xEF\xBB\xBF[Execute]\n" + log + "Text=\xC3\xA4\n", {"3: Die Datei ist UTF-8-kodiert; der Editor wandelt sie beim Öffnen nach Windows-1252 um."}},
      {"\xFF\xFE[\0E\0x\0e\0c\0u\0t\0e\0]\0\n\0A\0c\0t\0i\0o\0n\0=\0T\0a\0n\0z\0e\0n\0"s,
       {"1: Die Datei ist UTF-16-kodiert; der Editor wandelt sie beim Öffnen nach Windows-1252 um.", "2: Unbekannte Action 'Tanzen'."}},
      {"[Execute]\r\nAction=WriteToLog\r\nText=A\0B\r\n"s, {"3: Die Zeile enthält ein Nullzeichen; Spiel und Editor lesen Namen, Schlüssel und Werte nur bis dorthin."}},
      // The first of the longest values is named, not a later one as long.
      {"[Execute]\n" + log + "Text=" + std::string(500, 'x') + "\nNext=" + std::string(500, 'y') + "\n[" + std::string(500, 'y') + "]\n" + log,
       {"3: Der Wert ist zu lang für die Kommandoliste: Sie zeigt dieses Kommando gekürzt, das Spiel liest den ganzen Wert."}},
      {"[]\n" + log + "[Execute]\n" + log, {"1: Der Abschnitt [] " + never}},
      {"[\n" + log, {"1: Die Zeile beginnt mit '[', hat aber kein ']' und ist deshalb kein Abschnitt: Was ihr folgt, gehört im Spiel wie im Editor zum Abschnitt davor.",
                     "2: Der Eintrag steht vor dem ersten Abschnitt und gehört zu keinem Kommando; der Editor lädt ihn nicht."}},
      {tooMany, {"1533: Next=S511 verweist auf keinen Abschnitt; die Kette endet hier.",
                 "1534: Mehr als 511 Abschnitte: Der Editor lädt diesen und alle folgenden Abschnitte nicht."}},
  };
  // clang-format on
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text.substr(0, 60));
    const std::vector<ScriptFinding> findings = FindingsOf(text, testing::EditorActions());
    std::vector<std::string> found;
    for (const ScriptFinding& f : findings) found.push_back(DecimalText(f.Line) + ": " + f.Message);
    EXPECT_EQ(found, expected);
    EXPECT_EQ(ReadText(text).warnings.Lines, findings) << "opening names other lines than check";
  }
}

const std::string kHeader =
    ";Diese Datei wurde von Wavoria erstellt oder bearbeitet.\r\n"
    ";Namen von Sections wurden nicht berücksichtigt.\r\n\r\n";

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
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"A B", "A B"}, {"\"", "\""}, {"A\"", "A\""}, {" A", "\" A\""}, {"A\t", "\"A\t\""}, {"\"A\"", "\"\"A\"\""},
      {"'A'", "\"'A'\""}, {"\"A'", "\"A'"}, {"\"\"", "\"\"\"\""}, {"\v", "\"\v\""}};
  // clang-format on
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
