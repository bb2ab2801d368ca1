#include "app/details_box_win.h"

#include "app/win_util_win.h"
#include "resources/resource_ids.h"

namespace wavoria {

namespace {

// Replacing all of a box's text lays it out and updates the box once, where
// WM_SETTEXT does both twice. The caret and the view end at the start of the
// text, as after WM_SETTEXT.
void Replace(HWND box, const std::string& text) {
  SendMessageA(box, EM_SETSEL, 0, -1);
  SendMessageA(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(box, EM_SETSEL, 0, 0);
  SendMessageA(box, EM_SCROLLCARET, 0, 0);
}

// Whether every line of the box's text, as the box wraps it, is in its view.
bool ShowsAllLines(HWND box) {
  const int height = FontLineHeight(box);
  RECT view{};
  SendMessageA(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&view));
  const LRESULT lines = SendMessageA(box, EM_GETLINECOUNT, 0, 0);
  return height <= 0 || lines * height <= view.bottom - view.top;
}

bool Visible(HWND box) {
  return (GetWindowLongA(box, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

// The text is shown in one of two boxes in the same place: one without a
// scroll bar, which always holds the text, and one with a scroll bar, shown
// instead of it when the text has more lines than fit. A box with a scroll bar
// paints it again whenever its text changes (under Wine's default theme that
// takes about 4 ms, most of a details refresh), and most texts fit.
void ShowDetailsText(HWND window, const std::string& text) {
  HWND whole = GetDlgItem(window, IDC_MAIN_DETAILS_TEXT);
  HWND scrolling = GetDlgItem(window, IDC_MAIN_LONG_DETAILS);
  Replace(whole, text);
  const bool fits = ShowsAllLines(whole);
  if (!fits) Replace(scrolling, text);
  HWND shown = fits ? whole : scrolling;
  HWND hidden = fits ? scrolling : whole;
  if (Visible(shown)) return;
  const bool focused = GetFocus() == hidden;
  ShowWindow(shown, SW_SHOWNA);
  if (focused) SetFocus(shown);
  ShowWindow(hidden, SW_HIDE);
}

}  // namespace wavoria
