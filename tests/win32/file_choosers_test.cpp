// The system's script choosers as the program sets them up: title, filter,
// preset file name, and what they return.
#include <windows.h>
// windows.h first: dlgs.h needs its types.
#include <dlgs.h>
#include <gtest/gtest.h>

#include "document/text.h"
#include "editor_test_support.h"
#include "layout_check.h"

namespace wavoria {
namespace {

using namespace testing;

// The file name field of a chooser: an edit control or the edit of a combo box.
HWND FileNameField(HWND chooser) {
  for (int id : {edt1, cmb13}) {
    HWND field = GetDlgItem(chooser, id);
    if (field != nullptr) return field;
  }
  return nullptr;
}

const std::vector<std::string> kFilters = {"Klavato-Skript (*.script.wav)", "Alle Dateien (*.*)"};

TEST(FileChoosers, OpenChooserIsPresetWithTheDocumentAndReturnsTheChoice) {
  ResetEditor();
  TempFolder folder("chooser-open");
  const std::string path = folder.File("vorhanden.script.wav");
  WriteFile(path, "");
  App().DocumentPath = path;
  std::string chosen = "unberührt";
  DialogDriver driver;
  driver.Then("Skript öffnen", [&](HWND d) {
    EXPECT_EQ(ComboItems(d, cmb1), kFilters);
    EXPECT_EQ(SendDlgItemMessageA(d, cmb1, CB_GETCURSEL, 0, 0), 0);
    HWND name = FileNameField(d);
    ASSERT_NE(name, nullptr);
    EXPECT_NE(Caption(name).find("vorhanden.script.wav"), std::string::npos) << Caption(name);
    Click(d, IDCANCEL);
  });
  ASSERT_TRUE(driver.Run([&] { chosen = ChooseScriptToOpen(nullptr); })) << driver.Problems();
  EXPECT_EQ(chosen, "");

  driver.Then("Skript öffnen", [&](HWND d) {
    SetWindowTextA(FileNameField(d), path.c_str());
    Click(d, IDOK);
  });
  ASSERT_TRUE(driver.Run([&] { chosen = ChooseScriptToOpen(nullptr); })) << driver.Problems();
  EXPECT_TRUE(EqualsIgnoreCase(chosen, path)) << chosen;
}

TEST(FileChoosers, SaveChooserAddsNoExtension) {
  ResetEditor();
  TempFolder folder("chooser-save");
  const std::string path = folder.File("ohne Endung");
  std::string chosen;
  DialogDriver driver;
  driver.Then("Skript speichern", [&](HWND d) {
    EXPECT_EQ(ComboItems(d, cmb1), kFilters);
    EXPECT_EQ(Caption(FileNameField(d)), "");  // no document path yet
    SetWindowTextA(FileNameField(d), path.c_str());
    Click(d, IDOK);
  });
  ASSERT_TRUE(driver.Run([&] { chosen = ChooseScriptToSave(nullptr); })) << driver.Problems();
  EXPECT_TRUE(EqualsIgnoreCase(chosen, path)) << chosen;
}

TEST(FileChoosers, SaveChooserAsksBeforeOverwriting) {
  ResetEditor();
  TempFolder folder("chooser-overwrite");
  const std::string path = folder.File("da.script.wav");
  WriteFile(path, "alt");
  App().DocumentPath = path;
  std::string chosen;
  bool asked = false;
  DialogDriver driver;
  driver.Then("Skript speichern", [&](HWND d) { Click(d, IDOK); });  // the preset name
  driver.Then("Skript speichern", [&](HWND box) {
    asked = HasButton(box, IDYES) && HasButton(box, IDNO);
    Click(box, IDYES);
  });
  ASSERT_TRUE(driver.Run([&] { chosen = ChooseScriptToSave(nullptr); })) << driver.Problems();
  EXPECT_TRUE(asked);
  EXPECT_TRUE(EqualsIgnoreCase(chosen, path)) << chosen;
  EXPECT_EQ(ReadFile(path), "alt");  // choosing writes nothing
}

}  // namespace
}  // namespace wavoria
