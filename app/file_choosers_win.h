// The two file choosers for script files: the system's open and save
// dialogs, set up for "*.script.wav" files. Tests put a seam in their place.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace wavoria {

// Runs the open chooser ("Skript öffnen") over owner, preset with the
// document's path. Returns the chosen full path, or "" when the user
// cancels or the chooser fails.
std::string ChooseScriptToOpen(HWND owner);

// The same with the save chooser ("Skript speichern"). A name typed without
// extension under the first filter gets ".script.wav" (SavedScriptName), and
// the chooser asks before that file is replaced.
std::string ChooseScriptToSave(HWND owner);

// Test seam: while set, the choosers call it instead of the system's dialog
// with the owner, whether it saves, and the preset path. An empty function
// brings the system's dialogs back.
using ScriptChooser =
    std::function<std::string(HWND owner, bool forSaving, const std::string& preset)>;
void SetScriptChooser(ScriptChooser chooser);

}  // namespace wavoria
