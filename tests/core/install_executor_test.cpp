#include "wizard/install_executor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "document/file_io.h"
#include "test_support.h"
#include "wizard/file_ops.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace wavoria {
namespace {

constexpr char S = kPathSeparator;

std::string Read(const std::string& path) {
  std::string bytes = "<missing>";
  ReadWholeFile(path, bytes);
  return bytes;
}

// A game folder, an RPG Maker folder with Klavato's two libraries, and a copy
// of the shipped templates, all below one temporary folder.
class InstallSetup {
 public:
  explicit InstallSetup(const std::string& name, const std::string& gameName = "Spiel")
      : root_(name) {
    root = root_.Path() + S;
    game = root + gameName + S;
    maker = root + "RPG2000" + S;
    templates = root + "scripts";
    EXPECT_TRUE(CreateFolder(game));
    EXPECT_TRUE(CreateFolder(maker));
    EXPECT_TRUE(WriteFileAtomically(game + "RPG_RT.EXE", "runtime"));
    EXPECT_TRUE(WriteFileAtomically(game + "harmony.dll", "the game's own harmony"));
    EXPECT_TRUE(WriteFileAtomically(maker + "harmony.dll", "Klavato"));
    EXPECT_TRUE(WriteFileAtomically(maker + "oldharmony.dll", "the replaced harmony"));
    EXPECT_TRUE(CreateFolder(templates));
    for (const char* sub : {"common", "Key", "Mouse"}) {
      const std::string from = testing::ShippedTemplates() + S + sub, to = templates + S + sub;
      EXPECT_TRUE(CreateFolder(to));
      for (const std::string& name : FilesIn(from)) {
        EXPECT_TRUE(CopyFileOver(from + S + name, to + S + name));
      }
    }
  }

  WizardSettings Settings(int keyboard, int mouse) const {
    return {.GamePath = game,
            .MakerPath = maker,
            .KeyboardSupport = static_cast<std::uint8_t>(keyboard),
            .MouseSupport = static_cast<std::uint8_t>(mouse),
            .StartFunction = 1,
            .MouseId = 7};
  }

  // Every file of the game folder and of its Sound folder with its bytes.
  std::map<std::string, std::string> GameFiles() const {
    std::map<std::string, std::string> files;
    for (const std::string& name : FilesIn(game)) files[name] = Read(game + name);
    for (const std::string& name : FilesIn(game + "Sound")) {
      files[std::string("Sound") + S + name] = Read(game + "Sound" + S + name);
    }
    return files;
  }

  std::string root, game, maker, templates;

