// The wizard pages driven through their real dialogs: the page sequences,
// the back buttons, cancel and the close box on every page, the checks of
// page 8000 with their message boxes, the choosers, the mouse page's Negativ
// rule, the shared page frame, and a second run showing the first run's
// values.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "app/win_util_win.h"
#include "editor_test_support.h"
#include "wizard/program_choosers_win.h"
#include "wizard/wizard_flow.h"
#include "wizard/wizard_shell_win.h"

namespace wavoria {
namespace {

using namespace testing;

// The buttons of each page; 0 where a page has none.
struct PageButtons {
  int Page, Next, Back, Cancel;
};
constexpr PageButtons kPages[] = {
    {IDD_WIZ_PATHS, IDC_WIZ_PATHS_NEXT, 0, IDC_WIZ_PATHS_CANCEL},
    {IDD_WIZ_FUNCTIONS, IDC_WIZ_FUNCTIONS_NEXT, IDC_WIZ_FUNCTIONS_BACK, IDC_WIZ_FUNCTIONS_CANCEL},
    {IDD_WIZ_START_FUNCTION, IDC_WIZ_START_FUNCTION_NEXT, IDC_WIZ_START_FUNCTION_BACK,
     IDC_WIZ_START_FUNCTION_CANCEL},
    {IDD_WIZ_MOUSE, IDC_WIZ_MOUSE_NEXT, IDC_WIZ_MOUSE_BACK, IDC_WIZ_MOUSE_CANCEL},
    {IDD_WIZ_FINISH, IDC_WIZ_FINISH_FINISH, IDC_WIZ_FINISH_BACK, IDC_WIZ_FINISH_CANCEL},
};

const PageButtons& ButtonsOf(int page) {
  for (const PageButtons& b : kPages) {
    if (b.Page == page) return b;
  }
  ADD_FAILURE() << "no page " << page;
  return kPages[0];
}

// Which page a dialog is, told by a control that only that page has; 0 for
// any other dialog (a message box).
int PageOf(HWND dialog) {
  const std::pair<int, int> marks[] = {
      {IDC_WIZ_PATHS_NEXT, IDD_WIZ_PATHS},
      {IDC_WIZ_FUNCTIONS_INTRO, IDD_WIZ_FUNCTIONS},
      {IDC_WIZ_START_FUNCTION_LIST, IDD_WIZ_START_FUNCTION},
      {IDC_WIZ_MOUSE_ID, IDD_WIZ_MOUSE},
      {IDC_WIZ_FINISH_FINISH, IDD_WIZ_FINISH},
  };
  for (auto [id, page] : marks) {
    if (GetDlgItem(dialog, id) != nullptr) return page;
  }
  return 0;
}

// One step of a walk: the page (0: a message box) that must be showing, and
// what to do with it.
struct Step {
  int Page;
  std::function<void(HWND)> Act;
};

Step Next(int page) {
  return {page, [page](HWND d) { Click(d, ButtonsOf(page).Next); }};
}
Step Back(int page) {
  return {page, [page](HWND d) { Click(d, ButtonsOf(page).Back); }};
}
Step Cancel(int page) {
  return {page, [page](HWND d) { Click(d, ButtonsOf(page).Cancel); }};
}
// Does something on a page first, then presses one of its buttons.
Step On(int page, std::function<void(HWND)> before, int button) {
  return {page, [before, button](HWND d) {
            before(d);
            Click(d, button);
          }};
}
// Checks a message box and presses `answer`.
Step Box(std::function<void(HWND)> check, int answer) {
  return {0, [check, answer](HWND box) {
            check(box);
            Click(box, answer);
          }};
}

// Runs the wizard loop from page `first` while the steps act on what it
// shows; returns the pages seen, in order (0 for a message box). A page
// other than the expected one ends the wizard as cancelled.
std::vector<int> Walk(int first, const std::vector<Step>& steps) {
  std::vector<int> seen;
  DialogDriver driver;
  for (const Step& step : steps) {
    driver.Then("Wavoria", [&seen, step](HWND d) {
      const int page = PageOf(d);
      seen.push_back(page);
      if (page == step.Page) {
        step.Act(d);
        return;
      }
      ADD_FAILURE() << "expected page " << step.Page << ", showing " << page;
      PostMessageA(d, WM_CLOSE, 0, 0);
    });
  }
  const bool ran = driver.Run([first] {
    App().Wizard.NextPage = first;
    RunWizardPages();
  });
  EXPECT_TRUE(ran) << driver.Problems();
  return seen;
}

void Tick(HWND d, int id, bool ticked) {
  SetButtonChecked(d, id, ticked);
}

// Page 8100: ticks keyboard and mouse support as given, then "Weiter >".
Step ChooseFunctions(bool keyboard, bool mouse) {
  return On(
      IDD_WIZ_FUNCTIONS,
      [keyboard, mouse](HWND d) {
        Tick(d, IDC_WIZ_FUNCTIONS_KEYBOARD, keyboard);
        Tick(d, IDC_WIZ_FUNCTIONS_MOUSE, mouse);
      },
      IDC_WIZ_FUNCTIONS_NEXT);
}

bool Ticked(HWND d, int id) {
  return IsDlgButtonChecked(d, id) == BST_CHECKED;
}

// Page 8100: expects keyboard and mouse support ticked as given, then "Weiter >".
Step ExpectFunctions(bool keyboard, bool mouse) {
  return On(
      IDD_WIZ_FUNCTIONS,
      [keyboard, mouse](HWND d) {
        EXPECT_EQ(Ticked(d, IDC_WIZ_FUNCTIONS_KEYBOARD), keyboard);
        EXPECT_EQ(Ticked(d, IDC_WIZ_FUNCTIONS_MOUSE), mouse);
      },
      IDC_WIZ_FUNCTIONS_NEXT);
}

// A game folder with RPG_RT.EXE and an RPG Maker folder with RPG2000.EXE and
// oldharmony.dll, each ending in a backslash.
class Folders {
 public:
  Folders() : game_("wiz-game"), maker_("wiz-maker") {
    WriteFile(game_.File("RPG_RT.EXE"), "runtime");
    WriteFile(maker_.File("RPG2000.EXE"), "maker");
    WriteFile(maker_.File("oldharmony.dll"), "old");
  }
  std::string Game() const { return game_.Path() + "\\"; }
  std::string Maker() const { return maker_.Path() + "\\"; }
  std::string GameFile(const std::string& name) const { return game_.File(name); }
  std::string MakerFile(const std::string& name) const { return maker_.File(name); }

