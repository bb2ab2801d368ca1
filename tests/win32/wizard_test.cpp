// The wizard pages driven for real, and an installation through them into a
// real game folder (a blank and an umlaut in its path) after which the
// editor opens the installed key list.
#include <gtest/gtest.h>

#include "app/program_win.h"
#include "app/win_util_win.h"
#include "editor_test_support.h"
#include "platform/program_folder.h"
#include "wizard/wizard_shell_win.h"

namespace wavoria {
namespace {

using namespace testing;
namespace fs = std::filesystem;

bool RunPages(DialogDriver& driver, int first) {
  App().Wizard.NextPage = first;
  return driver.Run(RunWizardPages, 15000);
}

// Whatever a page shows is changed, Escape leaves it open, and Abbrechen or
// the close box then keeps every setting as it was.
TEST(WizardPages, EscapeKeepsAPageOpenCancelAndTheCloseBoxStoreNothing) {
  const std::pair<int, int> pages[] = {{kPagePaths, IDC_WIZ_PATHS_CANCEL},
                                       {8100, IDC_WIZ_FUNCTIONS_CANCEL},
                                       {8200, IDC_WIZ_START_FUNCTION_CANCEL},
                                       {8400, IDC_WIZ_MOUSE_CANCEL},
                                       {8500, IDC_WIZ_FINISH_CANCEL}};
  for (auto [page, cancel] : pages) {
    for (bool closeBox : {false, true}) {
      SCOPED_TRACE(std::to_string(page) + (closeBox ? " close box" : " Abbrechen"));
      ResetEditor();
      App().Wizard.KeyboardSupport = App().Wizard.MouseSupport = 1;
      ChooserStub chooser({"C:\\A\\RPG_RT.EXE", "C:\\A\\RPG2000.EXE"});
      const WizardSettings before = App().Wizard;
      DialogDriver driver;
      driver.Then("Wavoria", [&](HWND d) {
        for (int id : {IDC_WIZ_PATHS_GAME_BROWSE, IDC_WIZ_PATHS_MAKER_BROWSE}) Command(d, id);
        for (int id : {IDC_WIZ_FUNCTIONS_KEYBOARD, IDC_WIZ_MOUSE_NEGATIVE}) {
          SetButtonChecked(d, id, !IsDlgButtonChecked(d, id));
        }
        Select(d, IDC_WIZ_START_FUNCTION_LIST, 1);
        SetDlgItemTextA(d, IDC_WIZ_MOUSE_ID, "99");
        PressKeys({VK_ESCAPE});
      });
      driver.Then("Wavoria", [&](HWND d) {
        if (closeBox) PostMessageA(d, WM_CLOSE, 0, 0);
        if (!closeBox) Click(d, cancel);
      });
      ASSERT_TRUE(RunPages(driver, page)) << driver.Problems();
      WizardSettings expected = before;
      expected.NextPage = kWizardCancelled;
      EXPECT_EQ(App().Wizard, expected);
    }
  }
}

TEST(WizardPages, ThePathsPageAsksOverItselfAndTheRuntimeChooserIsTheSystemsOwn) {
  ResetEditor();
  TempFolder game("wiz-game");
  WriteFile(game.File("RPG_RT.EXE"), "");
  WriteFile(game.File("autorun.script"), "");
  ChooserStub chooser({game.File("RPG_RT.EXE")});
  HWND page = nullptr;
  DialogDriver driver;
  driver.Then("Wavoria", [&](HWND d) {
    page = d;
    Click(d, IDC_WIZ_PATHS_NEXT);
  });
  driver.Then("Wavoria", [&](HWND box) {
    ExpectWarning(box, "Bitte geben Sie den Pfad Ihres Spiels an!");
    EXPECT_EQ(GetWindow(box, GW_OWNER), page);
    Click(box, IDOK);
  });
  driver.Then("Wavoria", [&](HWND d) {
    Command(d, IDC_WIZ_PATHS_GAME_BROWSE);
    EXPECT_EQ(Text(d, IDC_WIZ_PATHS_GAME), game.File("RPG_RT.EXE"));
    SetProgramChooser({});  // the system's own chooser from here on
    Click(d, IDC_WIZ_PATHS_GAME_BROWSE);
  });
  driver.Then("RPG Runtime-Pfad finden", [](HWND chooser) {
    EXPECT_EQ(Text(chooser, 0x470), "RPG Runtime (rpg_rt.exe)");  // cmb1, the filter
    Click(chooser, IDCANCEL);
  });
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_WIZ_PATHS_CANCEL); });
  ASSERT_TRUE(RunPages(driver, kPagePaths)) << driver.Problems();
}

// The game and RPG Maker folders, and the templates beside the program.
class WizardInstall : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEditor();
    fs::remove_all(templates_);
    std::string source = "Z:" + fs::path(__FILE__).parent_path().string() + "/../../data/scripts";
    std::replace(source.begin(), source.end(), '/', '\\');
    fs::copy(source, templates_, fs::copy_options::recursive);
    CreateDirectoryA(game_.c_str(), nullptr);
    CreateDirectoryA(maker_.c_str(), nullptr);
    WriteFile(game_ + "RPG_RT.EXE", "runtime");
    WriteFile(game_ + "harmony.dll", "harmony des Spiels");
    WriteFile(maker_ + "RPG2000.EXE", "maker");
    WriteFile(maker_ + "harmony.dll", "Klavato");
    WriteFile(maker_ + "oldharmony.dll", "alte harmony");
  }
  void TearDown() override { fs::remove_all(templates_); }

  TempFolder base_{"wiz Spielstätte"};
  std::string game_ = base_.File("Mein Spiel\\"), maker_ = base_.File("RPG Maker\\");
  std::string templates_ = ProgramFolder() + "\\scripts";
};

