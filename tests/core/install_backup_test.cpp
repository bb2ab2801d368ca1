// Backups of replaced game files, restore, failure causes and the game folder
// as Windows sees it, through wavoria-cli run in-process. POSIX permissions
// stand in for the read-only attribute, so these run natively.
#ifndef _WIN32
#include "wizard/install_backup.h"

#include <gtest/gtest.h>

#include "cli/cli.h"
#include "document/file_io.h"
#include "test_support.h"
#include "wizard/file_ops.h"

namespace wavoria {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int Status = 0;
  std::string Out, Err;
};

class InstallBackupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"game/RPG_RT.EXE", "maker/RPG2000.EXE", "maker/oldharmony.dll"})
      Put(f, f);
    Put("game/harmony.dll", "own");
    Put("maker/harmony.dll", "Klavato");
    for (const char* f :
         {"common/MidiTickOutput.script.wav", "common/MidiTickClear.script.wav",
          "Key/KeyList.script.wav", "Key/KeySupportON.script.wav", "Key/Liesmich.txt"}) {
      Put(std::string("tpl/") + f, f);
    }
  }
  void TearDown() override { FixBackupStamp(""); }

  std::string Path(const std::string& rel) const { return root_.Path() + "/" + rel; }
  void Put(const std::string& rel, const std::string& bytes) const {
    fs::create_directories(fs::path(Path(rel)).parent_path());
    ASSERT_TRUE(WriteFileAtomically(Path(rel), bytes));
  }
  std::string Get(const std::string& rel) const {
    std::string bytes = "<missing>";
    ReadWholeFile(Path(rel), bytes);
    return bytes;
  }
  CliRun Cli(std::vector<std::string> args, std::string stamp = "2026-12-07 14.03.12") const {
    args.insert(args.end(), {"--game", Path("game")});
    if (args[0] == "install")
      args.insert(args.end(), {"--maker", Path("maker"), "--templates", Path("tpl")});
    FixBackupStamp(stamp);
    CliRun run;
    run.Status = cli::RunCli(args, {[&](std::string_view t) { run.Out += t; },
                                    [&](std::string_view t) { run.Err += t; }});
    return run;
  }

  // One folder per test: ctest runs them side by side.
  testing::TempFolder root_{std::string("backup-") +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(InstallBackupTest, ASecondInstallKeepsTheMakersFilesAndRestoreBringsThemBack) {
  EXPECT_EQ(BackupStamp({2026, 12, 7, 14, 3, 12}), "2026-12-07 14.03.12");
  const std::string first = "game/Wavoria-Sicherung/2026-12-07 14.03.12";
  CliRun run = Cli({"install", "--keyboard", "--mouse"});
  ASSERT_EQ(run.Status, 0) << run.Err;
  // Only the game's own library differed; every template file is copied, and
  // the missing Mouse folder is named.
  EXPECT_NE(run.Out.find("Sicherung '" + Path(first) + "'"), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find("Vorlagenordner '" + Path("tpl/Mouse") + "' fehlt"), std::string::npos);
  EXPECT_EQ(FilesIn(Path(first)), std::vector<std::string>{"harmony.dll"});
  EXPECT_TRUE(FoldersIn(Path(first)).empty());
  EXPECT_EQ(Get(first + "/harmony.dll"), "own");
  EXPECT_EQ(Get("game/Sound/Liesmich.txt"), "Key/Liesmich.txt");

  Put("game/Sound/KeyList.script.wav", "mine");
  Put("game/autorun.script", "Sound\\Mine.script.wav\r\n");
  run = Cli({"install", "--keyboard", "--mouse", "--force"}, "2026-12-07 15.00.00");
  ASSERT_EQ(run.Status, 0) << run.Err;
  const std::string second = "game/Wavoria-Sicherung/2026-12-07 15.00.00";
  EXPECT_EQ(FilesIn(Path(second)), std::vector<std::string>{"autorun.script"});
  EXPECT_EQ(FilesIn(Path(second + "/Sound")), std::vector<std::string>{"KeyList.script.wav"});
  EXPECT_EQ(Get(second + "/Sound/KeyList.script.wav"), "mine");

  run = Cli({"restore"}, "2026-12-07 16.00.00");
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(Get("game/Sound/KeyList.script.wav"), "mine");
  EXPECT_EQ(Get("game/autorun.script"), "Sound\\Mine.script.wav\r\n");
  EXPECT_EQ(Get("game/Wavoria-Sicherung/2026-12-07 16.00.00/Sound/KeyList.script.wav"),
            "Key/KeyList.script.wav");
  fs::remove_all(Path("game/Wavoria-Sicherung"));
  EXPECT_NE(Cli({"restore"}).Err.find("gibt es keine Sicherung"), std::string::npos);
}

TEST_F(InstallBackupTest, EveryFailureNamesTheFileAndItsCauseAndChangesNothing) {
  const struct {
    std::string file, mode, expected;  // mode: "file" put as is, "000"/"444" permissions
  } rows[] = {
      {"game/Wavoria-Sicherung", "file", "Sicherung' für die Sicherung konnte nicht angelegt"},
      {"game/harmony.dll", "444", "harmony.dll' kann nicht ersetzt werden: schreibgeschützt"},
      {"tpl/Key/KeyList.script.wav", "000",
       "KeyList.script.wav' konnte nicht gelesen werden: "
       "schreibgeschützt oder keine Berechtigung."},
      {"game/harmony.dll", "full", "Der Datenträger ist voll."},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.file + " " + r.mode);
    fs::remove_all(root_.Path());
    SetUp();
    if (r.mode == "file") Put(r.file, "x");
    if (r.mode == "000" || r.mode == "444") {
      fs::permissions(Path(r.file), r.mode == "000" ? fs::perms::none : fs::perms::owner_read);
    }
    if (r.mode == "full") SimulateShortWriteAfter(0);
    CliRun run;
    auto install = [&] { run = Cli({"install", "--keyboard"}); };
    // Without write permission bits a file is refused for root too.
    ASSERT_TRUE(r.mode == "000" ? testing::WithoutRootRights(install) : (install(), true));
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find(r.expected), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("nichts verändert"), std::string::npos);
    EXPECT_EQ(run.Err.find("nicht gefunden"), std::string::npos);
    EXPECT_TRUE(FoldersIn(Path("game")).empty());
    fs::permissions(Path(r.file), fs::perms::owner_all, fs::perm_options::add);
    SimulateShortWriteAfter(-1);
    EXPECT_EQ(Get("game/harmony.dll"), "own");
  }
}

