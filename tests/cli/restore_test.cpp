// Installations undone one after another, interrupted runs, backups of
// earlier versions, and the game folder as a boundary: through install and
// restore on real folders, natively and under Wine. Natively also runs killed
// at every rename, folder creation, flush and removal.
#include <regex>

#include "platform/file_ops.h"
#include "platform/program_folder.h"
#include "platform/text_encoding.h"
#include "tests/cli/cli_test_support.h"
#include "wizard/game_run.h"
#include "wizard/install_executor.h"
#include "wizard/install_undo.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace wavoria::cli {
namespace {

using ::testing::_;
using ::testing::AllOf;
using ::testing::EndsWith;
using ::testing::FieldsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string kNothing = std::string(kNothingToUndoText) + "\n";
const std::string kOutside =
    " ist eine Verknüpfung auf einen anderen Ort; Wavoria schreibt nur in den Spielordner.\n";
const std::string kPipe =
    " liegt weder eine Datei noch ein Ordner, sondern etwa eine Pipe oder ein Gerät; Wavoria "
    "liest und schreibt dort nichts.\n";

// A kept record that names a file outside the game, or a file the program does not write.
std::string PassedOver(const std::string& entry) {
  return "In der Sicherung wird '" + P(entry) +
         "' übergangen: Wavoria legt nur Dateien zurück, die es selbst geschrieben haben kann.\n";
}

// The temporary files and unfinished records anywhere below folder.
Strings HalfDone(const std::string& folder) {
  Strings found;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
    const std::string name = e.path().filename().string();
    if (IsTemporaryName(name) ||
        (name == kRecordFile &&
         FileBytes(e.path().string()).find("Stand: läuft") != std::string::npos)) {
      found.push_back(e.path().string());
    }
  }
  return found;
}

class RestoreTest : public CliInstall {
 protected:
  Outcome Restore() const { return Do({"restore", "--game", "game"}); }
  // The game's record of its first run (or of the one named with suffix), changed by hand.
  void EditRecord(const std::string& from, const std::string& to,
                  const std::string& suffix = "") const {
    const std::string record = P(kFirst + suffix + "/Inhalt.txt");
    std::string text = FileBytes(record);
    text.replace(text.find(from), from.size(), to);
    Write(record, text);
  }
  const std::string kFirst = "game/Wavoria-Sicherung/2026-12-07 14.03.12";
};

