// The game overview and the clash warning driven for real on a game of twelve
// scripts: "Spielübersicht…" starts the chooser at the open script's game and
// shows the core's rows and count; clicks on two column titles sort the list
// by two columns; a double-click opens a row's script at its command, Eingabe
// after the save prompt, and on a row of autorun.script it only sounds; F5
// reads the game again and Esc closes; a second program reads the rows as a
// screen reader does. Dialogs 5000 and 5100 ask before they keep a clash, and
// Nein leaves their input as it was.
#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <sstream>

#include "app/editor_rules.h"
#include "app/game_overview.h"
#include "editor_test_support.h"
#include "tests/game_folder.h"
#include "wizard/game_clashes.h"

namespace wavoria {
namespace {

using namespace testing;

// The rows of a list view as a screen reader reads them, also from another
// process: each cell through LVM_GETITEMTEXTW into memory of the list's
// process, in the program's code page, one row a line, cells joined with "|".
std::string ListViewRows(HWND list) {
  DWORD id = 0;
  GetWindowThreadProcessId(list, &id);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
  constexpr int kChars = 1024;
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kChars * 2, MEM_COMMIT, PAGE_READWRITE));
  std::string rows;
  for (int row = 0; row < int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); ++row) {
    for (int c = 0; c < kOverviewColumns; ++c) {
      LVITEMW item = {};
      item.iSubItem = c, item.cchTextMax = kChars;
      item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof item);
      WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
      std::wstring wide(
          std::max<LRESULT>(SendMessageW(list, LVM_GETITEMTEXTW, row, LPARAM(remote)), 0), L'\0');
      ReadProcessMemory(process, remote + sizeof item, wide.data(), wide.size() * 2, nullptr);
      std::string text(wide.size(), '\0');
      WideCharToMultiByte(1252, 0, wide.data(), int(wide.size()), text.data(), int(text.size()),
                          nullptr, nullptr);
      rows += (c > 0 ? "|" : "") + text;
    }
    rows += "\n";
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return rows;
}

// One row of ListViewRows, without its line end.
std::string RowText(HWND list, int row) {
  std::istringstream rows(ListViewRows(list));
  std::string line;
  for (int n = 0; n <= row && std::getline(rows, line); ++n) {
  }
  return line;
}

std::string CoreRows(const std::vector<OverviewRow>& rows) {
  std::string text;
  for (const OverviewRow& row : rows) {
    for (int c = 0; c < kOverviewColumns; ++c) text += (c > 0 ? "|" : "") + row.Cells[c];
    text += "\n";
  }
  return text;
}

POINT Center(HWND window, RECT r) {
  POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(window, &p);
  return p;
}

// A click on a column's title, as the mouse makes it.
void ClickTitle(HWND list, int column) {
  HWND header = HWND(SendMessageA(list, LVM_GETHEADER, 0, 0));
  RECT r{};
  SendMessageA(header, HDM_GETITEMRECT, column, LPARAM(&r));
  ClickAt(Center(header, r));
}

// The overview's column titles: the sort's arrow on its column only;
// numbers to the right.
void ExpectTitles(HWND overview, OverviewSort sort) {
  HWND header = HWND(SendDlgItemMessageA(overview, IDC_OVERVIEW_LIST, LVM_GETHEADER, 0, 0));
  for (int c = 0; c < kOverviewColumns; ++c) {
    HDITEMA item = {HDI_FORMAT};
    SendMessageA(header, HDM_GETITEMA, c, LPARAM(&item));
    const int arrow = c != int(sort.Column) ? 0 : sort.Descending ? HDF_SORTDOWN : HDF_SORTUP;
    const bool number = c == int(OverviewColumn::kLine) || c == int(OverviewColumn::kValue);
    EXPECT_EQ(std::pair(item.fmt & (HDF_SORTUP | HDF_SORTDOWN), item.fmt & HDF_JUSTIFYMASK),
              std::pair(arrow, number ? HDF_RIGHT : HDF_LEFT))
        << "column " << c;
  }
}

