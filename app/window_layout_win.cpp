#include "app/window_layout_win.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "app/window_layout.h"

namespace wavoria {

namespace {

// A window at its start: its size, its client area and each control's place.
struct StartLayout {
  HWND Window = nullptr;
  SIZE Frame = {};
  SIZE Client = {};
  std::vector<std::pair<HWND, Area>> Controls;
  PlaceRule Rule = MainWindowPlace;
};
// One for each window that is open.
std::vector<StartLayout> startLayouts;

const StartLayout* LayoutOf(HWND window) {
  for (const StartLayout& layout : startLayouts) {
    if (layout.Window == window) return &layout;
  }
  return nullptr;
}

bool IsTransparent(HWND control) {
  return (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
}

}  // namespace

void RememberStartLayout(HWND window, PlaceRule rule) {
  RECT frame{}, client{};
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  // A window's handle may be used again once it is gone.
  std::erase_if(startLayouts, [&](const StartLayout& layout) {
    return layout.Window == window || !IsWindow(layout.Window);
  });
  StartLayout& startLayout =
      startLayouts.emplace_back(StartLayout{window,
                                            {frame.right - frame.left, frame.bottom - frame.top},
                                            {client.right, client.bottom},
                                            {},
                                            rule});
  for (HWND control = GetWindow(window, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    startLayout.Controls.push_back({control, {place.left, place.top, place.right, place.bottom}});
  }
  // A moved control takes its picture along. Moved from the right edge in,
  // none takes along a piece of a neighbour that has not moved yet.
  std::ranges::sort(startLayout.Controls, std::ranges::greater{},
                    [](const auto& control) { return control.second.Left; });
}

void LimitToStartSize(HWND window, MINMAXINFO& limits) {
  if (const StartLayout* startLayout = LayoutOf(window)) {
    limits.ptMinTrackSize = {startLayout->Frame.cx, startLayout->Frame.cy};
  }
}

void FollowWindowSize(HWND window) {
  const StartLayout* found = LayoutOf(window);
  if (found == nullptr) return;
  const StartLayout& startLayout = *found;
  RECT client{};
  GetClientRect(window, &client);
  // All controls move at once, so that the window is painted once.
  HDWP moves = BeginDeferWindowPos(static_cast<int>(startLayout.Controls.size()));
  for (const auto& [control, start] : startLayout.Controls) {
    if (moves == nullptr) return;
    const Area place = startLayout.Rule(GetDlgCtrlID(control), start, startLayout.Client.cx,
                                        startLayout.Client.cy, client.right, client.bottom);
    // A transparent control's picture is the window behind it.
    const UINT copy = IsTransparent(control) ? SWP_NOCOPYBITS : 0;
    moves = DeferWindowPos(moves, control, nullptr, place.Left, place.Top, place.Right - place.Left,
                           place.Bottom - place.Top, SWP_NOZORDER | SWP_NOACTIVATE | copy);
  }
  if (moves == nullptr || !EndDeferWindowPos(moves)) return;
  // A transparent control (the details group) shows the window behind it,
  // which is painted again there, where its frame stood before.
  for (const auto& [control, start] : startLayout.Controls) {
    if (!IsTransparent(control)) continue;
    RECT area{};
    GetWindowRect(control, &area);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(window, &area, nullptr, RDW_INVALIDATE | RDW_ERASE);
  }
  // Painted before the next move of the mouse, so that no half-painted step shows.
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace wavoria
