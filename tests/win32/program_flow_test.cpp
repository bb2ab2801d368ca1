// The top-level flow driven through its real windows: start screen, editor,
// wizard and installation, and the script the editor opens when its
// window opens (named on the command line, on the start screen, or the key
// list after the installation).
#include <gtest/gtest.h>

#include "app/editor_windows_win.h"
#include "app/program_win.h"
#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;

TEST(ProgramFlow, NeuStartsAnEmptyScriptAndACancelledWizardShowsTheStartScreenAgain) {
  ResetEditor();
  AppendLog("von vorher");
  App().DocumentPath = "C:\\vorher.script.wav";
  ProcessEndCounter ends;
  DialogDriver driver;
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_START_NEW); });
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_EQ(Lines(w), (std::vector<std::string>{"Skriptname: Unbenanntes Skript", "<>"}));
    Post(w, IDM_WIZARD);
  });
  // The wizard's first page, cancelled: back to the start screen.
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_WIZ_PATHS_CANCEL); });
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_START_CANCEL); });
  ASSERT_TRUE(driver.Run([] { RunTopLevelFlow(FlowState::kStartScreen); })) << driver.Problems();
  EXPECT_GE(ends.Count(), 1);
}

TEST(ProgramFlow, ExitFromTheEditorEndsTheProgramWithoutTheStartScreen) {
  ResetEditor();
  TempFolder folder("flow-exit");
  const std::string path = folder.File("a b.script.wav");
  WriteFile(path, ";WIZDESC$Aus der Befehlszeile\r\n");
  ASSERT_EQ(FirstState(JoinArguments({folder.File("a"), "b.script.wav"}), FileExists,
                       App().ScriptToOpen, App().Wizard),
            FlowState::kEditor);
  ProcessEndCounter ends;
  DialogDriver driver;
  driver.Then(MainCaption(path), [](HWND w) {
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 0), "Skriptname: Aus der Befehlszeile");
    Post(w, IDM_EXIT);
  });
  ASSERT_TRUE(driver.Run([] { RunTopLevelFlow(FlowState::kEditor); })) << driver.Problems();
  EXPECT_GE(ends.Count(), 1);
  EXPECT_EQ(App().DocumentPath, path);
  EXPECT_FALSE(App().Modified);
}

TEST(ProgramFlow, AScriptThatCannotBeReadWhenTheEditorOpensKeepsTheScript) {
  ResetEditor();
  TempFolder folder("flow-unreadable");
  const std::string missing = folder.File("weg.script.wav");
  AppendLog("bleibt");
  App().DocumentPath = "C:\\vorher.script.wav";
  App().Modified = true;
  App().ScriptToOpen = missing;
  DialogDriver driver;
  ThenWarning(driver, "Die Datei '" + missing + "' konnte nicht geöffnet werden: nicht gefunden.");
  FinishWith(driver, MainCaption("C:\\vorher.script.wav"), [](HWND w) {
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 1), "<> In Logdatei schreiben: bleibt");
    EXPECT_TRUE(App().Modified);
    EXPECT_EQ(App().ScriptToOpen, "");
  });
}

TEST(ProgramFlow, TheReadersWarningsComeBeforeTheWindowAndBelongToIt) {
  ResetEditor();
  TempFolder folder("flow-warnings");
  const std::string path = folder.File("w.script.wav");
  WriteFile(path, "[Execute]\r\nAction=Unbekannt\r\nNext=\r\n");
  App().ScriptToOpen = path;
  HWND owner = nullptr;
  DialogDriver driver;
  driver.Then("Wavoria", [&](HWND box) {
    ExpectWarning(box,
                  "Die geöffnete Datei beinhaltet unbekannte Kommandos. Das Speichern kann zu "
                  "Datenverlust führen.");
    owner = GetWindow(box, GW_OWNER);
    Click(box, IDOK);
  });
  FinishWith(driver, MainCaption(path), [&](HWND w) {
    EXPECT_EQ(owner, w);
    EXPECT_FALSE(App().Modified);
  });
}

// The wizard_install tests walk a whole installation into the editor; here
// the installation cannot run (no RPG Maker folder), so the key list an
// earlier run left is not opened: the start screen follows the warning.
TEST(ProgramFlow, InstallThatPutsNoKeyListInPlaceShowsTheStartScreen) {
  ResetEditor();
  TempFolder game("flow-install");
  CreateDirectoryA(game.File("Sound").c_str(), nullptr);
  const std::string keyList = game.File("Sound\\KeyList.script.wav");
  WriteFile(keyList, ";WIZDESC$Keylist\r\n");
  App().Wizard.GamePath = game.Path() + "\\";
  App().Wizard.KeyboardSupport = 1;
  App().Wizard.NextPage = kWizardInstall;
  ProcessEndCounter ends;
  DialogDriver driver;
  driver.Then("Wavoria", [](HWND box) {
    EXPECT_EQ(MessageIcon(box), IDI_EXCLAMATION);
    Click(box, IDOK);
  });
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_START_CANCEL); });
  ASSERT_TRUE(driver.Run([] { RunTopLevelFlow(FlowState::kInstall); })) << driver.Problems();
  EXPECT_EQ(App().ScriptToOpen, "");
  EXPECT_GE(ends.Count(), 1);
}

}  // namespace
}  // namespace wavoria
