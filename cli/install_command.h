// "wavoria-cli install": the wizard's checks and installation from the
// command line.
#pragma once

#include <string>

#include "cli/options.h"
#include "cli/output.h"

namespace wavoria::cli {

// Checks the folders as the wizard's first pages do (the game folder holds
// RPG_RT.EXE, the RPG Maker folder holds RPG2000.EXE and "oldharmony.dll",
// the game holds no earlier installation unless Force is set), takes the
// choices through the wizard's page rules and runs the same installation.
// Success: the wizard's closing message on standard output, status 0.
// Otherwise every problem on standard error, status 1. programFolder is
// where the default "scripts" folder of templates lies.
int RunInstall(const InstallOptions& options, const std::string& programFolder,
               const CliOutput& output);

// Undoes the newest installation still in effect, or first deals with an
// interrupted run (install_undo.h), and says what a further restore would
// undo. A damaged record is dealt with as options.Damaged says; without it,
// what is known of the record and the two ways are told, and nothing changes.
// With List, prints the game's history instead and changes nothing. Status 0
// when done; 1 with the problems on standard error when there is nothing to
// undo, another run holds the game, it was refused or a step failed.
int RunRestore(const CliOptions& options, const CliOutput& output);

}  // namespace wavoria::cli
