// The worked example of the script writer, done by hand through the real
// windows: New, rename to Testskript, WriteToLog "Start", SetDebugLevel 2 at
// the end, EnableKeySupport at position 1, Save As. The file must come out
// byte for byte.
#include <gtest/gtest.h>

#include "app/editor_windows_win.h"
#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;

TEST(WorkedExample, TheSessionThroughTheWindowsWritesTheFileByteForByte) {
  ResetEditor();
  AppendLog("ein älteres Skript");  // New must start from scratch
  TempFolder folder("worked-example");
  const std::string path = folder.File("Testskript.script.wav");
  ChooserStub chooser({path});
  DialogDriver driver;
  driver.Then(MainCaption(), [](HWND w) {
    Command(w, IDM_NEW);
    Select(w, 0);
    Post(w, IDC_MAIN_EDIT);
  });
  driver.Then("Skript umbenennen", [](HWND d) {
    SetDlgItemTextA(d, IDC_RENAME_NAME, "Testskript");
    Click(d, IDC_RENAME_OK);
  });
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_EQ(ListLine(w, IDC_MAIN_LIST, 0), "Skriptname: Testskript");
    Select(w, 1);
    Post(w, IDC_MAIN_ADD);
  });
  driver.Then("Kommando hinzufügen", [](HWND d) { Click(d, IDC_CHOOSER_LOG); });
  driver.Then("In Logdatei schreiben", [](HWND d) {
    SetDlgItemTextA(d, IDC_LOG_TEXT, "Start");
    Click(d, IDC_LOG_OK);
  });
  driver.Then(MainCaption(), [](HWND w) {
    Select(w, 2);
    Post(w, IDC_MAIN_ADD);
  });
  driver.Then("Kommando hinzufügen", [](HWND d) { Click(d, IDC_CHOOSER_DEBUG_LEVEL); });
  driver.Then("Debuglevel setzen", [](HWND d) {
    SendDlgItemMessageA(d, IDC_DEBUG_LEVEL_LEVEL, CB_SETCURSEL, 2, 0);
    Click(d, IDC_DEBUG_LEVEL_OK);
  });
  driver.Then(MainCaption(), [](HWND w) {
    Select(w, 1);
    Post(w, IDC_MAIN_ADD);
  });
  driver.Then("Kommando hinzufügen", [](HWND d) { Click(d, IDC_CHOOSER_KEY_ON); });
  driver.Then(MainCaption(), [](HWND w) {
    EXPECT_EQ(Lines(w), (std::vector<std::string>{
                            "Skriptname: Testskript", "<> Tastensupport aktivieren",
                            "<> In Logdatei schreiben: Start", "<> Debuglevel setzen: 2", "<>"}));
    EXPECT_TRUE(App().Modified);
    Post(w, IDM_SAVE_AS);
  });
  driver.Then(MainCaption(path), [](HWND w) {
    EXPECT_FALSE(App().Modified);
    CloseMainWindow(w);
  });
  ASSERT_TRUE(driver.Run(ShowMainWindow, 20000)) << driver.Problems();
  EXPECT_EQ(ReadFile(path), kWorkedExample);
}

}  // namespace
}  // namespace wavoria