TEST_F(RestoreTest, InstallationsAreUndoneOneAfterAnotherUntilTheGameIsAsBefore) {
  const Strings fresh = GameFiles();
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  Write("game/Sound/KeyList.script.wav", "von Hand");
  // A folder named as if made in 2099: the installation's number decides, not the name.
  fs::rename(P("game/Wavoria-Sicherung/2026-12-07 14.03.12"),
             P("game/Wavoria-Sicherung/2099-12-31 23.59.59"));
  const Strings keyboard = GameFiles();
  ASSERT_THAT(Install({"--mouse", "--mouse-id", "-5", "--force"}), FieldsAre(0, _, ""));
  EXPECT_EQ(RestoreQuestion(ChooseRestore("game")),  // what the editor asks first
            (Prompt{MessageIcon::Question,
                        "Soll die Installation Nr. 2 vom 2026-12-07 14.03.12 (Maussupport; "
                        "Maus-ID -5) rückgängig gemacht werden?\r\n\r\nZurückgelegt werden:\r\n"
                        "    autorun.script\r\n\r\nEntfernt werden:\r\n    "
                        "Sound\\MouseSupportON.script.wav\r\n    Sound\\M.script.wav"}));
  EXPECT_EQ(Restore(),
            (Outcome{0,
                     "Die Installation Nr. 2 vom 2026-12-07 14.03.12 (Maussupport; Maus-ID -5) "
                     "wurde rückgängig gemacht.\n\nZurückgelegt:\n    autorun.script\nEntfernt:\n"
                     "    Sound\\MouseSupportON.script.wav\n    Sound\\M.script.wav\nEin weiteres "
                     "\"wavoria-cli restore\" macht die Installation Nr. 1 vom 2026-12-07 "
                     "14.03.12 (Tastatursupport) rückgängig.\n",
                     ""}));
  EXPECT_EQ(GameFiles(), keyboard);
  // The hand-made change is kept and named; the game is as before the first installation.
  const std::string kept = P("game/Wavoria-Sicherung/2026-12-07 14.03.12 (3)");
  EXPECT_THAT(Restore(),
              FieldsAre(0,
                        AllOf(StartsWith("Die Installation Nr. 1 vom 2026-12-07 14.03.12 "
                                         "(Tastatursupport) wurde rückgängig gemacht.\n\nSeit "
                                         "der Installation geändert und deshalb vorher in der "
                                         "Sicherung '" +
                                         kept + "' aufbewahrt:\n    Sound\\KeyList.script.wav\n"),
                              HasSubstr("Zurückgelegt:\n    harmony.dll\n"), HasSubstr(kNothing)),
                        ""));
  EXPECT_EQ(KeptIn(kept), (Strings{"Sound/", "Sound/KeyList.script.wav=von Hand"}));
  EXPECT_EQ(GameFiles(), fresh);
  EXPECT_EQ(Restore(), (Outcome{1, "", kNothing}));
  EXPECT_THAT(
      Do({"restore", "--game", "game", "--list"}),
      FieldsAre(0,
                AllOf(StartsWith("Das Rückgängigmachen Nr. 4 vom 2026-12-07 14.03.12, für "
                                 "die Installation Nr. 1: vollständig\n"),
                      HasSubstr("\nDie Installation Nr. 1 vom 2026-12-07 14.03.12 "
                                "(Tastatursupport): rückgängig gemacht durch Nr. 4\n"),
                      HasSubstr("\n    Ersetzt: harmony.dll (7 Bytes, CRC-32 "),
                      HasSubstr("\n    Geändert, hier aufbewahrt: Sound\\KeyList.script.wav\n"),
                      HasSubstr("\n    Zurückgelegt: harmony.dll\n    Entfernt: autorun.script\n"),
                      HasSubstr("\n    Entfernt: oldharmony.dll\n"),
                      HasSubstr("\n    Ordner angelegt: Sound\n"), EndsWith(")\n")),
                ""));
  // That undo stopped before its end, and the installation's backup is gone since.
  EditRecord("Stand: vollständig", "Stand: läuft", " (3)");
  fs::remove_all(P("game/Wavoria-Sicherung/2099-12-31 23.59.59"));
  EXPECT_EQ(Restore(),
            (Outcome{1, "",
                     kUndoRefused + "Das Rückgängigmachen Nr. 4 vom 2026-12-07 14.03.12 war "
                                    "unterbrochen, aber die Sicherung, die es zurücklegen "
                                    "sollte, ist nicht mehr da.\n"}));
  FixBackupStamp("");  // the clock's stamp: year-month-day hour.minute.second
  EXPECT_TRUE(std::regex_match(BackupStampNow(),
                               std::regex(R"(20\d\d-[01]\d-[0-3]\d( [0-2]\d)(\.[0-5]\d){2})")));
}

