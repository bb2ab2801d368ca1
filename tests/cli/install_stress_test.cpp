// The installer and the undo under stress: records a maker saved again or
// damaged, a full disk, a second run at the same time, folders swapped for
// links while runs go on, the printed undo command pasted into a shell, and
// causes named truly.
#include <atomic>
#include <chrono>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <thread>

#include "tests/cli/cli_test_support.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace wavoria::cli {
namespace {

class InstallStress : public CliInstall {
 protected:
  // Undoes every installation in effect; the game is then as fresh.
  void UndoAll(const Strings& fresh) const {
    while (std::get<0>(Restore()) == 0) continue;
    EXPECT_EQ(GameFiles(), fresh);
  }
};

// A line of the record that names harmony.dll is passed over (it ends at a
// NUL byte): oldharmony.dll stays with Klavato's harmony.dll, and the undo
// says so and fails.
TEST_F(InstallStress, ARecordLinePassedOverKeepsTheLibraryPair) {
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  EditRecord([](std::string t) {
    return Replaced(t, "Ersetzt: harmony.dll", std::string("Ersetzt: harm\0ony.dll", 20));
  });
  const Strings skipped = ChooseRestore("game").Skipped;
  ASSERT_EQ(skipped.size(), 2u);
  const Outcome undo = Restore();
  EXPECT_THAT(undo, FieldsAre(1, "", HasSubstr(skipped[0] + "\n" + skipped[1] + "\n")));
  EXPECT_EQ(FileBytes(P("game/harmony.dll")) + FileBytes(P("game/oldharmony.dll")),
            "Klavatomaker/oldharmony.dll");
}

// The older of two records is damaged, the newer saved again by an editor
// (UTF-8 with a mark, blanks, other case): the newer installation is undone
// as usual; undoing the older one needs the maker's choice and changes
// nothing without it; putting back its files settles it.
TEST_F(InstallStress, ADamagedRecordBlocksOnlyWhatDependsOnIt) {
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  ASSERT_THAT(Install({"--mouse", "--force"}), FieldsAre(0, _, ""));
  EditRecord([](std::string t) { return Replaced(t, "Art: Installation", "Art: Neu"); });
  EditRecord(
      [](std::string t) {
        return "\xEF\xBB\xBF" + Cp1252ToUtf8(Replaced(t, "autorun.script", "AUTORUN.script \t"));
      },
      kFirst + " (2)");
  EXPECT_THAT(List(), FieldsAre(0,
                                AllOf(HasSubstr("    Beschädigt: Zeile 3: unbekannte Art 'Neu'\n"),
                                      HasSubstr("    Enthält: harmony.dll\n")),
                                ""));
  EXPECT_THAT(Restore(), FieldsAre(0, StartsWith("Die Installation Nr. 2 "), ""));
  const std::string asked = Printed(DamagedRecordText(ChooseRestore("game")));
  EXPECT_THAT(asked, HasSubstr(std::string(kRecordFile))) << "the damaged record is named";
  const Strings before = Tree("game");
  EXPECT_THAT(Restore(), FieldsAre(1, "", StartsWith(asked + "\nMit --damaged put-back")));
  EXPECT_EQ(Tree("game"), before);
  // Kept, in a copy of the game: its files stay as they are.
  fs::copy("game", "kept", fs::copy_options::recursive);
  EXPECT_THAT(Do({"restore", "--game", "kept", "--damaged", "keep"}), FieldsAre(0, _, ""));
  EXPECT_EQ(GameFiles("kept"), GameFiles());
  EXPECT_THAT(Restore({"--damaged", "put-back"}),
              FieldsAre(0,
                        StartsWith("Die Sicherung '2026-12-07 14.03.12' (Nr. 1) mit beschädigtem "
                                   "Inhaltsverzeichnis wurde zurückgelegt.\n"),
                        ""));
  EXPECT_EQ(FileBytes(P("game/harmony.dll")), "game/harmony.dll");
  EXPECT_EQ(Restore(), (Outcome{1, "", kNothing}));
  EXPECT_THAT(List(), FieldsAre(0,
                                HasSubstr("mit beschädigtem Inhaltsverzeichnis: erledigt "
                                          "durch Nr. 4\n"),
                                ""));
}

// A full disk at several fill levels: the installation is refused before it
// changes anything, or rolled back and recorded "abgebrochen" with the
// cause, or complete; never in force while incomplete. What a roll-back
// could not write on the full disk, the next run takes back.
TEST_F(InstallStress, AFullDiskNeverLeavesAnIncompleteInstallationInForce) {
  const Strings fresh = GameFiles();
  std::map<std::string, int> outcomes;
  for (long long bytes : {0, 300, 700, 750, 800, 900, 1000, 1200, 1600, 100000}) {
    SCOPED_TRACE(bytes);
    WriteGame();
    Outcome run, list;
    {
      const FullDisk disk(bytes);
      run = Install({"--keyboard"});
      list = List();
    }
    const std::string record = FileBytes(P(kFirst + "/Inhalt.txt"));
    const bool done = std::get<0>(run) == 0;
    ++outcomes[done ? "complete" : record == "<missing>" ? "refused" : "taken back"];
    if (!done) {
      EXPECT_THAT(run, FieldsAre(1, "", HasSubstr(FileErrorCause(FileError::DiskFull))));
      EXPECT_THAT(std::get<1>(list) + record,
                  Not(AnyOf(HasSubstr("in Kraft"), HasSubstr("vollständig"))));
    }
    UndoAll(fresh);
  }
  for (const auto& [outcome, count] : outcomes) std::cout << outcome << ": " << count << "\n";
  EXPECT_EQ(outcomes.size(), 3u) << "refused, taken back, complete";
}

// A second run while one holds the game changes nothing and says why; the
// lock a killed run left is taken over, and said so.
TEST_F(InstallStress, ASecondRunChangesNothingAndAKilledRunsLockIsTakenOver) {
  const std::string lock = P(kBackups + "/" + std::string(kLockFile));
  fs::create_directories(P(kBackups));
  {
    FileLock other;
    std::optional<std::string> left;
    ASSERT_EQ(other.Take(lock, LockOwnerText(), left), FileLock::Outcome::Taken);
    const Strings game = Tree("game");
    EXPECT_EQ(Install({"--keyboard"}), Refused("Die Installation", {std::string(kBusyText)}));
    EXPECT_EQ(Restore(), Refused("Das Rückgängigmachen", {std::string(kBusyText)}));
    EXPECT_EQ(List(), (Outcome{1, "", Printed(kBusyText)}));
    EXPECT_EQ(Tree("game"), game);
  }
  const std::string left = "Prozess: 4711\r\nBeginn: 2026-12-07 14.00.00\r\n";
  Write(lock, left);
  EXPECT_THAT(Install({"--keyboard"}), FieldsAre(0, HasSubstr(Printed(TakenOverText(left))), ""));
  EXPECT_FALSE(fs::exists(lock));
}

// The command install prints to undo it works pasted into a shell (cmd under
// Wine), also for a folder with blanks given with a trailing separator.
TEST_F(InstallStress, ThePrintedUndoCommandWorksInAShell) {
  const std::string game =
      fs::absolute(kUnderWine ? "Mein Spiel" : "Mein Spiel $HOME 'x'").string() + kPathSeparator;
  fs::rename("game", game);
  const Strings fresh = GameFiles(game);
  const std::string out = std::get<1>(
      Do({"install", "--game", game, "--maker", "maker", "--templates", "tpl", "--keyboard"}));
  std::smatch command;
  ASSERT_TRUE(std::regex_search(out, command, std::regex("wavoria-cli( restore [^\n]*)"))) << out;
  const std::string line = Program() + command[1].str() + " > out.txt 2>&1";
  EXPECT_EQ(Shell(line), 0) << line << FileBytes("out.txt");
  EXPECT_EQ(GameFiles(game), fresh);
}

// Pipes and devices, names Windows cannot hold or outside the game, and a
// record grown too large are named as what they are.
TEST_F(InstallStress, CausesAreNamedTruly) {
  const std::string notPlain = FileErrorCause(FileError::NotPlainFile);
  const Strings game = Tree("game");
  for (const std::string pipe : {"maker/harmony.dll", "tpl/Key/Pipe.script.wav"}) {
    SCOPED_TRACE(pipe);
    fs::remove(P(pipe));
    MakePipe(pipe);
    EXPECT_EQ(Install({"--keyboard"}),
              Refused("Die Installation", {"Die Datei '" + P(pipe) +
                                           "' konnte nicht gelesen werden: " + notPlain + "."}));
    EXPECT_EQ(Tree("game"), game);
    RemovePipe(pipe);
    Write("maker/harmony.dll", "Klavato");
  }
#ifndef _WIN32
  // Natively: a game path that Windows-1252 cannot show, a device to format into.
  fs::rename("game", "Spiel_\xC4\x8D");
  EXPECT_THAT(Do({"install", "--game", "Spiel_\xC4\x8D", "--maker", "maker", "--keyboard"}),
              FieldsAre(1, "", HasSubstr("' enthält Zeichen, die Windows in der Codepage")));
  fs::rename("Spiel_\xC4\x8D", "game");
  Write("s.script.wav", kTemplate);
  EXPECT_THAT(Do({"format", "s.script.wav", "--output", "/dev/full"}),
              FieldsAre(1, "", HasSubstr(notPlain)));
#endif
  // A record naming files Windows cannot hold, and one outside the game, which
  // is as the record says: each is passed over and named.
  Write("Startup/victim.txt", "alt");
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  EditRecord([](std::string t) {
    const std::string after = "\r\n  nachher: " + StampText(StampOf("alt")) + "\r\nHinzugefügt: ";
    return Replaced(t, "Stand:",
                    "Hinzugefügt: Sound\\theme.mid." + after + "Sound\\CON" + after +
                        "..\\Startup\\victim.txt" + Replaced(after, "Hinzugefügt: ", "Stand:"));
  });
  EXPECT_THAT(Restore(), FieldsAre(1, "",
                                   AllOf(HasSubstr(WindowsNameProblem("Sound\\theme.mid.")),
                                         HasSubstr(WindowsNameProblem("Sound\\CON")),
                                         HasSubstr(P(kFirst + "/../Startup/victim.txt")))));
  EXPECT_EQ(Tree("Startup"), Strings{"victim.txt=alt"});
  Write(kFirst + "/Inhalt.txt", std::string(kMaxRecordBytes + 1, '\n'));
  EXPECT_THAT(List(), FieldsAre(0, HasSubstr("Beschädigt: es ist größer als 1 MiB"), ""));
}

// format of a link writes the file it leads to and keeps the link, also
// with --output onto a link.
TEST_F(InstallStress, FormatWritesThroughLinksAndKeepsThem) {
  Write("plain.script.wav", kTemplate);
  ASSERT_EQ(Do({"format", "plain.script.wav"}), (Outcome{0, "", ""}));
  const std::string formatted = FileBytes("plain.script.wav");
  Write("real/a.script.wav", kTemplate);
  Write("real/b.script.wav", "alt");
  MakeLink("real/a.script.wav", "a.script.wav");
  MakeLink("real/b.script.wav", "b.script.wav");
  EXPECT_EQ(Do({"format", "a.script.wav"}), (Outcome{0, "", ""}));
  EXPECT_EQ(Do({"format", "a.script.wav", "--output", "b.script.wav"}), (Outcome{0, "", ""}));
  EXPECT_EQ(KindOfEntry("a.script.wav"), EntryKind::Link);
  EXPECT_EQ(KindOfEntry("b.script.wav"), EntryKind::Link);
  EXPECT_EQ(Tree("real"), (Strings{"a.script.wav=" + formatted, "b.script.wav=" + formatted}));
}

#ifndef _WIN32
// The real program on a full disk of its own (a small tmpfs, where the
// system allows to mount one): the installation fails on Klavato's large
// library, takes back at once what it did, and records why.
TEST_F(InstallStress, AFullTmpfsRollsTheInstallationBackAtOnce) {
  if (Shell("unshare -rm true > /dev/null 2>&1") != 0) GTEST_SKIP() << "no tmpfs to mount";
  Write("maker/harmony.dll", std::string(48 << 10, 'K'));
  fs::rename("game", "fresh");
  fs::create_directory("game");
  Write("full.sh",
        "mount -t tmpfs -o size=64k tmpfs game && cp fresh/* game || exit 1\n" + Program() +
            " install --game game --maker maker --templates tpl --keyboard > out.txt 2>&1\n"
            "echo $? > status.txt; ls -A game > list.txt; cat game/harmony.dll > harmony.txt\n"
            "cat game/Wavoria-Sicherung/*/Inhalt.txt > record.txt\n");
  ASSERT_EQ(Shell("unshare -rm sh full.sh"), 0);
  EXPECT_EQ(FileBytes("status.txt"), "1\n") << FileBytes("out.txt");
  EXPECT_THAT(FileBytes("out.txt"), HasSubstr(Cp1252ToUtf8(FileErrorCause(FileError::DiskFull))));
  EXPECT_EQ(FileBytes("list.txt") + FileBytes("harmony.txt"),
            "RPG_RT.EXE\nWavoria-Sicherung\nharmony.dll\ngame/harmony.dll");
  EXPECT_THAT(FileBytes("record.txt"), HasSubstr("\r\nStand: abgebrochen\r\n"));
}

// Two real installations started at the same moment, a hundred times: one
// after the other or one refused, never both at once, never a number twice.
TEST_F(InstallStress, TwoRunsStartedTogether) {
  const Strings fresh = GameFiles();
  const std::string install =
      Program() + " install --game game --maker maker --templates tpl --force --";
  const std::string both = "(" + install + "keyboard > 0.txt 2>&1; echo $? >> 0.txt) & (" +
                           install + "mouse > 1.txt 2>&1; echo $? >> 1.txt) & wait";
  std::map<std::string, int> outcomes;
  for (int trial = 0; trial < 100; ++trial) {
    SCOPED_TRACE(trial);
    WriteGame();
    Shell(both);
    int done = 0;
    for (const std::string& run : {FileBytes("0.txt"), FileBytes("1.txt")}) {
      done += run.ends_with("\n0\n");
      EXPECT_THAT(run, AnyOf(EndsWith("\n0\n"), HasSubstr(Cp1252ToUtf8(kBusyText))));
    }
    ASSERT_GE(done, 1);
    ++outcomes[done == 2 ? "one after the other" : "one refused"];
    std::set<int> numbers;  // never a number twice
    for (const BackupEntry& b : ReadHistory("game").Backups) numbers.insert(b.Record->Number);
    EXPECT_EQ(numbers.size(), ReadHistory("game").Backups.size());
    UndoAll(fresh);
  }
  for (const auto& [outcome, count] : outcomes) std::cout << outcome << ": " << count << "\n";
}
#endif

// Sound and the backup folder swapped for links to another place, a
// millisecond at a time, as an attacker would, while several hundred
// installations and undos run: nothing outside the game changes. On Windows
// a folder that a run holds cannot be renamed; under Wine, Linux makes and
// removes the link (Wine's own CreateSymbolicLink makes none).
TEST_F(InstallStress, FoldersSwappedForLinksWhileRunsGoOn) {
  Write("draussen/victim.txt", "geheim");
  const Strings outside = Tree("draussen");
  const std::string target = fs::absolute("draussen").string();
  std::atomic<bool> stop = false;
  std::atomic<int> swapped = 0;
  std::thread swapper([&] {
    while (!stop) {
      for (const std::string& folder : {P("game/Sound"), P("game/Wavoria-Sicherung")}) {
        const std::string away = folder + ".weg";
        std::error_code held;
        fs::rename(folder, away, held);
        if (held) continue;
        ++swapped;
#ifdef _WIN32
        const std::string link = LinuxPath(fs::absolute("game").string()) + folder.substr(4);
        auto made = [&] { return KindOfEntry(folder) != EntryKind::Missing; };
        RunLinux("ln", {"-sT", LinuxPath(target), link}, made, 1000);
        Sleep(1);
        RunLinux(
            "rm", {"-f", link}, [&] { return !made(); }, 1000);
#else
        symlink(target.c_str(), folder.c_str());
        usleep(1000);
        unlink(folder.c_str());
#endif
        fs::rename(away, folder, held);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(kUnderWine ? 20 : 2));
    }
  });
  std::map<std::string, int> outcomes;
  // A run costs about ten times as much under Wine.
  for (int run = 0; run < (kUnderWine ? 100 : 300); ++run) {
    const Outcome done = run % 2 ? Restore() : Install({"--keyboard", "--force"});
    ++outcomes[std::string(run % 2 ? "restore " : "install ") +
               (std::get<0>(done) == 0 ? "done" : "refused or failed")];
  }
  stop = true;
  swapper.join();
  std::cout << "swapped " << swapped << "\n";
  for (const auto& [outcome, count] : outcomes) std::cout << outcome << ": " << count << "\n";
  EXPECT_EQ(Tree("draussen"), outside);
}

}  // namespace
}  // namespace wavoria::cli
