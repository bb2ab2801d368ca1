// Reading "*.script.wav" files into a CommandTable.
//
// A script is INI-like text: "[Name]" headers start sections, each section is
// one command, and key lines "Key=Value" give its fields. Lines are stripped of
// blanks at both ends; empty lines and ";" comments are ignored, except
// ";WIZDESC$Name", which names the script. The section "[Execute]" (any case)
// is the first command; it receives a generated name. Within a section a key
// keeps the first non-empty value given for it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/action_names.h"
#include "document/command_table.h"

namespace wavoria {

// What a read noticed that saving the document would lose.
struct ReadWarnings {
  bool CrossFileReference = false;  // a Next named a section in another file
  bool UnknownCommands = false;     // a section with an unknown or no Action
  bool UnknownKeysDropped = false;  // lines with keys the reader does not know
  bool SectionsCut = false;         // sections beyond the 511 command slots
  bool ConvertedFromUtf8 = false;   // a UTF-8 text, read as Windows-1252

  bool operator==(const ReadWarnings&) const = default;
  bool Any() const {
    return CrossFileReference || UnknownCommands || UnknownKeysDropped || SectionsCut ||
           ConvertedFromUtf8;
  }
};

// Whether action names one of the table's actions (case of A to Z ignored).
bool IsKnownAction(std::string_view action, const ActionTable& actions);

// What the reader does with each line of a script, for tools that explain a
// file line by line. Lines are counted from 1 as the reader splits them (CR LF,
// LF or CR). Lines below a header that found no slot left are not reported.
class ReadObserver {
 public:
  enum class KeyUse {
    kTaken,      // the value went into the field (an empty value leaves it empty)
    kIgnored,    // the field already had a value
    kCrossFile,  // a Next into another file: the field was emptied again
  };
  enum class Dropped {
    kNoKnownKey,          // not a line of any key the reader takes
    kBeforeFirstSection,  // a known key above the first header
  };

  // A "[...]" header; name is what the reader takes as the section's name,
  // slot the slot it fills or -1 when no slot was left.
  virtual void Header(int line, std::string_view text, std::string_view name, int slot) = 0;
  virtual void KeyLine(int line, int slot, const ParameterKey& key, std::string_view value,
                       KeyUse use) = 0;
  virtual void DroppedLine(int line, std::string_view text, Dropped why) = 0;

 protected:
  ~ReadObserver() = default;
};

// Replaces the document with the script in text. The display order is
// rebuilt; the list lines are the caller's business. An observer, when
// given, hears of every line; without one the reading costs nothing extra.
ReadWarnings ParseScript(std::string_view text, const ActionTable& actions, CommandTable& table,
                         ReadObserver* observer = nullptr);

// Reads the file at path into the document. Returns false, leaving the
// document untouched, when the file cannot be read.
bool ReadScriptFile(const std::string& path, const ActionTable& actions, CommandTable& table,
                    ReadWarnings& warnings);

// The warnings to show after reading path, in the order they are shown. A
// path of exactly "tmp.dat" shows none of the warnings about lost content
// except the one about cut sections.
std::vector<std::string> WarningTexts(const ReadWarnings& warnings, std::string_view path);

}  // namespace wavoria