// Backups made before installations kept a record are put back once each,
// newest first (" (10)" after " (9)"), then marked; only files the program
// can have written go back, anything else is passed over and named.
TEST_F(RestoreTest, BackupsOfAnEarlierVersionArePutBackOnceNewestFirst) {
  const std::string earlier = "game/Wavoria-Sicherung/2026-01-01 10.00.00";
  Write(earlier + " (9)/harmony.dll", "neun");
  Write(earlier + " (10)/harmony.dll", "zehn");
  Write(earlier + " (9)/Sound/Eigenes.script.wav", "eigen");
  Write(earlier + " (10)/notiz.txt", "x");
  Write("Startup/victim.txt", "alt");  // beside the game folder
  const std::string crafted = "..\\Startup\\victim.txt";
#ifdef _WIN32
  // Windows' own functions make no such name, nor remove it: Linux does both.
  const std::string linuxName =
      LinuxPath(fs::absolute(P(earlier + " (10)")).string()) + "/" + crafted;
  auto made = [&] {
    const Strings names = NamesIn(P(earlier + " (10)"));
    return std::ranges::find(names, crafted) != names.end();
  };
  RunLinux("cp", {LinuxPath(fs::absolute(P("Startup/victim.txt")).string()), linuxName}, made);
  struct Remover {
    std::string Path;
    std::function<bool()> Made;
    ~Remover() {
      RunLinux("rm", {Path}, [&] { return !Made(); });
    }
  } remover{linuxName, made};
#else
  Write(earlier + " (10)/" + crafted, "böse");
#endif
  ASSERT_THAT(NamesIn(P(earlier + " (10)")), ::testing::Contains(crafted));
  EXPECT_EQ(Restore(),
            (Outcome{0,
                     "Die Sicherung '2026-01-01 10.00.00 (10)' einer früheren Version von Wavoria "
                     "wurde zurückgelegt.\n\n" +
                         PassedOver(earlier + " (10)/" + crafted) +
                         PassedOver(earlier + " (10)/notiz.txt") +
                         "Die ersetzten Dateien, die sich von den zurückgelegten unterschieden, "
                         "liegen in der Sicherung '" +
                         P(kFirst) +
                         "':\n    harmony.dll\nZurückgelegt:\n    harmony.dll\nEin weiteres "
                         "\"wavoria-cli restore\" legt die Sicherung '2026-01-01 10.00.00 (9)' "
                         "einer früheren Version von Wavoria zurück.\n",
                     ""}));
  EXPECT_EQ(FileBytes(P("game/harmony.dll")), "zehn");
  EXPECT_FALSE(fs::exists(P("game/Sound")));  // made only for a file that goes into it
  EXPECT_EQ(Tree("Startup"), Strings{"victim.txt=alt"});
  EXPECT_THAT(Restore(), FieldsAre(0, HasSubstr("(9)"), ""));
  // That undo stopped before its end: the oldest backup is found and the undo finished.
  EditRecord("Stand: vollständig", "Stand: läuft", " (2)");
  fs::remove(P(earlier + " (9)/Inhalt.txt"));
  EXPECT_THAT(Restore(), FieldsAre(0,
                                   HasSubstr("(9)' einer früheren Version von Wavoria) war "
                                             "unterbrochen und wurde zu Ende geführt.\n"),
                                   ""));
  EXPECT_EQ(FileBytes(P("game/harmony.dll")) + FileBytes(P("game/Sound/Eigenes.script.wav")),
            "neuneigen");
  EXPECT_EQ(Restore(), (Outcome{1, "", kNothing}));
}

// Links, pipes and a crafted backup: each run is refused before anything
// changes, naming the entry; nothing outside the game changes, and nothing of
// it is read into the game.
TEST_F(RestoreTest, NothingOutsideTheGameFolderIsReadOrWritten) {
  const std::string& backup = kFirst;
  // what is done first ("install" or "sound": an installation, or a Sound folder), where
  // the link or pipe goes and to what ("pipe" for a pipe; a folder for "draussen"), and
  // whether restore runs (else install)
  const struct {
    std::string before, entry, target;
    bool restore;
  } rows[] = {
      {"", "game/~autorun.script.wavoria-tmp", "draussen/victim.txt", false},
      {"", "game/~harmony.dll.wavoria-tmp", "draussen/victim.txt", false},
      {"", "game/Sound", "draussen", false},
      {"", "game/Wavoria-Sicherung", "draussen", false},
      {"sound", "game/Sound/KeyList.script.wav", "draussen/victim.txt", false},
      {"", "game/autorun.script", "draussen/victim.txt", false},
      {"", "game/autorun.script", "pipe", false},
      {"sound", "game/Sound/KeyList.script.wav", "pipe", false},
      {"install", "game/Wavoria-Sicherung", "draussen", true},
      {"install", backup + "/harmony.dll", "draussen/victim.txt", true},
      {"install", backup, "draussen", true},
      {"install", backup + "/Sound", "draussen", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.entry + " -> " + row.target);
    SetUp();
    Write("draussen/victim.txt", "geheim");
    if (row.before == "sound") fs::create_directories(P("game/Sound"));
    if (row.before == "install") {
      Write("game/Sound/KeyList.script.wav", "mine");  // kept in the backup's Sound folder
      ASSERT_THAT(Install({"--keyboard", "--force"}), FieldsAre(0, _, ""));
      fs::remove_all(P(row.entry));  // the installation's own entry gives way to the link
    }
    if (row.target == "pipe") {
      MakePipe(row.entry);
    } else {
      MakeLink(row.target, row.entry);
    }
    const Strings outside = Tree("draussen");
    const Strings game = Tree("game");
    const Outcome run = row.restore ? Restore() : Install({"--keyboard", "--force"});
    const std::string named = "'" + P(row.entry) + "'";
    EXPECT_EQ(run, (Outcome{1, "",
                            (row.restore ? kUndoRefused : kNotDone) +
                                (row.target == "pipe" ? "An der Stelle der Datei " + named + kPipe
                                 : row.target == "draussen" ? "Der Ordner " + named + kOutside
                                                            : "Die Datei " + named + kOutside)}));
    EXPECT_EQ(Tree("draussen"), outside);
    EXPECT_EQ(Tree("game"), game);
    if (row.target == "pipe") RemovePipe(row.entry);
  }

  // A record that names a file outside: the entry is passed over and named.
  SetUp();
  Write("Startup/victim.txt", "alt");
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  EditRecord("Stand:", "Hinzugefügt: ..\\Startup\\victim.txt\r\n  nachher: " +
                           StampText(StampOf("alt")) + "\r\nStand:");
  EXPECT_THAT(Restore(),
              FieldsAre(1, "", HasSubstr(PassedOver(backup + "/../Startup/victim.txt"))));
  EXPECT_EQ(Tree("Startup"), Strings{"victim.txt=alt"});
}

