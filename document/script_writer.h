// Writing a CommandTable as a "*.script.wav" file: two comment lines, an empty
// line, ";WIZDESC$" with the script's name, then one block per used slot in
// slot order. The first command of the chain is written under "[Execute]".
// Every line ends with CR LF. A value that the game would read otherwise
// (blanks at its ends, quotes around it) is written in double quotes.
#pragma once

#include <string>

#include "document/command_table.h"

namespace wavoria {

// The file's bytes.
std::string ScriptText(const CommandTable& table);

// One command's block as the file has it, under its own section name; its
// Next line, which names a section of its own script only, only `withNext`.
std::string SectionText(const ScriptCommand& cmd, bool withNext = false);

// Writes the document to path atomically. Returns false when the file could
// not be written; an earlier file at path is then left as it was.
bool WriteScriptFile(const std::string& path, const CommandTable& table);

}  // namespace wavoria
