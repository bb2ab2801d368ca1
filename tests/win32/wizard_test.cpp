// The wizard pages driven for real, and an installation through them, from
// read-only libraries, into a real game folder (a blank and an umlaut in its
// path) after which the editor opens the installed key list; and the editor's
// "Installation rückgängig machen…" on such a game.
#include <gtest/gtest.h>

#include "app/program_win.h"
#include "editor_test_support.h"
#include "platform/program_folder.h"
#include "shell/win_util_win.h"
#include "wizard/install_backup.h"
#include "wizard/install_executor.h"
#include "wizard/install_plan.h"
#include "wizard/install_undo.h"
#include "wizard/wizard_flow.h"
#include "wizard/wizard_shell_win.h"

namespace wavoria {
namespace {

using namespace testing;
using WizardPages = EditorWindows;
using WizardInstall = EditorWindows;
using Pictures = EditorWindows;

// The picture along the left edge, bitmap 200 on the start screen and 201 on
// the wizard pages, fills its place at any DPI (this test runs at 96 and 144
// DPI): the strip runs down the start screen's whole edge, the wizard's
// picture down to the etched line (one dialog unit above it, give or take a
// pixel of rounding), each bitmap as large as its control.
TEST_F(Pictures, TheStartScreensStripAndTheWizardsPictureFillTheirPlaces) {
  auto check = [](HWND dialog, int picture, int below) {
    RECT place{}, bitmapSize{}, dialogUnit = {0, 0, 0, 1};
    HWND control = GetDlgItem(dialog, picture);
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    BITMAP shown{};
    GetObjectA(HGDIOBJ(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof shown, &shown);
    GetClientRect(control, &bitmapSize);
    EXPECT_EQ(std::pair(shown.bmWidth, shown.bmHeight),
              std::pair(bitmapSize.right, bitmapSize.bottom))
        << "bitmap of control " << picture;
    MapDialogRect(dialog, &dialogUnit);
    RECT end{};  // the etched line, or the dialog's bottom
    below != 0 ? GetWindowRect(GetDlgItem(dialog, below), &end) : GetClientRect(dialog, &end);
    MapWindowPoints(below != 0 ? nullptr : dialog, dialog, reinterpret_cast<POINT*>(&end), 2);
    const LONG gap = (below != 0 ? end.top : end.bottom) - place.bottom;
    EXPECT_TRUE(gap >= 0 && gap <= dialogUnit.bottom + 1)
        << "control " << picture << " ends " << gap << " pixels above its end";
    Click(dialog, kCloseBox);
  };
  ProcessEndCounter ends;
  driver.Then("Wavoria", [&](HWND d) { check(d, IDC_START_PICTURE, 0); });
  ASSERT_TRUE(driver.Run(ShowStartScreen)) << driver.Problems();
  driver.Then("Wavoria", [&](HWND d) { check(d, IDC_WIZ_PICTURE, IDC_WIZ_LINE); });
  App().Wizard.NextPage = kPagePaths;
  ASSERT_TRUE(driver.Run(RunWizardPages)) << driver.Problems();
}

// A picture fitted to its bitmap's own size shows the bitmap as it is; one
// fitted to a new size keeps one scaled bitmap for that size and nothing
// else: no device context, no bitmap it was made from.
TEST(PictureFit, ShowsTheBitmapAndKeepsOnlyItsScaledCopy) {
  auto pixels = [](HBITMAP bitmap) {
    std::vector<char> bytes(1 << 22);
    return bytes.resize(GetBitmapBits(bitmap, LONG(bytes.size()), bytes.data())), bytes;
  };
  auto fit = [](int width, int height) {  // the bitmap the start screen's picture shows
    HWND dialog = CreateDialogParamA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_START), nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; }, 0);
    HWND picture = GetDlgItem(dialog, IDC_START_PICTURE);
    SetWindowPos(picture, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    FitPicture(dialog, IDC_START_PICTURE, IDB_START_STRIP);
    const auto shown = HBITMAP(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    DestroyWindow(dialog);
    return shown;
  };
  const auto strip = HBITMAP(LoadImageA(GetModuleHandleA(nullptr),
                                        MAKEINTRESOURCEA(IDB_START_STRIP), IMAGE_BITMAP, 0, 0, 0));
  BITMAP size{};
  GetObjectA(strip, sizeof size, &size);
  EXPECT_EQ(pixels(fit(size.bmWidth, size.bmHeight)), pixels(strip)) << "at its own size";
  DeleteObject(strip);
  const int before = GdiObjects();
  for (int height : {102, 103, 104}) fit(20, height);
  EXPECT_EQ(GdiObjects() - before, 3) << "GDI objects kept for three new sizes";
}

// Whatever a page shows is changed, Escape leaves it open, and Abbrechen or
// (on the next page) the close box then keeps every setting as it was.
TEST_F(WizardPages, EscapeKeepsAPageOpenCancelAndTheCloseBoxStoreNothing) {
  const std::pair<int, int> pages[] = {{kPagePaths, IDC_WIZ_PATHS_CANCEL},
                                       {IDD_WIZ_FUNCTIONS, IDC_WIZ_FUNCTIONS_CANCEL},
                                       {IDD_WIZ_START_FUNCTION, IDC_WIZ_START_FUNCTION_CANCEL},
                                       {IDD_WIZ_MOUSE, IDC_WIZ_MOUSE_CANCEL},
                                       {IDD_WIZ_FINISH, kCloseBox}};
  for (auto [page, cancel] : pages) {
    ResetEditor();
    App().Wizard.KeyboardSupport = App().Wizard.MouseSupport = 1;
    ChooserStub chooser({"C:\\A\\RPG_RT.EXE", "C:\\A\\RPG2000.EXE"});
    WizardSettings expected = App().Wizard;
    expected.NextPage = kWizardCancelled;
    driver.Then("Wavoria", [&](HWND d) {
      EXPECT_TRUE(SendMessageA(d, WM_GETICON, ICON_SMALL, 0) != 0 &&
                  SendDlgItemMessageA(d, IDC_WIZ_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0)
          << "page " << page << " lacks its title-bar icon or its picture";
      if (page == IDD_WIZ_FUNCTIONS) {
        EXPECT_EQ(std::pair(IsButtonChecked(d, IDC_WIZ_FUNCTIONS_KEYBOARD),
                            IsButtonChecked(d, IDC_WIZ_FUNCTIONS_MOUSE)),
                  std::pair(true, true))
            << "the functions page does not show both supports chosen";
      }
      for (int id : {IDC_WIZ_PATHS_GAME_BROWSE, IDC_WIZ_PATHS_MAKER_BROWSE}) Command(d, id);
      SetButtonChecked(d, IDC_WIZ_FUNCTIONS_KEYBOARD, false);
      SetButtonChecked(d, IDC_WIZ_MOUSE_NEGATIVE, true);
      SelectDropDownItem(d, IDC_WIZ_START_FUNCTION_LIST, 1);
      SetDlgItemTextA(d, IDC_WIZ_MOUSE_ID, "99");
      PressKeys({VK_ESCAPE});
    });
    driver.Then("Wavoria", [&](HWND d) { Click(d, cancel); });  // still open
    App().Wizard.NextPage = page;
    ASSERT_TRUE(driver.Run(RunWizardPages, 15000)) << driver.Problems();
    EXPECT_EQ(App().Wizard, expected) << page;
  }
}

// A page ended without one of its buttons (by the system or another
// program) ends the wizard instead of coming up again and again.
TEST_F(WizardPages, APageEndedFromOutsideEndsTheWizard) {
  bool again = false;
  driver.Then("Wavoria", [](HWND d) { EndDialog(d, 0); });
  driver.Then("Wavoria", [&](HWND d) { again = true, Click(d, IDC_WIZ_PATHS_CANCEL); });
  App().Wizard.NextPage = kPagePaths;
  driver.Run(RunWizardPages);  // its second step is left over unless the page came up again
  EXPECT_FALSE(again) << "the page came up again";
}

// The paths page warns over itself without the game's path; its "..." opens
// the system's chooser, which hands a character that the code page lacks
// over as "?", never as a look-alike ("L" for "Ł") that names another folder.
TEST_F(WizardPages, ThePathsPageWarnsAndItsChooserMarksACharacterTheCodePageLacks) {
  TempFolder base("chooser");
  const std::wstring folder = std::filesystem::path(base.Path()).wstring() + L"\\Spiel \u0141";
  std::filesystem::create_directories(folder);
  WriteFile(base.Path() + "\\x", "");
  std::filesystem::rename(base.Path() + "\\x", folder + L"\\RPG_RT.EXE");
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_WIZ_PATHS_NEXT); });
  ThenBox(driver, "Wavoria", kGamePathMissingText, IDI_EXCLAMATION, {IDOK}, IDOK);
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_WIZ_PATHS_GAME_BROWSE); });
  driver.Then("RPG Runtime-Pfad finden", [&](HWND chooser) {
    EXPECT_EQ(GetItemText(chooser, 0x470), "RPG Runtime (rpg_rt.exe)");   // cmb1, the filter
    SetDlgItemTextW(chooser, 0x47C, (folder + L"\\RPG_RT.EXE").c_str());  // cmb13, the file name
    Click(chooser, IDOK);
  });
  driver.Then("Wavoria", [&](HWND d) {
    EXPECT_EQ(GetItemText(d, IDC_WIZ_PATHS_GAME), base.Path() + "\\Spiel ?\\RPG_RT.EXE");
    Click(d, IDC_WIZ_PATHS_CANCEL);
  });
  App().Wizard.NextPage = kPagePaths;
  ASSERT_TRUE(driver.Run(RunWizardPages, 15000)) << driver.Problems();
}