 private:
  TempFolder game_;
  TempFolder maker_;
};

class WizardPages : public ::testing::Test {
 protected:
  void SetUp() override { ResetEditor(); }
  void TearDown() override { SetProgramChooser({}); }

  // Settings with both folders chosen, as page 8000's "Weiter >" leaves them.
  void ChooseFolders() {
    App().Wizard.GamePath = folders_.Game();
    App().Wizard.MakerPath = folders_.Maker();
  }

  Folders folders_;
};

TEST_F(WizardPages, EachChoiceWalksItsPageSequence) {
  struct Row {
    const char* name;
    bool keyboard, mouse;
    std::vector<int> pages;
    std::string keyListNote;
  };
  const std::string note =
      "Nach dem Fertigstellen wird die Keylist geöffnet, so dass Sie sie Ihren wünschen anpassen "
      "können.";
  const Row rows[] = {
      {"keyboard only", true, false, {8000, 8100, 8500}, note},
      {"mouse only", false, true, {8000, 8100, 8400, 8500}, ""},
      {"both", true, true, {8000, 8100, 8200, 8400, 8500}, note},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ResetEditor();
    ChooseFolders();
    std::vector<Step> steps;
    for (int page : row.pages) {
      if (page == IDD_WIZ_FUNCTIONS) {
        steps.push_back(ChooseFunctions(row.keyboard, row.mouse));
      } else if (page == IDD_WIZ_FINISH) {
        steps.push_back(On(
            page, [&row](HWND d) { EXPECT_EQ(Text(d, IDC_WIZ_FINISH_KEY_LIST), row.keyListNote); },
            IDC_WIZ_FINISH_FINISH));
      } else {
        steps.push_back(Next(page));
      }
    }
    EXPECT_EQ(Walk(IDD_WIZ_PATHS, steps), row.pages);
    const WizardSettings& w = App().Wizard;
    EXPECT_EQ(w.NextPage, kWizardInstall);
    EXPECT_EQ(w.KeyboardSupport, row.keyboard ? 1 : 0);
    EXPECT_EQ(w.MouseSupport, row.mouse ? 1 : 0);
    EXPECT_EQ(w.GamePath, folders_.Game());
    EXPECT_EQ(w.MakerPath, folders_.Maker());
  }
}

TEST_F(WizardPages, BackButtonsFollowTheChoices) {
  ChooseFolders();
  const std::vector<Step> steps = {
      Next(8000),
      ChooseFunctions(true, true),
      On(
          8200, [](HWND d) { Select(d, IDC_WIZ_START_FUNCTION_LIST, 1); },
          IDC_WIZ_START_FUNCTION_BACK),
      ExpectFunctions(true, true),
      On(
          8200, [](HWND d) { EXPECT_EQ(ComboSelection(d, IDC_WIZ_START_FUNCTION_LIST), 1); },
          IDC_WIZ_START_FUNCTION_NEXT),
      On(
          8400, [](HWND d) { SetDlgItemTextA(d, IDC_WIZ_MOUSE_ID, "7"); }, IDC_WIZ_MOUSE_BACK),
      Next(8200),
      On(
          8400, [](HWND d) { EXPECT_EQ(Text(d, IDC_WIZ_MOUSE_ID), "7"); }, IDC_WIZ_MOUSE_NEXT),
      Back(8500),  // mouse support chosen: back to 8400
      Back(8400),  // keyboard support chosen: back to 8200
      Back(8200),
      On(
          8100, [](HWND d) { Tick(d, IDC_WIZ_FUNCTIONS_MOUSE, false); }, IDC_WIZ_FUNCTIONS_NEXT),
      Back(8500),  // keyboard only: back to 8100
      On(
          8100,
          [](HWND d) {
            EXPECT_TRUE(Ticked(d, IDC_WIZ_FUNCTIONS_KEYBOARD));
            EXPECT_FALSE(Ticked(d, IDC_WIZ_FUNCTIONS_MOUSE));
            Tick(d, IDC_WIZ_FUNCTIONS_KEYBOARD, false);
            Tick(d, IDC_WIZ_FUNCTIONS_MOUSE, true);
          },
          IDC_WIZ_FUNCTIONS_NEXT),
      Back(8400),  // mouse only: back to 8100
      Next(8100),
      Next(8400),
      Back(8500),
      Back(8400),
      Back(8100),
      Cancel(8000),
  };
  EXPECT_EQ(Walk(IDD_WIZ_PATHS, steps),
            (std::vector<int>{8000, 8100, 8200, 8100, 8200, 8400, 8200, 8400, 8500, 8400, 8200,
                              8100, 8500, 8100, 8400, 8100, 8400, 8500, 8400, 8100, 8000}));
  const WizardSettings& w = App().Wizard;
  EXPECT_EQ(w.NextPage, kWizardCancelled);
  EXPECT_EQ(w.KeyboardSupport, 0);
  EXPECT_EQ(w.MouseSupport, 1);
  EXPECT_EQ(w.StartFunction, 1);  // kept from the visit to page 8200
  EXPECT_EQ(w.MouseId, 7);
}

TEST_F(WizardPages, CancelAndTheCloseBoxOnEveryPageStoreNothingFromThePage) {
  // What each page's controls are changed to before it is left.
  struct Row {
    int page;
    std::function<void(HWND)> change;
  };
  const Row rows[] = {
      {8000,
       [](HWND d) {
         Click(d, IDC_WIZ_PATHS_GAME_BROWSE);
         Click(d, IDC_WIZ_PATHS_MAKER_BROWSE);
       }},
      {8100,
       [](HWND d) {
         Tick(d, IDC_WIZ_FUNCTIONS_KEYBOARD, false);
         Tick(d, IDC_WIZ_FUNCTIONS_MOUSE, false);
       }},
      {8200, [](HWND d) { Select(d, IDC_WIZ_START_FUNCTION_LIST, 1); }},
      {8400,
       [](HWND d) {
         SetDlgItemTextA(d, IDC_WIZ_MOUSE_ID, "99");
         Tick(d, IDC_WIZ_MOUSE_NEGATIVE, true);
         Tick(d, IDC_WIZ_MOUSE_AUTOMATIC, true);
       }},
      {8500, [](HWND) {}},
  };
  for (const Row& row : rows) {
    for (bool closeBox : {false, true}) {
      SCOPED_TRACE(std::to_string(row.page) + (closeBox ? " close box" : " Abbrechen"));
      ResetEditor();
      ChooseFolders();
      WizardSettings& w = App().Wizard;
      w.KeyboardSupport = 1;
      w.MouseSupport = 1;
      w.MouseId = 3;
      ProgramChooserStub chooser({"C:\\Anders\\RPG_RT.EXE", "C:\\Anders\\RPG2000.EXE"});
      WizardSettings before = w;
      const std::vector<Step> steps = {
          {row.page,
           [&row, closeBox](HWND d) {
             row.change(d);
             if (closeBox) {
               PostMessageA(d, WM_CLOSE, 0, 0);
             } else {
               Click(d, ButtonsOf(row.page).Cancel);
             }
           }},
      };
      EXPECT_EQ(Walk(row.page, steps), std::vector<int>{row.page});
      before.NextPage = kWizardCancelled;
      EXPECT_EQ(w, before);
      SetProgramChooser({});
    }
  }
}

TEST_F(WizardPages, EscapeLeavesEveryPageOpen) {
  for (const PageButtons& b : kPages) {
    SCOPED_TRACE(b.Page);
    ResetEditor();
    ChooseFolders();
    App().Wizard.KeyboardSupport = 1;
    const std::vector<Step> steps = {
        {b.Page,
         [](HWND d) {
           HWND focus = GetFocus();
           EXPECT_TRUE(focus != nullptr && IsChild(d, focus));
           PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0);
           PostMessageA(focus, WM_KEYUP, VK_ESCAPE, 0);
         }},
        Cancel(b.Page),  // still open after Escape
    };
    EXPECT_EQ(Walk(b.Page, steps), (std::vector<int>{b.Page, b.Page}));
    EXPECT_EQ(App().Wizard.NextPage, kWizardCancelled);
  }
}

TEST_F(WizardPages, EnterPressesTheDefaultButton) {
  // Page 8100 with nothing ticked: Enter is "Weiter >", which warns.
  const std::vector<Step> steps = {
      {8100,
       [](HWND d) {
         Tick(d, IDC_WIZ_FUNCTIONS_KEYBOARD, false);
         Tick(d, IDC_WIZ_FUNCTIONS_MOUSE, false);
         PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
       }},
      Box(
          [](HWND box) {
            ExpectBox(box, "Wavoria", "Bitte wählen Sie mindestens eine Funktion!", IDI_EXCLAMATION,
                      {IDOK});
          },
          IDOK),
      Cancel(8100),
  };
  EXPECT_EQ(Walk(IDD_WIZ_FUNCTIONS, steps), (std::vector<int>{8100, 0, 8100}));

  // Page 8500 has only buttons: Enter is "Fertig stellen", not "< Zurück".
  const std::vector<Step> finish = {
      {8500, [](HWND) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0); }},
  };
  EXPECT_EQ(Walk(IDD_WIZ_FINISH, finish), std::vector<int>{8500});
  EXPECT_EQ(App().Wizard.NextPage, kWizardInstall);
}

