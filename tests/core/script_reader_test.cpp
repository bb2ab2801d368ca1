#include "document/script_reader.h"

#include <gtest/gtest.h>

#include "document/script_writer.h"
#include "test_support.h"

namespace wavoria {
namespace {

using testing::ChainNames;

struct Read {
  CommandTable table;
  ReadWarnings warnings;
};

Read ReadText(std::string_view text) {
  Read r;
  r.warnings = ParseScript(text, testing::EditorActions(), r.table);
  return r;
}

TEST(ParseKeyLine, RecognisesTheKeyAndTakesTheValue) {
  struct Case {
    const char* line;
    const char* key;
    const char* value;
  } cases[] = {
      {"Action = WriteToLog", "Action", "WriteToLog"},
      {"action=WriteToLog", "Action", "WriteToLog"},
      {"ACTION   =   WriteToLog", "Action", "WriteToLog"},
      {"Actions=x", "Action", ""},
      {"ActionX=y", "Action", ""},
      {"Text=a=b", "Text", "a=b"},
      {"Text=", "Text", ""},
      {"Text=x ;y", "Text", "x ;y"},
      {"Text", "Text", ""},
      {"Text hallo", "Text", ""},  // no "=": no value
      {"\tText=x", "Text", ""},
      {"Next foo=bar", "Next", "bar"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("line: '") + c.line + "'");
    EXPECT_EQ(ParseKeyLine(c.line, c.key), c.value);
  }
}

TEST(ScriptReader, ExecuteSectionStartsTheChain) {
  Read r = ReadText("[execute]\r\nAction=WriteToLog\r\nText=Hallo\r\nNext=\r\n");
  EXPECT_EQ(r.table.Head().Next, "WIZ0");
  EXPECT_EQ(ChainNames(r.table), "WIZ0");
  EXPECT_EQ(r.table.Slot(1).Text, "Hallo");
  EXPECT_FALSE(r.warnings.Any());
}

TEST(ScriptReader, SectionsFillSlotsInFileOrder) {
  Read r = ReadText(
      "[WIZ0]\nAction=GetMousePosition\nNext=wiz1\n"
      "[WIZ1]\rAction=GetMousePosition\r"
      "[Execute]\nAction=GetMousePosition\nNext=WIZ0\n"
      "[WIZ4]\nAction=WriteToLog\n");
  EXPECT_EQ(r.table.Slot(3).SectionName, "WIZ2");
  EXPECT_EQ(r.table.Head().Next, "WIZ2");
  EXPECT_EQ(ChainNames(r.table), "WIZ2 WIZ0 WIZ1");
}

// The first command is written as [Execute] and its own name is not in the
// file, so the name it gets back must not be one a later section bears.
TEST(ScriptReader, ExecuteNeverTakesTheNameOfALaterSection) {
  Read r = ReadText(
      "[Execute]\nAction=WriteToLog\nText=b\nNext=WIZ0\n"
      "[WIZ0]\nAction=WriteToLog\nText=a\nNext=\n"
      "[wiz1]\nAction=WriteToLog\nText=unreached\n");
  EXPECT_EQ(r.table.Slot(1).SectionName, "WIZ2");
  EXPECT_EQ(ChainNames(r.table), "WIZ2 WIZ0");

  // What the editor writes after a move reads back as the same list.
  CommandTable t = ReadText(
                       "[WIZ1]\nAction=WriteToLog\nText=b\nNext=\n"
                       "[Execute]\nAction=WriteToLog\nText=a\nNext=WIZ1\n")
                       .table;
  t.MoveCommandUp(2);
  const std::string saved = ScriptText(t);
  Read back = ReadText(saved);
  EXPECT_EQ(back.table.LastPosition(), 2);
  EXPECT_EQ(back.table.CommandAt(1)->Text, "b");
  EXPECT_EQ(back.table.CommandAt(2)->Text, "a");
  EXPECT_EQ(ScriptText(back.table), saved);
}

TEST(ScriptReader, TwoExecuteSectionsTheLaterOneStarts) {
  Read r = ReadText("[Execute]\nAction=WriteToLog\n[EXECUTE]\nAction=SetDebugLevel\n");
  EXPECT_EQ(r.table.Slot(1).SectionName, "WIZ0");
  EXPECT_EQ(r.table.Slot(2).SectionName, "WIZ1");
  EXPECT_EQ(ChainNames(r.table), "WIZ1");
}

TEST(ScriptReader, FieldsTakeTheFirstNonEmptyValue) {
  Read r = ReadText(
      "[Execute]\n  Action = WriteToLog  \nText=\nText = Eins \nText=Zwei\n"
      "Next=\n\tNext=Tab\nLevel=1;2\n");
  const ScriptCommand& c = r.table.Slot(1);
  EXPECT_EQ(c.Text, "Eins");
  EXPECT_EQ(c.Next, "");  // the tab-indented line is no key line
  EXPECT_EQ(c.Level, "1;2");
  EXPECT_TRUE(r.warnings.UnknownKeysDropped);
}

TEST(ScriptReader, ScriptNameComesFromTheLastMarkerLine) {
  const std::pair<const char*, std::string> cases[] = {
      {"", "Unbenanntes Skript"},
      {";WIZDESC$Erster\n;WIZDESC$Zweiter\n", "Zweiter"},
      {";WIZDESC$\n", "Unbenanntes Skript"},
      {"; WIZDESC$Nein\n", "Unbenanntes Skript"},
      {";wizdesc$Nein\n", "Unbenanntes Skript"},
      {"   ;WIZDESC$  Mit Leerzeichen  \n", "  Mit Leerzeichen"},
      {"[A]\nAction=WriteToLog\n;WIZDESC$Mitten\n", "Mitten"},
  };
  testing::ExpectMaps(cases, [](const char* text) { return ReadText(text).table.ScriptName; });
}

TEST(ScriptReader, HeaderLosesItsFirstAndLastCharacter) {
  Read r = ReadText("[Name] ; note\nAction=WriteToLog\n[]\nAction=WriteToLog\nText=kept\n");
  EXPECT_EQ(r.table.Slot(1).SectionName, "Name] ; not");
  // A nameless section keeps its lines under a generated name.
  EXPECT_EQ(r.table.Slot(2).SectionName, "WIZ0");
  EXPECT_EQ(r.table.Slot(2).Text, "kept");
  EXPECT_EQ(r.table.LastPosition(), 0);  // no [Execute]: nothing shown
}

TEST(ScriptReader, Warnings) {
  struct Case {
    const char* name;
    const char* text;
    ReadWarnings expected;
  } cases[] = {
      {"clean", "[Execute]\nAction=writetolog\n", {}},
      {"no section at all", ";only\n;comments\n", {}},
      {"cross-file Next",
       "[Execute]\nAction=WriteToLog\nNext=other.script.wav;WIZ0\n",
       {.CrossFileReference = true}},
      {"missing Action", "[Execute]\nText=x\n", {.UnknownCommands = true}},
      {"unknown Action",
       "[A]\nAction=Foo\n[Execute]\nAction=WriteToLog\n",
       {.UnknownCommands = true}},
      {"unknown key", "[Execute]\nAction=WriteToLog\nColour=red\n", {.UnknownKeysDropped = true}},
      {"key line above the first header",
       "Action=WriteToLog\n[Execute]\nAction=WriteToLog\n",
       {.UnknownKeysDropped = true}},
      {"line without =",
       "[Execute]\nAction WriteToLog\nAction=WriteToLog\n",
       {.UnknownKeysDropped = true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ReadWarnings w = ReadText(c.text).warnings;
    EXPECT_EQ(w.CrossFileReference, c.expected.CrossFileReference);
    EXPECT_EQ(w.UnknownCommands, c.expected.UnknownCommands);
    EXPECT_EQ(w.UnknownKeysDropped, c.expected.UnknownKeysDropped);
    EXPECT_EQ(w.SectionsCut, c.expected.SectionsCut);
  }
  Read cross = ReadText("[Execute]\nAction=WriteToLog\nNext=a;b\n[A]\nAction=WriteToLog\n");
  EXPECT_EQ(cross.table.Slot(1).Next, "");
}

TEST(ScriptReader, WarningTextsInOrderAndQuietForTmpDat) {
  ReadWarnings all{true, true, true, true};
  std::vector<std::string> texts = WarningTexts(all, "C:\\x\\tmp.dat");
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0],
            "Die geöffnete Datei beinhaltet Verweise zu anderen Dateien. Dies wird nicht "
            "unterstützt. Das Speichern kann zu Datenverlust führen.");
  EXPECT_EQ(texts[1],
            "Die geöffnete Datei beinhaltet unbekannte Kommandos. Das Speichern kann zu "
            "Datenverlust führen.");
  EXPECT_NE(texts[2].find("511"), std::string::npos);
  EXPECT_NE(texts[3].find("unbekannte Einträge"), std::string::npos);
  EXPECT_EQ(WarningTexts(all, "TMP.DAT").size(), 4u);
  // Only the cut sections are still reported for "tmp.dat".
  EXPECT_EQ(WarningTexts(all, "tmp.dat"), std::vector<std::string>{texts[2]});
}

TEST(ScriptReader, MoreThan511SectionsAreCutAndReported) {
  std::string text = "[Execute]\nAction=WriteToLog\nNext=S1\n";
  for (int i = 1; i <= 520; ++i) {
    text += "[S" + std::to_string(i) + "]\nAction=WriteToLog\nText=" + std::to_string(i) +
            "\nNext=S" + std::to_string(i + 1) + "\n";
  }
  Read r = ReadText(text);
  EXPECT_TRUE(r.warnings.SectionsCut);
  EXPECT_FALSE(r.warnings.UnknownKeysDropped);
  EXPECT_EQ(r.table.Slot(511).SectionName, "S510");
  EXPECT_EQ(r.table.LastPosition(), 511);
  EXPECT_EQ(r.table.FindFreeSlot(), -1);
}

TEST(ScriptReader, SurvivesHostileBytes) {
  const std::string cases[] = {
      std::string("[Exe\0cute]\n\0Action=\0\n", 22),
      std::string(100000, '['),
      std::string("\xEF\xBB\xBF[Execute]\r\nAction=WriteToLog\r\n"),
      std::string("\r\r\r\n\n[\r]\r=\r;\r[Execute]"),
      std::string("[") + std::string(70000, 'x') + "]\nNext=" + std::string(70000, 'y'),
      // One 10 MB line, as a value and as a header; then no line end at all.
      "[Execute]\r\nAction=WriteToLog\r\nText=" + std::string(10 << 20, 'z') + "\r\n[" +
          std::string(10 << 20, '[') + "]",
      "[Execute] Action=WriteToLog Text=eins Next=Zwei [Zwei] Action=AddOutput",
  };
  for (const auto& text : cases) {
    Read r = ReadText(text);
    EXPECT_LE(r.table.LastPosition(), 511);
    CommandTable again;
    ParseScript(ScriptText(r.table), testing::EditorActions(), again);
    EXPECT_EQ(ScriptText(again), ScriptText(r.table));
  }
  // The byte-order mark does not hide the first line.
  EXPECT_EQ(ReadText(cases[2]).table.LastPosition(), 1);
  // The 10 MB value is kept whole, and a file without line ends is one line.
  EXPECT_EQ(ReadText(cases[5]).table.CommandAt(1)->Text.size(), std::size_t{10} << 20);
  EXPECT_EQ(ReadText(cases[6]).table.LastPosition(), 0);
}

// The reader decides the key of a line once; every field must still get what
// ParseKeyLine gives for its key, and only lines of no key are dropped.
TEST(ScriptReader, TakesKeyLinesByTheRuleOfParseKeyLine) {
  struct Case {
    const char* line;
    bool dropped;
  } cases[] = {
      {"Action = WriteToLog", false},
      {"text=a=b", false},
      {"Key Text=x", false},
      {"Next =", false},
      {"Value", true},
      {"Level 5", true},
      {"ID= 7 ", false},
      {"KeyX=1", true},
      {"BlockKey=True", false},
      {"Cheat ==x", false},
      {"Priority;=3", true},
      {"Wait x y = z", false},
      {"Display=", false},
      {"=Text", true},
      {"Automatic  = Ja ", false},
      {"Command= play a;b", false},
      {"Enable=", false},
      {"Result =1", false},
      {"Type\t=Document", true},
      {"Next=Weiter", false},
      {"Key=Space", false},
  };
  struct Field {
    std::string_view key;
    std::string ScriptCommand::*field;
  };
  std::vector<Field> fields = {{"Action", &ScriptCommand::Action}, {"Next", &ScriptCommand::Next}};
  for (const auto& p : kParameterKeys) fields.push_back({p.name, p.field});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Read r = ReadText(std::string("[S]\n") + c.line + "\n");
    EXPECT_EQ(r.warnings.UnknownKeysDropped, c.dropped);
    for (const Field& f : fields) {
      EXPECT_EQ(r.table.Slot(1).*f.field, ParseKeyLine(c.line, f.key)) << f.key;
    }
  }
}

}  // namespace
}  // namespace wavoria
