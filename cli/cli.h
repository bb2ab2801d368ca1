// wavoria-cli as a whole: reads the arguments, runs one command and returns
// the exit status (see cli/output.h). The program's entry only hands over
// the arguments and the console.
#pragma once

#include <string>
#include <vector>

#include "cli/output.h"

namespace wavoria::cli {

// args: the arguments after the program's name, as the system gives them.
int RunCli(const std::vector<std::string>& args, const CliOutput& output);

}  // namespace wavoria::cli
