#include "app/command_list_view_win.h"

#include <string>
#include <vector>

#include "app/app_state_win.h"
#include "app/details_box_win.h"
#include "app/details_button_win.h"
#include "app/list_painting_win.h"
#include "app/list_scroll_bar_win.h"
#include "app/win_util_win.h"
#include "dialogs/details_text.h"
#include "document/list_diff.h"
#include "document/list_lines.h"
#include "resources/resource_ids.h"

namespace wavoria {

namespace {

// What the main window's controls show, so that a refresh writes only what
// changed. Each belongs to one window: another main window starts afresh.
struct ShownList {
  HWND List = nullptr;
  std::vector<std::string> Lines;
  std::vector<std::string> Wanted;  // the new lines, kept for their memory
};
struct ShownDetails {
  HWND Window = nullptr;  // nullptr: every control is written on the next refresh
  std::string Text;       // the icon is kept by the "Bearb." button itself
  std::string SectionLabel;
  std::string NextLabel;
};
struct ShownTitle {
  HWND Window = nullptr;
  std::string Path;
};
ShownList shownList;
ShownDetails shownDetails;
ShownTitle shownTitle;

// The line the list shows at `line`, nullptr outside the list.
const std::string* ShownLine(HWND list, WPARAM line) {
  if (list != shownList.List || line >= shownList.Lines.size()) return nullptr;
  return &shownList.Lines[line];
}

// The list box holds no texts of its own: its procedure answers LB_GETTEXT
// and LB_GETTEXTLEN from the shown lines (for programs that read the list,
// such as the tests), and typing a character selects the next line that
// begins with it, as a list box with texts does. It replaces the box's
// procedure rather than using SetWindowSubclass, whose lookup of its data
// costs a call into the Wine server on every message to the box.
WNDPROC listBoxProc = nullptr;
LRESULT CALLBACK CommandListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case LB_GETTEXTLEN:
    case LB_GETTEXT: {
      const std::string* text = ShownLine(list, wparam);
      if (text == nullptr) return LB_ERR;
      if (message == LB_GETTEXT) {
        char* out = reinterpret_cast<char*>(lparam);
        out[text->copy(out, text->size())] = '\0';
      }
      return static_cast<LRESULT>(text->size());
    }
    case WM_CHAR: {
      const auto count = static_cast<int>(shownList.Lines.size());
      const auto from = static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0));
      // CharUpperA takes a character in place of a pointer when the high word is 0.
      const auto wanted =
          reinterpret_cast<UINT_PTR>(CharUpperA(reinterpret_cast<LPSTR>(wparam & 0xFF)));
      for (int step = 1; list == shownList.List && step <= count; ++step) {
        const int line = (from + step) % count;
        const std::string& text = shownList.Lines[static_cast<std::size_t>(line)];
        const auto first = static_cast<unsigned char>(text.empty() ? '\0' : text[0]);
        if (reinterpret_cast<UINT_PTR>(CharUpperA(reinterpret_cast<LPSTR>(first))) != wanted) {
          continue;
        }
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
        SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        break;
      }
      return 0;
    }
  }
  const LRESULT result = CallWindowProcA(listBoxProc, list, message, wparam, lparam);
  SetListScrollBarAfter(list, message, wparam);
  return result;
}

void SelectAndShow(HWND window, int line) {
  HWND list = GetDlgItem(window, IDC_MAIN_LIST);
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
  RefreshDetails(window);
  RefreshLabelAndTitle(window);
}

}  // namespace

bool MeasureCommandLine(HWND window, MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTBOX || item.CtlID != IDC_MAIN_LIST) return false;
  // As high as a list box with texts makes its lines: the dialog font's height.
  const int height = FontLineHeight(window);
  item.itemHeight = static_cast<UINT>(height > 0 ? height : 13);
  return true;
}

bool DrawCommandLine(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTBOX || item.CtlID != IDC_MAIN_LIST) return false;
  // Drawn as the list box draws a line with text: the box's font and colours,
  // the selection's colours, the text one pixel in and clipped, the focus rectangle.
  const std::string* text = ShownLine(item.hwndItem, item.itemID);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const COLORREF back =
      selected ? SetBkColor(item.hDC, GetSysColor(COLOR_HIGHLIGHT)) : GetBkColor(item.hDC);
  const COLORREF fore =
      selected ? SetTextColor(item.hDC, GetSysColor(COLOR_HIGHLIGHTTEXT)) : GetTextColor(item.hDC);
  if (!IsWindowEnabled(item.hwndItem)) SetTextColor(item.hDC, GetSysColor(COLOR_GRAYTEXT));
  RECT area = item.rcItem;
  ExtTextOutA(item.hDC, area.left + 1, area.top, ETO_OPAQUE | ETO_CLIPPED, &area,
              text != nullptr ? text->c_str() : "",
              text != nullptr ? static_cast<UINT>(text->size()) : 0, nullptr);
  SetBkColor(item.hDC, back);
  SetTextColor(item.hDC, fore);
  // After LB_SETCURSEL the box paints the newly selected line without the
  // focus rectangle that it drew on it just before: the selected caret line
  // of a box with the focus gets its rectangle whenever it is painted.
  const bool caret =
      item.itemAction == ODA_SELECT && selected && GetFocus() == item.hwndItem &&
      SendMessageA(item.hwndItem, LB_GETCARETINDEX, 0, 0) == static_cast<LRESULT>(item.itemID);
  if (((item.itemState & ODS_FOCUS) != 0 || caret) && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    DrawFocusRect(item.hDC, &area);
  }
  return true;
}

