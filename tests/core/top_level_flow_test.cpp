#include "app/top_level_flow.h"

#include <gtest/gtest.h>

#include <set>

#include "document/file_io.h"

namespace wavoria {
namespace {

TEST(TopLevelFlow, ArgumentsAreJoinedWithSingleBlanksAndStripped) {
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::string line;
  };
  const Case cases[] = {
      {"none", {}, ""},
      {"one path", {"C:\\a.script.wav"}, "C:\\a.script.wav"},
      {"a path with blanks split up",
       {"C:\\Meine", "Skripte\\a", "b.script.wav"},
       "C:\\Meine Skripte\\a b.script.wav"},
      {"blanks at both ends go", {" ", "x.script.wav", " "}, "x.script.wav"},
      {"tabs stay", {"\tx"}, "\tx"},
      {"blanks inside an argument stay", {"a  b"}, "a  b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(JoinArguments(c.arguments), c.line);
  }
}

TEST(TopLevelFlow, FirstStateFollowsTheCommandLine) {
  struct Case {
    const char* name;
    std::string commandLine;
    std::set<std::string> files;
    FlowState state;
    std::string scriptToOpen;
    std::string makerPath;
  };
  const std::string maker(kDefaultMakerExe);
  const Case cases[] = {
      {"no arguments", "", {}, FlowState::kStartScreen, "", ""},
      {"no arguments, RPG Maker installed",
       "",
       {maker},
       FlowState::kStartScreen,
       "",
       "C:\\Programme\\ASCII\\RPG2000\\"},
      {"an existing script",
       "C:\\a b.script.wav",
       {"C:\\a b.script.wav", maker},
       FlowState::kEditor,
       "C:\\a b.script.wav",
       ""},
      {"a missing file is ignored",
       "C:\\fehlt.script.wav",
       {maker},
       FlowState::kStartScreen,
       "",
       "C:\\Programme\\ASCII\\RPG2000\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string scriptToOpen;
    WizardSettings wizard;
    auto exists = [&](const std::string& path) { return c.files.count(path) > 0; };
    EXPECT_EQ(FirstState(c.commandLine, exists, scriptToOpen, wizard), c.state);
    EXPECT_EQ(scriptToOpen, c.scriptToOpen);
    EXPECT_EQ(wizard.MakerPath, c.makerPath);
  }
}

TEST(TopLevelFlow, StartScreenChoices) {
  struct Case {
    const char* name;
    int choice;
    FlowState state;
    std::int32_t nextPage;
    bool newScript;
  };
  const Case cases[] = {
      {"Assist.", kStartWizard, FlowState::kWizard, kPagePaths, false},
      {"Neu", kStartNew, FlowState::kEditor, kWizardCancelled, true},
      {"Öffnen", kStartOpen, FlowState::kEditor, kWizardCancelled, false},
      {"Abbrechen or the close box", 0, FlowState::kExit, kWizardCancelled, false},
      {"any other id", 2004, FlowState::kExit, kWizardCancelled, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WizardSettings wizard;
    wizard.NextPage = 8400;  // left over from an earlier wizard run
    EXPECT_EQ(AfterStartScreen(c.choice, wizard), c.state);
    EXPECT_EQ(wizard.NextPage, c.nextPage);
    EXPECT_EQ(StartsNewScript(c.choice), c.newScript);
  }
}

TEST(TopLevelFlow, EditorWizardAndInstallTransitions) {
  WizardSettings wizard;
  wizard.NextPage = kPagePaths;  // the editor's wizard hand-off
  EXPECT_EQ(AfterEditor(wizard), FlowState::kWizard);
  wizard.NextPage = kWizardCancelled;  // exit, should the window return
  EXPECT_EQ(AfterEditor(wizard), FlowState::kExit);

  EXPECT_EQ(AfterWizard(wizard), FlowState::kStartScreen);
  wizard.NextPage = kWizardInstall;
  EXPECT_EQ(AfterWizard(wizard), FlowState::kInstall);
  wizard.NextPage = kPageFinish;  // pages never stop here; nothing is installed then
  EXPECT_EQ(AfterWizard(wizard), FlowState::kStartScreen);

  std::string scriptToOpen;
  wizard.GamePath = "C:\\Spiele\\Mein Spiel\\";
  wizard.MouseSupport = 1;
  EXPECT_EQ(AfterInstall(wizard, false, scriptToOpen), FlowState::kStartScreen);
  EXPECT_EQ(scriptToOpen, "");
  wizard.KeyboardSupport = 1;
  // A key list the installation could not put in place is not opened.
  EXPECT_EQ(AfterInstall(wizard, false, scriptToOpen), FlowState::kStartScreen);
  EXPECT_EQ(scriptToOpen, "");
  EXPECT_EQ(AfterInstall(wizard, true, scriptToOpen), FlowState::kEditor);
  EXPECT_EQ(scriptToOpen,
            std::string("C:\\Spiele\\Mein Spiel\\Sound") + kPathSeparator + "KeyList.script.wav");
}

}  // namespace
}  // namespace wavoria
