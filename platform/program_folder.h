// The folder of the running program, where its data files and templates lie.
#pragma once

#include <string>

namespace wavoria {

// The folder of the program's own executable file, without a trailing
// separator; empty when it cannot be found.
std::string ProgramFolder();

}  // namespace wavoria