TEST_F(WizardPages, PathsPageChecksEachInputWithItsMessage) {
  enum Files { kNone, kAutorun, kMidiTickOutput, kNoOldHarmony };
  struct Message {
    LPCSTR icon;
    std::string text;
    std::vector<int> buttons;
    int answer;
  };
  const Message noGame{IDI_EXCLAMATION, "Bitte geben Sie den Pfad Ihres Spiels an!", {IDOK}, IDOK};
  const Message noMaker{
      IDI_EXCLAMATION, "Bitte geben Sie den Pfad des RPG Makers an!", {IDOK}, IDOK};
  const Message noOldHarmony{
      IDI_HAND,
      "Die Datei 'oldharmony.dll' wurde nicht gefunden. Möglicherweise ist der "
      "Klavato nicht installiert.",
      {IDOK},
      IDOK};
  const std::string already = std::string(kAlreadyInstalledText);
  const Message alreadyNo{IDI_QUESTION, already, {IDYES, IDNO}, IDNO};
  const Message alreadyYes{IDI_QUESTION, already, {IDYES, IDNO}, IDYES};
  struct Row {
    const char* name;
    Files files;
    bool chooseGame, chooseMaker;
    Message box;
    int pageAfter;         // 8000: the page stays
    bool gamePathStored;   // GamePath holds the chosen game folder afterwards
    bool makerPathStored;  // MakerPath holds the chosen maker folder afterwards
  };
  const Row rows[] = {
      {"no game path", kNone, false, true, noGame, 8000, false, false},
      {"no maker path", kNone, true, false, noMaker, 8000, true, false},
      {"no oldharmony.dll", kNoOldHarmony, true, true, noOldHarmony, 8000, true, false},
      {"autorun.script there, Nein", kAutorun, true, true, alreadyNo, 8000, false, false},
      {"autorun.script there, Ja", kAutorun, true, true, alreadyYes, 8100, true, true},
      {"MidiTickOutput there, Nein", kMidiTickOutput, true, true, alreadyNo, 8000, false, false},
      {"MidiTickOutput there, Ja", kMidiTickOutput, true, true, alreadyYes, 8100, true, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ResetEditor();
    Folders folders;
    if (row.files == kAutorun) WriteFile(folders.GameFile("autorun.script"), "");
    if (row.files == kMidiTickOutput) {
      CreateDirectoryA(folders.GameFile("Sound").c_str(), nullptr);
      WriteFile(folders.GameFile("Sound\\MidiTickOutput.script.wav"), "");
    }
    if (row.files == kNoOldHarmony) DeleteFileA(folders.MakerFile("oldharmony.dll").c_str());
    std::vector<std::string> answers;
    if (row.chooseGame) answers.push_back(folders.GameFile("RPG_RT.EXE"));
    if (row.chooseMaker) answers.push_back(folders.MakerFile("RPG2000.EXE"));
    ProgramChooserStub chooser(answers);
    HWND page = nullptr;
    std::vector<Step> steps = {
        {8000,
         [&](HWND d) {
           page = d;
           if (row.chooseGame) Click(d, IDC_WIZ_PATHS_GAME_BROWSE);
           if (row.chooseMaker) Click(d, IDC_WIZ_PATHS_MAKER_BROWSE);
           Click(d, IDC_WIZ_PATHS_NEXT);
         }},
        Box(
            [&](HWND box) {
              ExpectBox(box, "Wavoria", row.box.text, row.box.icon, row.box.buttons);
              EXPECT_EQ(GetWindow(box, GW_OWNER), page);
            },
            row.box.answer),
        Cancel(row.pageAfter),
    };
    EXPECT_EQ(Walk(IDD_WIZ_PATHS, steps), (std::vector<int>{8000, 0, row.pageAfter}));
    EXPECT_EQ(App().Wizard.GamePath, row.gamePathStored ? folders.Game() : "");
    EXPECT_EQ(App().Wizard.MakerPath, row.makerPathStored ? folders.Maker() : "");
    SetProgramChooser({});
  }
}

TEST_F(WizardPages, ChoosersFillTheFieldsOnlyAndACancelChangesNothing) {
  App().Wizard.GamePath = "C:\\Alt\\";
  App().Wizard.MakerPath = "C:\\Maker\\";
  const std::string longGame = "C:\\" + std::string(300, 'g') + "\\RPG_RT.EXE";
  ProgramChooserStub chooser({longGame, "", "", "D:\\Neu\\RPG2000.EXE"});
  HWND page = nullptr;
  const std::vector<Step> steps = {
      {8000,
       [&](HWND d) {
         page = d;
         EXPECT_EQ(Text(d, IDC_WIZ_PATHS_GAME), "C:\\Alt\\RPG_RT.EXE");
         EXPECT_EQ(Text(d, IDC_WIZ_PATHS_MAKER), "C:\\Maker\\RPG2000.EXE");
         Click(d, IDC_WIZ_PATHS_GAME_BROWSE);   // chosen
         Click(d, IDC_WIZ_PATHS_GAME_BROWSE);   // cancelled
         Click(d, IDC_WIZ_PATHS_MAKER_BROWSE);  // cancelled
         Click(d, IDC_WIZ_PATHS_MAKER_BROWSE);  // chosen
       }},
      {8000,
       [&](HWND d) {
         EXPECT_EQ(Text(d, IDC_WIZ_PATHS_GAME), longGame);
         EXPECT_EQ(Text(d, IDC_WIZ_PATHS_MAKER), "D:\\Neu\\RPG2000.EXE");
         // The folders are stored only by "Weiter >".
         EXPECT_EQ(App().Wizard.GamePath, "C:\\Alt\\");
         EXPECT_EQ(App().Wizard.MakerPath, "C:\\Maker\\");
         Click(d, IDC_WIZ_PATHS_CANCEL);
       }},
  };
  EXPECT_EQ(Walk(IDD_WIZ_PATHS, steps), (std::vector<int>{8000, 8000}));
  ASSERT_EQ(chooser.Calls().size(), 4u);
  const ProgramCall expected[] = {
      {page, ProgramFile::GameRuntime, "C:\\Alt\\RPG_RT.EXE"},
      {page, ProgramFile::GameRuntime, longGame},
      {page, ProgramFile::RpgMaker, "C:\\Maker\\RPG2000.EXE"},
      {page, ProgramFile::RpgMaker, "C:\\Maker\\RPG2000.EXE"},
  };
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(chooser.Calls()[i].Owner, expected[i].Owner);
    EXPECT_EQ(chooser.Calls()[i].Which, expected[i].Which);
    EXPECT_EQ(chooser.Calls()[i].Preset, expected[i].Preset);
  }
  EXPECT_EQ(App().Wizard.GamePath, "C:\\Alt\\");
}