TEST_F(WizardInstall, TheWizardInstallsAndTheEditorOpensTheKeyList) {
  ChooserStub chooser({game_ + "RPG_RT.EXE", maker_ + "RPG2000.EXE"});
  ProcessEndCounter ends;
  const std::string keyList = game_ + "Sound\\KeyList.script.wav";
  const std::vector<std::function<void(HWND)>> pages = {
      [](HWND d) {
        Command(d, IDC_WIZ_PATHS_GAME_BROWSE);
        Command(d, IDC_WIZ_PATHS_MAKER_BROWSE);
        Click(d, IDC_WIZ_PATHS_NEXT);
      },
      [](HWND d) {
        SetButtonChecked(d, IDC_WIZ_FUNCTIONS_KEYBOARD, true);
        SetButtonChecked(d, IDC_WIZ_FUNCTIONS_MOUSE, true);
        PressKeys({VK_RETURN});  // Enter is "Weiter >"
      },
      [](HWND d) { Click(d, IDC_WIZ_START_FUNCTION_NEXT); },
      [](HWND d) {
        SetDlgItemTextA(d, IDC_WIZ_MOUSE_ID, "5");
        SetButtonChecked(d, IDC_WIZ_MOUSE_NEGATIVE, true);
        SetButtonChecked(d, IDC_WIZ_MOUSE_AUTOMATIC, true);
        Click(d, IDC_WIZ_MOUSE_BACK);
      },
      [](HWND d) { Click(d, IDC_WIZ_START_FUNCTION_NEXT); },
      [](HWND d) {
        EXPECT_EQ(Text(d, IDC_WIZ_MOUSE_ID), "5");
        Click(d, IDC_WIZ_MOUSE_NEXT);
      },
      [](HWND d) { Click(d, IDC_WIZ_FINISH_BACK); },
      [](HWND d) { Click(d, IDC_WIZ_MOUSE_NEXT); },
      [](HWND d) { Click(d, IDC_WIZ_FINISH_FINISH); },
  };
  DialogDriver driver;
  for (const auto& page : pages) driver.Then("Wavoria", page);
  driver.Then("Wavoria", [](HWND box) {
    ExpectBox(box, "Wavoria", "Ihrem Spiel wurden soeben Tastatur- bzw. Maussupport hinzugefügt!",
              IDI_ASTERISK, {IDOK});
    Click(box, IDOK);
  });
  std::vector<std::string> lines;
  driver.Then(MainCaption(keyList), [&](HWND w) {
    lines = Lines(w);
    CloseMainWindow(w);  // hands over to the wizard again, which shows the folders
  });
  driver.Then("Wavoria", [&](HWND d) {
    EXPECT_EQ(Text(d, IDC_WIZ_PATHS_MAKER), maker_ + "RPG2000.EXE");
    Click(d, IDC_WIZ_PATHS_CANCEL);
  });
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_START_CANCEL); });
  App().Wizard.NextPage = kPagePaths;
  ASSERT_TRUE(driver.Run([] { RunTopLevelFlow(FlowState::kWizard); }, 30000)) << driver.Problems();
  EXPECT_GE(ends.Count(), 1);
  EXPECT_EQ(ReadFile(game_ + "harmony.dll"), "Klavato");
  EXPECT_EQ(ReadFile(game_ + "oldharmony.dll"), "alte harmony");
  EXPECT_EQ(ReadFile(game_ + "Sound\\MouseSupportON.script.wav"),
            "\r\n;WIZDESC$Maussupport\r\n[Execute]\r\nAction=EnableMouseSupport\r\nEnable=True\r\n"
            "ID=-5\r\nAutomatic=True\r\nNext=\r\n");
  EXPECT_EQ(ReadFile(game_ + "autorun.script"),
            "Sound\\MidiTickOutput.script.wav\r\nSound\\MidiTickClear.script.wav\r\n"
            "Sound\\KeyList.script.wav\r\nSound\\KeySupportON.script.wav\r\n");
  ASSERT_GE(lines.size(), 40u);  // arrows, Enter, Escape, Space, digits, letters
  EXPECT_EQ(lines.front().rfind("Skriptname: Tastenliste", 0), 0u) << lines.front();
}

TEST_F(WizardInstall, AFailedInstallationWarnsAndTheStartScreenFollows) {
  DeleteFileA((maker_ + "harmony.dll").c_str());
  App().Wizard.GamePath = game_;
  App().Wizard.MakerPath = maker_;
  App().Wizard.KeyboardSupport = 1;
  App().Wizard.NextPage = kWizardInstall;
  ProcessEndCounter ends;
  DialogDriver driver;
  driver.Then("Wavoria", [](HWND box) {
    EXPECT_EQ(MessageIcon(box), IDI_EXCLAMATION);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    Click(box, IDOK);
  });
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_START_CANCEL); });
  ASSERT_TRUE(driver.Run([] { RunTopLevelFlow(FlowState::kInstall); })) << driver.Problems();
  EXPECT_EQ(ReadFile(game_ + "harmony.dll"), "harmony des Spiels");
}

}  // namespace
}  // namespace wavoria
