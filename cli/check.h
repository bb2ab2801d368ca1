// The checker behind "wavoria-cli check": everything in a script that the
// editor would not show, would warn about, or would lose on saving, each with
// the line of the file it concerns.
//
// The findings themselves are the core's (document/script_findings.h), the
// same that the warnings on opening name; this adds files and folders.
// Findings about the file as a whole (it cannot be read, it has no
// "[Execute]" section) are given at line 1.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/data_files.h"

namespace wavoria::cli {

struct Finding {
  std::string File;     // the path as shown in the message
  int Line = 0;         // line of the file, counted from 1
  std::string Message;  // one German sentence or two

  bool operator==(const Finding&) const = default;
};

// "FILE:LINE: message".
std::string FindingLine(const Finding& finding);

// The findings in the text of one script, sorted by line (findings on one
// line in the order they were found). file is the path to name in them.
std::vector<Finding> CheckScriptText(std::string_view text, const ActionTable& actions,
                                     const std::string& file);

// The findings for one path given on the command line: a script file, or a
// folder whose "*.script.wav" files are checked one by one, subfolders
// included, in the order of their names. report receives the findings of
// each file as soon as that file is checked.
void CheckPath(const std::string& path, const ActionTable& actions,
               const std::function<void(const Finding&)>& report);

}  // namespace wavoria::cli
