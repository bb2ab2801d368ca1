#include "app/command_list_view_win.h"

#include <windowsx.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/list_selection.h"
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

// The room of the details box: the lines it shows without scrolling and the
// characters a line holds.
DetailsRoom RoomOfDetailsBox(HWND window) {
  HWND box = GetDlgItem(window, IDC_MAIN_DETAILS_TEXT);
  RECT text{};
  SendMessageA(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  TEXTMETRICA metrics{};
  HDC dc = GetDC(box);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)));
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(box, dc);
  const auto per = [](LONG room, LONG unit) {
    return std::size_t(unit > 0 ? std::max(room / unit, 1L) : 1);
  };
  return {per(text.bottom - text.top, metrics.tmHeight),
          per(text.right - text.left, metrics.tmAveCharWidth)};
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

// The selected items of a list box, in ascending order, and its focus.
std::vector<int> SelectedItems(HWND list) {
  const LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
  std::vector<int> items(count > 0 ? static_cast<std::size_t>(count) : 0);
  if (!items.empty()) {
    SendMessageA(list, LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
  }
  return items;
}
int Caret(HWND list) {
  return static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0));
}

// The line of `lines` that gets the focus: the end of the range on whose
// side the focus is now, so that Umschalt goes on growing or shrinking it
// from there.
int CaretLineFor(HWND list, LineRange lines) {
  const LRESULT anchor = SendMessageA(list, LB_GETANCHORINDEX, 0, 0);
  return Caret(list) < anchor ? lines.First : lines.Last;
}

// Selects `lines` in the list box, the focus on `caret` and the anchor at the
// other end, and scrolls no further than needed to show the focus.
void ShowSelection(HWND list, LineRange lines, int caret) {
  SendMessageA(list, LB_SETSEL, FALSE, -1);
  SendMessageA(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(lines.First, lines.Last));
  SendMessageA(list, LB_SETANCHORINDEX, caret == lines.First ? lines.Last : lines.First, 0);
  SendMessageA(list, LB_SETCARETINDEX, static_cast<WPARAM>(caret), FALSE);
  const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  const int kept = KeptTopLine(top, caret, VisibleListLines(list), ListBox_GetCount(list));
  if (kept != top) SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(kept), 0);
}

void SelectAndShow(HWND window, LineRange lines, int caret) {
  ShowSelection(GetDlgItem(window, IDC_MAIN_LIST), lines, caret);
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
  SetWindowRedraw(list, FALSE);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : shownList.Lines) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  SetWindowRedraw(list, TRUE);
  InvalidateRect(list, nullptr, TRUE);
  SelectAndShow(window, 0, 0);
}

void UpdateCommandList(HWND window, LineRange lines) {
  if (window == nullptr) return;
  HWND list = GetDlgItem(window, IDC_MAIN_LIST);
  const int caret = CaretLineFor(list, lines);
  if (shownList.List != list ||
      ListBox_GetCount(list) != static_cast<int>(shownList.Lines.size())) {
    RefreshCommandList(window);
    SelectAndShow(window, lines, caret);
    return;
  }
  std::vector<std::string>& wanted = shownList.Wanted;
  BuildListLines(App().Document, wanted);
  const std::vector<ListEdit> edits = DiffListLines(shownList.Lines, wanted);
  const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  const int kept = KeptTopLine(top, caret, VisibleListLines(list), static_cast<int>(wanted.size()));
  shownList.Lines.swap(wanted);
  const std::vector<std::string>& text = shownList.Lines;
  if (!edits.empty()) {  // without edits, SelectAndShow keeps the top line
    // Without redrawing, the box sets and paints its scroll bar once for all
    // edits instead of after each, and then paints its view once.
    SetWindowRedraw(list, FALSE);
    // A line replaced takes two messages; when that comes to more than the
    // lines, filling the box anew costs less.
    std::size_t messages = 0;
    for (const ListEdit& edit : edits) messages += edit.What == ListEdit::kReplace ? 2 : 1;
    if (messages > text.size()) {
      SendMessageA(list, LB_RESETCONTENT, 0, 0);
      for (const std::string& line : text) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
      }
    } else {
      for (const ListEdit& edit : edits) {
        const auto at = static_cast<WPARAM>(edit.Line);
        if (edit.What != ListEdit::kInsert) SendMessageA(list, LB_DELETESTRING, at, 0);
        if (edit.What != ListEdit::kDelete) {
          SendMessageA(list, LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(text[at].c_str()));
        }
      }
    }
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(kept), 0);
    SetWindowRedraw(list, TRUE);
    InvalidateRect(list, nullptr, TRUE);
  }
  SelectAndShow(window, lines, caret);
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
  const LineRange lines = SelectedLines(window);
  const Details details = lines.IsOneLine()
                              ? DetailsOf(App().Document, lines.First, App().DocumentPath)
                              : DetailsOfRange(shownList.Lines, lines, RoomOfDetailsBox(window));
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

LineRange SelectedLines(HWND window) {
  if (window == nullptr) return {};
  HWND list = GetDlgItem(window, IDC_MAIN_LIST);
  return RangeOfSelection(App().Document, SelectedItems(list));
}

void SelectLines(HWND window, LineRange lines) {
  if (window == nullptr) return;
  HWND list = GetDlgItem(window, IDC_MAIN_LIST);
  ShowSelection(list, lines, CaretLineFor(list, lines));
  RefreshDetails(window);
}

void FollowSelection(HWND window) {
  HWND list = GetDlgItem(window, IDC_MAIN_LIST);
  const std::vector<int> items = SelectedItems(list);
  const int caret = Caret(list);
  LineRange lines = RangeOfSelection(App().Document, items);
  // A range is made with Umschalt, Strg or the mouse; Wine's list box also
  // selects from its anchor to the line found by a typed letter.
  const bool rangeKeys =
      GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_LBUTTON) < 0;
  if (lines.First < 0 || (!lines.IsOneLine() && !rangeKeys)) lines = caret;  // one line stays
  const bool formsIt = !items.empty() && static_cast<int>(items.size()) == lines.Count() &&
                       items.front() == lines.First;
  if (!formsIt) ShowSelection(list, lines, std::clamp(caret, lines.First, lines.Last));
  RefreshDetails(window);
}

const std::vector<std::string>& ShownLines() {
  return shownList.Lines;
}

}  // namespace wavoria
