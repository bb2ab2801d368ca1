// The installation as the program runs it: the wizard walked to the end
// installs into a real game folder whose path has a blank and an umlaut,
// with the templates from the "scripts" folder beside the program, and the
// editor opens the installed key list; an installation that fails says what
// could not be done and opens no key list that is not there.
#include <gtest/gtest.h>

#include "app/program_win.h"
#include "app/win_util_win.h"
#include "document/list_lines.h"
#include "document/script_reader.h"
#include "editor_test_support.h"
#include "wizard/install_backup.h"
#include "wizard/program_choosers_win.h"
#include "wizard/wizard_shell_win.h"

namespace wavoria {
namespace {

using namespace testing;

constexpr const char* kTemplateFolders[] = {"common", "Key", "Mouse"};

// The shipped templates: data\scripts of the source tree, through Wine's Z:
// drive when the tests were built on Linux.
std::string SourceTemplates() {
  std::string file = __FILE__;
  const std::size_t cut = file.find_last_of("/\\");
  std::string root = file.substr(0, cut) + "/../../data/scripts";
  for (char& c : root) {
    if (c == '/') c = '\\';
  }
  return root.front() == '\\' ? "Z:" + root : root;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found = {};
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(h, &found));
  FindClose(h);
  return names;
}

// Removes a folder with everything in it, read-only files included.
void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found = {};
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(h, &found));
    FindClose(h);
  }
  RemoveDirectoryA(folder.c_str());
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The lines the main window must show for a script file.
std::vector<std::string> ListLinesOf(const std::string& path) {
  CommandTable table;
  ParseScript(ReadFile(path), App().Tables.Actions, table);
  return BuildListLines(table);
}

// A game folder and an RPG Maker folder below one temporary folder whose name
// has a blank and an umlaut, and the templates laid out beside the program
// (ProgramFolder + "\scripts") as the program folder has them.
class WizardInstall : public ::testing::Test {
 public:
  void SetUp() override {
    ResetEditor();
    FixBackupStamp("2026-12-07 14.03.12");
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    base_ = std::string(temp) + "wavoria wiz Spielstätte";
    RemoveTree(base_);
    ASSERT_TRUE(CreateDirectoryA(base_.c_str(), nullptr)) << base_;
    game_ = base_ + "\\Mein Spiel\\";
    maker_ = base_ + "\\RPG Maker 2000\\";
    ASSERT_TRUE(CreateDirectoryA(game_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(maker_.c_str(), nullptr));
    WriteFile(game_ + "RPG_RT.EXE", "runtime");
    WriteFile(game_ + "harmony.dll", "harmony des Spiels");
    WriteFile(maker_ + "RPG2000.EXE", "maker");
    WriteFile(maker_ + "harmony.dll", "Klavato");
    WriteFile(maker_ + "oldharmony.dll", "alte harmony");

    templates_ = ProgramFolder() + "\\scripts";
    RemoveTree(templates_);
    ASSERT_TRUE(CreateDirectoryA(templates_.c_str(), nullptr)) << templates_;
    const std::string source = SourceTemplates();
    for (const char* sub : kTemplateFolders) {
      const std::string from = source + "\\" + sub;
      const std::string to = templates_ + "\\" + sub;
      ASSERT_TRUE(CreateDirectoryA(to.c_str(), nullptr));
      const std::vector<std::string> names = FilesIn(from);
      ASSERT_FALSE(names.empty()) << from;
      for (const std::string& name : names) {
        ASSERT_TRUE(CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE));
      }
    }
  }

  void TearDown() override {
    SetProgramChooser({});
    FixBackupStamp("");
    RemoveTree(base_);
    RemoveTree(templates_);
  }

  std::string KeyList() const { return game_ + "Sound\\KeyList.script.wav"; }

  std::string base_, game_, maker_, templates_;
};

bool IsStartScreen(HWND d) {
  return GetDlgItem(d, IDC_START_CANCEL) != nullptr;
}

