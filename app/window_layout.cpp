#include "app/window_layout.h"

#include <algorithm>

#include "resources/resource_ids.h"

namespace wavoria {

namespace {

// Which edges of a control follow the window's right or bottom edge.
struct Follows {
  bool Left = false;
  bool Right = false;
  bool Top = false;
  bool Bottom = false;
};

Follows InMainWindow(int id) {
  switch (id) {
    case IDC_MAIN_LABEL:
      return {.Right = true};
    case IDC_MAIN_LIST:
      return {.Right = true, .Bottom = true};
    case IDC_MAIN_DETAILS_GROUP:
    case IDC_MAIN_DETAILS_TEXT:
      return {.Left = true, .Right = true, .Bottom = true};
  }
  return {.Left = true, .Right = true};  // the buttons and the rest of the details
}

Follows InGameOverview(int id) {
  switch (id) {
    case IDC_OVERVIEW_COUNT:
      return {.Right = true};
    case IDC_OVERVIEW_LIST:
      return {.Right = true, .Bottom = true};
  }
  return {.Left = true, .Right = true, .Top = true, .Bottom = true};  // the buttons
}

Area Placed(const Follows& follows, const Area& start, int startWidth, int startHeight, int width,
            int height) {
  const int wider = std::max(0, width - startWidth);
  const int higher = std::max(0, height - startHeight);
  Area place = start;
  if (follows.Left) place.Left += wider;
  if (follows.Right) place.Right += wider;
  if (follows.Top) place.Top += higher;
  if (follows.Bottom) place.Bottom += higher;
  return place;
}

}  // namespace

Area MainWindowPlace(int id, const Area& start, int startWidth, int startHeight, int width,
                     int height) {
  return Placed(InMainWindow(id), start, startWidth, startHeight, width, height);
}

Area GameOverviewPlace(int id, const Area& start, int startWidth, int startHeight, int width,
                       int height) {
  return Placed(InGameOverview(id), start, startWidth, startHeight, width, height);
}

}  // namespace wavoria
