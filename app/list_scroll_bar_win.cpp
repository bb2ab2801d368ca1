#include "app/list_scroll_bar_win.h"

#include <algorithm>
#include <iterator>

namespace wavoria {

namespace {

bool SameLook(const SCROLLBARINFO& a, const SCROLLBARINFO& b) {
  return EqualRect(&a.rcScrollBar, &b.rcScrollBar) && a.dxyLineButton == b.dxyLineButton &&
         a.xyThumbTop == b.xyThumbTop && a.xyThumbBottom == b.xyThumbBottom &&
         std::equal(std::begin(a.rgstate), std::end(a.rgstate), std::begin(b.rgstate));
}

// What the bar was last set to, for one box.
struct FedBar {
  HWND List = nullptr;
  bool Redraw = true;  // false between WM_SETREDRAW FALSE and TRUE
  bool Busy = false;   // setting the bar sends the box messages of its own
  bool Fed = false;
  int Count = 0;
  int Page = 0;
  int Top = 0;
};
FedBar fedBar;

void FeedScrollBar(HWND list) {
  if (fedBar.List != list) fedBar = {list};
  if (fedBar.Busy || !fedBar.Redraw) return;
  fedBar.Busy = true;
  const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  const int page = std::max(1, VisibleListLines(list));
  const auto top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  if (fedBar.Fed && fedBar.Count == count && fedBar.Page == page && fedBar.Top == top) {
    fedBar.Busy = false;
    return;
  }
  SCROLLBARINFO before{};
  before.cbSize = sizeof before;
  const bool known = fedBar.Fed && GetScrollBarInfo(list, OBJID_VSCROLL, &before) != FALSE;
  SCROLLINFO want{};
  want.cbSize = sizeof want;
  want.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  want.nMax = count - 1;
  want.nPage = static_cast<UINT>(page);
  want.nPos = top;
  SetScrollInfo(list, SB_VERT, &want, FALSE);
  SCROLLBARINFO after{};
  after.cbSize = sizeof after;
  if (GetScrollBarInfo(list, OBJID_VSCROLL, &after) != FALSE &&
      (after.rgstate[0] & STATE_SYSTEM_INVISIBLE) == 0 && !(known && SameLook(before, after))) {
    // The bar's part of the frame, in the box's client coordinates.
    RECT bar = after.rcScrollBar;
    MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&bar), 2);
    RedrawWindow(list, &bar, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
  }
  fedBar = {list, true, false, true, count, page, top};
}

// Whether a message to the box may change its count, its view or its size:
// not the questions that the window, the dialog manager and the mouse ask
// it all the time, also while its scroll bar is set.
bool MayMoveTheView(UINT message) {
  switch (message) {
    case LB_GETCOUNT:
    case LB_GETTOPINDEX:
    case LB_GETITEMHEIGHT:
    case LB_GETITEMRECT:
    case LB_GETCURSEL:
    case LB_GETCARETINDEX:
    case WM_GETDLGCODE:
    case WM_GETFONT:
    case WM_QUERYUISTATE:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_GETOBJECT:
      return false;
  }
  return true;
}

}  // namespace

int VisibleListLines(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  const LRESULT height = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
  return height > 0 ? static_cast<int>((client.bottom - client.top) / height) : 1;
}

void SetListScrollBarAfter(HWND list, UINT message, WPARAM wparam) {
  if (message == WM_NCDESTROY) {
    if (fedBar.List == list) fedBar = {};  // a new box may get the same handle
    return;
  }
  if (message == WM_SETREDRAW) {
    if (fedBar.List != list) fedBar = {list};
    fedBar.Redraw = wparam != 0;
  }
  if (MayMoveTheView(message)) FeedScrollBar(list);
}

}  // namespace wavoria
