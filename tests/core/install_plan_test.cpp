// Installing support into a game: the plan for each choice of support, and
// carrying it out on real folders, failures included.
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

std::string Read(const std::string& path) {
  std::string bytes = "<missing>";
  ReadWholeFile(path, bytes);
  return bytes;
}

// A game folder, an RPG Maker folder with both libraries and a copy of the
// shipped templates below one temporary folder.
struct GameSetup {
  explicit GameSetup(const std::string& gameName = "Mein Spiel ä") {
    game = root + gameName + S;
    for (const std::string& f : {game, maker, templates}) EXPECT_TRUE(CreateFolder(f));
    EXPECT_TRUE(WriteFileAtomically(game + "harmony.dll", "own"));
    EXPECT_TRUE(WriteFileAtomically(maker + "harmony.dll", "Klavato"));
    EXPECT_TRUE(WriteFileAtomically(maker + "oldharmony.dll", "replaced"));
    for (const char* sub : {"common", "Key", "Mouse"}) {
      const std::string from = testing::ShippedTemplates() + S + sub, to = templates + S + sub;
      EXPECT_TRUE(CreateFolder(to));
      for (const std::string& name : FilesIn(from))
        EXPECT_TRUE(CopyFileOver(from + S + name, to + S + name));
    }
  }
  WizardSettings Settings(int keyboard, int mouse) const {
    return {.GamePath = game,
            .MakerPath = maker,
            .KeyboardSupport = std::uint8_t(keyboard),
            .MouseSupport = std::uint8_t(mouse),
            .StartFunction = 1,
            .MouseId = 7};
  }
  std::map<std::string, std::string> GameFiles() const {
    std::map<std::string, std::string> files;
    for (const std::string& name : FilesIn(game)) files[name] = Read(game + name);
    for (const std::string& name : FilesIn(game + "Sound"))
      files["Sound/" + name] = Read(game + "Sound" + S + name);
    return files;
  }
  testing::TempFolder folder{"install"};
  std::string root = folder.Path() + S, game, maker = root + "RPG2000" + S,
              templates = root + "scripts";
};

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

TEST(InstallExecutor, InstallsAndReplacesAnEarlierAutorun) {
  GameSetup setup;
  ASSERT_TRUE(WriteFileAtomically(setup.game + "autorun.script", "Sound\\Alt.script.wav\r\n"));
  const WizardSettings settings = setup.Settings(1, 1);
  const InstallReport report = InstallSupport(settings, setup.templates);
  EXPECT_TRUE(report.AllSucceeded()) << report.WarningText();
  EXPECT_TRUE(report.KeyListInstalled);
  const std::string sound = setup.game + "Sound" + S;
  EXPECT_EQ(Read(setup.game + "harmony.dll"), "Klavato");
  EXPECT_EQ(Read(setup.game + "oldharmony.dll"), "replaced");
  EXPECT_EQ(Read(sound + "KeyList.script.wav"),
            Read(setup.templates + S + "Key" + S + "KeyList.script.wav"));
  EXPECT_EQ(Read(sound + "MouseSupportON.script.wav"), MouseSupportScriptText(settings));
  EXPECT_EQ(Read(setup.game + "autorun.script"), AutorunText(settings));
  for (const auto& [name, bytes] : setup.GameFiles()) EXPECT_EQ(name.find('~'), std::string::npos);
}

TEST(InstallExecutor, RefusedPlansChangeNothing) {
  // what is missing; "" for a game folder that is the RPG Maker folder
  for (const std::string& file :
       {std::string("RPG2000") + S + "harmony.dll",
        std::string("scripts") + S + "Key" + S + "KeyList.script.wav", std::string()}) {
    SCOPED_TRACE(file);
    GameSetup setup;
    WizardSettings settings = setup.Settings(1, 1);
    if (!file.empty()) {
      ASSERT_TRUE(fs::remove(setup.root + file));
    }
    std::string problem = "Die Datei '" + setup.root + file + "' wurde nicht gefunden.";
    if (file.empty()) {
      settings.GamePath = setup.maker.substr(0, setup.maker.size() - 1);
      problem = "derselbe Ordner";
    }
    const auto before = setup.GameFiles();
    const InstallReport report = InstallSupport(settings, setup.templates);
    EXPECT_TRUE(report.Refused);
    EXPECT_FALSE(report.AllSucceeded() || report.KeyListInstalled);
    EXPECT_NE(report.WarningText().find("an Ihrem Spiel wurde nichts verändert.\r\n\r\n"),
              std::string::npos);
    EXPECT_NE(report.WarningText().find(problem), std::string::npos) << report.WarningText();
    EXPECT_EQ(setup.GameFiles(), before);
  }
  GameSetup setup;
  WizardSettings settings = setup.Settings(1, 0);
  settings.GamePath = setup.game + "Fehlt" + S;
  EXPECT_TRUE(InstallSupport(settings, setup.templates).Refused);
  EXPECT_FALSE(FolderExists(settings.GamePath));
}

// Klavato's harmony.dll needs oldharmony.dll beside it: when that cannot be
// put in place the installation is refused before anything changes.
TEST(InstallExecutor, HarmonyIsOnlyReplacedOnceOldHarmonyCanBePutInPlace) {
  GameSetup setup;
  ASSERT_TRUE(CreateFolder(setup.game + "oldharmony.dll"));  // nothing can be copied over it
  const InstallReport report = InstallSupport(setup.Settings(1, 0), setup.templates);
  EXPECT_TRUE(report.Refused);
  EXPECT_EQ(Read(setup.game + "harmony.dll"), "own");
  EXPECT_NE(report.WarningText().find("oldharmony.dll' konnte nicht gelesen werden"),
            std::string::npos)
      << report.WarningText();
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
