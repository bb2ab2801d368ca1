#include "app/details_button_win.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <map>

#include "app/win_util_win.h"
#include "resources/resource_ids.h"

namespace wavoria {

namespace {

// The size of the icon on the button.
constexpr int kIconSize = 32;

// Each kind's icon, loaded once and kept for the life of the program.
HICON KindIcon(int id) {
  static std::map<int, HICON> icons;
  auto found = icons.find(id);
  if (found != icons.end()) return found->second;
  HICON icon = LoadProgramIcon(id, kIconSize);
  icons.emplace(id, icon);
  return icon;
}

// The button draws itself: a button that shows an icon of its own copies the
// icon and paints itself through its update region each time the icon
// changes, which under Wine is half of a details refresh. Drawn here, a new
// icon costs one paint through the button's DC. The icon is kept in the
// button's user data.
HICON IconOf(HWND button) {
  return reinterpret_cast<HICON>(GetWindowLongPtrA(button, GWLP_USERDATA));
}

// The drawing state of the button as WM_DRAWITEM would give it.
UINT StateOf(HWND button) {
  const auto pressed = static_cast<UINT>(SendMessageA(button, BM_GETSTATE, 0, 0));
  UINT state = DrawItemState(button);
  if ((pressed & BST_PUSHED) != 0) state |= ODS_SELECTED;
  if ((pressed & BST_HOT) != 0) state |= ODS_HOTLIGHT;
  return state;
}

// A push button's face, themed when visual styles are on, and the area
// inside its border.
RECT DrawFace(HWND button, HDC dc, RECT area, UINT state) {
  const bool pressed = (state & ODS_SELECTED) != 0;
  if (HTHEME theme = OpenThemeData(button, L"Button")) {
    const int look = (state & ODS_DISABLED) != 0   ? PBS_DISABLED
                     : pressed                     ? PBS_PRESSED
                     : (state & ODS_HOTLIGHT) != 0 ? PBS_HOT
                                                   : PBS_NORMAL;
    if (IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, look)) {
      DrawThemeParentBackground(button, dc, &area);
    }
    DrawThemeBackground(theme, dc, BP_PUSHBUTTON, look, &area, nullptr);
    RECT inside = area;
    GetThemeBackgroundContentRect(theme, dc, BP_PUSHBUTTON, look, &area, &inside);
    CloseThemeData(theme);
    return inside;
  }
  DrawFrameControl(dc, &area, DFC_BUTTON,
                   DFCS_BUTTONPUSH | DFCS_FLAT | (pressed ? DFCS_PUSHED : 0));
  InflateRect(&area, -2, -2);
  if (pressed) OffsetRect(&area, 1, 1);
  return area;
}

void Paint(HWND button, HDC dc, UINT state) {
  RECT area{};
  GetClientRect(button, &area);
  const RECT inside = DrawFace(button, dc, area, state);
  if (HICON icon = IconOf(button)) {
    const int x = (inside.left + inside.right - kIconSize) / 2;
    const int y = (inside.top + inside.bottom - kIconSize) / 2;
    const UINT how = (state & ODS_DISABLED) != 0 ? DSS_DISABLED : DSS_NORMAL;
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, kIconSize, kIconSize,
               DST_ICON | how);
  }
  if ((state & ODS_FOCUS) != 0 && (state & ODS_NOFOCUSRECT) == 0) {
    RECT focus = area;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace

void ShowDetailsIcon(HWND button, int id) {
  HICON icon = KindIcon(id);
  if (button == nullptr || IconOf(button) == icon) return;
  SetWindowLongPtrA(button, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(icon));
  if (!IsWindowVisible(button)) return;
  HDC dc = GetDC(button);
  Paint(button, dc, StateOf(button));
  ReleaseDC(button, dc);
}

bool DrawDetailsButton(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_BUTTON || item.CtlID != IDC_MAIN_DETAILS_BUTTON) return false;
  // WM_DRAWITEM does not tell whether the mouse is over the button; the
  // button does, and paints itself again when that changes.
  Paint(item.hwndItem, item.hDC, item.itemState | (StateOf(item.hwndItem) & ODS_HOTLIGHT));
  return true;
}

}  // namespace wavoria