const std::string kTemplates = SourceData("scripts");  // the add-on's script templates

// Backups made in a test are named with one fixed stamp while it runs.
[[nodiscard]] Restore FixedBackupStamp() {
  FixBackupStamp("2026-12-07 14.03.12");
  return Restore([] { FixBackupStamp(""); });
}

// A game below base, "RPG_RT.EXE" and its own "harmony.dll" (and keyList as
// its key list, if given), and a maker's folder with the add-on's libraries,
// in place of what was there. The folders are made by their ANSI names, which
// std::filesystem would not take as the program does.
struct GameAndMaker {
  std::string Game, Maker, KeyList;
};
GameAndMaker MakeGame(const TempFolder& base, const std::string& keyList = "") {
  const GameAndMaker g{base.File("Mein Spiel\\"), base.File("RPG Maker\\"),
                       base.File("Mein Spiel\\Sound\\KeyList.script.wav")};
  for (const std::string& folder : {g.Game, g.Maker}) std::filesystem::remove_all(folder);
  for (const std::string& folder : {g.Game, g.Game + "Sound", g.Maker})
    CreateDirectoryA(folder.c_str(), nullptr);
  for (const char* file : {"RPG_RT.EXE", "harmony.dll"}) WriteFile(g.Game + file, "Spiel");
  for (const char* file : {"RPG2000.EXE", "harmony.dll", "oldharmony.dll"})
    WriteFile(g.Maker + file, file);
  if (!keyList.empty()) WriteFile(g.KeyList, keyList);
  return g;
}