// A game of twelve scripts "a" to "l" in Sound, "a" started by autorun.script:
// each registers a key (F1 to F6, so each twice), a cheat and an output value.
class GameOverview : public EditorWindows {
 protected:
  void SetUp() override {
    EditorWindows::SetUp();
    std::vector<std::pair<std::string, std::string>> files = {
        {"autorun.script", "Sound\\a.script.wav\r\n"}};
    for (int i = 0; i < 12; ++i) {
      std::vector<std::string> commands = {
          "down F" + std::to_string(i % 6 + 1) + " " + std::to_string(10 + i),
          "cheat CODE" + std::to_string(i) + " " + std::to_string(30 + i),
          "output " + std::to_string(i)};
      if (i == 0) commands.insert(commands.begin(), "keys");
      files.emplace_back(std::string("Sound/") + char('a' + i) + ".script.wav",
                         HandMadeScript(commands));
    }
    WriteGame(game_.Path(), files);
    App().ScriptToOpen = Script('a');
  }
  std::string Script(char name) const {
    return game_.File(std::string("Sound\\") + name + ".script.wav");
  }
  std::string Runtime() const { return game_.File("RPG_RT.EXE"); }
  std::string Caption() const { return "Spielübersicht - " + game_.Path() + "\\"; }
  GameModel Game() const { return ReadGame(game_.Path(), App().Tables.Actions); }
  static HWND List(HWND overview) { return GetDlgItem(overview, IDC_OVERVIEW_LIST); }

  TempFolder game_{"overview"};
};

