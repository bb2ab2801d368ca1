#include "app/top_level_flow.h"

#include <gtest/gtest.h>

#include <set>

#include "app/editor_rules.h"
#include "platform/file_error.h"
#include "platform/file_io.h"

namespace wavoria {
namespace {

TEST(TopLevelFlow, ArgumentsAndFirstState) {
  const std::pair<std::vector<std::string>, std::string> joins[] = {
      {{}, ""},
      {{" ", "x.script.wav", " "}, "x.script.wav"},
      {{"\tx"}, "\tx"},
      {{"a  b"}, "a  b"},
      {{"C:\\Meine", "Skripte\\a", "b.script.wav"}, "C:\\Meine Skripte\\a b.script.wav"}};
  for (const auto& [args, line] : joins) EXPECT_EQ(JoinArguments(args), line);
  const std::string maker(kDefaultMakerExe);
  const std::string folder = "C:\\Programme\\ASCII\\RPG2000\\";
  // command line, files there, first state, script to open, RPG Maker folder preset
  const std::tuple<std::string, std::set<std::string>, FlowState, std::string, std::string>
      cases[] = {
          {"", {}, FlowState::kStartScreen, "", ""},
          {"", {maker}, FlowState::kStartScreen, "", folder},
          {"C:\\a b.script.wav",
           {"C:\\a b.script.wav", maker},
           FlowState::kEditor,
           "C:\\a b.script.wav",
           ""},
          {"C:\\fehlt.script.wav", {maker}, FlowState::kStartScreen, "", folder},
      };
  for (const auto& [line, files, state, script, makerPath] : cases) {
    SCOPED_TRACE(line);
    std::string scriptToOpen;
    WizardSettings wizard;
    auto exists = [&](const std::string& path) { return files.count(path) > 0; };
    EXPECT_EQ(FirstState(line, exists, scriptToOpen, wizard), state);
    EXPECT_EQ(scriptToOpen + "|" + wizard.MakerPath, script + "|" + makerPath);
  }
}

TEST(TopLevelFlow, Transitions) {
  using F = FlowState;
  const std::tuple<int, FlowState, std::int32_t, bool> starts[] = {
      {kStartWizard, F::kWizard, kPagePaths, false},
      {kStartNew, F::kEditor, kWizardCancelled, true},
      {kStartOpen, F::kEditor, kWizardCancelled, false},
      {0, F::kExit, kWizardCancelled, false},
      {2004, F::kExit, kWizardCancelled, false}};
  const std::tuple<std::int32_t, FlowState, FlowState> ends[] = {
      {kPagePaths, F::kWizard, F::kStartScreen},
      {kWizardCancelled, F::kExit, F::kStartScreen},
      {kWizardInstall, F::kWizard, F::kInstall},
      {kPageFinish, F::kWizard, F::kStartScreen}};
  for (const auto& [choice, state, page, isNew] : starts) {
    WizardSettings wizard{.NextPage = 8400};  // left over from an earlier run
    EXPECT_EQ(AfterStartScreen(choice, wizard), state) << choice;
    EXPECT_EQ(std::pair(wizard.NextPage, StartsNewScript(choice)), std::pair(page, isNew));
  }
  for (const auto& [page, afterEditor, afterWizard] : ends) {
    const WizardSettings wizard{.NextPage = page};
    EXPECT_EQ(std::pair(AfterEditor(wizard), AfterWizard(wizard)),
              std::pair(afterEditor, afterWizard));
  }
  WizardSettings wizard{.GamePath = "C:\\Spiel\\", .MouseSupport = 1};
  const std::string keyList =
      std::string("C:\\Spiel\\Sound") + kPathSeparator + "KeyList.script.wav";
  const std::tuple<int, bool, FlowState, std::string> installs[] = {
      {0, true, F::kStartScreen, ""},
      {1, false, F::kStartScreen, ""},  // not installed: not opened
      {1, true, F::kEditor, keyList}};
  for (const auto& [keyboard, installed, state, script] : installs) {
    wizard.KeyboardSupport = static_cast<std::uint8_t>(keyboard);
    std::string scriptToOpen;
    EXPECT_EQ(AfterInstall(wizard, installed, scriptToOpen), state);
    EXPECT_EQ(scriptToOpen, script);
  }
}

// A script on the command line that is there but cannot be read is named
// with the cause; one that opens, none and one that is not there say nothing.
// The editor hands over to the wizard's first page or ends the program.
TEST(TopLevelFlow, AnUnreadableScriptIsNamedAndHowTheEditorEnds) {
  const std::string script = "C:\\Spiel\\a.script.wav";
  // command line, first state, why a test of the file fails (None: it opens), warned
  const std::tuple<std::string, FlowState, FileError, bool> rows[] = {
      {script, FlowState::kStartScreen, FileError::InUse, true},
      {script, FlowState::kStartScreen, FileError::Denied, true},
      {script, FlowState::kStartScreen, FileError::NotFound, false},
      {script, FlowState::kStartScreen, FileError::None, false},
      {script, FlowState::kEditor, FileError::InUse, false},  // opened: not looked at again
      {"", FlowState::kStartScreen, FileError::InUse, false}};
  for (const auto& [line, first, cause, warned] : rows) {
    SCOPED_TRACE(FileErrorCause(cause));
    auto exists = [cause](const std::string&) {
      SetLastFileError(cause);
      return cause == FileError::None;
    };
    EXPECT_EQ(UnreadableScriptWarning(line, first, exists),
              warned ? std::optional(CannotOpenMessage(script, cause)) : std::nullopt);
  }
  for (const bool toWizard : {true, false}) {
    WizardSettings wizard{.NextPage = kPageFinish};  // left over from an earlier run
    EndEditor(toWizard, wizard);
    EXPECT_EQ(std::pair(wizard.NextPage, AfterEditor(wizard)),
              toWizard ? std::pair(kPagePaths, FlowState::kWizard)
                       : std::pair(kWizardCancelled, FlowState::kExit));
  }
}

}  // namespace
}  // namespace wavoria
