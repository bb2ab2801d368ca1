#include "app/editor_keys_win.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "app/command_list_view_win.h"
#include "app/find_replace_win.h"
#include "app/list_selection.h"
#include "resources/resource_ids.h"

namespace wavoria {

namespace {

HWND keysWindow = nullptr;
HACCEL keys = nullptr;
HHOOK filter = nullptr;

bool IsTextBox(HWND control) {
  char name[8] = {};
  GetClassNameA(control, name, sizeof name);
  return lstrcmpiA(name, "Edit") == 0;
}

LRESULT CALLBACK TranslateEditorKeys(int code, WPARAM wparam, LPARAM lparam) {
  MSG& message = *reinterpret_cast<MSG*>(lparam);
  HWND findBox = FindBox();
  const bool inFindBox =
      findBox != nullptr && (message.hwnd == findBox || IsChild(findBox, message.hwnd));
  const bool ours = code == MSGF_DIALOGBOX && keysWindow != nullptr &&
                    (message.hwnd == keysWindow || IsChild(keysWindow, message.hwnd));
  // In a text box Strg+C copies its selected text and Strg+A selects all of it.
  const bool textKey = message.message == WM_KEYDOWN &&
                       (message.wParam == 'C' || message.wParam == 'A') &&
                       GetKeyState(VK_CONTROL) < 0 && IsTextBox(GetFocus());
  if (textKey && message.wParam == 'A' && (ours || inFindBox)) {
    SendMessageA(GetFocus(), EM_SETSEL, 0, -1);
    return TRUE;
  }
  // The find box, which has no loop of its own, takes Tab, Enter and Esc.
  if (code == MSGF_DIALOGBOX && inFindBox && IsDialogMessageA(findBox, &message)) return TRUE;
  if (ours && !textKey && TranslateAcceleratorA(keysWindow, keys, &message)) {
    // An Alt key that goes with another key opens no menu when it is let go:
    // the window's default handling has to see that other key.
    if (message.message == WM_SYSKEYDOWN) {
      DefWindowProcA(message.hwnd, message.message, message.wParam, message.lParam);
    }
    return TRUE;
  }
  return CallNextHookEx(filter, code, wparam, lparam);
}

// The line of the list under a point on the screen, and whether the point
// lies on it.
std::pair<int, bool> LineAt(HWND list, POINT screen) {
  ScreenToClient(list, &screen);
  const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(screen.x, screen.y));
  return {LOWORD(hit), HIWORD(hit) == 0};
}

}  // namespace

void StartEditorKeys(HWND window) {
  StopEditorKeys();
  keysWindow = window;
  keys = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_KEYS));
  filter = SetWindowsHookExA(WH_MSGFILTER, TranslateEditorKeys, nullptr, GetCurrentThreadId());
}

void StopEditorKeys() {
  if (filter != nullptr) UnhookWindowsHookEx(filter);
  filter = nullptr;
  keysWindow = nullptr;
}

bool ShowEditMenu(HWND window, HWND from, LPARAM where) {
  HWND list = GetDlgItem(window, IDC_MAIN_LIST);
  if (from != list) return false;
  POINT at = {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (at.x == -1 && at.y == -1) {
    // From the keyboard: below the selected line, within the list's view.
    RECT line = {}, view = {};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(SelectedLines(window).Last),
                 reinterpret_cast<LPARAM>(&line));
    GetClientRect(list, &view);
    at = {view.left + 16, std::clamp(line.bottom, view.top, view.bottom)};
    ClientToScreen(list, &at);
  } else {
    SelectLines(window, RangeForContextMenu(SelectedLines(window), LineAt(list, at).first));
  }
  TrackPopupMenu(GetSubMenu(GetMenu(window), 1), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                 at.x, at.y, 0, window, nullptr);
  return true;
}

bool DoubleClickOnLine(HWND window) {
  const DWORD position = GetMessagePos();
  return LineAt(GetDlgItem(window, IDC_MAIN_LIST), {GET_X_LPARAM(position), GET_Y_LPARAM(position)})
      .second;
}

}  // namespace wavoria
