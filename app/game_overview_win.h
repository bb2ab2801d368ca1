// "Spiel&übersicht…" in the main window's "&Datei" menu: the game overview
// (dialog 7000), a window that grows, with a list view in report mode of
// every registration of a game's scripts and every clash between them
// (app/game_overview.h), sortable by each column.
#pragma once

#include <windows.h>

namespace wavoria {

// Asks for the game's RPG_RT.EXE with the wizard's chooser (starting at the
// game of the open script when it lies in a game's "Sound" folder), then
// shows the overview of that game over window. A double-click or Eingabe on
// a row opens its script in window with its command selected, after the
// save prompt, and closes the overview; "Aktualisieren" (F5) reads the game
// again; Esc, "Schließen" and the close box close it.
void ShowGameOverview(HWND window);

}  // namespace wavoria
