// Installations undone one after another, interrupted runs, backups of
// earlier versions, and the game folder as a boundary: through install and
// restore on real folders, natively and under Wine. Natively also runs killed
// at every rename, folder creation, flush and removal.
#include <regex>

#include "document/text.h"
#include "tests/cli/cli_test_support.h"
#include "wizard/install_undo_parts.h"

namespace wavoria::cli {
namespace {

// The temporary files and unfinished records anywhere below folder.
Strings HalfDone(const std::string& folder) {
  Strings found;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
    const std::string name = e.path().filename().string();
    const bool unfinished = name == kRecordFile &&
                            FileBytes(e.path().string()).find("Stand: läuft") != std::string::npos;
    if (IsTemporaryName(name) || unfinished) found.push_back(e.path().string());
  }
  return found;
}

// A record that its run never marked complete.
std::string Unfinished(std::string record) {
  return Replaced(record, "Stand: vollständig", "Stand: läuft");
}

using RestoreTest = CliInstall;

TEST_F(RestoreTest, InstallationsAreUndoneOneAfterAnotherUntilTheGameIsAsBefore) {
  const Strings fresh = GameFiles();
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  const std::string keyboardRun = NextRun();
  Write("game/Sound/KeyList.script.wav", "von Hand");
  // A folder named as if made in 2099: the installation's number decides, not the name.
  fs::rename(P(kFirst), P(kBackups + "/2099-12-31 23.59.59"));
  const Strings keyboard = GameFiles();
  ASSERT_THAT(Install({"--mouse", "--mouse-id", "-5", "--force"}), FieldsAre(0, _, ""));
  const std::string mouseRun = NextRun();
  EXPECT_THAT(mouseRun, HasSubstr("Nr. 2 vom 2026-12-07 14.03.12 (Maussupport; Maus-ID -5)"));
  {  // what the editor asks first; the choice holds the game's folders while it lives
    const RestoreChoice choice = ChooseRestore("game");
    EXPECT_EQ(choice.Files(UndoAction::Kind::PutBack), Strings{"autorun.script"});
    EXPECT_EQ(choice.Files(UndoAction::Kind::Remove),
              (Strings{"Sound\\MouseSupportON.script.wav", "Sound\\M.script.wav"}));
    EXPECT_THAT(RestoreQuestion(choice).Message, HasSubstr(mouseRun));
  }
  EXPECT_THAT(Restore(),
              FieldsAre(0,
                        AllOf(StartsWith(undo_parts::Capitalised(mouseRun)),
                              HasSubstr("    Sound\\M.script.wav\n"), HasSubstr(keyboardRun)),
                        ""));
  EXPECT_EQ(GameFiles(), keyboard);
  // The hand-made change is kept and named; the game is as before the first installation.
  const std::string kept = P(kFirst + " (3)");
  EXPECT_THAT(Restore(),
              FieldsAre(0,
                        AllOf(StartsWith(undo_parts::Capitalised(keyboardRun)), HasSubstr(kept),
                              HasSubstr("    harmony.dll\n"), HasSubstr(kNothing)),
                        ""));
  EXPECT_EQ(KeptIn(kept), (Strings{"Sound/", "Sound/KeyList.script.wav=von Hand"}));
  EXPECT_EQ(GameFiles(), fresh);
  EXPECT_EQ(Restore(), (Outcome{1, "", kNothing}));
  const GameHistory history = ReadHistory("game");
  EXPECT_EQ(List(), (Outcome{0, Printed(HistoryText(history)), ""}));
  Strings states;
  for (const BackupEntry& b : history.Backups)
    states.push_back(DecimalText(b.Record->Number) + " " + DecimalText(int(b.Record->State)) + " " +
                     DecimalText(b.Record->By) + " " +
                     DecimalText(int(b.Record->KeptChanged.size())));
  std::sort(states.begin(), states.end());
  EXPECT_EQ(states, (Strings{"1 2 4 0", "2 2 3 0", "3 1 0 0", "4 1 0 1"}))
      << "number, state, undone by, files kept";
  // That undo stopped before its end, and the installation's backup is gone since.
  EditRecord(Unfinished, kFirst + " (3)");
  fs::remove_all(P(kBackups + "/2099-12-31 23.59.59"));
  const Strings gone = ChooseRestore("game").Problems;
  EXPECT_THAT(gone, ElementsAre(HasSubstr("nicht mehr da")));
  EXPECT_EQ(Restore(), Refused("Das Rückgängigmachen", gone));
}

// The clock's stamp names backups: year-month-day hour.minute.second.
TEST_F(RestoreTest, BackupsAreNamedByTheClock) {
  FixBackupStamp("");
  EXPECT_TRUE(std::regex_match(BackupStampNow(),
                               std::regex(R"(20\d\d-[01]\d-[0-3]\d( [0-2]\d)(\.[0-5]\d){2})")));
}

// Backups made before installations kept a record are put back once each,
// newest first (" (10)" after " (9)"), then marked; only files the program
// can have written go back, anything else is passed over and named.
TEST_F(RestoreTest, BackupsOfAnEarlierVersionArePutBackOnceNewestFirst) {
  const std::string earlier = kBackups + "/2026-01-01 10.00.00";
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
  auto made = [&] { return std::ranges::count(NamesIn(P(earlier + " (10)")), crafted) == 1; };
  RunLinux("cp", {LinuxPath(fs::absolute(P("Startup/victim.txt")).string()), linuxName}, made);
  const LinuxRemover remover{linuxName, [&] { return !made(); }};
#else
  Write(earlier + " (10)/" + crafted, "böse");
#endif
  ASSERT_THAT(NamesIn(P(earlier + " (10)")), Contains(crafted));
  const Strings passedOver = ChooseRestore("game").Notes;
  ASSERT_THAT(passedOver, ElementsAre(HasSubstr(P(earlier + " (10)/" + crafted)),
                                      HasSubstr(P(earlier + " (10)/notiz.txt"))));
  const std::string tenth = NextRun(), ninth = "2026-01-01 10.00.00 (9)";
  EXPECT_THAT(Restore(), FieldsAre(0,
                                   AllOf(StartsWith(undo_parts::Capitalised(tenth)),
                                         HasSubstr(Printed(passedOver[0] + "\r\n" + passedOver[1])),
                                         HasSubstr(P(kFirst)), HasSubstr(ninth)),
                                   ""));
  EXPECT_EQ(FileBytes(P("game/harmony.dll")), "zehn");
  EXPECT_FALSE(fs::exists(P("game/Sound")));  // made only for a file that goes into it
  EXPECT_EQ(Tree("Startup"), Strings{"victim.txt=alt"});
  EXPECT_THAT(Restore(), FieldsAre(0, HasSubstr(ninth), ""));
  // That undo stopped before its end: the oldest backup is found and the undo finished.
  EditRecord(Unfinished, kFirst + " (2)");
  fs::remove(P(earlier + " (9)/Inhalt.txt"));
  EXPECT_THAT(Restore(), FieldsAre(0, HasSubstr(ninth), ""));
  EXPECT_EQ(FileBytes(P("game/harmony.dll")) + FileBytes(P("game/Sound/Eigenes.script.wav")),
            "neuneigen");
  EXPECT_EQ(Restore(), (Outcome{1, "", kNothing}));
  EXPECT_EQ(HalfDone("game"), Strings{});
}

// A link or a pipe where a run would read or write: the run is refused before
// anything changes, naming the entry; nothing outside the game changes, and
// nothing of it is read into the game.
struct Boundary {
  std::string Before;  // "install" or "sound": an installation, or a Sound folder, first
  std::string Entry;   // where the link or pipe goes
  std::string Target;  // a file, or the folder "draussen", to link to; "" for a pipe
  bool Restore;        // restore runs, else install
};
void PrintTo(const Boundary& b, std::ostream* os) {
  *os << b.Entry << " -> " << b.Target << (b.Restore ? ", restore" : ", install");
}

class GameBoundary : public RestoreTest, public ::testing::WithParamInterface<Boundary> {};

TEST_P(GameBoundary, LinksAndPipesAreRefusedBeforeAnythingChanges) {
  const Boundary& row = GetParam();
  Write("draussen/victim.txt", "geheim");
  if (row.Before == "sound") fs::create_directories(P("game/Sound"));
  if (row.Before == "install") {
    Write("game/Sound/KeyList.script.wav", "mine");  // kept in the backup's Sound folder
    ASSERT_THAT(Install({"--keyboard", "--force"}), FieldsAre(0, _, ""));
    fs::remove_all(P(row.Entry));  // the installation's own entry gives way to the link
  }
  MakeLink(row.Target, row.Entry);
  const Strings outside = Tree("draussen"), game = Tree("game");
  const Strings problems = {EntryProblem(P(row.Entry), row.Target == "draussen")};
  EXPECT_EQ(row.Restore ? Restore() : Install({"--keyboard", "--force"}),
            Refused(row.Restore ? "Das Rückgängigmachen" : "Die Installation", problems));
  EXPECT_EQ(Tree("draussen"), outside);
  EXPECT_EQ(Tree("game"), game);
  if (row.Entry == kFirst) {  // the backup is listed as a problem
    EXPECT_THAT(List(), FieldsAre(1, _, Printed(problems[0])));
  }
  if (row.Target.empty()) RemovePipe(row.Entry);
}

const std::string kVictim = "draussen/victim.txt";
INSTANTIATE_TEST_SUITE_P(
    Entries, GameBoundary,
    ::testing::Values(Boundary{"", "game/~autorun.script.wavoria-tmp", kVictim, false},
                      Boundary{"", "game/~harmony.dll.wavoria-tmp", kVictim, false},
                      Boundary{"", "game/Sound", "draussen", false},
                      Boundary{"", kBackups, "draussen", false},
                      Boundary{"sound", "game/Sound/KeyList.script.wav", kVictim, false},
                      Boundary{"", "game/autorun.script", kVictim, false},
                      Boundary{"", "game/autorun.script", "", false},
                      Boundary{"sound", "game/Sound/KeyList.script.wav", "", false},
                      Boundary{"install", kBackups, "draussen", true},
                      Boundary{"install", kFirst + "/harmony.dll", kVictim, true},
                      Boundary{"install", kFirst + "/Inhalt.txt", kVictim, true},
                      Boundary{"install", kFirst, "draussen", true},
                      Boundary{"install", kFirst + "/Sound", "draussen", true}));

// What a run killed before it changed anything left, and a run whose record
// was never marked complete: the next restore deals with it and stops there;
// the next installation deals with it, says so, and installs.
TEST_F(RestoreTest, InterruptedRunsAreRolledBackOrCleanedUpFirst) {
  const Strings fresh = GameFiles();
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  const Strings installed = GameFiles();
  const std::string keyboardRun = NextRun();
  const std::string started = kBackups + "/2026-12-07 15.00.00";
  const std::string leftovers[] = {"game/Sound/~KeyList.script.wav.wavoria-tmp",
                                   started + "/~Inhalt.txt.wavoria-tmp",
                                   started + "/Sound/~KeyList.script.wav.wavoria-tmp"};
  for (const std::string& file : leftovers) Write(file, "halb");
  EXPECT_THAT(Restore(), FieldsAre(0,
                                   AllOf(HasSubstr(P(leftovers[0])), HasSubstr(P(leftovers[1])),
                                         HasSubstr(P(leftovers[2])),
                                         HasSubstr("'" + P(started) + "'"), HasSubstr(keyboardRun)),
                                   ""));
  EXPECT_EQ(GameFiles(), installed);
  EXPECT_FALSE(fs::exists(P(started)));

  // An installation whose record still says it runs is rolled back, once. The
  // installation refused after it says what that changed in the game.
  EditRecord(Unfinished);
  const std::string readOnly = P("game/Sound/M.script.wav");
  Write(readOnly, "alt");
  fs::permissions(readOnly, fs::perms(0444));
  const InstallReport recovered{.Refused = true, .Recovered = true};
  EXPECT_THAT(Install({"--mouse", "--force"}),
              FieldsAre(1, "",
                        AllOf(StartsWith(Printed(recovered.WarningText("Die Installation"))),
                              HasSubstr(undo_parts::Capitalised(keyboardRun)),
                              HasSubstr("\n    harmony.dll\n"), HasSubstr("\n    oldharmony.dll\n"),
                              HasSubstr("'" + readOnly + "'"))));
  EXPECT_EQ(ReadHistory("game").Backups[0].Record->State, RecordState::RolledBack)
      << "the first run in the history";
  fs::permissions(readOnly, fs::perms(0644));
  fs::remove_all(P("game/Sound"));
  EXPECT_EQ(GameFiles(), fresh);
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  EXPECT_EQ(GameFiles(), installed);
  EXPECT_THAT(Restore(), FieldsAre(0, StartsWith("Die Installation Nr. 3 "), ""));
  EXPECT_EQ(GameFiles(), fresh);
  EXPECT_EQ(HalfDone("game"), Strings{});
  // An installation removes what an interrupted save left, and says so.
  Write("game/~autorun.script.wavoria-tmp", "Sound\\Mi");
  EXPECT_THAT(Install({"--keyboard"}),
              FieldsAre(0, HasSubstr("    " + P("game/~autorun.script.wavoria-tmp") + "\n"), ""));
  EXPECT_EQ(GameFiles(), installed);
}

// A game path longer than the system allows (natively only as a text; under
// Wine the folder is there) is refused by both commands.
TEST_F(RestoreTest, AGamePathLongerThanTheSystemAllows) {
  std::string tooLong = fs::absolute("lang").string();
  while (tooLong.size() <= MaxPathLength()) tooLong += P("/" + std::string(90, 'x'));
#ifdef _WIN32
  // Only the long form of a path makes and removes such a folder.
  const std::wstring longForm = L"\\\\?\\" + fs::path(tooLong).wstring();
  fs::create_directories(longForm);
  fs::copy_file(P("game/RPG_RT.EXE"), longForm + L"\\RPG_RT.EXE");
  const LinuxRemover remover{LinuxPath(fs::absolute("lang").string()),
                             [] { return KindOfEntry("lang") == EntryKind::Missing; }};
#endif
  const Outcome refused{1, "", Printed(GamePathProblem(tooLong + kPathSeparator))};
  EXPECT_EQ(Do({"restore", "--game", tooLong}), refused);
  EXPECT_EQ(Do({"install", "--game", tooLong, "--maker", "maker", "--keyboard"}), refused);
}

// The game folder moved away during the installation: natively the run goes
// on in it wherever it went; Windows refuses the move while the run holds the
// folder.
TEST_F(RestoreTest, AGameFolderMovedDuringTheInstallation) {
  std::error_code moved;
  const InstallStepHook hook([&](std::size_t step) {
    if (step == 3) fs::rename("game", "weg", moved);
  });
  EXPECT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  EXPECT_EQ(FileBytes(P(moved ? "game/harmony.dll" : "weg/harmony.dll")), "Klavato");
}

// A damaged record still holds its number, and the next run counts on from
// it; a folder named like a run's temporary file is no leftover to remove
// but a problem of the history.
TEST_F(RestoreTest, ADamagedRecordKeepsItsNumberAndATemporaryFolderIsAProblem) {
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  EditRecord([](std::string t) { return Replaced(t, "Art: Installation", "Art: Neu"); });
  const std::string odd = P("game/~x.wavoria-tmp");
  fs::create_directories(odd);
  const GameHistory history = ReadHistory("game");
  EXPECT_EQ(std::tuple(history.NextNumber, history.Problems, history.Leftovers),
            std::tuple(2, Strings{EntryProblem(odd, false)}, Strings{}));
}

// A record that lost its number stands among the numbered runs by its
// folder's name: a second run's after the first.
TEST_F(RestoreTest, ARecordThatLostItsNumberStandsByItsFolderName) {
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  ASSERT_THAT(Install({"--mouse", "--force"}), FieldsAre(0, _, ""));
  const std::string second = kFirst + " (2)";
  EditRecord([](std::string t) { return Replaced(t, "Nummer: 2\r\n", ""); }, second);
  Strings names;
  for (const BackupEntry& entry : ReadHistory("game").Backups) names.push_back(entry.Folder);
  EXPECT_EQ(names, (Strings{P(kFirst), P(second)}));
}

// The number of an undo whose folder was deleted is not given again: the
// record of the installation it undid still names it.
TEST_F(RestoreTest, AnUndoWhoseFolderIsGoneKeepsItsNumber) {
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  ASSERT_THAT(Restore(), FieldsAre(0, _, ""));
  fs::remove_all(P(kFirst + " (2)"));
  EXPECT_EQ(ReadHistory("game").NextNumber, 3);
}

// A file put where the Sound folder goes while the installation runs: the
// folder cannot be made, and what the run did is taken back. Its record names
// only what the run changed, so the file stands in the way of nothing later.
TEST_F(RestoreTest, AFileWhereTheSoundFolderGoesDuringTheInstallation) {
  const Strings fresh = GameFiles();
  const InstallStepHook hook([&](std::size_t step) {
    if (step == 0) Write("game/Sound", "im Weg");
  });
  const Outcome run = Install({"--keyboard"});
  const std::string rolledBack = InstallReport{.RolledBack = true}.WarningText();
  EXPECT_THAT(run, FieldsAre(1, "",
                             AllOf(StartsWith(rolledBack.substr(0, rolledBack.find('\r'))),
                                   HasSubstr(EntryProblem(P("game/Sound"), true)))));
  Strings now = Join(fresh, {"Sound=im Weg"});
  std::sort(now.begin(), now.end());
  EXPECT_EQ(GameFiles(), now);
  EXPECT_THAT(FileBytes(P(kFirst + "/Inhalt.txt")),
              AllOf(HasSubstr("\r\nStand: abgebrochen\r\n"), Not(HasSubstr("Ordner angelegt"))));
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
  for (const char* file : {"RPG_RT.EXE", "harmony.dll"})
    fs::copy_file(P(std::string("game/") + file), game + "\\" + file);
  // The record and the copy of harmony.dll would not fit.
  Strings tooLong;
  for (const char* file : {"~Inhalt.txt.wavoria-tmp", "~harmony.dll.wavoria-tmp"})
    tooLong.push_back(
        PathLengthProblem(game + "\\Wavoria-Sicherung\\2026-12-07 14.03.12\\" + file, false));
  EXPECT_EQ(Do({"install", "--game", game, "--maker", "maker", "--templates", "tpl", "--keyboard"}),
            Refused("Die Installation", tooLong));
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
// A leftover backup folder that cannot be removed stops the installation,
// which says why.
TEST_F(RestoreTest, ALeftoverFolderThatCannotBeRemovedStopsTheInstallation) {
  const std::string started = kBackups + "/2026-12-07 15.00.00";
  fs::create_directories(P(started + "/Sound"));
  fs::permissions(P(started), fs::perms(0555));
  for (const std::string& folder : {std::string("game"), kBackups})
    fs::permissions(folder, fs::perms::all);  // the lock can be made
  Outcome stopped;
  ASSERT_TRUE(testing::WithoutRootRights([&] { stopped = Install({"--keyboard"}); }));
  fs::permissions(P(started), fs::perms::owner_all, fs::perm_options::add);
  EXPECT_THAT(stopped, FieldsAre(1, "",
                                 AllOf(HasSubstr("'" + started + "'"),
                                       HasSubstr(FileErrorCause(FileError::Denied)))));
  EXPECT_EQ(GameFiles(), (Strings{"RPG_RT.EXE=game/RPG_RT.EXE", "harmony.dll=game/harmony.dll"}));
}
// A game folder in which nothing can be made (a read-only disk): nothing is
// changed, and the backup folder that could not be made is named with the
// cause. Then only the backups can be made: the Sound folder is named once
// with its cause, not each template that could not go into it.
TEST_F(RestoreTest, AReadOnlyGameFolderIsNamedWithTheCause) {
  const std::string denied = FileErrorCause(FileError::Denied);
  auto asUser = [&] {
    Outcome run;
    fs::permissions("game", fs::perms(0555));
    EXPECT_TRUE(testing::WithoutRootRights([&] { run = Install({"--keyboard"}); }));
    fs::permissions("game", fs::perms::owner_all, fs::perm_options::add);
    return run;
  };
  fs::permissions(P("game/harmony.dll"), fs::perms(0666));
  EXPECT_THAT(asUser(),
              FieldsAre(1, "", AllOf(HasSubstr("'game/Wavoria-Sicherung'"), HasSubstr(denied))));
  EXPECT_EQ(GameFiles(), (Strings{"RPG_RT.EXE=game/RPG_RT.EXE", "harmony.dll=game/harmony.dll"}));
  Write("game/oldharmony.dll", "alt");
  fs::permissions(P("game/oldharmony.dll"), fs::perms(0666));
  fs::create_directories(P(kBackups));
  fs::permissions(P(kBackups), fs::perms::all);
  const Outcome run = asUser();
  EXPECT_THAT(run, FieldsAre(1, "",
                             AllOf(HasSubstr("'game/Sound'"), HasSubstr("keine der 4 Dateien"),
                                   HasSubstr("'game/oldharmony.dll'"),
                                   HasSubstr("'game/autorun.script'"))));
  EXPECT_EQ(std::ranges::count(std::get<2>(run), '\n'), 6) << "one line for each failure";
  // The libraries stayed, so their copies are not kept either.
  EXPECT_EQ(KeptIn(kFirst), Strings{});
}

// A read-only file refuses the undo; made read-only once the undo is planned,
// it stops it there.
TEST_F(RestoreTest, AReadOnlyFileRefusesOrStopsTheUndo) {
  ASSERT_THAT(Install({"--keyboard"}), FieldsAre(0, _, ""));
  fs::permissions(P("game/harmony.dll"), fs::perms(0444));
  const std::string denied = FileErrorCause(FileError::Denied);
  EXPECT_THAT(Restore(),
              FieldsAre(1, "", AllOf(HasSubstr("'game/harmony.dll'"), HasSubstr(denied))));
  fs::permissions(P("game/harmony.dll"), fs::perms(0644));
  RestoreChoice choice = ChooseRestore("game");
  fs::permissions(P("game/harmony.dll"), fs::perms(0444));
  const Strings problems = CarryOutRestore(std::move(choice)).Problems;
  EXPECT_THAT(problems, ElementsAre(AllOf(HasSubstr("'game/harmony.dll'"), HasSubstr(denied))));
}

// The program run with args, its output in out.txt, under strace doing to
// its system calls what inject says (nothing when empty), counting only the
// calls on a file of that name when name is given; its exit status.
int RunInjected(const std::string& args, const std::string& inject, const std::string& name = "") {
  std::string strace;
  if (!inject.empty()) {
    strace = "strace -f -qq -o /dev/null " + (name.empty() ? "" : "-P " + name + " ") +
             "-e inject=" + inject + " ";
  }
  return Shell(strace + Program() + " " + args + " > out.txt 2>&1");
}

// A run killed at every rename, folder creation, flush and removal (strace kills it
// as the call begins): the game keeps a working pair of libraries, and the
// next restore leaves it as before the killed run or as after it, with
// nothing half-done.
TEST_F(RestoreTest, ARunKilledAtAnyStepIsRolledBackOrFinished) {
  ASSERT_EQ(Shell("strace -V > /dev/null 2>&1"), 0) << "strace is missing (tools/setup)";
  const std::string install = "install --game game --maker maker --templates tpl --keyboard";
  auto run = [&](const std::string& args, const std::string& kill = "") {
    return RunInjected(args, kill.empty() ? "" : kill + ":signal=SIGKILL");
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
          EXPECT_THAT(out, HasSubstr(Cp1252ToUtf8(TakenOverText(left))));
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

// A disk that refuses to make a run's backup folder, or the Sound folder in
// it (the folders the installation makes second and third, the undo first):
// the run is refused, names that folder with the cause, and leaves the game
// and its backups as they were.
TEST_F(RestoreTest, ABackupFolderThatCannotBeMadeRefusesTheRun) {
  ASSERT_EQ(Shell("strace -V > /dev/null 2>&1"), 0) << "strace is missing (tools/setup)";
  Write("game/Sound/KeyList.script.wav", "alt");  // its copy goes into the backup's Sound folder
  const std::string cause = Cp1252ToUtf8(FileErrorCause(FileError::DiskFull));
  auto refused = [&](const std::string& args, int call, const std::string& folder) {
    SCOPED_TRACE(args + folder);
    const Strings before = GameFiles();
    const int status = RunInjected(args, "mkdirat:error=ENOSPC:when=" + std::to_string(call));
    const std::string out = FileBytes("out.txt");
    EXPECT_EQ(status, 1) << out;
    const std::regex named("'game/Wavoria-Sicherung/[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9.]{8}" + folder +
                           "'.*" + cause);
    EXPECT_TRUE(std::regex_search(out, named)) << out;
    EXPECT_EQ(GameFiles(), before);
  };
  const std::string install =
      "install --game game --maker maker --templates tpl --keyboard --force";
  refused(install, 2, "");
  refused(install, 3, "/Sound");
  EXPECT_FALSE(fs::exists(P(kBackups))) << "no backup";
  ASSERT_THAT(Install({"--keyboard", "--force"}), FieldsAre(0, _, ""));
  const Strings backups = Tree(kBackups);
  refused("restore --game game", 1, "");
  EXPECT_EQ(Tree(kBackups), backups);
}

// Another run removed the backup folder it had made between this run's making
// sure of it and taking the lock (the first creation only says it made it):
// the folder is made again and the installation goes through.
TEST_F(RestoreTest, ABackupFolderOrLockThatGoesWhileTakenIsTakenAnew) {
  const std::string install = "install --game game --maker maker --templates tpl --keyboard";
  ASSERT_EQ(RunInjected(install, "mkdirat:retval=0:when=1"), 0) << FileBytes("out.txt");
  EXPECT_EQ(ReadHistory("game").Backups.size(), 1u);
  ASSERT_THAT(Restore(), FieldsAre(0, _, ""));
  // A lock that a killed run left goes between the two opens that take it
  // over (the second one is told it is gone): the lock is taken anew.
  Write(kBackups + "/Sperre.txt", "alt");
  ASSERT_EQ(RunInjected(install, "openat:error=ENOENT:when=2", "Sperre.txt"), 0)
      << FileBytes("out.txt");
}
#endif

}  // namespace
}  // namespace wavoria::cli