TEST_F(InstallBackupTest, NamesInTheGameFolderAreMatchedIgnoringCase) {
  ASSERT_TRUE(fs::remove(Path("game/harmony.dll")));
  Put("game/HARMONY.DLL", "own");
  Put("game/SOUND/KEYLIST.SCRIPT.WAV", "mine");
  Put("game/AUTORUN.SCRIPT", "Sound\\Mine.script.wav\r\n");
  EXPECT_NE(Cli({"install", "--keyboard"}).Err.find("bereits"), std::string::npos);
  ASSERT_EQ(Cli({"install", "--keyboard", "--force"}).Status, 0);
  EXPECT_EQ(FoldersIn(Path("game")), (std::vector<std::string>{"SOUND", "Wavoria-Sicherung"}));
  EXPECT_EQ(FilesIn(Path("game")), (std::vector<std::string>{"AUTORUN.SCRIPT", "HARMONY.DLL",
                                                             "RPG_RT.EXE", "oldharmony.dll"}));
  EXPECT_EQ(Get("game/SOUND/KEYLIST.SCRIPT.WAV"), "Key/KeyList.script.wav");
  const std::string backup = "game/Wavoria-Sicherung/2026-12-07 14.03.12/";
  EXPECT_EQ(Get(backup + "HARMONY.DLL"), "own");
  EXPECT_EQ(Get(backup + "SOUND/KEYLIST.SCRIPT.WAV"), "mine");
}

}  // namespace
}  // namespace wavoria
#endif