TEST_F(WizardInstall, TheWizardInstallsIntoTheGameAndTheEditorOpensTheKeyList) {
  ProgramChooserStub chooser({game_ + "RPG_RT.EXE", maker_ + "RPG2000.EXE"});
  ProcessEndCounter ends;
  std::vector<std::string> shownLines;
  DialogDriver driver;
  driver.Then("Wavoria", [](HWND d) {
    Click(d, IDC_WIZ_PATHS_GAME_BROWSE);
    Click(d, IDC_WIZ_PATHS_MAKER_BROWSE);
  });
  driver.Then("Wavoria", [&](HWND d) {
    EXPECT_EQ(Text(d, IDC_WIZ_PATHS_GAME), game_ + "RPG_RT.EXE");
    EXPECT_EQ(Text(d, IDC_WIZ_PATHS_MAKER), maker_ + "RPG2000.EXE");
    Click(d, IDC_WIZ_PATHS_NEXT);
  });
  driver.Then("Wavoria", [](HWND d) {
    SetButtonChecked(d, IDC_WIZ_FUNCTIONS_KEYBOARD, true);
    SetButtonChecked(d, IDC_WIZ_FUNCTIONS_MOUSE, true);
    Click(d, IDC_WIZ_FUNCTIONS_NEXT);
  });
  driver.Then("Wavoria", [](HWND d) {
    EXPECT_EQ(ComboSelection(d, IDC_WIZ_START_FUNCTION_LIST), 0);  // "Tastatursupport"
    Click(d, IDC_WIZ_START_FUNCTION_NEXT);
  });
  driver.Then("Wavoria", [](HWND d) {
    SetDlgItemTextA(d, IDC_WIZ_MOUSE_ID, "5");
    SetButtonChecked(d, IDC_WIZ_MOUSE_NEGATIVE, true);
    SetButtonChecked(d, IDC_WIZ_MOUSE_AUTOMATIC, true);
    Click(d, IDC_WIZ_MOUSE_NEXT);
  });
  driver.Then("Wavoria", [](HWND d) {
    EXPECT_NE(Text(d, IDC_WIZ_FINISH_KEY_LIST), "");
    Click(d, IDC_WIZ_FINISH_FINISH);
  });
  driver.Then("Wavoria", [this](HWND box) {
    // The game's own harmony.dll is kept in the backup.
    ExpectBox(box, "Wavoria",
              "Ihrem Spiel wurden soeben Tastatur- bzw. Maussupport hinzugefügt!\r\n\r\nDie "
              "ersetzten Dateien, die sich von den neuen unterschieden, liegen in der Sicherung '" +
                  game_ + "Wavoria-Sicherung\\2026-12-07 14.03.12'.",
              IDI_ASTERISK, {IDOK});
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    Click(box, IDOK);
  });
  driver.Then(MainCaption(KeyList()), [&](HWND w) {
    shownLines = Lines(w);
    CloseMainWindow(w);  // hands over to the wizard again
  });
  driver.Then("Wavoria", [&](HWND d) {
    // The second run shows the first run's folders.
    EXPECT_EQ(Text(d, IDC_WIZ_PATHS_GAME), game_ + "RPG_RT.EXE");
    EXPECT_EQ(Text(d, IDC_WIZ_PATHS_MAKER), maker_ + "RPG2000.EXE");
    Click(d, IDC_WIZ_PATHS_CANCEL);
  });
  driver.Then("Wavoria", [](HWND d) {
    EXPECT_TRUE(IsStartScreen(d));
    Click(d, IDC_START_CANCEL);
  });
  App().Wizard.NextPage = kPagePaths;
  ASSERT_TRUE(driver.Run([] { RunTopLevelFlow(FlowState::kWizard); }, 20000)) << driver.Problems();
  EXPECT_GE(ends.Count(), 1);

  // The libraries: Klavato's over the game's, and the one it replaced.
  EXPECT_EQ(ReadFile(game_ + "harmony.dll"), "Klavato");
  EXPECT_EQ(ReadFile(game_ + "oldharmony.dll"), "alte harmony");
  EXPECT_EQ(ReadFile(game_ + "RPG_RT.EXE"), "runtime");
  // Every template, byte for byte, in the Sound folder the installation made.
  for (const char* sub : kTemplateFolders) {
    for (const std::string& name : FilesIn(templates_ + "\\" + sub)) {
      SCOPED_TRACE(name);
      EXPECT_EQ(ReadFile(game_ + "Sound\\" + name),
                ReadFile(templates_ + "\\" + sub + "\\" + name));
    }
  }
  EXPECT_EQ(ReadFile(game_ + "autorun.script"),
            "Sound\\MidiTickOutput.script.wav\r\n"
            "Sound\\MidiTickClear.script.wav\r\n"
            "Sound\\KeyList.script.wav\r\n"
            "Sound\\KeySupportON.script.wav\r\n");
  EXPECT_EQ(ReadFile(game_ + "Sound\\MouseSupportON.script.wav"),
            "\r\n;WIZDESC$Maussupport\r\n[Execute]\r\nAction=EnableMouseSupport\r\nEnable=True\r\n"
            "ID=-5\r\nAutomatic=True\r\nNext=\r\n");

  // The editor showed the installed key list: its name, every command, the end.
  const std::vector<std::string> expected = ListLinesOf(KeyList());
  EXPECT_EQ(shownLines, expected);
  ASSERT_GE(shownLines.size(), 40u);  // arrows, Enter, Escape, Space, digits, letters
  EXPECT_EQ(shownLines.front().rfind("Skriptname: Tastenliste", 0), 0u) << shownLines.front();
  EXPECT_EQ(shownLines.back(), "<>");
  EXPECT_EQ(App().DocumentPath, KeyList());
}

