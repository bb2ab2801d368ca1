// Installing support into a game: the plan for each choice of support (the
// CLI's tests carry it out on real folders, failures included).
#include "wizard/install_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <map>

#include "document/script_reader.h"
#include "test_support.h"
#include "wizard/file_ops.h"
#include "wizard/install_backup.h"
#include "wizard/install_executor.h"

namespace wavoria {
namespace {

namespace fs = std::filesystem;
constexpr char S = kPathSeparator;
using testing::FileBytes;

TEST(InstallPlan, AutorunAndMouseScriptForEachChoice) {
  const std::string start =
      "Sound\\MidiTickOutput.script.wav\r\nSound\\MidiTickClear.script.wav\r\n";
  const std::string keys = start + "Sound\\KeyList.script.wav\r\n";
  const std::tuple<WizardSettings, std::string> rows[] = {
      {{.KeyboardSupport = 1}, keys + "Sound\\KeySupportON.script.wav\r\n"},
      // StartFunction left at mouse support after its box was unticked
      {{.KeyboardSupport = 1, .StartFunction = 1}, keys + "Sound\\KeySupportON.script.wav\r\n"},
      {{.MouseSupport = 1}, start + "Sound\\MouseSupportON.script.wav\r\n"},
      {{.KeyboardSupport = 1, .MouseSupport = 1}, keys + "Sound\\KeySupportON.script.wav\r\n"},
      {{.KeyboardSupport = 1, .MouseSupport = 1, .StartFunction = 1},
       keys + "Sound\\MouseSupportON.script.wav\r\n"},
  };
  for (const auto& [settings, autorun] : rows) EXPECT_EQ(AutorunText(settings), autorun);
  const WizardSettings mouse{.MouseSupport = 1, .MouseId = -5, .AutoSendPosition = 1};
  EXPECT_EQ(MouseSupportScriptText(mouse),
            "\r\n;WIZDESC$Maussupport\r\n[Execute]\r\nAction=EnableMouseSupport\r\nEnable=True\r\n"
            "ID=-5\r\nAutomatic=True\r\nNext=\r\n");
  CommandTable table;
  EXPECT_FALSE(ParseScript(MouseSupportScriptText(mouse), testing::EditorActions(), table).Any());
  EXPECT_TRUE(IsScriptFileName("a.SCRIPT.Wav"));
  EXPECT_FALSE(IsScriptFileName("a.script.wav.txt"));
}

TEST(InstallPlan, StepsAndRequiredTemplates) {
  testing::TempFolder templates("plan-templates");
  ASSERT_TRUE(CreateFolder(templates.File("Mouse")));
  // A template named like the generated script is not copied; other files stay behind.
  for (const char* name : {"mousesupporton.SCRIPT.WAV", "Liesmich.txt", "Klick.script.wav"}) {
    ASSERT_TRUE(WriteFileAtomically(templates.File("Mouse") + S + name, "x"));
  }
  const WizardSettings settings{
      .GamePath = "g", .MakerPath = "m", .KeyboardSupport = 1, .MouseSupport = 1};
  const InstallPlan plan = BuildInstallPlan(settings, templates.Path());
  std::string steps;
  for (const InstallStep& step : plan.Steps) steps += step.Source + ">" + step.Target + " ";
  steps.replace(0, 0, " ");
  for (std::size_t at; (at = steps.find(templates.Path())) != std::string::npos;) {
    steps.replace(at, templates.Path().size(), "T");
  }
  std::replace(steps.begin(), steps.end(), S, '/');
  EXPECT_EQ(
      steps,
      " >g/Sound m/oldharmony.dll>g/oldharmony.dll m/harmony.dll>g/harmony.dll "
      "T/common/MidiTickClear.script.wav>g/Sound/MidiTickClear.script.wav "
      "T/common/MidiTickOutput.script.wav>g/Sound/MidiTickOutput.script.wav "
      "T/Key/KeyList.script.wav>g/Sound/KeyList.script.wav T/Key/KeySupportON.script.wav>g/Sound/"
      "KeySupportON.script.wav T/Mouse/Klick.script.wav>g/Sound/Klick.script.wav "
      "T/Mouse/Liesmich.txt>g/Sound/Liesmich.txt "
      ">g/Sound/MouseSupportON.script.wav >g/autorun.script ");
  EXPECT_EQ(plan.Steps[2].After, 1);
  EXPECT_EQ(plan.Steps.back().Bytes, AutorunText(settings));
  EXPECT_EQ(plan.KeyListPath, std::string("g") + S + "Sound" + S + "KeyList.script.wav");
  EXPECT_EQ(BuildInstallPlan({.GamePath = "g", .MouseSupport = 1}, "t").KeyListPath, "");
}

// A backup folder is named after the local time it was made.
TEST(InstallBackup, TheStampIsTheLocalTime) {
  auto now = [] {
    char text[32];
    const std::time_t t = std::time(nullptr);
    std::strftime(text, sizeof text, "%Y-%m-%d %H.%M.%S", std::localtime(&t));
    return std::string(text);
  };
  const std::string before = now(), stamp = BackupStampNow(), after = now();
  EXPECT_TRUE(stamp == before || stamp == after) << stamp;
}

}  // namespace
}  // namespace wavoria