 private:
  testing::TempFolder root_;
};

bool Mentions(const InstallReport& report, const std::string& text) {
  return report.WarningText().find(text) != std::string::npos;
}

TEST(InstallExecutor, InstallsIntoAFolderWithBlanksAndUmlauts) {
  InstallSetup setup("install-full", "Mein Spiel ä");
  ASSERT_TRUE(FolderExists(setup.game));
  ASSERT_FALSE(FolderExists(setup.game + "Sound"));
  ASSERT_TRUE(WriteFileAtomically(setup.game + "autorun.script", "Sound\\Alt.script.wav\r\n"));
  const WizardSettings settings = setup.Settings(1, 1);

  InstallReport report = InstallSupport(settings, setup.templates);

  EXPECT_TRUE(report.AllSucceeded()) << report.WarningText();
  EXPECT_TRUE(report.KeyListInstalled);
  const std::string sound = setup.game + "Sound" + S;
  EXPECT_TRUE(FolderExists(sound));
  EXPECT_EQ(Read(setup.game + "harmony.dll"), "Klavato");
  EXPECT_EQ(Read(setup.game + "oldharmony.dll"), "the replaced harmony");
  for (const char* name : {"MidiTickOutput.script.wav", "MidiTickClear.script.wav"}) {
    EXPECT_EQ(Read(sound + name), Read(setup.templates + S + "common" + S + name)) << name;
  }
  for (const char* name : {"KeyList.script.wav", "KeySupportON.script.wav"}) {
    EXPECT_EQ(Read(sound + name), Read(setup.templates + S + "Key" + S + name)) << name;
  }
  EXPECT_EQ(Read(sound + "MouseSupportOFF.script.wav"),
            Read(setup.templates + S + "Mouse" + S + "MouseSupportOFF.script.wav"));
  EXPECT_EQ(Read(sound + "MouseSupportON.script.wav"), MouseSupportScriptText(settings));
  // The earlier autorun.script is replaced, not extended.
  EXPECT_EQ(Read(setup.game + "autorun.script"), AutorunText(settings));
  EXPECT_EQ(BuildInstallPlan(settings, setup.templates).KeyListPath, sound + "KeyList.script.wav");
  // No temporary file of the copies or writes is left behind.
  for (const auto& [name, bytes] : setup.GameFiles()) EXPECT_EQ(name.find('~'), std::string::npos);
}

TEST(InstallExecutor, AMissingSourceChangesNothing) {
  struct Row {
    const char* name;
    std::string missing;  // below the setup's root folder
  };
  const Row rows[] = {
      {"Klavato's harmony.dll", std::string("RPG2000") + S + "harmony.dll"},
      {"oldharmony.dll", std::string("RPG2000") + S + "oldharmony.dll"},
      {"the key list template", std::string("scripts") + S + "Key" + S + "KeyList.script.wav"},
      {"a common template", std::string("scripts") + S + "common" + S + "MidiTickClear.script.wav"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    InstallSetup setup("install-missing");
    ASSERT_TRUE(std::filesystem::remove(setup.root + r.missing));
    const auto before = setup.GameFiles();

    InstallReport report = InstallSupport(setup.Settings(1, 1), setup.templates);

    EXPECT_TRUE(report.Refused);
    EXPECT_FALSE(report.AllSucceeded());
    EXPECT_FALSE(report.KeyListInstalled);
    EXPECT_EQ(report.Problems, std::vector<std::string>{"Die Datei '" + setup.root + r.missing +
                                                        "' wurde nicht gefunden."});
    EXPECT_TRUE(Mentions(report, "an Ihrem Spiel wurde nichts verändert"));
    EXPECT_EQ(setup.GameFiles(), before);
    EXPECT_FALSE(FolderExists(setup.game + "Sound"));
  }
}

TEST(InstallExecutor, GameFolderThatIsTheMakerFolderIsRefused) {
  InstallSetup setup("install-same");
  WizardSettings settings = setup.Settings(1, 0);
  // The same folder, spelled without its trailing separator.
  settings.GamePath = setup.maker.substr(0, setup.maker.size() - 1);
  ASSERT_TRUE(WriteFileAtomically(setup.maker + "autorun.script", "kept\r\n"));
  const std::string harmony = Read(setup.maker + "harmony.dll");

  InstallReport report = InstallSupport(settings, setup.templates);

  EXPECT_TRUE(report.Refused);
  EXPECT_TRUE(Mentions(report, "derselbe Ordner")) << report.WarningText();
  EXPECT_TRUE(Mentions(report, "nichts verändert"));
  EXPECT_EQ(Read(setup.maker + "harmony.dll"), harmony);
  EXPECT_EQ(Read(setup.maker + "oldharmony.dll"), "the replaced harmony");
  EXPECT_EQ(Read(setup.maker + "autorun.script"), "kept\r\n");
  EXPECT_FALSE(FolderExists(setup.maker + "Sound"));
}

TEST(InstallExecutor, AMissingGameFolderIsRefused) {
  InstallSetup setup("install-nogame");
  WizardSettings settings = setup.Settings(1, 0);
  settings.GamePath = setup.game + "Fehlt" + S;
  InstallReport report = InstallSupport(settings, setup.templates);
  EXPECT_TRUE(report.Refused);
  EXPECT_FALSE(FolderExists(settings.GamePath));
}

// Klavato's harmony.dll needs oldharmony.dll beside it: when that cannot be
// put in place the game keeps its own harmony.dll, and the report says why.
TEST(InstallExecutor, HarmonyIsOnlyReplacedOnceOldHarmonyIsInPlace) {
  InstallSetup setup("install-oldharmony");
  ASSERT_TRUE(CreateFolder(setup.game + "oldharmony.dll"));  // nothing can be copied over it

  InstallReport report = InstallSupport(setup.Settings(1, 0), setup.templates);

  EXPECT_TRUE(report.Refused);
  EXPECT_EQ(Read(setup.game + "harmony.dll"), "the game's own harmony");
  EXPECT_TRUE(Mentions(report, "oldharmony.dll' konnte nicht gelesen werden"));
}

TEST(InstallExecutor, AnUnwritableGameFolderIsReportedAndTheGameKeepsItsLibrary) {
  namespace fs = std::filesystem;
  InstallSetup setup("install-readonly");
  ASSERT_TRUE(CreateFolder(setup.game + "Sound"));
  // Windows has no folder permissions that stop a copy; there the game's
  // library itself is read-only.
  fs::permissions(setup.game + "harmony.dll",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
#ifndef _WIN32
  for (const std::string& folder : {setup.game, setup.game + "Sound"}) {
    fs::permissions(folder,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  }
#endif
  const auto before = setup.GameFiles();

  InstallReport report;
#ifdef _WIN32
  report = InstallSupport(setup.Settings(1, 1), setup.templates);
#else
  ASSERT_TRUE(testing::WithoutRootRights([&] {
    report = InstallSupport(setup.Settings(1, 1), setup.templates);
  })) << "cannot take an ordinary user's rights";
#endif

  // Refused before anything changes: the library may not be replaced.
  EXPECT_TRUE(report.Refused);
  EXPECT_EQ(Read(setup.game + "harmony.dll"), "the game's own harmony");
  EXPECT_TRUE(Mentions(report, "harmony.dll' kann nicht ersetzt werden: schreibgeschützt"))
      << report.WarningText();
  EXPECT_FALSE(report.KeyListInstalled);
  EXPECT_EQ(setup.GameFiles(), before);
  fs::permissions(setup.game + "harmony.dll", fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
}  // namespace wavoria
