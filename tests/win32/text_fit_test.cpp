// Every text of every window fits its control in the window's own font, and
// Tab reaches every box that takes typing. Each
// dialog template of the program is created (with a procedure that does
// nothing) and each static text, button, check box and group box is measured
// the way the control lays its text out, in the room the control leaves it.
// A button measures its label first and then draws it into the measured
// rectangle, where Wine breaks the lines again (a blank at a line's end no
// longer fits): a label that breaks differently the second time is cut.
#include <windows.h>
// windows.h first.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "resources/resource_ids.h"

namespace {

// The room a control leaves for its text and the DrawText format it lays the
// text out with; no format for controls that show no text of their own.
struct Room {
  SIZE Size;
  UINT Format;
  bool Redrawn = false;  // drawn again into the rectangle measured for it
};

Room RoomFor(HWND control, const char* name, LONG style, HDC dc) {
  RECT r;
  GetClientRect(control, &r);
  if (lstrcmpiA(name, "Static") == 0) {
    const LONG type = style & SS_TYPEMASK;
    const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
      return {{r.right, r.bottom}, DT_WORDBREAK | DT_EXPANDTABS | prefix};
    }
    if (type == SS_LEFTNOWORDWRAP) return {{r.right, r.bottom}, DT_EXPANDTABS | prefix};
    return {{}, 0};
  }
  if (lstrcmpiA(name, "Button") != 0 || (style & (BS_ICON | BS_BITMAP)) ||
      (style & BS_TYPEMASK) == BS_OWNERDRAW) {
    return {{}, 0};
  }
  const UINT lines = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  const UINT align = (style & BS_CENTER) == BS_LEFT ? DT_LEFT : DT_CENTER;
  SIZE zero;
  GetTextExtentPoint32A(dc, "0", 1, &zero);
  switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX:  // the caption sits in the top line, inset from both sides
      return {{r.right - 2 * zero.cx - 4, r.bottom}, DT_SINGLELINE};
    case BS_AUTOCHECKBOX:  // the mark and a gap of half a digit come first
    case BS_AUTORADIOBUTTON:
      return {{r.right - GetSystemMetrics(SM_CXMENUCHECK) - zero.cx / 2, r.bottom},
              lines | ((style & BS_CENTER) == BS_CENTER ? DT_CENTER : DT_LEFT),
              true};
    default:  // push buttons: the border and the focus rectangle
      return {{r.right - 8, r.bottom - 6}, lines | align, true};
  }
}

TEST(TextFit, EveryTextFitsItsControl) {
  std::vector<int> templates;
  auto collect = [](HMODULE, LPCSTR, LPSTR name, LONG_PTR ids) -> BOOL {
    auto id = LOWORD(reinterpret_cast<ULONG_PTR>(name));
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<int>*>(ids)->push_back(id);
    return TRUE;
  };
  EnumResourceNamesA(GetModuleHandleA(nullptr), RT_DIALOG, collect,
                     reinterpret_cast<LONG_PTR>(&templates));
  auto inert = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
  // Start screen, main window, chooser, ten command dialogs, rename, five wizard
  // pages, the find and replace boxes and the game overview.
  EXPECT_EQ(templates.size(), 22u);
  for (int id : templates) {
    HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, inert, 0);
    ASSERT_NE(dialog, nullptr) << "dialog " << id;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      char text[1024] = {};
      GetWindowTextA(c, text, sizeof text);
      const LONG style = GetWindowLongA(c, GWL_STYLE);
      char kind[16] = {};
      GetClassNameA(c, kind, sizeof kind);
      if (lstrcmpiA(kind, "Edit") == 0 && !(style & ES_READONLY)) {
        EXPECT_TRUE(style & WS_TABSTOP) << "dialog " << id << ", box " << GetDlgCtrlID(c);
      }
      HDC dc = GetDC(c);
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)));
      const Room room = RoomFor(c, kind, style, dc);
      RECT need = {0, 0, room.Size.cx, 0};
      if (room.Format != 0 && text[0] != '\0') {
        DrawTextA(dc, text, -1, &need, room.Format | DT_CALCRECT);
        RECT again = {0, 0, need.right, 0};
        DrawTextA(dc, text, -1, &again, room.Format | DT_CALCRECT);
        const bool stable = !room.Redrawn || EqualRect(&again, &need);
        EXPECT_TRUE(need.right <= room.Size.cx && need.bottom <= room.Size.cy && stable)
            << "dialog " << id << ", control " << GetDlgCtrlID(c) << " \"" << text << "\" needs "
            << need.right << " x " << need.bottom << " px, has " << room.Size.cx << " x "
            << room.Size.cy << (stable ? "" : "; it breaks again at its own width");
      }
      SelectObject(dc, old);
      ReleaseDC(c, dc);
    }
    DestroyWindow(dialog);
  }
}

// In every menu of the main window (the "Bearbeiten" menu is the list's
// context menu too) each access key leads to one item: Alt+B, E opens the
// script in Notepad.
TEST(Menus, EachAccessKeyOncePerMenu) {
  std::function<void(HMENU)> check = [&](HMENU menu) {
    std::map<char, std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[256] = {};
      GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
      if (const char* key = strchr(text, '&')) {  // no item shows a "&" of its own
        char upper = key[1];
        CharUpperBuffA(&upper, 1);
        const auto [taken, added] = items.emplace(upper, text);
        EXPECT_TRUE(added) << "\"" << text << "\" and \"" << taken->second << "\"";
      }
      if (HMENU sub = GetSubMenu(menu, i)) check(sub);
    }
  };
  HMENU bar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU));
  check(bar);
  DestroyMenu(bar);
}

}  // namespace