// The system's chooser itself: its title and filter, preset with the field,
// and the chosen file in the field afterwards.
TEST_F(WizardPages, TheRuntimeChooserIsTheSystemsOpenDialog) {
  ChooseFolders();
  const std::string runtime = folders_.GameFile("RPG_RT.EXE");
  std::string filter;
  DialogDriver driver;
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_WIZ_PATHS_GAME_BROWSE); });
  driver.Then("RPG Runtime-Pfad finden", [&](HWND chooser) {
    constexpr int kFilterList = 0x470;  // cmb1 of the open dialog
    constexpr int kFileName = 0x480;    // edt1
    char text[256] = {};
    SendDlgItemMessageA(chooser, kFilterList, WM_GETTEXT, sizeof text,
                        reinterpret_cast<LPARAM>(text));
    filter = text;
    SetDlgItemTextA(chooser, kFileName, runtime.c_str());
    Click(chooser, IDOK);
  });
  driver.Then("Wavoria", [&](HWND d) {
    EXPECT_EQ(Text(d, IDC_WIZ_PATHS_GAME), runtime);
    Click(d, IDC_WIZ_PATHS_CANCEL);
  });
  EXPECT_TRUE(driver.Run(
      [] {
        App().Wizard.NextPage = IDD_WIZ_PATHS;
        RunWizardPages();
      },
      15000))
      << driver.Problems();
  EXPECT_EQ(filter, "RPG Runtime (rpg_rt.exe)");
}