TEST_F(GameOverview, ShowsTheCoreRowsSortsByTwoColumnsAndOpensARowAtItsCommand) {
  ChooserStub chooser({Runtime()});
  const GameModel game = Game();
  const std::vector<GameClash> clashes = FindClashes(game);
  std::vector<OverviewRow> rows = OverviewRows(game, clashes);
  driver.Then(WindowTitle(Script('a')), [](HWND w) { Click(w, IDM_GAME_OVERVIEW); });
  driver.Then(Caption(), [&](HWND d) {
    EXPECT_EQ(GetItemText(d, IDC_OVERVIEW_COUNT), CountLine(game, clashes));
    EXPECT_EQ(ListViewRows(List(d)), CoreRows(rows));
    for (int row = 0; row < int(rows.size()); ++row) {  // the warning and the note image
      LVITEMA item = {LVIF_IMAGE, row};
      SendMessageA(List(d), LVM_GETITEMA, 0, LPARAM(&item));
      const RowMark mark = rows[row].Mark;
      EXPECT_EQ(item.iImage, mark == RowMark::kClash ? 0 : mark == RowMark::kNote ? 1 : -1) << row;
    }
    // Type-ahead: the first row from the one the list names (none: the
    // first) on, round to it again, whose script begins with the letters; a
    // search for anything but a text finds nothing.
    auto find = [d](int start, const char* typed, UINT flags = LVFI_PARTIAL) {
      NMLVFINDITEMA find = {{List(d), IDC_OVERVIEW_LIST, LVN_ODFINDITEMA}, start, {flags, typed}};
      return int(SendMessageA(d, WM_NOTIFY, IDC_OVERVIEW_LIST, LPARAM(&find)));
    };
    auto first = [&](char script) {  // the rows come by script, "a" first
      return int(std::ranges::find_if(rows, [&](auto& r) { return r.Cells[0][0] == script; }) -
                 rows.begin());
    };
    EXPECT_EQ(std::tuple(find(-1, "A"), find(first('c') + 1, "c"), find(first('c'), "b"),
                         find(0, "x"), find(0, "a", LVFI_PARAM)),
              std::tuple(0, first('c') + 1, first('b'), -1, -1));
    ClickTitle(List(d), int(OverviewColumn::kScript));
  });
  std::string clicked;  // a row clicked stays selected when the rows are sorted
  driver.Then(Caption(), [&](HWND d) {
    ExpectTitles(d, SortAfterClick({}, OverviewColumn::kScript));
    RECT r = {LVIR_BOUNDS};
    SendMessageA(List(d), LVM_GETITEMRECT, 0, LPARAM(&r));
    clicked = RowText(List(d), 0), ClickAt(Center(List(d), r));
    ClickTitle(List(d), int(OverviewColumn::kKind));
  });
  driver.Then(Caption(), [&](HWND d) {
    OverviewSort sort;
    for (OverviewColumn c : {OverviewColumn::kScript, OverviewColumn::kKind}) {
      sort = SortAfterClick(sort, c);
      SortRows(rows, sort);
    }
    EXPECT_EQ(ListViewRows(List(d)), CoreRows(rows));
    UpdateWindow(List(d));  // the sorted rows are painted, as a full repaint paints them
    const Picture shown = WindowPicture(List(d), true);
    RedrawWindow(List(d), nullptr, nullptr, kFullRepaint | RDW_ALLCHILDREN);
    EXPECT_TRUE(SamePicture(shown, WindowPicture(List(d), true)));
    EXPECT_EQ(RowText(List(d), int(SendMessageA(List(d), LVM_GETNEXTITEM, -1, LVNI_SELECTED))),
              clicked);
    EXPECT_NE(SendMessageA(d, WM_GETICON, ICON_SMALL, 0), 0) << "no icon in the title bar";
    ExpectTitles(d, sort);
    // The whole note of the first row as its tip, as the list asks for it.
    char tipText[1024] = "?";
    NMLVGETINFOTIPA tip = {{List(d), IDC_OVERVIEW_LIST, LVN_GETINFOTIPA}, 0, tipText, 1024, 0};
    SendMessageA(d, WM_NOTIFY, IDC_OVERVIEW_LIST, LPARAM(&tip));
    EXPECT_EQ(tipText, rows[0].Cells[int(OverviewColumn::kNote)]);
    // A row the overview does not have (asked for while the game is read
    // again) gets neither text nor image.
    for (int row : {-1, int(rows.size())}) {
      char text[8] = "?";
      NMLVDISPINFOA info = {{List(d), IDC_OVERVIEW_LIST, LVN_GETDISPINFOA},
                            {LVIF_TEXT | LVIF_IMAGE, row, 0, 0, 0, text, 8, 99}};
      SendMessageA(d, WM_NOTIFY, IDC_OVERVIEW_LIST, LPARAM(&info));
      EXPECT_EQ(std::pair(std::string(text), info.item.iImage), std::pair(std::string("?"), 99))
          << "row " << row;
    }
    // The cheat of script "k" on line 6, the second command of its chain.
    const auto k = std::find_if(rows.begin(), rows.end(), [](const OverviewRow& r) {
      return r.Cells[0] == "k.script.wav" && r.Line == 6;
    });
    ASSERT_NE(k, rows.end());
    RECT r = {LVIR_BOUNDS};
    SendMessageA(List(d), LVM_ENSUREVISIBLE, k - rows.begin(), FALSE);
    SendMessageA(List(d), LVM_GETITEMRECT, k - rows.begin(), LPARAM(&r));
    ClickAt(Center(List(d), r), false, 2);
  });
  FinishWith(driver, WindowTitle(Script('k')), [&](HWND w) {
    EXPECT_EQ(std::tuple(App().DocumentPath, SelectedLines(w)), std::tuple(Script('k'), 2));
  });
  EXPECT_EQ(chooser.Presets, std::vector<std::string>{Runtime()});
}

