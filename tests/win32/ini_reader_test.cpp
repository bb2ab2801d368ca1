// The game reads a script with Windows' INI reader: GetPrivateProfileStringA,
// one call per key, following Next from [Execute]. Hand-written scripts, one
// pattern each, are walked that way and compared with what the editor's
// reader gives, with what the game reads after the editor saved them, and
// with the warnings on opening. This keeps the measurement of the INI
// reader's rules that the editor's reader follows.
#include <windows.h>
// windows.h first.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "document/best_fit_1252.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "document/text.h"
#include "tests/core/test_support.h"
#include "tests/printers.h"

namespace wavoria {
namespace {

using namespace std::string_literals;

// The seventeen keys, in one order for both readers.
struct Key {
  const char* Name;
  std::string ScriptCommand::*Field;
};
std::vector<Key> Keys() {
  std::vector<Key> keys = {{"Action", &ScriptCommand::Action}, {"Next", &ScriptCommand::Next}};
  for (const ParameterKey& p : kParameterKeys) keys.push_back({p.name.data(), p.field});
  return keys;
}

// A section's name as Windows finds it: without blanks around it.
std::string SectionNameOf(const std::string& next) {
  const std::size_t start = next.find_first_not_of(" \t\v\f");
  if (start == std::string::npos) return "";
  return next.substr(start, next.find_last_not_of(" \t\v\f") - start + 1);
}

// The commands as the game runs them, "Key=Value|" for each key that has a
// value (for Next, the name of the section it leads to): from [Execute] along
// Next, up to a section that is not there or that came before (the game
// would run the loop again), or 600 commands.
std::vector<std::string> GameChain(const std::string& path) {
  std::vector<char> buffer(1 << 20);
  std::set<std::string> sections;
  GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
  for (const char* name = buffer.data(); *name != '\0'; name += lstrlenA(name) + 1) {
    sections.insert(ToUpperAscii(name));
  }
  std::vector<std::string> chain;
  std::set<std::string> visited;
  for (std::string section = "Execute"; chain.size() < 600;) {
    const std::string name = ToUpperAscii(SectionNameOf(section));
    if (sections.count(name) == 0 || !visited.insert(name).second) break;
    std::string command, next;
    for (const Key& key : Keys()) {
      const DWORD n = GetPrivateProfileStringA(section.c_str(), key.Name, "", buffer.data(),
                                               static_cast<DWORD>(buffer.size()), path.c_str());
      std::string value(buffer.data(), n);
      if (key.Field == &ScriptCommand::Next) next = value, value = SectionNameOf(value);
      if (!value.empty()) command += std::string(key.Name) + "=" + value + "|";
    }
    chain.push_back(command);
    if (next.empty()) break;
    section = next;
  }
  return chain;
}

// The commands as the editor's list shows them, in the same form.
std::vector<std::string> EditorChain(const CommandTable& table) {
  std::vector<std::string> chain;
  for (int p = 1; p <= table.LastPosition(); ++p) {
    std::string command;
    for (const Key& key : Keys()) {
      const std::string& value = table.CommandAt(p)->*key.Field;
      if (!value.empty()) command += std::string(key.Name) + "=" + value + "|";
    }
    chain.push_back(command);
  }
  return chain;
}

enum class Reads {
  kSame,       // the game runs what the editor shows
  kShownCut,   // the same, but the list shows a command cut short
  kOwnRule,    // the add-on's own handling, kept: the editor reads less
  kConverted,  // UTF-8 without a mark: the game reads its bytes, the editor converts
};

struct Pattern {
  const char* Name;
  std::string Bytes;
  std::vector<ReadWarning> Warns = {};  // the warnings on opening
  Reads Expected = Reads::kSame;
};

// The warnings a read raises, in the order of their kinds.
std::vector<ReadWarning> Raised(const ReadWarnings& warnings) {
  std::vector<ReadWarning> raised;
  for (int k = 0; k <= static_cast<int>(ReadWarning::kChainGaps); ++k) {
    if (warnings.Has(ReadWarning(k))) raised.push_back(ReadWarning(k));
  }
  return raised;
}

std::string Utf16(std::string_view ascii, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) bytes += bigEndian ? "\0"s + c : c + "\0"s;
  return bytes;
}

std::vector<Pattern> Patterns() {
  const std::string x = "[Execute]\r\nAction=WriteToLog\r\n";  // the first command, up to its Next
  const std::string s2 = "[S2]\r\nAction=SetDebugLevel\r\nLevel=2\r\n";
  const std::string plain = x + "Text=Hallo\r\nNext=S2\r\n" + s2;
  std::string many = x + "Next=S1\r\n";
  for (int i = 1; i <= 520; ++i) {
    many += "[S" + std::to_string(i) + "]\r\nAction=AddOutput\r\nValue=" + std::to_string(i) +
            "\r\nNext=S" + std::to_string(i + 1) + "\r\n";
  }
  std::string lf = plain, cr = plain;
  for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
  for (std::size_t at; (at = cr.find("\r\n")) != std::string::npos;) cr.erase(at + 1, 1);
  // The first command leads to a second one under the header given.
  auto second = [&](const std::string& header) {
    return x + "Next=S2\r\n" + header + "\r\nAction=SetDebugLevel\r\n";
  };
  using R = Reads;
  using W = ReadWarning;
  return {
      {"plain", plain},
      {"double quotes", x + "Text=\"A B\"\r\n"},
      {"single quotes", x + "Text='A B'\r\n"},
      {"empty quotes", x + "Text=\"\"\r\nNext=S2\r\n" + s2},
      {"quoted number", "[Execute]\r\nAction=AddOutput\r\nValue=\"5\"\r\n"},
      {"quotes that do not match", x + "Text=\"A'\r\n"},
      {"a quote alone", x + "Text=\"\r\n"},
      {"blanks inside quotes", x + "Text=\" A \"\r\n"},
      {"quotes inside quotes", x + "Text=\"\"A\"\"\r\n"},
      {"blanks around quotes", x + "Text=  'A'  \r\n"},
      {"only a blank in quotes", x + "Text=\" \"\r\n"},
      {"Next in quotes with blanks", x + "Next=\" S2 \"\r\n" + s2},
      {"tabs around a value", x + "Text=\tA\t\r\n"},
      {"tab before a value", "[Execute]\r\nAction=AddOutput\r\nValue=\t5\r\n"},
      {"tab before a key", x + "\tText=A\r\n"},
      {"tabs around =", x + "Text\t=\tA\r\nNext =\tS2\r\n" + s2},
      {"vertical tab and form feed", x + "\vText=A\f\r\n"},
      {"tab before a header", second("\t[S2]")},
      {"tab after a header", second("[S2]\t")},
      {"blanks inside a header", second("[ S2 ]")},
      {"comment after a header", second("[S2] ; zweiter")},
      {"text after a header", second("[S2]x")},
      {"bracket inside a header", x + "Next=a]b\r\n[a]b]\r\nAction=SetDebugLevel\r\n"},
      {"comment after a value", x + "Text=A ; Kommentar\r\n"},
      {"comment lines", x + ";Text=B\r\n  ; noch einer\r\nText=A\r\n"},
      {"empty first value", x + "Text=\r\nText=A\r\n", {W::kDuplicateKeys}},
      {"empty first Next", x + "Next=\r\nNext=S2\r\n" + s2, {W::kDuplicateKeys, W::kChainGaps}},
      {"two values of a key", x + "Text=A\r\ntext=B\r\n", {W::kDuplicateKeys}},
      {"a line without = before the key", x + "Text\r\nText=A\r\n", {W::kDuplicateKeys}},
      {"a line without =", x + "Gruss\r\nText=A\r\n", {W::kUnknownKeysDropped}},
      {"an unknown key", x + "Farbe=rot\r\nText=A\r\n", {W::kUnknownKeysDropped}},
      {"a key with a blank inside", x + "Key Text=A\r\nText=B\r\n", {W::kUnknownKeysDropped}},
      {"keys above the first section", "Text=A\r\n" + x, {W::kUnknownKeysDropped}},
      {"two sections of one name",
       x + "Next=S2\r\n" + s2 + "[s2]\r\nAction=WriteToLog\r\n",
       {W::kChainGaps}},
      {"two [Execute] sections",
       x + "Text=eins\r\n[EXECUTE]\r\nAction=SetDebugLevel\r\n",
       {W::kChainGaps}},
      {"[Execute] in lower case, not first", s2 + "[execute]\r\nAction=WriteToLog\r\nNext=s2\r\n"},
      {"a header without ]",
       x + "Next=S\r\n[S2\r\nText=A\r\n[S]x\r\nAction=SetDebugLevel\r\n",
       {W::kUnknownKeysDropped}},
      {"a header without ] and the chain on",
       x + "Next=S\r\n[S2\r\nAction=SetDebugLevel\r\n",
       {W::kUnknownKeysDropped, W::kDuplicateKeys, W::kChainGaps}},
      {"a Next to a name the editor generates",
       x + "Next=WIZ0\r\n[]\r\nAction=SetDebugLevel\r\n",
       {W::kChainGaps}},
      {"a chain back to its start", x + "Next=S2\r\n" + s2 + "Next=execute\r\n", {W::kChainGaps}},
      {"a NUL byte in a value", x + "Text=A\0B\r\nNext=S2\r\n"s + s2, {W::kNulBytes}},
      {"a NUL byte in a key", x + "Te\0xt=A\r\n"s, {W::kUnknownKeysDropped, W::kNulBytes}},
      {"a NUL byte in a header", second("[S2\0x]"s), {W::kNulBytes}},
      {"LF line ends", lf},
      {"CR line ends", cr},
      {"CR CR LF line ends", x + "Text=A\r\r\nNext=S2\r\r\n" + s2},
      {"the script's name", ";WIZDESC$Mein Skript\r\n" + plain},
      {"UTF-8 with a mark",
       "\xEF\xBB\xBF" + x +
           "Text=Gr\xC3\xBC\xC3\x9F"
           "e \xE2\x82\xAC\r\n",
       {W::kConverted}},
      {"UTF-8 with a mark, best fit",
       "\xEF\xBB\xBF" + x + "Text=\xC4\x8D\xE2\x88\x92\xE2\x86\x92\xF0\x9F\x98\x80\r\n",
       {W::kConverted}},
      {"UTF-8 with a mark, invalid bytes",
       "\xEF\xBB\xBF" + x +
           "Text=a\xFC"
           "b\xE2\x82"
           "c\xED\xA0\x80"
           "d\xF4\x90\x80\x80"
           "e\r\n",
       {W::kConverted}},
      {"UTF-8 with a mark, ASCII only", "\xEF\xBB\xBF" + plain},
      {"UTF-8 without a mark, ASCII only", plain},
      {"UTF-8 without a mark",
       x + "Text=Gr\xC3\xBC\xC3\x9F"
           "e\r\n",
       {W::kConverted},
       R::kConverted},
      {"UTF-16 as Notepad writes it", Utf16(plain + "Text=\xE4\r\n", false), {W::kConverted}},
      {"UTF-16 big-endian", Utf16(plain, true), {W::kConverted}},
      {"UTF-16 without a mark",
       Utf16(plain, false).substr(2),
       {W::kUnknownCommands, W::kUnknownKeysDropped, W::kNulBytes, W::kChainGaps}},
      {"a value longer than the list line",
       x + "Text=" + std::string(600, 'x') + "\r\n",
       {W::kCutInList},
       R::kShownCut},
      {"a Next into another file",
       x + "Next=andere.script.wav;Start\r\n",
       {W::kCrossFileReference},
       R::kOwnRule},
      {"more than 511 commands", many, {W::kSectionsCut, W::kChainGaps}, R::kOwnRule},
  };
}

TEST(IniReader, TheGameRunsWhatTheEditorShowsAndSavingKeepsIt) {
  testing::TempFolder folder("ini");
  const ActionTable actions = testing::EditorActions();
  int number = 0;
  const std::vector<Pattern> patterns = Patterns();
  for (const Pattern& pattern : patterns) {
    SCOPED_TRACE(pattern.Name);
    const std::string path = folder.File(std::to_string(++number) + ".script.wav");
    const std::string saved = folder.File(std::to_string(number) + "-saved.script.wav");
    ASSERT_TRUE(WriteFileAtomically(path, pattern.Bytes));
    auto table = std::make_unique<CommandTable>();
    const ReadWarnings warnings = ParseScript(pattern.Bytes, actions, *table);
    ASSERT_TRUE(WriteScriptFile(saved, *table));
    const std::vector<std::string> game = GameChain(path), editor = EditorChain(*table);
    if (pattern.Expected == Reads::kSame || pattern.Expected == Reads::kShownCut) {
      EXPECT_EQ(editor, game) << "the editor shows other commands than the game runs";
    }
    if (pattern.Expected != Reads::kOwnRule) {
      EXPECT_EQ(GameChain(saved), editor) << "after saving, the game runs other commands";
    }
    EXPECT_EQ(Raised(warnings), pattern.Warns) << "the warnings on opening";
  }
}

// The best fit of the editor's conversion is Windows' own, character by
// character over the whole Basic Multilingual Plane.
TEST(IniReader, BestFitIsWindowsOwn) {
  std::string differ;
  for (unsigned c = 1; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const wchar_t wide = static_cast<wchar_t>(c);
    char byte = 0;
    WideCharToMultiByte(1252, 0, &wide, 1, &byte, 1, nullptr, nullptr);
    if (BestFitByteOf(c) != byte && differ.size() < 200) {
      char line[40];
      wsprintfA(line, "U+%04X: %02X, Windows %02X; ", c, BestFitByteOf(c) & 0xFF, byte & 0xFF);
      differ += line;
    }
  }
  EXPECT_EQ(differ, "");
}

}  // namespace
}  // namespace wavoria
