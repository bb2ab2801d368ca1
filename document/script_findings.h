// Everything in a script that the editor shows or keeps differently from the
// file, that it warns about, or that saving would lose, each at the line of
// the file it concerns: what "wavoria-cli check" reports, and the lines that
// the warnings on opening name.
//
// The findings come from the editor's own reader (document/script_reader.h),
// listening to what it does with each line, so that every line and the chain
// are judged exactly as the editor takes them. Findings about the file as a
// whole (it has no "[Execute]" section, it is UTF-16) are given at line 1.
#pragma once

#include <string_view>
#include <vector>

#include "document/script_reader.h"

namespace wavoria {

// The findings in a script (the bytes of a file, or any text), sorted by
// line; findings on one line in the order they were found.
std::vector<ScriptFinding> FindingsOf(std::string_view text, const ActionTable& actions);

// FindingsOf, with the document the reader made of the text left in table and
// the line of each section's header in headerLines (slot s at index s - 1):
// for tools that need both without reading the text twice.
std::vector<ScriptFinding> FindingsOf(std::string_view text, const ActionTable& actions,
                                      CommandTable& table, std::vector<int>& headerLines);

}  // namespace wavoria