// The game of MakeGame with key support installed, as the wizard installs it.
GameAndMaker InstalledGame(const TempFolder& base, const std::string& keyList = "") {
  const GameAndMaker g = MakeGame(base, keyList);
  const WizardSettings keyboard{.GamePath = g.Game, .MakerPath = g.Maker, .KeyboardSupport = 1};
  EXPECT_TRUE(InstallSupport(keyboard, kTemplates).AllSucceeded());
  return g;
}

TEST_F(WizardInstall, TheWizardInstallsAndTheEditorOpensTheKeyList) {
  const Restore stamp = FixedBackupStamp();
  TempFolder base("wiz Spielstätte");
  const GameAndMaker made = MakeGame(base);
  const std::string &game = made.Game, &maker = made.Maker, &keyList = made.KeyList;
  for (const char* file : {"RPG2000.EXE", "harmony.dll", "oldharmony.dll"})
    SetFileAttributesA((maker + file).c_str(), FILE_ATTRIBUTE_READONLY);
  // The templates beside the program.
  const std::filesystem::path templates = ProgramFolder() + "\\scripts";
  std::filesystem::remove_all(templates);
  std::filesystem::copy(kTemplates, templates, std::filesystem::copy_options::recursive);
  const Restore removed([&] { std::filesystem::remove_all(templates); });
  ChooserStub chooser({game + "RPG_RT.EXE", maker + "RPG2000.EXE", ""});
  ProcessEndCounter ends;
  driver.Then("Wavoria", [&](HWND d) {  // the last chooser is cancelled
    for (int id :
         {IDC_WIZ_PATHS_GAME_BROWSE, IDC_WIZ_PATHS_MAKER_BROWSE, IDC_WIZ_PATHS_GAME_BROWSE})
      Command(d, id);
    EXPECT_EQ(GetItemText(d, IDC_WIZ_PATHS_GAME), game + "RPG_RT.EXE")
        << "after a cancelled chooser";
    Click(d, IDC_WIZ_PATHS_NEXT);
  });
  driver.Then("Wavoria", [](HWND d) {
    for (int id : {IDC_WIZ_FUNCTIONS_KEYBOARD, IDC_WIZ_FUNCTIONS_MOUSE})
      SetButtonChecked(d, id, true);
    PressKeys({VK_RETURN});  // Enter is "Weiter >"
  });
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_WIZ_START_FUNCTION_NEXT); });
  driver.Then("Wavoria", [](HWND d) {
    SetDlgItemTextA(d, IDC_WIZ_MOUSE_ID, "5");
    for (int id : {IDC_WIZ_MOUSE_NEGATIVE, IDC_WIZ_MOUSE_AUTOMATIC}) SetButtonChecked(d, id, true);
    Click(d, IDC_WIZ_MOUSE_BACK);
  });
  // Back and forth between the pages, which keep what was set on them.
  for (int button : {IDC_WIZ_START_FUNCTION_NEXT, IDC_WIZ_MOUSE_NEXT, IDC_WIZ_FINISH_BACK,
                     IDC_WIZ_MOUSE_NEXT, IDC_WIZ_FINISH_FINISH}) {
    driver.Then("Wavoria", [button](HWND d) {
      if (HWND finish = GetDlgItem(d, IDC_WIZ_FINISH_FINISH)) {  // so that Enter finishes
        EXPECT_EQ(GetFocus(), finish) << "the focus on the Finish page";
      }
      Click(d, button);
    });
  }
  // The game's own harmony.dll is kept in the backup.
  const InstallReport done{.BackupFolder = game + "Wavoria-Sicherung\\2026-12-07 14.03.12"};
  ThenBox(driver, "Wavoria", done.DoneText(kUndoInEditorText), IDI_ASTERISK, {IDOK}, IDOK);
  std::vector<std::string> lines;
  driver.Then(WindowTitle(keyList), [&](HWND w) {
    lines = Lines(w);
    CloseMainWindow(w);  // hands over to the wizard again, which shows the folders
  });
  driver.Then("Wavoria", [&](HWND d) {
    EXPECT_EQ(GetItemText(d, IDC_WIZ_PATHS_MAKER), maker + "RPG2000.EXE");
    Click(d, IDC_WIZ_PATHS_CANCEL);
  });
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_START_CANCEL); });
  App().Wizard.NextPage = kPagePaths;
  ASSERT_TRUE(driver.Run([] { RunTopLevelFlow(FlowState::kWizard); }, 30000)) << driver.Problems();
  EXPECT_GE(ends.Count(), 1);
  EXPECT_EQ(FileBytes(game + "harmony.dll") + FileBytes(game + "oldharmony.dll"),
            "harmony.dlloldharmony.dll");
  EXPECT_FALSE(GetFileAttributesA((game + "harmony.dll").c_str()) & FILE_ATTRIBUTE_READONLY);
  const WizardSettings chosen{.MouseSupport = 1, .MouseId = -5, .AutoSendPosition = 1};
  EXPECT_EQ(FileBytes(game + "Sound\\MouseSupportON.script.wav"), MouseSupportScriptText(chosen));
  ASSERT_GE(lines.size(), 40u);  // arrows, Enter, Escape, Space, digits, letters
  EXPECT_EQ(lines.front().rfind("Skriptname: Tastenliste", 0), 0u) << lines.front();
}