TEST_F(WizardPages, MousePageFollowsTheNegativRule) {
  struct Row {
    const char* name;
    std::int32_t stored;
    const char* shown;
    bool negativeShown;
    const char* typed;  // nullptr: left as shown
    std::int32_t result;
  };
  const Row rows[] = {
      {"-5 shows 5 with Negativ and stores -5 again", -5, "5", true, nullptr, -5},
      {"an empty field stores 0", 4, "4", false, "", 0},
      {"typed digits", 0, "0", false, "12", 12},
      {"more digits than an ID holds", 0, "0", false, "99999999999", 2147483647},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ResetEditor();
    App().Wizard.MouseId = row.stored;
    App().Wizard.AutoSendPosition = 1;
    const std::vector<Step> steps = {On(
        8400,
        [&row](HWND d) {
          EXPECT_EQ(Text(d, IDC_WIZ_MOUSE_ID), row.shown);
          EXPECT_EQ(Ticked(d, IDC_WIZ_MOUSE_NEGATIVE), row.negativeShown);
          EXPECT_TRUE(Ticked(d, IDC_WIZ_MOUSE_AUTOMATIC));
          if (row.typed != nullptr) SetDlgItemTextA(d, IDC_WIZ_MOUSE_ID, row.typed);
        },
        IDC_WIZ_MOUSE_NEXT)};
    // Page 8500 follows; leave it at once.
    std::vector<Step> all = steps;
    all.push_back(Cancel(8500));
    EXPECT_EQ(Walk(IDD_WIZ_MOUSE, all), (std::vector<int>{8400, 8500}));
    EXPECT_EQ(App().Wizard.MouseId, row.result);
    EXPECT_EQ(App().Wizard.AutoSendPosition, 1);
  }
}

