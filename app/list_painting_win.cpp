#include "app/list_painting_win.h"

#include <algorithm>

#include "app/command_list_view_win.h"
#include "app/win_util_win.h"

namespace wavoria {

namespace {

// Gives a DC of the box the colours that its parent chooses for it, as the
// box does before it paints; returns the parent's background brush.
HBRUSH TakeListColours(HWND list, HDC dc) {
  return reinterpret_cast<HBRUSH>(SendMessageA(GetParent(list), WM_CTLCOLORLISTBOX,
                                               reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(list)));
}

}  // namespace

void PaintListLineNow(HWND list, int line) {
  DRAWITEMSTRUCT item{};
  if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(line),
                   reinterpret_cast<LPARAM>(&item.rcItem)) == LB_ERR) {
    return;
  }
  item.CtlType = ODT_LISTBOX;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(list));
  item.itemID = static_cast<UINT>(line);
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState = DrawItemState(list, SendMessageA(list, LB_GETCARETINDEX, 0, 0) == line);
  if (SendMessageA(list, LB_GETCURSEL, 0, 0) == line) item.itemState |= ODS_SELECTED;
  item.hwndItem = list;
  item.hDC = GetDC(list);
  const auto font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
  const HGDIOBJ old = font != nullptr ? SelectObject(item.hDC, font) : nullptr;
  TakeListColours(list, item.hDC);
  DrawCommandLine(item);
  if (old != nullptr) SelectObject(item.hDC, old);
  ReleaseDC(list, item.hDC);
}

void ShiftListLinesNow(HWND list, bool insert, int line, const RECT& client) {
  const auto height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  const auto top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  const int y = (line - top) * height;
  const int bottom = static_cast<int>(client.bottom);
  if (height <= 0 || y < 0) {
    InvalidateRect(list, nullptr, TRUE);
    return;
  }
  if (y >= bottom) return;
  RECT below = {client.left, y, client.right, client.bottom};
  HRGN exposed = CreateRectRgn(0, 0, 0, 0);
  ScrollWindowEx(list, 0, insert ? height : -height, &below, &below, exposed, nullptr, 0);
  // What comes into view: the inserted line, or the lines at the bottom.
  RECT strip = below;
  if (insert) strip.bottom = std::min(y + height, bottom);
  if (!insert) strip.top = std::max(y, bottom - height);
  HRGN painted = CreateRectRgnIndirect(&strip);
  if (CombineRgn(exposed, exposed, painted, RGN_DIFF) != NULLREGION) {
    InvalidateRgn(list, exposed, TRUE);
  }
  DeleteObject(painted);
  DeleteObject(exposed);
  const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  const int first = top + static_cast<int>(strip.top) / height;
  const int end = std::min(count, top + (static_cast<int>(strip.bottom) - 1) / height + 1);
  for (int shown = first; shown < end; ++shown) PaintListLineNow(list, shown);
  // Below the last line the box shows its background.
  RECT empty = strip;
  empty.top = std::max(static_cast<int>(strip.top), (count - top) * height);
  if (empty.top < empty.bottom) {
    HDC dc = GetDC(list);
    const HBRUSH brush = TakeListColours(list, dc);
    FillRect(dc, &empty, brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW));
    ReleaseDC(list, dc);
  }
}

}  // namespace wavoria