// What a run killed before it changed anything left, and a run whose record
// was never marked complete: the next restore deals with it and stops there;
// the next installation deals with it, says so, and installs.
TEST_F(RestoreTest, InterruptedRunsAreRolledBackOrCleanedUpFirst) {
  const Strings fresh = GameFiles();
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  const Strings installed = GameFiles();
  const std::string started = "game/Wavoria-Sicherung/2026-12-07 15.00.00";
  Write(started + "/~Inhalt.txt.wavoria-tmp", "Wavoria: Inh");
  Write("game/Sound/~KeyList.script.wav.wavoria-tmp", "[Exec");
  EXPECT_EQ(Restore(),
            (Outcome{0,
                     "Ein unterbrochener Lauf von Wavoria hatte am Spiel noch nichts verändert.\n\n"
                     "Übrig gebliebene Zwischendateien eines unterbrochenen Laufs wurden "
                     "entfernt:\n    " +
                         P("game/Sound/~KeyList.script.wav.wavoria-tmp") + "\n    " +
                         P(started + "/~Inhalt.txt.wavoria-tmp") +
                         "\nDer angefangene Sicherungsordner '" + P(started) +
                         "' eines unterbrochenen Laufs wurde entfernt; am Spiel hatte dieser "
                         "Lauf noch nichts verändert.\n"
                         "Ein weiteres \"wavoria-cli restore\" macht die Installation Nr. 1 vom "
                         "2026-12-07 14.03.12 (Tastatursupport) rückgängig.\n",
                     ""}));
  EXPECT_EQ(GameFiles(), installed);
  EXPECT_FALSE(fs::exists(P(started)));

  // An installation whose record still says it runs is rolled back, once.
  EditRecord("Stand: vollständig", "Stand: läuft");
  EXPECT_THAT(Install({"--keyboard", "--force"}),
              FieldsAre(0,
                        HasSubstr("\nDie Installation Nr. 1 vom 2026-12-07 14.03.12 "
                                  "(Tastatursupport) war unterbrochen und wurde zurückgenommen; "
                                  "das Spiel ist wieder wie vor ihr.\nZurückgelegt:\n    "
                                  "harmony.dll\n"),
                        ""));
  EXPECT_EQ(GameFiles(), installed);
  EXPECT_THAT(FileBytes(P(kFirst + "/Inhalt.txt")),
              HasSubstr("Stand: abgebrochen und zurückgenommen durch Nr. 2\r\n"));
  EXPECT_THAT(Restore(), FieldsAre(0, StartsWith("Die Installation Nr. 3 "), ""));
  EXPECT_EQ(GameFiles(), fresh);
  EXPECT_EQ(HalfDone("game"), Strings{});
  // An installation removes what an interrupted save left, and says so.
  Write("game/~autorun.script.wavoria-tmp", "Sound\\Mi");
  EXPECT_THAT(Install({"--keyboard"}),
              FieldsAre(0,
                        HasSubstr("\n\nÜbrig gebliebene Zwischendateien eines unterbrochenen "
                                  "Laufs wurden entfernt:\n    " +
                                  P("game/~autorun.script.wavoria-tmp") + "\n"),
                        ""));
  EXPECT_EQ(GameFiles(), installed);
  ASSERT_THAT(Restore(), FieldsAre(0, _, ""));
#ifndef _WIN32
  // Such a folder that cannot be removed stops the installation, which says why.
  fs::create_directories(P(started + "/Sound"));
  fs::permissions(P(started), fs::perms(0555));
  for (const char* folder : {"game", "game/Wavoria-Sicherung"})
    fs::permissions(folder, fs::perms::all);
  Outcome stopped;
  ASSERT_TRUE(testing::WithoutRootRights([&] { stopped = Install({"--keyboard"}); }));
  fs::permissions(P(started), fs::perms::owner_all, fs::perm_options::add);
  EXPECT_EQ(stopped, (Outcome{1, "",
                              "Die Installation wurde nicht ausgeführt.\n\nDer angefangene "
                              "Sicherungsordner '" +
                                  started +
                                  "' eines unterbrochenen Laufs konnte nicht entfernt werden: "
                                  "schreibgeschützt oder keine Berechtigung.\n"}));
#endif
}

