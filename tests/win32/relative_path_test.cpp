// A script opened by a relative path is saved where it was opened, even after
// a file chooser made another folder the current one.
#include <gtest/gtest.h>

#include "editor_test_support.h"

namespace wavoria {
namespace {

using namespace testing;

const char kScript[] = "[Execute]\r\nAction=WriteToLog\r\nText=a\r\nNext=\r\n";

// Then the file is made read-only: the next save fails and says why.
TEST(RelativePath, SpeichernWritesTheOpenedFileAfterAChooserChangedTheFolder) {
  ResetEditor();
  TempFolder game("relative-game"), other("relative-other");
  for (const TempFolder* f : {&game, &other}) CreateDirectoryA(f->File("Sound").c_str(), nullptr);
  const std::string script = game.File("Sound\\KeyList.script.wav");
  WriteFile(script, kScript);
  char started[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, started);
  SetCurrentDirectoryA(game.Path().c_str());
  App().ScriptToOpen = "Sound\\KeyList.script.wav";
  // Like the system's chooser, browsing makes the folder shown the current one.
  SetScriptChooser([&](HWND, bool, const std::string&) {
    SetCurrentDirectoryA(other.Path().c_str());
    return std::string();
  });
  std::string saved;
  DialogDriver driver;
  driver.Then(MainCaption(script), [&](HWND w) {
    Command(w, IDM_SAVE_AS);  // cancelled
    Command(w, IDM_SAVE);
    EXPECT_EQ(GetWindowString(w), MainCaption(script));
    EXPECT_EQ((saved = ReadFile(script)).rfind(";Diese Datei wurde von Wavoria", 0), 0u) << saved;
    EXPECT_FALSE(FileExists(other.File("Sound\\KeyList.script.wav")));
    SetFileAttributesA(script.c_str(), FILE_ATTRIBUTE_READONLY);
    Post(w, IDM_SAVE);
  });
  driver.Then("Wavoria", [&](HWND box) {
    ExpectBox(box, "Wavoria",
              "Die Datei '" + script +
                  "' konnte nicht gespeichert werden: schreibgeschützt oder keine Berechtigung.",
              IDI_EXCLAMATION, {IDOK});
    Click(box, IDOK);
  });
  FinishWith(driver, MainCaption(script), [&](HWND) { EXPECT_EQ(ReadFile(script), saved); });
  SetFileAttributesA(script.c_str(), FILE_ATTRIBUTE_NORMAL);
  SetScriptChooser({});
  SetCurrentDirectoryA(started);
}

}  // namespace
}  // namespace wavoria
