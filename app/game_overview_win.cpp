#include "app/game_overview_win.h"

// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/command_list_view_win.h"
#include "app/file_commands_win.h"
#include "app/game_overview.h"
#include "app/window_layout_win.h"
#include "document/text.h"
#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"
#include "wizard/program_choosers_win.h"
#include "wizard/wizard_flow.h"

namespace wavoria {

namespace {

// The widths of the columns in dialog units, in their order.
constexpr int kColumnWidths[kOverviewColumns] = {126, 30, 66, 56, 30, 180};

// The images of the rows' marks in the list's image list.
constexpr int kClashImage = 0;
constexpr int kNoteImage = 1;

// What one open overview shows.
struct Overview {
  std::string Folder;  // the game folder
  GameModel Game;
  std::vector<GameClash> Clashes;
  std::vector<OverviewRow> Rows;  // as the list shows them
  OverviewSort Sort;
  HWND Editor = nullptr;  // the main window, which opens a row's script
};

// The overview open on this thread and the filter that gives it F5.
HWND overviewWindow = nullptr;
HHOOK keyFilter = nullptr;

Overview& OverviewOf(HWND dialog) {
  return *reinterpret_cast<Overview*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

HWND List(HWND dialog) {
  return GetDlgItem(dialog, IDC_OVERVIEW_LIST);
}

int SelectedRow(HWND dialog) {
  return static_cast<int>(
      SendMessageA(List(dialog), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SelectRow(HWND dialog, int row) {
  LVITEMA state = {};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = state.stateMask;
  SendMessageA(List(dialog), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&state));
  SendMessageA(List(dialog), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

// F5 reads the game again, wherever the focus is in the overview: a filter of
// this thread's messages, as the overview's own modal loop translates no keys.
LRESULT CALLBACK TranslateOverviewKeys(int code, WPARAM wparam, LPARAM lparam) {
  const MSG& message = *reinterpret_cast<const MSG*>(lparam);
  if (code == MSGF_DIALOGBOX && message.message == WM_KEYDOWN && message.wParam == VK_F5 &&
      overviewWindow != nullptr &&
      (message.hwnd == overviewWindow || IsChild(overviewWindow, message.hwnd))) {
    PostMessageA(overviewWindow, WM_COMMAND, IDC_OVERVIEW_REFRESH, 0);
    return TRUE;
  }
  return CallNextHookEx(keyFilter, code, wparam, lparam);
}

// Shows the sort in the column titles with the system's arrows.
void ShowSortArrows(HWND dialog, OverviewSort sort) {
  HWND header = ListView_GetHeader(List(dialog));
  for (int c = 0; c < kOverviewColumns; ++c) {
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&item));
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (c == sort.Column) item.fmt |= sort.Descending ? HDF_SORTDOWN : HDF_SORTUP;
    SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&item));
  }
}

// Sorts the rows as the overview's sort says and keeps the selected row
// selected.
void ShowRowsSorted(HWND dialog) {
  Overview& overview = OverviewOf(dialog);
  const int selected = SelectedRow(dialog);
  const int order = selected >= 0 ? overview.Rows[static_cast<std::size_t>(selected)].Order : -1;
  SortRows(overview.Rows, overview.Sort);
  ShowSortArrows(dialog, overview.Sort);
  const auto at = std::find_if(overview.Rows.begin(), overview.Rows.end(),
                               [&](const OverviewRow& row) { return row.Order == order; });
  InvalidateRect(List(dialog), nullptr, FALSE);
  if (at != overview.Rows.end()) SelectRow(dialog, static_cast<int>(at - overview.Rows.begin()));
}

// Reads the game and shows it, sorted as before; the first row is selected.
void ReadAndShow(HWND dialog) {
  Overview& overview = OverviewOf(dialog);
  {
    HCURSOR before = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    overview.Game = ReadGame(overview.Folder, App().Tables.Actions);
    overview.Clashes = FindClashes(overview.Game);
    overview.Rows = OverviewRows(overview.Game, overview.Clashes);
    SortRows(overview.Rows, overview.Sort);
    SetCursor(before);
  }
  SetItemText(dialog, IDC_OVERVIEW_COUNT, CountLine(overview.Game, overview.Clashes));
  // The rows of the game read before are gone: so is their selection.
  LVITEMA none = {};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(List(dialog), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
               reinterpret_cast<LPARAM>(&none));
  SendMessageA(List(dialog), LVM_SETITEMCOUNT, overview.Rows.size(), 0);
  InvalidateRect(List(dialog), nullptr, FALSE);
  if (!overview.Rows.empty()) SelectRow(dialog, 0);
}

void AddColumns(HWND dialog) {
  for (int c = 0; c < kOverviewColumns; ++c) {
    RECT width = {0, 0, kColumnWidths[c], 0};
    MapDialogRect(dialog, &width);
    const std::string title(kOverviewTitles[static_cast<std::size_t>(c)]);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = c == static_cast<int>(OverviewColumn::kLine) ||
                         c == static_cast<int>(OverviewColumn::kValue)
                     ? LVCFMT_RIGHT
                     : LVCFMT_LEFT;
    column.cx = width.right;
    column.pszText = const_cast<char*>(title.c_str());
    SendMessageA(List(dialog), LVM_INSERTCOLUMNA, static_cast<WPARAM>(c),
                 reinterpret_cast<LPARAM>(&column));
  }
}

// The system's warning and information icons at the size of small icons.
void AddMarkImages(HWND dialog) {
  const int size = GetSystemMetrics(SM_CXSMICON);
  HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 2, 0);
  for (LPCSTR icon : {IDI_WARNING, IDI_INFORMATION}) {
    auto image = static_cast<HICON>(LoadImageA(nullptr, icon, IMAGE_ICON, size, size, LR_SHARED));
    ImageList_AddIcon(images, image);
  }
  // The list destroys it with itself.
  SendMessageA(List(dialog), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

BOOL Initialise(HWND dialog, Overview& overview) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&overview));
  SetSmallIcon(dialog, IDI_WAVORIA);
  SetWindowTextA(dialog, ("Spielübersicht - " + overview.Folder).c_str());
  SendMessageA(List(dialog), LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP | LVS_EX_INFOTIP | LVS_EX_DOUBLEBUFFER);
  AddColumns(dialog);
  AddMarkImages(dialog);
  RememberStartLayout(dialog, GameOverviewPlace);
  overviewWindow = dialog;
  keyFilter = SetWindowsHookExA(WH_MSGFILTER, TranslateOverviewKeys, nullptr, GetCurrentThreadId());
  ReadAndShow(dialog);
  SetFocus(List(dialog));
  return FALSE;  // the focus is set
}

// The text and image of a row as the list asks for them.
void FillItem(HWND dialog, LVITEMA& item) {
  const Overview& overview = OverviewOf(dialog);
  if (item.iItem < 0 || item.iItem >= static_cast<int>(overview.Rows.size())) return;
  const OverviewRow& row = overview.Rows[static_cast<std::size_t>(item.iItem)];
  if ((item.mask & LVIF_TEXT) != 0 && item.iSubItem >= 0 && item.iSubItem < kOverviewColumns &&
      item.cchTextMax > 0) {
    lstrcpynA(item.pszText, row.Cells[static_cast<std::size_t>(item.iSubItem)].c_str(),
              item.cchTextMax);
  }
  if ((item.mask & LVIF_IMAGE) != 0) {
    item.iImage = row.Mark == RowMark::kClash  ? kClashImage
                  : row.Mark == RowMark::kNote ? kNoteImage
                                               : -1;
  }
}

// Opens the script of a row in the editor with its command selected, after
// the save prompt, and closes the overview. A row of "autorun.script" or of
// a script that is not there opens nothing.
void OpenRow(HWND dialog, int index) {
  const Overview& overview = OverviewOf(dialog);
  if (index < 0 || index >= static_cast<int>(overview.Rows.size())) return;
  const OverviewRow& row = overview.Rows[static_cast<std::size_t>(index)];
  if (row.Script < 0 ||
      overview.Game.Scripts[static_cast<std::size_t>(row.Script)].State != ScriptState::kRead) {
    RefuseWithSound();
    return;
  }
  const std::string path = overview.Game.Scripts[static_cast<std::size_t>(row.Script)].Path;
  const int position = row.Position;
  if (!MayDropChanges(dialog) || !OpenScriptFile(dialog, path)) return;
  RefreshCommandList(overview.Editor);
  const int last = App().Document.LastPosition();
  SelectLines(overview.Editor, position <= last ? position : 0);
  EndDialog(dialog, 0);
}

// Type-ahead: the first row from the list's start on, round to it again,
// whose script begins with the typed text (letters A to Z in any case); -1
// for none.
int FindRow(const Overview& overview, const NMLVFINDITEMA& find) {
  if ((find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.lvfi.psz == nullptr) return -1;
  const std::string_view typed = find.lvfi.psz;
  const int count = static_cast<int>(overview.Rows.size());
  for (int i = 0; i < count; ++i) {
    const int at = (std::max(find.iStart, 0) + i) % count;
    const std::string& script = overview.Rows[static_cast<std::size_t>(at)].Cells[0];
    if (StartsWithIgnoreCase(script, typed)) return at;
  }
  return -1;
}

BOOL OnNotify(HWND dialog, const NMHDR& notice) {
  // Nothing is shown before the window has its overview.
  if (notice.idFrom != IDC_OVERVIEW_LIST || GetWindowLongPtrA(dialog, DWLP_USER) == 0) {
    return FALSE;
  }
  Overview& overview = OverviewOf(dialog);
  switch (notice.code) {
    case LVN_GETDISPINFOA:
      FillItem(dialog, reinterpret_cast<NMLVDISPINFOA&>(const_cast<NMHDR&>(notice)).item);
      return TRUE;
    case LVN_COLUMNCLICK: {
      const auto column = reinterpret_cast<const NMLISTVIEW&>(notice).iSubItem;
      overview.Sort = SortAfterClick(overview.Sort, static_cast<OverviewColumn>(column));
      ShowRowsSorted(dialog);
      return TRUE;
    }
    case NM_DBLCLK:
      OpenRow(dialog, reinterpret_cast<const NMITEMACTIVATE&>(notice).iItem);
      return TRUE;
    case LVN_GETINFOTIPA: {  // the whole note of the row under the mouse
      auto& tip = reinterpret_cast<NMLVGETINFOTIPA&>(const_cast<NMHDR&>(notice));
      if (tip.iItem >= 0 && tip.iItem < static_cast<int>(overview.Rows.size()) &&
          tip.cchTextMax > 0) {
        const OverviewRow& row = overview.Rows[static_cast<std::size_t>(tip.iItem)];
        lstrcpynA(tip.pszText, row.Cells[static_cast<std::size_t>(OverviewColumn::kNote)].c_str(),
                  tip.cchTextMax);
      }
      return TRUE;
    }
    case LVN_ODFINDITEMA:  // typing the start of a script's name goes to its row
      SetWindowLongPtrA(dialog, DWLP_MSGRESULT,
                        FindRow(overview, reinterpret_cast<const NMLVFINDITEMA&>(notice)));
      return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK GameOverviewProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      return Initialise(dialog, *reinterpret_cast<Overview*>(lparam));
    case WM_GETMINMAXINFO:
      LimitToStartSize(dialog, *reinterpret_cast<MINMAXINFO*>(lparam));
      return TRUE;
    case WM_SIZE:
      FollowWindowSize(dialog);
      return TRUE;
    case WM_NOTIFY:
      return OnNotify(dialog, *reinterpret_cast<const NMHDR*>(lparam));
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    case WM_DESTROY:
      if (keyFilter != nullptr) UnhookWindowsHookEx(keyFilter);
      keyFilter = nullptr;
      overviewWindow = nullptr;
      return FALSE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDOK:  // Eingabe opens the selected row
          if (GetFocus() == List(dialog)) OpenRow(dialog, SelectedRow(dialog));
          return TRUE;
        case IDC_OVERVIEW_REFRESH:
          ReadAndShow(dialog);
          return TRUE;
        case IDCANCEL:  // Esc
        case IDC_OVERVIEW_CLOSE:
          EndDialog(dialog, 0);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace

void ShowGameOverview(HWND window) {
  const std::string runtime =
      ChooseProgramFile(window, ProgramFile::GameRuntime,
                        GameChooserPreset(App().DocumentPath, ShowPaths(App().Wizard).GameFile));
  if (runtime.empty()) return;
  Overview overview;
  overview.Folder = FolderOf(runtime);
  overview.Editor = window;
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_GAME_OVERVIEW), window,
                  GameOverviewProc, reinterpret_cast<LPARAM>(&overview));
}

}  // namespace wavoria
