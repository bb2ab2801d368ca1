#include "document/utf8_text.h"

#include <gtest/gtest.h>

#include "document/file_error.h"
#include "document/script_reader.h"

namespace wavoria {
namespace {

TEST(Utf8Text, ConvertsOnlyValidUtf8WithNonAscii) {
  struct Case {
    std::string input;
    bool converted;
    std::string text;
    int unmappable;
    int firstLine;
  };
  const Case cases[] = {
      {"Gr\xC3\xB6\xC3\x9F"
       "e",
       true,
       "Gr\xF6\xDF"
       "e",
       0, 1},                                                      // no mark
      {"\xEF\xBB\xBFx\r\n\xE2\x82\xAC", true, "x\r\n\x80", 0, 2},  // mark, euro sign
      {"a\n\xE4\xB8\xAD", true, "a\n?", 1, 2},                     // not in 1252
      {"Gr\xF6\xDF"
       "e",
       false, "", 0, 0},                       // already 1252
      {"\xEF\xBB\xBFplain", false, "", 0, 0},  // ASCII only
      {"\xC3", false, "", 0, 0},               // cut sequence
      {"\xC0\xAF", false, "", 0, 0},           // overlong
  };
  for (const Case& c : cases) {
    const Utf8Conversion result = ConvertUtf8Text(c.input);
    EXPECT_EQ(result.Converted, c.converted) << c.input;
    EXPECT_EQ(result.Text, c.text) << c.input;
    EXPECT_EQ(result.Unmappable, c.unmappable) << c.input;
    EXPECT_EQ(FirstUtf8Line(c.input), c.firstLine) << c.input;
  }
}

TEST(Utf8Text, ReaderWarnsExceptForTmpDat) {
  ReadWarnings warnings;
  warnings.ConvertedFromUtf8 = true;
  ASSERT_EQ(WarningTexts(warnings, "a.script.wav").size(), 1u);
  EXPECT_NE(WarningTexts(warnings, "a.script.wav")[0].find("UTF-8-kodiert"), std::string::npos);
  EXPECT_TRUE(WarningTexts(warnings, "tmp.dat").empty());
}

TEST(FileErrorText, EachCauseInPlainGerman) {
  const std::pair<FileError, std::string> cases[] = {
      {FileError::NotFound, "Die Datei 'a' konnte nicht geöffnet werden: nicht gefunden."},
      {FileError::Denied,
       "Die Datei 'a' konnte nicht geöffnet werden: schreibgeschützt oder keine Berechtigung."},
      {FileError::DiskFull,
       "Die Datei 'a' konnte nicht geöffnet werden: Der Datenträger ist voll."},
      {FileError::None, "Die Datei 'a' konnte nicht geöffnet werden."},
  };
  for (const auto& [error, text] : cases) {
    EXPECT_EQ(WithCause("Die Datei 'a' konnte nicht geöffnet werden.", error), text);
  }
  EXPECT_NE(FileErrorCause(FileError::InUse).find("anderen Programm"), std::string::npos);
}

}  // namespace
}  // namespace wavoria