// The editor undoes an installation into a game whose key list was its own:
// the wizard's chooser, the question naming the installation and its files,
// the report, and the open key list, which was put back, opened again; then
// there is nothing left to undo. The texts are the core's for the same game.
TEST_F(WizardInstall, TheEditorUndoesAnInstallationAndOpensThePutBackScriptAgain) {
  const Restore stamp = FixedBackupStamp();
  TempFolder base("undo Spielstätte");
  const std::string mine = ";WIZDESC$Meine Tasten\r\n[Execute]\r\nAction=GetMousePosition\r\n";
  GameAndMaker g = InstalledGame(base, mine);
  const std::string asked = RestoreQuestion(ChooseRestore(g.Game)).Message;
  const InstallReport undone = RestoreGame(g.Game);
  g = InstalledGame(base, mine);
  App().ScriptToOpen = g.KeyList;
  ChooserStub chooser({g.Game + "RPG_RT.EXE", g.Game + "RPG_RT.EXE"});
  driver.Then(WindowTitle(g.KeyList), [](HWND w) {
    char item[64] = {};
    GetMenuStringA(GetSubMenu(GetMenu(w), 0), 1, item, sizeof item, MF_BYPOSITION);
    EXPECT_STREQ(item, "Installation &rückgängig machen…");  // after "&Assistent..."
    Click(w, IDM_UNDO_INSTALLATION);
  });
  ThenBox(driver, "Wavoria", asked, IDI_QUESTION, {IDYES, IDNO}, IDYES);
  ThenBox(driver, "Wavoria", undone.DoneText(), IDI_ASTERISK, {IDOK}, IDOK);
  ThenBox(driver, "Wavoria", ReopenQuestion(undone, g.KeyList, false).Message, IDI_QUESTION,
          {IDYES, IDNO}, IDYES);
  std::vector<std::string> lines;
  driver.Then(WindowTitle(g.KeyList), [&](HWND w) {
    lines = Lines(w);
    Click(w, IDM_UNDO_INSTALLATION);
  });
  ThenBox(driver, "Wavoria", kNothingToUndoText, IDI_EXCLAMATION, {IDOK}, IDOK);
  FinishWith(driver, WindowTitle(g.KeyList), [](HWND) {});
  EXPECT_EQ(lines.front(), "Skriptname: Meine Tasten");
  EXPECT_EQ(FileBytes(g.Game + "harmony.dll") + FileBytes(g.Game + "oldharmony.dll"),
            "Spiel<missing>");
}

