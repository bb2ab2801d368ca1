#include "app/command_list_view_win.h"

#include <map>
#include <string>
#include <vector>

#include "dialogs/details_text.h"
#include "document/list_diff.h"
#include "document/list_lines.h"
#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"

namespace wavoria {

namespace {

// Each kind's icon at the system's icon size, loaded once and kept for the
// life of the program.
HICON KindIcon(int id) {
  static std::map<int, HICON> icons;
  auto found = icons.find(id);
  if (found != icons.end()) return found->second;
  HICON icon = LoadProgramIcon(id);
  icons.emplace(id, icon);
  return icon;
}

// What the main window's controls show, so that a refresh writes only what
// changed. Each belongs to one window: another main window starts afresh.
struct ShownList {
  HWND List = nullptr;
  std::vector<std::string> Lines;
  std::vector<std::string> Wanted;  // the new lines, kept for their memory
};
struct ShownDetails {
  HWND Window = nullptr;  // nullptr: every control is written on the next refresh
  Details Shown;
};
struct ShownTitle {
  HWND Window = nullptr;
  std::string Path;
  bool Modified = false;
};
ShownList shownList;
ShownDetails shownDetails;
ShownTitle shownTitle;

// The lines of a list box that its client area holds whole.
int VisibleListLines(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  const LRESULT height = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
  return height > 0 ? static_cast<int>((client.bottom - client.top) / height) : 1;
}

// Replaces all of the details box's text. Under Wine's default theme the
// box's scroll bar takes 4 to 5 ms to paint, and the box paints it each time
// its text changes: replacing the selected text paints it once, WM_SETTEXT
// twice. The caret and the view end at the start of the text.
void ReplaceDetailsText(HWND window, const std::string& text) {
  HWND box = GetDlgItem(window, IDC_MAIN_DETAILS_TEXT);
  SendMessageA(box, EM_SETSEL, 0, -1);
  SendMessageA(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(box, EM_SETSEL, 0, 0);
  SendMessageA(box, EM_SCROLLCARET, 0, 0);
}

void SelectAndShow(HWND window, int line) {
  SendDlgItemMessageA(window, IDC_MAIN_LIST, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
  RefreshDetails(window);
  RefreshLabelAndTitle(window);
}

}  // namespace

void RefreshCommandList(HWND window) {
  if (window == nullptr) return;
  HWND list = GetDlgItem(window, IDC_MAIN_LIST);
  // A refill writes everything anew, also into a window that reuses an old handle.
  shownList.List = list;
  BuildListLines(App().Document, shownList.Lines);
  shownDetails.Window = nullptr;
  shownTitle.Window = nullptr;
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : shownList.Lines) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  SelectAndShow(window, 0);
}

void UpdateCommandList(HWND window, int line) {
  if (window == nullptr) return;
  HWND list = GetDlgItem(window, IDC_MAIN_LIST);
  if (shownList.List != list ||
      SendMessageA(list, LB_GETCOUNT, 0, 0) != static_cast<LRESULT>(shownList.Lines.size())) {
    RefreshCommandList(window);
    SelectAndShow(window, line);
    return;
  }
  std::vector<std::string>& wanted = shownList.Wanted;
  BuildListLines(App().Document, wanted);
  const std::vector<ListEdit> edits = DiffListLines(shownList.Lines, wanted);
  const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  const int kept = KeptTopLine(top, line, VisibleListLines(list), static_cast<int>(wanted.size()));
  shownList.Lines.swap(wanted);
  const std::vector<std::string>& lines = shownList.Lines;
  if (!edits.empty() || kept != top) {
    // Without redrawing, the box sets and paints its scroll bar once for all
    // edits instead of after each, and then paints its view once.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (const ListEdit& edit : edits) {
      const auto at = static_cast<WPARAM>(edit.Line);
      if (edit.What != ListEdit::kInsert) SendMessageA(list, LB_DELETESTRING, at, 0);
      if (edit.What != ListEdit::kDelete) {
        SendMessageA(list, LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(lines[at].c_str()));
      }
    }
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(kept), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
  }
  SelectAndShow(window, line);
}

void RefreshLabelAndTitle(HWND window) {
  if (window == nullptr) return;
  // The title follows the history: undoing back to the saved script clears the mark.
  const bool modified = App().History.Modified();
  if (shownTitle.Window == window && shownTitle.Path == App().DocumentPath &&
      shownTitle.Modified == modified) {
    return;
  }
  shownTitle = {window, App().DocumentPath, modified};
  SetItemText(window, IDC_MAIN_LABEL, ListCaption(App().DocumentPath));
  SendMessageA(window, WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(WindowTitle(App().DocumentPath, modified).c_str()));
}

void RefreshDetails(HWND window) {
  if (window == nullptr) return;
  const Details details = DetailsOf(App().Document, SelectedLine(window), App().DocumentPath);
  const bool known = shownDetails.Window == window;
  Details& shown = shownDetails.Shown;
  auto write = [&](int id, std::string& was, const std::string& now) {
    if (known && was == now) return;
    SetItemText(window, id, now);
    was = now;
  };
  if (!known || shown.Text != details.Text) ReplaceDetailsText(window, details.Text);
  shown.Text = details.Text;
  write(IDC_MAIN_SECTION, shown.SectionLabel, details.SectionLabel);
  write(IDC_MAIN_NEXT, shown.NextLabel, details.NextLabel);
  if (!known || shown.Icon != details.Icon) {
    SendDlgItemMessageA(window, IDC_MAIN_DETAILS_BUTTON, BM_SETIMAGE, IMAGE_ICON,
                        reinterpret_cast<LPARAM>(KindIcon(details.Icon)));
    shown.Icon = details.Icon;
  }
  shownDetails.Window = window;
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
