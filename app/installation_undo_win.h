// "Installation &rückgängig machen…" in the main window's "&Datei" menu.
#pragma once

#include <windows.h>

namespace wavoria {

// Asks for the game's RPG_RT.EXE with the wizard's chooser, names in a
// question what a restore of that game will undo (or why it cannot), carries
// it out after Ja and reports like the wizard's closing message. When the
// script open in window is among the files it changed, says so and offers to
// open it again. Every box is owned by window.
void UndoInstallation(HWND window);

}  // namespace wavoria