// An undo that the running game stops (it holds harmony.dll open) ends in a
// warning with the core's text for the same failure.
TEST_F(WizardInstall, AnUndoTheRunningGameStopsEndsInAWarning) {
  const Restore stamp = FixedBackupStamp();
  TempFolder base("undo gehalten");
  HANDLE running = INVALID_HANDLE_VALUE;
  auto start = [&](const GameAndMaker& g) {
    running = CreateFileA((g.Game + "harmony.dll").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                          0, nullptr);
  };
  const Restore end([&] { CloseHandle(running); });
  GameAndMaker g = InstalledGame(base);
  RestoreChoice choice = ChooseRestore(g.Game);
  start(g);
  const InstallReport failed = CarryOutRestore(std::move(choice));
  CloseHandle(std::exchange(running, INVALID_HANDLE_VALUE));
  ASSERT_FALSE(failed.AllSucceeded());
  g = InstalledGame(base);
  App().ScriptToOpen = g.KeyList;
  ChooserStub chooser({g.Game + "RPG_RT.EXE"});
  driver.Then(WindowTitle(g.KeyList), [](HWND w) { Click(w, IDM_UNDO_INSTALLATION); });
  driver.Then("Wavoria", [&](HWND question) { start(g), Click(question, IDYES); });
  ThenBox(driver, "Wavoria", failed.WarningText("Das Rückgängigmachen"), IDI_EXCLAMATION, {IDOK},
          IDOK);
  const Prompt reopen = ReopenQuestion(failed, g.KeyList, false);
  if (reopen.Icon == MessageIcon::Warning)
    ThenBox(driver, "Wavoria", reopen.Message, IDI_EXCLAMATION, {IDOK}, IDOK);
  FinishWith(driver, WindowTitle(g.KeyList), [](HWND) {});
}

}  // namespace
}  // namespace wavoria
