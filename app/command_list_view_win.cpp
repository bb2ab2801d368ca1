#include "app/command_list_view_win.h"

#include <map>

#include "app/app_state_win.h"
#include "app/win_util_win.h"
#include "dialogs/details_text.h"
#include "document/list_lines.h"
#include "resources/resource_ids.h"

namespace wavoria {

namespace {

// The size of the icon on the "Bearb." button.
constexpr int kDetailsIconSize = 32;

// Each kind's icon, loaded once and kept for the life of the program.
HICON KindIcon(int id) {
  static std::map<int, HICON> icons;
  auto found = icons.find(id);
  if (found != icons.end()) return found->second;
  HICON icon = LoadProgramIcon(id, kDetailsIconSize);
  icons.emplace(id, icon);
  return icon;
}

}  // namespace

void RefreshCommandList(HWND window) {
  if (window == nullptr) return;
  HWND list = GetDlgItem(window, IDC_MAIN_LIST);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : BuildListLines(App().Document)) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  RefreshLabelAndTitle(window);
  SelectLine(window, 0);
}

void RefreshLabelAndTitle(HWND window) {
  if (window == nullptr) return;
  SetItemText(window, IDC_MAIN_LABEL, ListCaption(App().DocumentPath));
  SendMessageA(window, WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(WindowTitle(App().DocumentPath).c_str()));
}

void RefreshDetails(HWND window) {
  if (window == nullptr) return;
  const Details details = DetailsOf(App().Document, SelectedLine(window), App().DocumentPath);
  SetItemText(window, IDC_MAIN_DETAILS_TEXT, details.Text);
  SetItemText(window, IDC_MAIN_SECTION, details.SectionLabel);
  SetItemText(window, IDC_MAIN_NEXT, details.NextLabel);
  SendDlgItemMessageA(window, IDC_MAIN_DETAILS_BUTTON, BM_SETIMAGE, IMAGE_ICON,
                      reinterpret_cast<LPARAM>(KindIcon(details.Icon)));
}

int SelectedLine(HWND window) {
  if (window == nullptr) return -1;
  const LRESULT line = SendDlgItemMessageA(window, IDC_MAIN_LIST, LB_GETCURSEL, 0, 0);
  return line == LB_ERR ? -1 : static_cast<int>(line);
}

void SelectLine(HWND window, int line) {
  if (window == nullptr) return;
  SendDlgItemMessageA(window, IDC_MAIN_LIST, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
  RefreshDetails(window);
}

}  // namespace wavoria
