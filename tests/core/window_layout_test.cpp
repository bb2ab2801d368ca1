#include "app/window_layout.h"

#include <gtest/gtest.h>

#include "resources/resource_ids.h"

namespace wavoria {
namespace {

TEST(WindowLayout, ListsAndLabelsGrowTheRestKeepsToTheRightEdge) {
  // The client area grows from 700 x 400 by 100 in width and 50 in height.
  const Area start = {10, 20, 110, 220};
  const struct {
    const char* Name;
    int Id;
    Area Placed;
  } rows[] = {
      {"label: wider", IDC_MAIN_LABEL, {10, 20, 210, 220}},
      {"list: wider and higher", IDC_MAIN_LIST, {10, 20, 210, 270}},
      {"a button: moved right", IDC_MAIN_DELETE, {110, 20, 210, 220}},
      {"the icon button: moved right", IDC_MAIN_DETAILS_BUTTON, {110, 20, 210, 220}},
      {"Next: moved right", IDC_MAIN_NEXT, {110, 20, 210, 220}},
      {"details group: moved right, higher", IDC_MAIN_DETAILS_GROUP, {110, 20, 210, 270}},
      {"details text: moved right, higher", IDC_MAIN_DETAILS_TEXT, {110, 20, 210, 270}},
      {"overview: count line wider", IDC_OVERVIEW_COUNT, {10, 20, 210, 220}},
      {"overview: list wider and higher", IDC_OVERVIEW_LIST, {10, 20, 210, 270}},
      {"overview: a button to the bottom right", IDC_OVERVIEW_CLOSE, {110, 70, 210, 270}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Name);
    const auto place = row.Id >= IDD_GAME_OVERVIEW && row.Id < IDD_GAME_OVERVIEW + 100
                           ? GameOverviewPlace
                           : MainWindowPlace;
    EXPECT_EQ(place(row.Id, start, 700, 400, 800, 450), row.Placed);
    // Smaller than at the start, as a minimised window: everything stays.
    EXPECT_EQ(place(row.Id, start, 700, 400, 0, 0), start);
    EXPECT_EQ(place(row.Id, start, 700, 400, 699, 450).Left, start.Left);
  }
}

}  // namespace
}  // namespace wavoria
