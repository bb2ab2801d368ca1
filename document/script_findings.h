// Everything in a script that the editor shows or keeps differently from the
// file, that it warns about, or that saving would lose, each at the line of
// the file it concerns: what "wavoria-cli check" reports, and the lines that
// the warnings on opening name.
//
// The findings come from the editor's own reader (document/script_reader.h):
// it tells a ScriptLines what it does with each line as it reads, so that
// every line and the chain are judged exactly as the editor takes them, in the
// one reading. Findings about the file as a whole (it has no "[Execute]"
// section, it is UTF-16) are given at line 1.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "document/script_encoding.h"
#include "document/script_reader.h"

namespace wavoria {

// What the reader did with the lines of one script. Lines are counted from 1
// as the reader splits them (CR LF, LF or CR). Lines below a header that found
// no slot left are not told.
class ScriptLines {
 public:
  enum class KeyUse {
    kTaken,      // the value went into the field (an empty value leaves it empty)
    kIgnored,    // an earlier line of the section gave the key
    kCrossFile,  // a Next into another file: the field was emptied again
  };
  enum class Dropped {
    kNoKnownKey,          // not a line of any key the reader takes
    kBeforeFirstSection,  // a known key above the first header
  };
  // Action, Next, then the parameters in the writer's order.
  static constexpr std::size_t kKeyCount = 2 + kParameterKeys.size();

  struct Section {
    int Header{};                           // line of the "[...]" header
    std::string Name;                       // the section's name as the header gives it
    std::array<int, kKeyCount> KeyLines{};  // the line that gave each key; 0: none
    std::size_t Longest{};                  // the most bytes of a value, as the list shows it
    int LongestLine{};                      // and its line
  };

  // The text is about to be read: the lines holding its first NUL byte and
  // its first converted character (offsets into the text; npos for none) are
  // noted as the lines pass.
  void Start(std::size_t nulAt, std::size_t changedAt);
  // The line from offset start to end (without its line break) was read.
  void Line(int line, std::size_t start, std::size_t end) {
    if (nulAt_ >= start && nulAt_ <= end && nulLine_ == 0) nulLine_ = line;
    if (changedAt_ >= start && changedAt_ <= end && changedLine_ == 0) changedLine_ = line;
  }
  // A "[...]" header; name is what the reader takes as the section's name,
  // slot the slot it fills or -1 when no slot was left.
  void Header(int line, std::string_view name, int slot);
  // A line of the key numbered key (kKeyCount's order), named name.
  void KeyLine(int line, int slot, std::size_t key, std::string_view name, std::string_view value,
               KeyUse use);
  // text: the line without the blanks around it.
  void DroppedLine(int line, std::string_view text, Dropped why);

  // The findings, sorted by line (findings on one line in the order they were
  // found), once the reader has read bytes into table and raised read.
  std::vector<ScriptFinding> Findings(std::string_view bytes, const TextConversion& conversion,
                                      const CommandTable& table, const ActionTable& actions,
                                      const ReadWarnings& read);

  // Slot s is Sections()[s - 1].
  const std::vector<Section>& Sections() const { return sections_; }

 private:
  void Add(int line, std::string message, ReadWarning warning);
  void CheckChain(const CommandTable& table, const ActionTable& actions, const ReadWarnings& read);

  std::vector<Section> sections_;
  std::vector<ScriptFinding> findings_;
  bool beyondTable_ = false;
  std::size_t nulAt_ = std::string_view::npos, changedAt_ = std::string_view::npos;
  int nulLine_ = 0, changedLine_ = 0;
};

// ParseScript (document/script_reader.h), telling lines what it does with each
// line.
ReadWarnings ParseScript(std::string_view text, const ActionTable& actions, CommandTable& table,
                         ScriptLines& lines);

// The findings in a script (the bytes of a file, or any text), sorted by
// line; findings on one line in the order they were found.
std::vector<ScriptFinding> FindingsOf(std::string_view text, const ActionTable& actions);

// FindingsOf, with the document the reader made of the text left in table and
// the line of each section's header in headerLines (slot s at index s - 1).
std::vector<ScriptFinding> FindingsOf(std::string_view text, const ActionTable& actions,
                                      CommandTable& table, std::vector<int>& headerLines);

}  // namespace wavoria
