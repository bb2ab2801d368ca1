// A second installation through the wizard over a customised key list, with
// read-only libraries in the RPG Maker folder: the first installation's
// copies can be replaced, the key list is kept in the backup, and the closing
// message names the backup.
#include <gtest/gtest.h>

#include "app/program_win.h"
#include "document/script_writer.h"
#include "editor_test_support.h"
#include "wizard/install_backup.h"
#include "wizard/install_executor.h"

namespace wavoria::testing {

TEST(WizardBackup, ASecondInstallationKeepsTheCustomisedKeyListInTheBackup) {
  ResetEditor();
  TempFolder root("wizard-backup");
  const std::string game = root.File("Spiel\\"), maker = root.File("RPG2000\\");
  const std::string templates = ProgramFolder() + "\\scripts\\", empty = ScriptText({});
  for (const std::string& f : {game, maker, templates + "common", templates + "Key"})
    std::filesystem::create_directories(f);
  for (const char* f :
       {"common\\MidiTickOutput", "common\\MidiTickClear", "Key\\KeyList", "Key\\KeySupportON"})
    WriteFile(templates + f + ".script.wav", empty);
  for (const char* f : {"RPG_RT.EXE", "harmony.dll"}) WriteFile(game + f, f);
  for (const char* f : {"RPG2000.EXE", "harmony.dll", "oldharmony.dll"}) {
    WriteFile(maker + f, f);
    SetFileAttributesA((maker + f).c_str(), FILE_ATTRIBUTE_READONLY);
  }
  App().Wizard = {.GamePath = game, .MakerPath = maker, .KeyboardSupport = 1};
  ASSERT_TRUE(InstallSupport(App().Wizard, templates).AllSucceeded());  // the first one
  const std::string keyList = game + "Sound\\KeyList.script.wav";
  WriteFile(keyList, "mine");
  EXPECT_FALSE(GetFileAttributesA((game + "harmony.dll").c_str()) & FILE_ATTRIBUTE_READONLY);
  FixBackupStamp("2026-12-07 15.00.00");
  const std::string backup = game + "Wavoria-Sicherung\\2026-12-07 15.00.00";
  ProcessEndCounter ends;
  DialogDriver driver;
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_WIZ_PATHS_NEXT); });
  driver.Then("Wavoria", [](HWND box) { Click(box, IDYES); });  // already installed
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_WIZ_FUNCTIONS_NEXT); });
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_WIZ_FINISH_FINISH); });
  driver.Then("Wavoria", [&](HWND box) {
    EXPECT_NE(MessageText(box).find("in der Sicherung '" + backup + "'."), std::string::npos);
    Click(box, IDOK);
  });
  driver.Then(MainCaption(keyList), CloseMainWindow);
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_WIZ_PATHS_CANCEL); });
  driver.Then("Wavoria", [](HWND d) { Click(d, IDC_START_CANCEL); });
  App().Wizard.NextPage = kPagePaths;
  ASSERT_TRUE(driver.Run([] { RunTopLevelFlow(FlowState::kWizard); }, 20000)) << driver.Problems();
  EXPECT_EQ(ReadFile(backup + "\\Sound\\KeyList.script.wav"), "mine");
  EXPECT_EQ(ReadFile(keyList), empty);
  for (const char* f : {"RPG2000.EXE", "harmony.dll", "oldharmony.dll"}) {
    SetFileAttributesA((maker + f).c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

}  // namespace wavoria::testing
