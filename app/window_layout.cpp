#include "app/window_layout.h"

#include <algorithm>

#include "resources/resource_ids.h"

namespace wavoria {

namespace {

// Which edges of a control follow the window's right or bottom edge.
struct Follows {
  bool Left = false;
  bool Right = false;
  bool Bottom = false;
};

Follows FollowsOf(int id) {
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

}  // namespace

Area MainWindowPlace(int id, const Area& start, int startWidth, int startHeight, int width,
                     int height) {
  const int wider = std::max(0, width - startWidth);
  const int higher = std::max(0, height - startHeight);
  const Follows follows = FollowsOf(id);
  Area place = start;
  if (follows.Left) place.Left += wider;
  if (follows.Right) place.Right += wider;
  if (follows.Bottom) place.Bottom += higher;
  return place;
}

}  // namespace wavoria