// The causes named are the true ones.
TEST_F(RestoreTest, CausesThatAreTrue) {
  // A game path longer than the system allows (natively only as a text; under Wine the folder
  // is there).
  std::string tooLong = fs::absolute("lang").string();
  while (tooLong.size() <= MaxPathLength()) tooLong += P("/" + std::string(90, 'x'));
#ifdef _WIN32
  // Only the long form of a path makes and removes such a folder.
  const std::wstring longForm = L"\\\\?\\";
  fs::create_directories(longForm + fs::path(tooLong).wstring());
  fs::copy_file(P("game/RPG_RT.EXE"), longForm + fs::path(tooLong).wstring() + L"\\RPG_RT.EXE");
  struct Remover {
    ~Remover() {
      RunLinux("rm -r", {LinuxPath(fs::absolute("lang").string())},
               [] { return KindOfEntry("lang") == EntryKind::Missing; });
    }
  } remover;
#endif
  const std::string longText = "Der Pfad des Spiels '" + tooLong + kPathSeparator + "' ist mit " +
                               std::to_string(tooLong.size() + 1) +
                               " Zeichen länger, als das System erlaubt (höchstens " +
                               std::to_string(MaxPathLength()) +
                               " Zeichen); bitte verschieben "
                               "Sie das Spiel in einen Ordner mit kürzerem Pfad.\n";
  EXPECT_EQ(Do({"restore", "--game", tooLong}), (Outcome{1, "", longText}));
  EXPECT_EQ(Do({"install", "--game", tooLong, "--maker", "maker", "--keyboard"}),
            (Outcome{1, "", longText}));

#ifndef _WIN32
  // A game folder in which nothing can be made (a read-only disk): nothing is changed, and
  // the backup folder that could not be made is named with the cause. Then only the backups
  // can be made: the Sound folder is named once with its cause, not each template that could
  // not go into it.
  const std::string denied = ": schreibgeschützt oder keine Berechtigung.\n";
  auto asUser = [&](const Strings& more) {
    Outcome run;
    fs::permissions("game", fs::perms(0555));
    EXPECT_TRUE(testing::WithoutRootRights([&] { run = Install(more); }));
    fs::permissions("game", fs::perms::owner_all, fs::perm_options::add);
    return run;
  };
  fs::permissions(P("game/harmony.dll"), fs::perms(0666));
  EXPECT_EQ(asUser({"--keyboard"}),
            (Outcome{1, "",
                     kNotDone +
                         "Der Ordner 'game/Wavoria-Sicherung' für die Sicherung konnte "
                         "nicht angelegt werden" +
                         denied}));
  fs::create_directories(P("game/Wavoria-Sicherung"));
  fs::permissions(P("game/Wavoria-Sicherung"), fs::perms::all);
  EXPECT_EQ(asUser({"--keyboard"}),
            (Outcome{1, "",
                     "Die Installation ist nicht gelungen und wurde zurückgenommen; an Ihrem "
                     "Spiel ist alles wie vorher. Fehlgeschlagen ist:\n\nDer Ordner 'game/Sound' "
                     "konnte nicht angelegt werden" +
                         denied.substr(0, denied.size() - 1) +
                         " Deshalb wurde keine der 4 Dateien für diesen Ordner kopiert.\nDie "
                         "Datei 'maker/oldharmony.dll' konnte nicht nach 'game/oldharmony.dll' "
                         "kopiert werden" +
                         denied +
                         "Die Datei 'game/harmony.dll' wurde nicht ersetzt, weil "
                         "'game/oldharmony.dll' nicht angelegt werden konnte.\nDie Datei "
                         "'game/autorun.script' konnte nicht geschrieben werden" +
                         denied}));
  // harmony.dll stayed, so its copy is not kept either.
  EXPECT_EQ(KeptIn(kFirst), Strings{});
  SetUp();

  // A read-only file refuses the undo; made read-only once the undo is planned, it stops
  // it there.
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  fs::permissions(P("game/harmony.dll"), fs::perms(0444));
  const std::string readOnly = "Die Datei 'game/harmony.dll' kann nicht ersetzt werden";
  EXPECT_EQ(Restore(), (Outcome{1, "", kUndoRefused + readOnly + denied}));
  fs::permissions(P("game/harmony.dll"), fs::perms(0644));
  RestoreChoice choice = ChooseRestore("game");
  fs::permissions(P("game/harmony.dll"), fs::perms(0444));
  EXPECT_EQ(CarryOutRestore(std::move(choice)).Problems,
            Strings{"Die Datei 'game/harmony.dll' konnte nicht zurückgelegt werden" +
                    denied.substr(0, denied.size() - 1)});
  SetUp();
#endif

  // The game folder moved away during the installation: natively the run goes on in it
  // wherever it went; Windows refuses the move while the run holds the folder.
  std::error_code moved;
  SetBeforeInstallStep([&](std::size_t step) {
    if (step == 3) fs::rename("game", "weg", moved);
  });
  const Outcome run = Install({"--keyboard"});
  SetBeforeInstallStep({});
  EXPECT_THAT(run, FieldsAre(0, _, ""));
  EXPECT_EQ(FileBytes(P(moved ? "game/harmony.dll" : "weg/harmony.dll")), "Klavato");
}