TEST_F(WizardInstall, AFailedInstallationSaysWhatAndOpensOnlyAKeyListThatIsThere) {
  struct Row {
    const char* name;
    std::function<void(WizardInstall&)> setUp;
    std::function<std::string(const WizardInstall&)> warning;
    bool editorOpens;
  };
  const std::string refused =
      "Die Installation wurde nicht ausgeführt; an Ihrem Spiel wurde nichts verändert.\r\n\r\n";
  const Row rows[] = {
      {"Klavato's harmony.dll missing in the RPG Maker folder",
       [](WizardInstall& t) { DeleteFileA((t.maker_ + "harmony.dll").c_str()); },
       [&](const WizardInstall& t) {
         return refused + "Die Datei '" + t.maker_ + "harmony.dll' wurde nicht gefunden.";
       },
       false},
      {"game folder is the RPG Maker folder",
       [](WizardInstall& t) {
         WriteFile(t.game_ + "oldharmony.dll", "alte harmony");
         App().Wizard.MakerPath = t.game_;
       },
       [&](const WizardInstall& t) {
         return refused +
                "Der Ordner des Spiels und der Ordner des RPG Makers sind derselbe Ordner ('" +
                t.game_ + "').";
       },
       false},
      {"the game's harmony.dll cannot be replaced",
       [](WizardInstall& t) {
         SetFileAttributesA((t.game_ + "harmony.dll").c_str(), FILE_ATTRIBUTE_READONLY);
       },
       [&](const WizardInstall& t) {
         return refused + "Die Datei '" + t.game_ +
                "harmony.dll' kann nicht ersetzt werden: schreibgeschützt oder keine Berechtigung.";
       },
       false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TearDown();
    SetUp();
    WizardSettings& w = App().Wizard;
    w.GamePath = game_;
    w.MakerPath = maker_;
    w.KeyboardSupport = 1;
    w.NextPage = kWizardInstall;
    row.setUp(*this);
    const WizardSettings before = w;
    const std::string gameHarmony = ReadFile(game_ + "harmony.dll");

    ProcessEndCounter ends;
    DialogDriver driver;
    driver.Then("Wavoria", [&](HWND box) {
      ExpectBox(box, "Wavoria", row.warning(*this), IDI_EXCLAMATION, {IDOK});
      EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
      Click(box, IDOK);
    });
    if (row.editorOpens) {
      driver.Then(MainCaption(KeyList()), [&](HWND w) {
        EXPECT_EQ(Lines(w), ListLinesOf(KeyList()));
        CloseMainWindow(w);
      });
      driver.Then("Wavoria", [](HWND d) { Click(d, IDC_WIZ_PATHS_CANCEL); });
    }
    driver.Then("Wavoria", [](HWND d) {
      EXPECT_TRUE(IsStartScreen(d));
      Click(d, IDC_START_CANCEL);
    });
    ASSERT_TRUE(driver.Run([] { RunTopLevelFlow(FlowState::kInstall); }, 15000))
        << driver.Problems();
    EXPECT_GE(ends.Count(), 1);
    // The game keeps the library it had, and a refused installation changes nothing.
    EXPECT_EQ(ReadFile(game_ + "harmony.dll"), gameHarmony);
    EXPECT_EQ(Exists(game_ + "Sound"), row.editorOpens);
    EXPECT_EQ(Exists(game_ + "autorun.script"), row.editorOpens);
    // The installation leaves the wizard's settings as they were.
    WizardSettings after = App().Wizard;
    after.NextPage = before.NextPage;
    EXPECT_EQ(after, before);
  }
}

}  // namespace
}  // namespace wavoria
