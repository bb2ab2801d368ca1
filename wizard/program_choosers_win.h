// The two file choosers of wizard page 8000: the game's runtime (RPG_RT.EXE)
// and the RPG Maker (RPG2000.EXE), both the system's open-file dialog. Tests
// put a seam in their place.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace wavoria {

enum class ProgramFile {
  GameRuntime,  // "RPG Runtime-Pfad finden", rpg_rt.exe
  RpgMaker,     // "RPG Maker-Pfad finden", rpg2000.exe
};

// Runs the open-file chooser for `which` over owner, preset with `preset`
// (the path the page's field shows). The file and its folder must exist; the
// read-only box is hidden. Returns the chosen full path in the ANSI code
// page, a character it cannot hold as "?" (never a look-alike that names
// another folder), or "" when the user cancels or the chooser fails. Paths of
// any length come back whole.
std::string ChooseProgramFile(HWND owner, ProgramFile which, const std::string& preset);

// Test seam: while set, ChooseProgramFile calls it instead of the system's
// dialog. An empty function brings the system's dialog back.
using ProgramChooser =
    std::function<std::string(HWND owner, ProgramFile which, const std::string& preset)>;
void SetProgramChooser(ProgramChooser chooser);

}  // namespace wavoria