#ifdef _WIN32
// Under Windows the file functions of the program take paths of at most 259
// characters in the ANSI code page: a backup that would not fit is refused
// before anything changes, and a path with other characters is refused at
// once, also when the C runtime would hand over a look-alike ("Ł" as "L").
TEST_F(RestoreTest, PathsTheAnsiFunctionsCannotTake) {
  std::string game = fs::absolute("g").string();
  game += "\\" + std::string(205 - game.size() - 1, 'x');
  fs::create_directories(game);
  for (const char* file : {"RPG_RT.EXE", "harmony.dll"}) {
    fs::copy_file(P(std::string("game/") + file), game + "\\" + file);
  }
  // The record and the copy of harmony.dll would not fit.
  std::string tooLong;
  for (const char* file : {"~Inhalt.txt.wavoria-tmp", "~harmony.dll.wavoria-tmp"}) {
    const std::string path = game + "\\Wavoria-Sicherung\\2026-12-07 14.03.12\\" + file;
    tooLong += "Der Pfad '" + path + "' ist mit " + std::to_string(path.size()) +
               " Zeichen länger, als das System erlaubt (höchstens 259 Zeichen); bitte "
               "verschieben Sie das Spiel in einen Ordner mit kürzerem Pfad.\n";
  }
  EXPECT_EQ(Do({"install", "--game", game, "--maker", "maker", "--templates", "tpl", "--keyboard"}),
            (Outcome{1, "", kNotDone + tooLong}));
  EXPECT_EQ(GameFiles(game),
            (Strings{"RPG_RT.EXE=game/RPG_RT.EXE", "harmony.dll=game/harmony.dll"}));

  const std::wstring program =
      std::filesystem::path(ProgramFolder()).wstring() + L"\\wavoria-cli.exe";
  for (const std::wstring name : {L"Spiel \u65E5\u672C", L"Spiel \u0141"}) {
    const fs::path folder = fs::absolute(name);
    fs::create_directories(folder);
    fs::copy_file(P("game/RPG_RT.EXE"), folder / "RPG_RT.EXE");
    const std::wstring command =
        L"\"\"" + program + L"\" restore --game \"" + folder.wstring() + L"\" 2> err.txt\"";
    EXPECT_EQ(_wsystem(command.c_str()), 1);
    EXPECT_THAT(FileBytes("err.txt"), HasSubstr("' enthält Zeichen, die Windows in der Codepage "
                                                "dieses Programms nicht darstellen kann"));
  }
}
#else
// A run killed at every rename, folder creation, flush and removal (strace kills it
// as the call begins): the game keeps a working pair of libraries, and the
// next restore leaves it as before the killed run or as after it, with
// nothing half-done.
TEST_F(RestoreTest, ARunKilledAtAnyStepIsRolledBackOrFinished) {
  const std::string program = ProgramFolder() + "/wavoria-cli";
  ASSERT_EQ(std::system("strace -V > /dev/null 2>&1"), 0) << "strace is missing (tools/setup)";
  const std::string install = "install --game game --maker maker --templates tpl --keyboard";
  auto run = [&](const std::string& args, const std::string& kill = "") {
    const std::string strace =
        kill.empty() ? "" : "strace -f -qq -o /dev/null -e inject=" + kill + ":signal=SIGKILL ";
    const int status = std::system(
        ("ASAN_OPTIONS=detect_leaks=0 " + strace + "'" + program + "' " + args + " > out.txt 2>&1")
            .c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  };
  const Strings fresh = GameFiles();
  ASSERT_EQ(run(install), 0) << FileBytes("out.txt");
  const Strings installed = GameFiles();
  ASSERT_EQ(run("restore --game game"), 0);
  int points = 0;
  for (bool killRestore : {false, true}) {
    // Removing a file or a folder is one call, unlinkat.
    for (const char* call : {"mkdirat", "renameat", "fsync", "unlinkat"}) {
      for (int n = 1;; ++n) {
        SCOPED_TRACE(std::string(killRestore ? "restore" : "install") + ", " + call + " " +
                     std::to_string(n));
        ASSERT_EQ(GameFiles(), fresh);
        if (killRestore) {
          ASSERT_EQ(run(install), 0);
        }
        const int status = run(killRestore ? "restore --game game" : install,
                               std::string(call) + ":when=" + std::to_string(n));
        if (status == 0) {  // no such call left: the run went through
          if (!killRestore) {
            ASSERT_EQ(run("restore --game game"), 0);
          }
          break;
        }
        ASSERT_EQ(status, 128 + SIGKILL) << FileBytes("out.txt");
        ++points;
        // Klavato's harmony.dll never stands without the library it calls.
        if (FileBytes("game/harmony.dll") == "Klavato") {
          EXPECT_EQ(FileBytes("game/oldharmony.dll"), "maker/oldharmony.dll");
        }
        const Strings before = killRestore ? installed : fresh;
        // Killed before anything was made, the installation left nothing to undo. A lock
        // the killed run left is taken over, and said so.
        const std::string lock = "game/Wavoria-Sicherung/Sperre.txt";
        const std::string left = FileBytes(lock);
        const int next = run("restore --game game");
        const std::string out = FileBytes("out.txt");
        ASSERT_TRUE(next == 0 || out.ends_with(Cp1252ToUtf8(kNothing))) << out;
        if (left != "<missing>") {
          EXPECT_THAT(out, HasSubstr(Cp1252ToUtf8(TakenOverText(left)))) << left;
        }
        EXPECT_EQ(FileBytes(lock), "<missing>");
        EXPECT_EQ(HalfDone("game"), Strings{});
        const Strings after = GameFiles();
        EXPECT_TRUE(after == fresh || after == before) << FileBytes("out.txt");
        if (after != fresh) {
          ASSERT_EQ(run("restore --game game"), 0);
        }
      }
    }
  }
  EXPECT_GT(points, 30);
}
#endif

}  // namespace
}  // namespace wavoria::cli