TEST_F(GameOverview, EscF5AndEingabeAfterTheSavePromptAndAScreenReader) {
  ChooserStub chooser({Runtime(), Runtime()});
  RefusalCounter refusals;
  auto pressEnterOn = [](HWND d, int row) {
    LVITEMA select = {};
    select.stateMask = select.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(List(d), LVM_SETITEMSTATE, row, LPARAM(&select));
    SendKeys({VK_RETURN});
  };
  driver.Then(WindowTitle(Script('a')), [](HWND w) { Click(w, IDM_GAME_OVERVIEW); });
  driver.Then(Caption(), [](HWND d) { SetFocus(List(d)), SendKeys({VK_ESCAPE}); });
  driver.Then(WindowTitle(Script('a')), [](HWND w) {
    App().History.SetModified(true);
    Click(w, IDM_GAME_OVERVIEW);
  });
  driver.Then(Caption(), [&](HWND) {
    WriteFile(Script('m'), HandMadeScript({"up F7 99"}));
    // The row of a script autorun.script names but the game lacks comes first.
    WriteFile(game_.File("autorun.script"), "Sound\\a.script.wav\r\nSound\\fehlt.script.wav\r\n");
    SendKeys({VK_F5});
  });
  driver.Then(Caption(), [&](HWND d) {
    const GameModel game = Game();
    const std::vector<GameClash> clashes = FindClashes(game);
    EXPECT_EQ(GetItemText(d, IDC_OVERVIEW_COUNT), CountLine(game, clashes));
    // A second program reads every row through the list view's own messages.
    const std::string read = game_.File("read.txt");
    EXPECT_EQ(RunSecondProgram("--read-list-view " + std::to_string(LONG_PTR(List(d))) + " \"" +
                               read + "\""),
              0u);
    EXPECT_EQ(FileBytes(read), CoreRows(OverviewRows(game, clashes)));
    pressEnterOn(d, 0);  // opens nothing
  });
  driver.Then(Caption(), [&](HWND d) {
    EXPECT_EQ(refusals.Count(), 1) << "the row of autorun.script";
    pressEnterOn(d, 2);  // a's key, the second command
  });
  ThenBox(driver, "Wavoria", kSavePromptText, IDI_QUESTION, {IDYES, IDNO, IDCANCEL}, IDCANCEL);
  driver.Then(Caption(), [](HWND) { SendKeys({VK_RETURN}); });
  ThenBox(driver, "Wavoria", kSavePromptText, IDI_QUESTION, {IDYES, IDNO, IDCANCEL}, IDNO);
  FinishWith(driver, WindowTitle(Script('a')), [](HWND w) {
    EXPECT_EQ(std::tuple(App().History.Modified(), SelectedLines(w)), std::tuple(false, 2));
  });
}

TEST_F(GameOverview, TheKeyAndCheatDialogsAskBeforeTheyKeepAClash) {
  const GameModel game = Game();
  // Script "a": keys (line 1), F1 10 (2), CODE0 30 (3); "b" has the cheat CODE1 with 31.
  const std::tuple<int, const char*, int, int, const char*> rows[] = {
      {2, "Tastenereignis registrieren", IDC_KEY_EVENT_VALUE, IDC_KEY_EVENT_OK,
       "Action=RegisterKeyDownEvent|Key=F1|Value=31|BlockKey=False"},
      {3, "Cheat-Eingabe registrieren", IDC_CHEAT_VALUE, IDC_CHEAT_OK,
       "Action=RegisterCheatEvent|Cheat=CODE0|Value=31"}};
  for (const auto& [line, caption, value, ok, stored] : rows) {
    SCOPED_TRACE(caption);
    App().ScriptToOpen = Script('a');
    const std::string question =
        ClashQuestion(game, ClashesOfCommand(game, Script('a'), Command("", stored)));
    driver.Then(WindowTitle(Script('a')), [&](HWND w) {
      SelectLines(w, line);
      Click(w, IDM_EDIT_COMMAND);
    });
    driver.Then(caption, [&](HWND d) { SetItemText(d, value, "31"), Click(d, ok); });
    ThenBox(driver, "Wavoria", question, IDI_EXCLAMATION, {IDYES, IDNO}, IDNO);
    driver.Then(caption, [&](HWND d) {
      EXPECT_EQ(GetItemText(d, value), "31") << "the input as it was";
      Click(d, ok);
    });
    ThenBox(driver, "Wavoria", question, IDI_EXCLAMATION, {IDYES, IDNO}, IDYES);
    FinishWith(driver, WindowTitle(Script('a')),
               [&](HWND) { EXPECT_EQ(App().Document.CommandAt(line)->Value, "31"); });
  }
}

}  // namespace

namespace testing {

// The second program: writes to `file` the rows of the list view as a screen
// reader reads them.
int ReadListViewAsAnotherProgram(HWND list, const std::string& file) {
  return WriteFileAtomically(file, ListViewRows(list)) ? 0 : 1;
}

}  // namespace testing
}  // namespace wavoria
