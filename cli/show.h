// "wavoria-cli show": a script as the editor's command list shows it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/data_files.h"
#include "document/script_reader.h"

namespace wavoria::cli {

// The indent of the details lines below a command's list line.
inline constexpr std::string_view kDetailsIndent = "    ";

struct ShownScript {
  std::vector<std::string> Lines;     // the output lines, without line ends
  std::vector<std::string> Warnings;  // what the editor would warn about on opening
};

// The warnings the editor shows on opening a script read with these
// warnings, every line of every box (the lines they name all of them), one
// text each, without empty lines.
std::vector<std::string> WarningLines(const ReadWarnings& warnings,
                                      const std::string& documentPath);

// The list lines of the script in text, exactly as the editor's list shows
// them: the script line, one line per command in chain order, the end line
// "<>". With details, each line is followed by the details text of that
// position, one line each, indented by kDetailsIndent (empty details lines
// stay empty; the end line has none). documentPath is the path the editor
// would name the document by.
ShownScript ShowScriptText(std::string_view text, const ActionTable& actions,
                           const std::string& documentPath, bool details);

}  // namespace wavoria::cli