TEST_F(WizardPages, ASecondRunShowsTheFirstRunsValues) {
  ProgramChooserStub chooser({folders_.GameFile("RPG_RT.EXE"), folders_.MakerFile("RPG2000.EXE")});
  const std::vector<Step> first = {
      {8000,
       [](HWND d) {
         Click(d, IDC_WIZ_PATHS_GAME_BROWSE);
         Click(d, IDC_WIZ_PATHS_MAKER_BROWSE);
         Click(d, IDC_WIZ_PATHS_NEXT);
       }},
      ChooseFunctions(true, true),
      On(
          8200, [](HWND d) { Select(d, IDC_WIZ_START_FUNCTION_LIST, 1); },
          IDC_WIZ_START_FUNCTION_NEXT),
      On(
          8400,
          [](HWND d) {
            SetDlgItemTextA(d, IDC_WIZ_MOUSE_ID, "5");
            Tick(d, IDC_WIZ_MOUSE_NEGATIVE, true);
            Tick(d, IDC_WIZ_MOUSE_AUTOMATIC, true);
          },
          IDC_WIZ_MOUSE_NEXT),
      Cancel(8500),
  };
  EXPECT_EQ(Walk(IDD_WIZ_PATHS, first), (std::vector<int>{8000, 8100, 8200, 8400, 8500}));
  const WizardSettings afterFirst = App().Wizard;
  EXPECT_EQ(afterFirst.MouseId, -5);

  const std::vector<Step> second = {
      On(
          8000,
          [&](HWND d) {
            EXPECT_EQ(Text(d, IDC_WIZ_PATHS_GAME), folders_.Game() + "RPG_RT.EXE");
            EXPECT_EQ(Text(d, IDC_WIZ_PATHS_MAKER), folders_.Maker() + "RPG2000.EXE");
          },
          IDC_WIZ_PATHS_NEXT),
      ExpectFunctions(true, true),
      On(
          8200,
          [](HWND d) {
            EXPECT_EQ(ComboSelection(d, IDC_WIZ_START_FUNCTION_LIST), 1);
            EXPECT_EQ(SendDlgItemMessageA(d, IDC_WIZ_START_FUNCTION_LIST, CB_GETCOUNT, 0, 0), 2);
          },
          IDC_WIZ_START_FUNCTION_NEXT),
      On(
          8400,
          [](HWND d) {
            EXPECT_EQ(Text(d, IDC_WIZ_MOUSE_ID), "5");
            EXPECT_TRUE(Ticked(d, IDC_WIZ_MOUSE_NEGATIVE));
            EXPECT_TRUE(Ticked(d, IDC_WIZ_MOUSE_AUTOMATIC));
          },
          IDC_WIZ_MOUSE_NEXT),
      Next(8500),
  };
  EXPECT_EQ(Walk(IDD_WIZ_PATHS, second), (std::vector<int>{8000, 8100, 8200, 8400, 8500}));
  WizardSettings expected = afterFirst;
  expected.NextPage = kWizardInstall;
  EXPECT_EQ(App().Wizard, expected);
}

