// The start screen (dialog 2000): its controls and images, and what each
// button leaves for the top-level flow.
#include <gtest/gtest.h>

#include "app/editor_windows_win.h"
#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;

TEST(StartScreen, ShowsItsTextsAndImages) {
  ResetEditor();
  DialogDriver driver;
  driver.Then("Wavoria", [](HWND d) {
    const std::pair<int, const char*> texts[] = {
        {IDC_START_WIZARD, "Assist."},
        {IDC_START_NEW, "Neu"},
        {IDC_START_OPEN, "Öffnen"},
        {IDC_START_CANCEL, "Abbrechen"},
        {IDC_START_WIZARD_TEXT,
         "Einen Assistenten starten, um einem Spiel ganz einfach Tastatur- und/oder Maussupport "
         "hinzuzufügen"},
        {IDC_START_NEW_TEXT, "Eine neue *.script.wav-Datei erstellen"},
        {IDC_START_OPEN_TEXT, "Eine vorhandene *.script.wav-Datei öffnen"},
        {IDC_START_INTRO,
         "Wavoria hilft Ihnen, *.script.wav-Dateien für Veskaris Klavato zu erstellen und zu "
         "bearbeiten. Außerdem steht ein Assistent zur Verfügung, mit dem Sie Ihrem Spiel ganz "
         "komfortabel Tastatur- und/oder Maussupport hinzufügen können."},
    };
    for (auto [id, text] : texts) EXPECT_EQ(Text(d, id), text) << id;
    for (int id : {IDC_START_WIZARD, IDC_START_NEW, IDC_START_OPEN}) {
      EXPECT_NE(SendDlgItemMessageA(d, id, BM_GETIMAGE, IMAGE_ICON, 0), 0) << id;
    }
    EXPECT_NE(SendDlgItemMessageA(d, IDC_START_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(GetWindowLongA(GetDlgItem(d, IDC_START_LINE), GWL_STYLE) & SS_TYPEMASK,
              SS_ETCHEDHORZ);
    EXPECT_NE(SendMessageA(d, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(GetWindow(d, GW_OWNER), nullptr);
    Click(d, IDC_START_NEW);
  });
  ASSERT_TRUE(driver.Run(ShowStartScreen)) << driver.Problems();
  EXPECT_EQ(App().StartChoice, IDC_START_NEW);
}

TEST(StartScreen, EachButtonLeavesItsChoice) {
  struct Case {
    const char* name;
    int button;  // 0: the close box
    int choice;
    int ends;  // attempts to end the program
  };
  const Case cases[] = {
      {"Assist.", IDC_START_WIZARD, 2001, 0},
      {"Neu", IDC_START_NEW, 2002, 0},
      {"Abbrechen", IDC_START_CANCEL, 0, 1},
      {"close box", 0, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetEditor();
    App().StartChoice = 2003;  // left from an earlier start screen
    ProcessEndCounter ends;
    DialogDriver driver;
    driver.Then("Wavoria", [&](HWND d) {
      if (c.button == 0) {
        PostMessageA(d, WM_CLOSE, 0, 0);
      } else {
        Click(d, c.button);
      }
    });
    ASSERT_TRUE(driver.Run(ShowStartScreen)) << driver.Problems();
    EXPECT_EQ(App().StartChoice, c.choice);
    EXPECT_EQ(ends.Count(), c.ends);
  }
}

TEST(StartScreen, OeffnenWithTheChooserCancelledStaysOpen) {
  ResetEditor();
  App().DocumentPath = "C:\\frueher.script.wav";
  ChooserStub chooser({"", "C:\\Skripte\\gewaehlt.script.wav"});
  HWND screen = nullptr;
  DialogDriver driver;
  driver.Then("Wavoria", [&](HWND d) {
    screen = d;
    Command(d, IDC_START_OPEN);  // cancelled
    EXPECT_TRUE(IsWindowVisible(d));
    EXPECT_EQ(App().ScriptToOpen, "");
    EXPECT_EQ(App().DocumentPath, "C:\\frueher.script.wav");
    Click(d, IDC_START_OPEN);
  });
  ASSERT_TRUE(driver.Run(ShowStartScreen)) << driver.Problems();
  EXPECT_EQ(App().StartChoice, IDC_START_OPEN);
  EXPECT_EQ(App().ScriptToOpen, "C:\\Skripte\\gewaehlt.script.wav");
  ASSERT_EQ(chooser.Calls().size(), 2u);
  EXPECT_EQ(chooser.Calls()[0].Owner, screen);
  EXPECT_FALSE(chooser.Calls()[0].ForSaving);
}

}  // namespace
}  // namespace wavoria
