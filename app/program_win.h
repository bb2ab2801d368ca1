// Start-up and the top-level flow of the program.
#pragma once

#include <string>
#include <vector>

#include "app/top_level_flow.h"
#include "platform/program_folder.h"

namespace wavoria {

// Loads "keys.dat" and "actions.dat" from the program's folder and looks at
// the command line (the arguments after the program name). A missing data
// file is reported in a box without owner and ends the program (kExit should
// that return). Returns the first state of the flow.
FlowState StartUp(const std::vector<std::string>& arguments);

// Runs the flow from state `first` until it comes to its end: start screen,
// editor, wizard and installation, as each one's outcome decides. The caller
// then ends the program.
void RunTopLevelFlow(FlowState first);

}  // namespace wavoria