// The frame every page shares: size, title, small icon, picture, etched
// line, buttons and the default button; and each page's own texts.
TEST_F(WizardPages, EveryPageHasTheSharedFrameAndItsTexts) {
  struct Row {
    int page;
    std::vector<std::pair<int, std::string>> texts;
  };
  const Row rows[] = {
      {8000,
       {{IDC_WIZ_PATHS_INTRO,
         "Willkommen! Dieser Assistent hilft Ihnen, ganz einfach Tastatur- und/oder Maussupport "
         "zu Ihrem Spiel hinzuzufügen. Bitte wählen Sie als erstes den Pfad der Runtime Ihres "
         "Spiels (RPG_RT.EXE) und den Pfad des RPG Makers (RPG2000.EXE)."},
        {IDC_WIZ_PATHS_GAME_CAPTION, "Spiel:"},
        {IDC_WIZ_PATHS_MAKER_CAPTION, "RPG Maker:"},
        {IDC_WIZ_PATHS_GAME_BROWSE, "..."},
        {IDC_WIZ_PATHS_MAKER_BROWSE, "..."}}},
      {8100,
       {{IDC_WIZ_FUNCTIONS_INTRO,
         "Bitte geben Sie nun an, welche Funktionen Sie aktivieren möchten."},
        {IDC_WIZ_FUNCTIONS_KEYBOARD, "Tastatursupport"},
        {IDC_WIZ_FUNCTIONS_MOUSE, "Maussupport"}}},
      {8200,
       {{IDC_WIZ_START_FUNCTION_INTRO,
         "Bitte wählen Sie, welche Funktion nach dem Start des Spiels zur Verfügung stehen "
         "soll."},
        {IDC_WIZ_START_FUNCTION_LIST, "Tastatursupport"}}},
      {8400,
       {{IDC_WIZ_MOUSE_INTRO,
         "Bitte legen Sie eine Maus-ID fest. Beim Senden der Mausposition an die Output-Liste "
         "wird zuerst die Maus-ID gesendet, danach die X-Position, dann die Y-Position und "
         "zuletzt der Status der Maustasten (0=keine, 1=links, 2=rechts, 3=beide)."},
        {IDC_WIZ_MOUSE_NEGATIVE, "Negativ"},
        {IDC_WIZ_MOUSE_AUTOMATIC, "Automatisch alle 0,5 Sekunden Mausposition senden"}}},
      {8500,
       {{IDC_WIZ_FINISH_INTRO,
         "Herzlichen Glückwünsch! Mit dem Klick auf 'Fertig stellen' werden Ihrem Spiel "
         "Tastatur- bzw. Maussupport hinzugefügt. Beschreibungen, wie Sie in Ihrem Spiel die "
         "Maus oder Tastatur abfragen, entnehmen Sie bitte der Dokumentation des Klavatoes."},
        {IDC_WIZ_FINISH_TASKS,
         "Alle dort beschriebenen Aufgaben zum Erstellen von *.script.wav-Dateien bzw. einer "
         "autorun.script-Datei werden von Wavoria übernommen."}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.page);
    ResetEditor();
    const PageButtons& b = ButtonsOf(row.page);
    const std::vector<Step> steps = {
        {row.page, [&](HWND d) {
           EXPECT_EQ(Caption(d), "Wavoria");
           EXPECT_EQ(GetWindow(d, GW_OWNER), nullptr);
           RECT units = {0, 0, 312, 164};
           MapDialogRect(d, &units);
           RECT client = {};
           GetClientRect(d, &client);
           EXPECT_EQ(client.right, units.right);
           EXPECT_EQ(client.bottom, units.bottom);
           EXPECT_NE(SendMessageA(d, WM_GETICON, ICON_SMALL, 0), 0);

           HWND picture = GetDlgItem(d, IDC_WIZ_PICTURE);
           ASSERT_NE(picture, nullptr);
           EXPECT_EQ(GetWindowLongA(picture, GWL_STYLE) & SS_TYPEMASK, SS_BITMAP);
           EXPECT_NE(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
           RECT p = {};
           GetWindowRect(picture, &p);
           MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&p), 2);
           EXPECT_EQ(p.left, 0);
           EXPECT_EQ(p.top, 0);
           EXPECT_EQ(p.right - p.left, 120);
           EXPECT_EQ(p.bottom - p.top, 226);

           HWND line = GetDlgItem(d, IDC_WIZ_LINE);
           ASSERT_NE(line, nullptr);
           EXPECT_EQ(GetWindowLongA(line, GWL_STYLE) & SS_TYPEMASK, SS_ETCHEDHORZ);
           RECT l = {};
           GetWindowRect(line, &l);
           MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&l), 2);
           RECT next = {};
           GetWindowRect(GetDlgItem(d, b.Next), &next);
           MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&next), 2);
           EXPECT_LT(l.top, next.top);  // above the buttons
           EXPECT_GE(l.top, p.bottom);  // below the picture

           EXPECT_EQ(Text(d, b.Next), row.page == 8500 ? "Fertig stellen" : "Weiter >");
           EXPECT_EQ(Text(d, b.Cancel), "Abbrechen");
           if (b.Back != 0) {
             EXPECT_EQ(Text(d, b.Back), "< Zurück");
           } else {
             EXPECT_EQ(FindWindowExA(d, nullptr, "Button", "< Zurück"), nullptr);
           }
           EXPECT_EQ(LOWORD(SendMessageA(d, DM_GETDEFID, 0, 0)), b.Next);
           for (const auto& [id, text] : row.texts) EXPECT_EQ(Text(d, id), text) << id;
           if (row.page == 8000) {
             EXPECT_TRUE(GetWindowLongA(GetDlgItem(d, IDC_WIZ_PATHS_GAME), GWL_STYLE) &
                         ES_READONLY);
             EXPECT_TRUE(GetWindowLongA(GetDlgItem(d, IDC_WIZ_PATHS_MAKER), GWL_STYLE) &
                         ES_READONLY);
           }
           if (row.page == 8400) {
             EXPECT_TRUE(GetWindowLongA(GetDlgItem(d, IDC_WIZ_MOUSE_ID), GWL_STYLE) & ES_NUMBER);
           }
           Click(d, b.Cancel);
         }}};
    EXPECT_EQ(Walk(row.page, steps), std::vector<int>{row.page});
  }
}

TEST_F(WizardPages, TheLoopEndsAsCancelledWhenAPageCannotBeShown) {
  for (std::int32_t id : {8300, 4000, 1000}) {
    SCOPED_TRACE(id);
    App().Wizard.NextPage = id;
    RunWizardPages();  // returns at once, showing nothing
    EXPECT_EQ(App().Wizard.NextPage, kWizardCancelled);
  }
}

}  // namespace
}  // namespace wavoria
