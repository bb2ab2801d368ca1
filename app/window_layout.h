// How the controls of the windows that grow follow their size. The main
// window: the command list grows both ways and the label above it in width;
// the buttons and the details group keep to the right edge, and the details
// group and its text grow in height. The game overview: the list grows both
// ways and the count line above it in width; the buttons keep to the bottom
// right corner. A window is never smaller than at its start.
#pragma once

namespace wavoria {

// A control's place in its window's client area, in pixels.
struct Area {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  bool operator==(const Area&) const = default;
};

// Where control `id` of the main window belongs when the client area, which
// measured startWidth x startHeight when the control stood at `start`, now
// measures width x height. A client area smaller than at the start (as when
// the window is minimised) leaves every control at its start.
Area MainWindowPlace(int id, const Area& start, int startWidth, int startHeight, int width,
                     int height);

// The same for control `id` of the game overview.
Area GameOverviewPlace(int id, const Area& start, int startWidth, int startHeight, int width,
                       int height);

}  // namespace wavoria