void RefreshCommandList(HWND window) {
  if (window == nullptr) return;
  HWND list = GetDlgItem(window, IDC_MAIN_LIST);
  if (GetWindowLongPtrA(list, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(CommandListProc)) {
    listBoxProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CommandListProc)));
  }
  // A refill writes everything anew, also into a window that reuses an old handle.
  shownList.List = list;
  BuildListLines(App().Document, shownList.Lines);
  shownDetails.Window = nullptr;
  shownTitle.Window = nullptr;
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  SendMessageA(list, LB_SETCOUNT, shownList.Lines.size(), 0);
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
  // The box draws its lines from shownList: a replaced line is only painted
  // again, at once. Inserting or deleting lines is done without redrawing, so
  // that the scroll bar is set once for all of them, and afterwards
  // everything below the first inserted or deleted line is painted again.
  // The whole box is painted when its view moved (to keep the selection in
  // it, or because the box left no empty space at the end) or its scroll bar
  // came or went.
  RECT client{};
  GetClientRect(list, &client);
  bool shifted = false;
  for (const ListEdit& edit : edits) shifted = shifted || edit.What != ListEdit::kReplace;
  bool moved = kept != top;
  // What the box still had to paint is painted first, with the lines it
  // shows now: below, the box is validated, the lines it shows are moved and
  // only what changed is painted again.
  if (shifted || moved) RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
  shownList.Lines.swap(wanted);
  if (shifted || moved) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (const ListEdit& edit : edits) {
      const auto at = static_cast<WPARAM>(edit.Line);
      if (edit.What == ListEdit::kDelete) SendMessageA(list, LB_DELETESTRING, at, 0);
      if (edit.What == ListEdit::kInsert) SendMessageA(list, LB_INSERTSTRING, at, 0);
    }
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(kept), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    RECT now{};
    GetClientRect(list, &now);
    moved = moved || SendMessageA(list, LB_GETTOPINDEX, 0, 0) != top || now.right != client.right;
  }
  if (!shifted && !moved) {
    for (const ListEdit& edit : edits) PaintListLineNow(list, edit.Line);
  } else if (!moved && edits.size() == 1) {
    ValidateRect(list, nullptr);
    ShiftListLinesNow(list, edits.front().What == ListEdit::kInsert, edits.front().Line, client);
  } else if (!moved) {
    ValidateRect(list, nullptr);
    for (const ListEdit& edit : edits) {
      RECT item{};
      SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(edit.Line),
                   reinterpret_cast<LPARAM>(&item));
      if (edit.What != ListEdit::kReplace) item.bottom = client.bottom;
      InvalidateRect(list, &item, TRUE);
      if (edit.What != ListEdit::kReplace) break;
    }
  } else {
    InvalidateRect(list, nullptr, TRUE);
  }
  SelectAndShow(window, line);
}

void RefreshLabelAndTitle(HWND window) {
  if (window == nullptr) return;
  if (shownTitle.Window == window && shownTitle.Path == App().DocumentPath) return;
  shownTitle = {window, App().DocumentPath};
  SetItemText(window, IDC_MAIN_LABEL, ListCaption(App().DocumentPath));
  SendMessageA(window, WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(WindowTitle(App().DocumentPath).c_str()));
}

void RefreshDetails(HWND window) {
  if (window == nullptr) return;
  const Details details = DetailsOf(App().Document, SelectedLine(window), App().DocumentPath);
  const bool known = shownDetails.Window == window;
  auto write = [&](int id, std::string& was, const std::string& now) {
    if (known && was == now) return;
    SetItemText(window, id, now);
    was = now;
  };
  if (!known || shownDetails.Text != details.Text) {
    ShowDetailsText(window, details.Text);
    shownDetails.Text = details.Text;
  }
  write(IDC_MAIN_SECTION, shownDetails.SectionLabel, details.SectionLabel);
  write(IDC_MAIN_NEXT, shownDetails.NextLabel, details.NextLabel);
  ShowDetailsIcon(GetDlgItem(window, IDC_MAIN_DETAILS_BUTTON), details.Icon);
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
