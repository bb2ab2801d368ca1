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

  bool Any() const {
    return CrossFileReference || UnknownCommands || UnknownKeysDropped || SectionsCut ||
           ConvertedFromUtf8;
  }
};

// The value of key in a key line, or "" when the line is no line of that key.
// A key line needs "=" or a blank right after the key name and an "=" later.
std::string ParseKeyLine(std::string_view line, std::string_view key);

// Whether action names one of the table's actions (case of A to Z ignored).
bool IsKnownAction(std::string_view action, const ActionTable& actions);

// Replaces the document with the script in text. The display order is
// rebuilt; the list lines are the caller's business.
ReadWarnings ParseScript(std::string_view text, const ActionTable& actions, CommandTable& table);

// Reads the file at path into the document. Returns false, leaving the
// document untouched, when the file cannot be read.
bool ReadScriptFile(const std::string& path, const ActionTable& actions, CommandTable& table,
                    ReadWarnings& warnings);

// The warnings to show after reading path, in the order they are shown. A
// path of exactly "tmp.dat" shows none of the warnings about lost content
// except the one about cut sections.
std::vector<std::string> WarningTexts(const ReadWarnings& warnings, std::string_view path);

}  // namespace wavoria
