// wavoria-cli: its commands run in-process through RunCli on prepared files,
// and one run of the real program.
#include "cli/cli.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <memory>

#include "app/game_overview.h"
#include "cli/check.h"
#include "cli/game_check.h"
#include "cli/options.h"
#include "cli/show.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "tests/cli/cli_test_support.h"
#include "tests/worked_example.h"
#include "wizard/game_clashes.h"

namespace wavoria::cli {
namespace {

// What check prints about the script file at path: its findings, one a line.
std::string Checked(const std::string& path) {
  std::string out;
  for (const Finding& f : CheckScriptText(FileBytes(path), testing::EditorActions(), path))
    out += FindingLine(f) + "\n";
  return out;
}

// What show prints of the script file at path (its lines, with details or
// not), and what show and format warn about: what the editor warns about on
// opening it.
Outcome Shown(const std::string& path, bool details = false) {
  const ShownScript shown =
      ShowScriptText(FileBytes(path), testing::EditorActions(), path, details);
  std::string lines, warnings;
  for (const std::string& line : shown.Lines) lines += line + "\n";
  for (const std::string& line : shown.Warnings)
    warnings += "wavoria-cli: " + path + ": " + line + "\n";
  return {0, lines, warnings};
}

TEST_F(Cli, Usage) {
  EXPECT_EQ(Do({"--version"}), (Outcome{0, "wavoria-cli 1.0\n", ""}));
  EXPECT_EQ(Do({"install", "--game", "x", "--help"}), (Outcome{0, HelpText(), ""}));
  const Strings g = {"install", "--game", "g", "--maker", "m"};
  const std::string id = " ist keine ganze Zahl von -2147483648 bis 2147483647.";
  const std::string only = " gilt nur zusammen mit --", value = "' braucht einen Wert.";
  auto mouse = [&](const Strings& more) { return Join(g, Join({"--mouse"}, more)); };
  const std::pair<Strings, std::string> cases[] = {
      {{}, "Es wurde kein Befehl angegeben."},
      {{"pruefen"}, "Unbekannter Befehl 'pruefen'."},
      {{"--verbose"}, "Unbekannte Option '--verbose'."},
      {{"check"}, "Bitte geben Sie mindestens eine Datei oder einen Ordner an."},
      {{"check", "-x"}, "Unbekannte Option '-x'."},
      {{"check", "---x=1"}, "Unbekannte Option '---x'."},
      {{"check", "--keys", "a"}, "--keys gilt nur zusammen mit --game."},
      {{"check", "--game", "g", "a"},
       "Mit --game wird das ganze Spiel geprüft; bitte geben Sie keine weiteren Pfade an."},
      {{"check", "--game"}, "Die Option '--game" + value},
      {{"show"}, "Bitte geben Sie die Datei an."},
      {{"show", "a", "b"}, "Bitte geben Sie nur eine Datei an."},
      {{"show", "a", "--output", "b"}, "Unbekannte Option '--output'."},
      {{"format"}, "Bitte geben Sie die Datei an."},
      {{"format", "a", "--output"}, "Die Option '--output" + value},
      {{"install", "--maker", "m", "--keyboard"},
       "Bitte geben Sie mit --game den Ordner Ihres Spiels an."},
      {{"install", "--game", "g", "--keyboard"},
       "Bitte geben Sie mit --maker den Ordner des RPG Makers an."},
      {g, "Bitte wählen Sie mindestens eine Funktion: --keyboard und/oder --mouse."},
      {{"install", "--game"}, "Die Option '--game" + value},
      {{"install", "--game=", "--maker", "m", "--mouse"}, "Die Option '--game" + value},
      {mouse({"--keyboard", "--start", "beide"}),
       "Für --start ist nur keyboard oder mouse möglich, nicht 'beide'."},
      {Join(g, {"--keyboard", "--start", "mouse"}), "--start mouse" + only + "mouse."},
      {mouse({"--start", "keyboard"}), "--start keyboard" + only + "keyboard."},
      {mouse({"--mouse-id", "5x"}), "Die Maus-ID '5x'" + id},
      {mouse({"--mouse-id", "-"}), "Die Maus-ID '-'" + id},
      {mouse({"--mouse-id", "2147483648"}), "Die Maus-ID '2147483648'" + id},
      {Join(g, {"--keyboard", "--mouse-id", "3"}), "--mouse-id" + only + "mouse."},
      {Join(g, {"--keyboard", "--auto-position"}), "--auto-position" + only + "mouse."},
      {Join(g, {"--keyboard", "spiel"}), "Unerwartetes Argument 'spiel'."},
      {Join(g, {"--keyboard=ja"}), "Unbekannte Option '--keyboard'."},
      {{"restore", "--list"}, "Bitte geben Sie mit --game den Ordner Ihres Spiels an."},
      {{"restore", "--game", "g", "spiel"}, "Unerwartetes Argument 'spiel'."},
      {{"restore", "--game=g", "--damaged", "ja"},
       "--damaged nimmt 'keep' oder 'put-back', nicht 'ja'."},
      {{"restore", "--game", "g", "--damaged"}, "Die Option '--damaged" + value},
  };
  for (const auto& [args, message] : cases)
    EXPECT_EQ(Do(args), (Outcome{2, "", "wavoria-cli: " + message + "\n" + UsageText()}));
  for (const auto& [arg, n] : {std::pair{"-2147483648", -2147483647 - 1}, {"+5", 5}, {"90", 90}})
    EXPECT_EQ(ParseArguments(Join(g, {"--mouse", "--mouse-id", arg})).Options.Install.MouseId, n);
  EXPECT_EQ(ParseArguments({"restore", "--game", "g", "--damaged", "keep"}).Options.Damaged,
            DamagedDecision::LeaveGame);
}

// check and show on prepared files and folders.
TEST_F(Cli, CheckAndShow) {
  Write("saved/beispiel.script.wav", testing::kWorkedExample);
  Write("saved/sub/b.script.wav", "[Execute]\nAction=Tanzen\n");
  Write("saved/a.txt", "Foo=1\r\n");
  Write("saved/c.SCRIPT.WAV", "[Execute]\nAction=Singen\n");
  Write("utf8.script.wav", ";Gr\xC3\xBC\xC3\x9F\r\n[Execute]\r\nAction=GetMousePosition\r\n");
  Write("b.script.wav",
        ";WIZDESC$T\n[W]\nAction=WriteToLog\nNext=X\n[Execute]\nNext=W\n[X]\nAction=MCICommand\n");
  fs::create_directory("ordner.script.wav");
#ifndef _WIN32
  ASSERT_EQ(mkfifo("rohr.script.wav", 0600), 0);  // a pipe is no file to read
#endif
  const std::string saved = Checked(P("saved/c.SCRIPT.WAV")) + Checked(P("saved/sub/b.script.wav"));
  const std::string missing = ":1: Die Datei wurde nicht gefunden.\n";
  auto unread = [](const std::string& file) {
    return "wavoria-cli: Die Datei '" + file + "' kann nicht gelesen werden.\n";
  };
  const std::pair<Strings, Outcome> cases[] = {
      {{"check", P(testing::DataFolder() + "/scripts")}, {0, "", ""}},
      {{"check", "--", P("saved/beispiel.script.wav")}, {0, "", ""}},
      {{"check", "--", "--details=x", "b"}, {1, "--details=x" + missing + "b" + missing, ""}},
      {{"check", "fehlt=1.script.wav", "saved", "fehlt"},
       {1, "fehlt=1.script.wav" + missing + saved + "fehlt" + missing, ""}},
      {{"check", P("saved/")}, {1, saved, ""}},
      {{"check", "utf8.script.wav"}, {1, Checked("utf8.script.wav"), ""}},
#ifndef _WIN32
      {{"check", "rohr.script.wav"},
       {1, "rohr.script.wav:1: Die Datei kann nicht gelesen werden.\n", ""}},
#endif
      {{"show", "b.script.wav"}, Shown("b.script.wav")},
      {{"show", "--details", "b.script.wav"}, Shown("b.script.wav", true)},
      {{"show", "fehlt.script.wav"}, {1, "", unread("fehlt.script.wav")}},
      {{"show", "ordner.script.wav"}, {1, "", unread("ordner.script.wav")}},
      {{"show", "-"}, {1, "", unread("-")}},
  };
  // show prints the details below each list line, indented.
  EXPECT_THAT(std::get<1>(Do({"show", "--details", "b.script.wav"})),
              StartsWith("Skriptname: T\n    Beginn des Skripts\n    Datei: b.script.wav\n"));
  for (const auto& [args, outcome] : cases) EXPECT_EQ(Do(args), outcome);
}

// check --game: each script with what it registers, then the clashes with
// their places and the count; --keys the table of keys and cheats.
#ifndef _WIN32
// A folder that check cannot read is named as such. The real program runs as
// an unprivileged user in a namespace of its own, since root reads any folder.
TEST_F(Cli, AFolderCheckCannotReadIsNamed) {
  if (Shell("unshare -U true > /dev/null 2>&1") != 0) GTEST_SKIP() << "no user namespace";
  fs::create_directory("zu");
  fs::permissions("zu", fs::perms::none);
  const int status = Shell("unshare -U " + Program() + " check zu > out.txt 2> err.txt");
  fs::permissions("zu", fs::perms::owner_all);
  EXPECT_EQ(std::tuple(status, FileBytes("out.txt"), FileBytes("err.txt")),
            std::tuple(1, "zu:1: Der Ordner kann nicht gelesen werden.\n", ""));
}
#endif

TEST_F(Cli, CheckGame) {
  using testing::HandMadeScript;
  testing::WriteGame("game",
                     {{"autorun.script",
                       "Sound\\a.script.wav\r\n..\\x.script.wav\r\n"
                       "Sound\\fehlt.script.wav\r\n"},
                      {"Sound/a.script.wav", HandMadeScript({"keys", "down F5 7", "output 4"})},
                      {"Sound/b.script.wav",
                       HandMadeScript({"up f5 8", "cheat GELD 9", "mouse 3", "down F5 1"})}});
  testing::WriteGame("leer", {});
  const GameModel game = ReadGame("game", testing::EditorActions());
  const std::vector<GameClash> clashes = FindClashes(game);
  ASSERT_EQ(clashes.size(), 3u);  // F5 twice, fehlt missing, x outside
  const std::string a = P("game/Sound/a.script.wav"), b = P("game/Sound/b.script.wav");
  EXPECT_EQ(Do({"check", "--game", "game"}),
            (Outcome{1,
                     a +
                         " (beim Start, autorun.script Zeile 1):\n"
                         "  Zeile 1: Tastensupport an\n"
                         "  Zeile 6: Taste drücken F5, Wert 7\n"
                         "  Zeile 11: Output-Wert 4\n" +
                         P("game/Sound/fehlt.script.wav") +
                         " (beim Start, autorun.script Zeile 3): fehlt\n" + b +
                         ":\n"
                         "  Zeile 1: Taste loslassen F5, Wert 8\n"
                         "  Zeile 6: Cheat GELD, Wert 9\n"
                         "  Zeile 11: Maussupport an, Maus-ID 3\n"
                         "  Zeile 16: Taste drücken F5, Wert 1\n"
                         "\nKonflikte und Befunde:\n" +
                         a + ":6: " + clashes[0].Sentence + "\n  auch " + b + ":16\n" +
                         P("game/autorun.script") + ":3: " + clashes[1].Sentence +
                         "\n\nHinweise:\n" + P("game/autorun.script") +
                         ":2: " + clashes[2].Sentence + "\n\n" + CountLine(game, clashes) + "\n",
                     ""}));
  EXPECT_EQ(Do({"check", "--game", "game", "--keys"}),
            (Outcome{1,
                     "Taste/Cheat  Ereignis   Wert\n"
                     "----------------------------\n"
                     "F5           Drücken       1\n"
                     "F5           Drücken       7\n"
                     "F5           Loslassen     8\n"
                     "GELD         Cheat         9\n",
                     "wavoria-cli: " + CountLine(game, clashes) +
                         "; Einzelheiten zeigt: wavoria-cli check --game \"game\"\n"}));
  // A key registered twice with the same value is one row.
  GameModel twice;
  twice.Registrations.assign(2, game.Registrations[1]);
  EXPECT_EQ(KeyTableText(twice),
            "Taste/Cheat  Ereignis  Wert\n---------------------------\n"
            "F5           Drücken      7\n");
  EXPECT_EQ(Do({"check", "--game", "leer"}),
            (Outcome{0, "\n" + CountLine(ReadGame("leer", {}), {}) + "\n", ""}));
  EXPECT_EQ(Do({"check", "--game", "nirgends", "--keys"}),
            (Outcome{1, "", "wavoria-cli: Der Ordner 'nirgends' wurde nicht gefunden.\n"}));
}

// format writes a script as Speichern would, in place or to --output, and
// says what opening it in the editor says.
TEST_F(Cli, Format) {
  const std::string hand = "[Execute]\r\n\tAction = \"WriteToLog\"\r\nText=' A B'\r\nFarbe=rot\r\n";
  auto table = std::make_unique<CommandTable>();  // as the editor reads and saves it
  ParseScript(hand, testing::EditorActions(), *table);
  const std::string formatted = ScriptText(*table);
  Write("h.script.wav", hand);
  Write("fertig.script.wav", testing::kWorkedExample);
  fs::create_directory("ordner");
  const std::string warning = std::get<2>(Shown("h.script.wav"));
  EXPECT_THAT(warning, HasSubstr("Zeile 4: Unbekannter Schlüssel 'Farbe'"));
  EXPECT_EQ(Do({"format", "h.script.wav", "--output", "neu.script.wav"}),
            (Outcome{0, "", warning}));
  EXPECT_EQ(FileBytes("h.script.wav") + "|" + FileBytes("neu.script.wav"), hand + "|" + formatted);
  EXPECT_EQ(Do({"format", "h.script.wav"}), (Outcome{0, "", warning}));
  EXPECT_EQ(FileBytes("h.script.wav"), formatted);
  EXPECT_EQ(Do({"format", "fertig.script.wav"}), (Outcome{0, "", ""}));
  EXPECT_EQ(FileBytes("fertig.script.wav"), testing::kWorkedExample);
  EXPECT_EQ(
      Do({"format", "fehlt.script.wav"}),
      (Outcome{1, "", "wavoria-cli: Die Datei 'fehlt.script.wav' kann nicht gelesen werden.\n"}));
  EXPECT_THAT(
      Do({"format", "fertig.script.wav", "--output=ordner"}),
      FieldsAre(1, "",
                StartsWith("wavoria-cli: Die Datei 'ordner' konnte nicht gespeichert werden")));
}

// A folder among the templates is not one of them.
TEST_F(CliInstall, Choices) {
  fs::create_directories("tpl/Key/alt");
  EXPECT_EQ(Install({"--keyboard"}), (Outcome{0, Installed("game", "2026-12-07 14.03.12"), ""}));
  EXPECT_EQ(Autorun(), kKeys + "Sound\\KeySupportON.script.wav\r\n");
  EXPECT_EQ(Install({"--keyboard", "--mouse", "--start=mouse", "--mouse-id", "-5",
                     "--auto-position", "--force"}),
            (Outcome{0, Installed("game", "2026-12-07 14.03.12 (2)"), ""}));
  EXPECT_EQ(Autorun(), kKeys + "Sound\\MouseSupportON.script.wav\r\n");
  EXPECT_THAT(FileBytes(P("game/Sound/MouseSupportON.script.wav")),
              HasSubstr("ID=-5\r\nAutomatic=True"));
}

TEST_F(CliInstall, Refusals) {
  // Paths the system spells in UTF-8 (Windows: in its code page) are named in the program's text.
  const std::string u = kUnderWine ? "\xFC" : "\xC3\xBC";
  Write("maker/RPG_RT.EXE", ""), Write("m" + u + "/RPG2000.EXE", ""),
      Write("m" + u + "/oldharmony.dll", "");
  Write("t" + u + "/common/Eigenes.script.wav", "");
  const Strings game = Tree("game");
  const std::string t = "--templates", notFound = "' wurde nicht gefunden";
  const std::pair<Strings, std::string> cases[] = {
      {{"--game", "nirgends", "--maker", "maker"}, "Der Ordner des Spiels 'nirgends" + notFound},
      {{"--game", "leer", "--maker", "maker"}, "Im Ordner 'leer' wurde keine RPG_RT.EXE gefunden."},
      {{"--game", "game", "--maker", "leer"}, "Im Ordner 'leer' wurde keine RPG2000.EXE gefunden."},
      {{"--game", "game", "--maker", "ohne"}, "Möglicherweise ist der Klavato nicht installiert."},
      {{"--game", "maker", "--maker", "maker"}, "sind derselbe Ordner"},
      {{"--game", "game", "--maker", "m" + u, "--force"}, "'" + P("m\xFC/harmony.dll") + notFound},
      // In the order of their names.
      {{"--game", "game", "--maker", "maker", "--force", t, "t" + u},
       P("t\xFC/common/MidiTickClear.script.wav") + notFound + ".\nDie Datei '" +
           P("t\xFC/common/MidiTickOutput.script.wav") + notFound},
      {{"--game", "game", "--maker", "maker", "--force", t, "t" + u},
       "Der Vorlagenordner '" + P("t\xFC/Key") + "' fehlt oder ist leer"},
  };
  for (const auto& [folders, error] : cases)
    EXPECT_THAT(Do(Join({"install", "--keyboard", "--templates", "tpl"}, folders)),
                FieldsAre(1, "", HasSubstr(error)));
  Write("g" + u + "/RPG_RT.EXE", "");  // a game without a library of its own: nothing kept
  EXPECT_EQ(
      Do({"install", "--game", "g" + u, "--maker", "maker", "--keyboard", "--templates", "tpl"}),
      (Outcome{0, Installed("g\xFC", ""), ""}));
  EXPECT_THAT(Do({"restore", "--game", "g" + u, "--list"}),
              FieldsAre(0, HasSubstr("Ordner: '" + P("g\xFC/Wavoria-Sicherung/")), ""));
  EXPECT_EQ(Tree("game"), game);
}

#ifndef _WIN32
// POSIX permissions stand in for the read-only attribute, so these run natively.
struct Failure {
  std::string File;
  // "file"/"folder" put there, "remove"d, "000"/"444" permissions ("folder 000": a new
  // folder without any), the disk "full" (at once, or after the record and a backup file)
  std::string Mode;
  Strings Named;    // the paths the message names
  FileError Cause;  // the cause it gives; None: the entry is not what the run expects
};
void PrintTo(const Failure& f, std::ostream* os) {
  *os << f.File << " " << f.Mode;
}

class InstallFailure : public CliInstall, public ::testing::WithParamInterface<Failure> {};

TEST_P(InstallFailure, NamesTheFileAndItsCauseAndChangesNothing) {
  const auto& [file, mode, named, cause] = GetParam();
  if (mode.starts_with("file")) Write(file, "x");
  if (mode.starts_with("folder")) fs::create_directory(file);
  if (mode == "remove") fs::remove(file);
  if (mode.ends_with("000") || mode == "444")
    fs::permissions(file, fs::perms(mode == "444" ? 0400 : 0));
  if (mode.ends_with("000")) fs::permissions("game", fs::perms::all);  // the lock can be made
  long long room = mode == "full" ? 0 : -1;
  if (mode.starts_with("full after")) {
    // The same installation into a copy of the game writes the same record, which
    // says "läuft" until the end.
    Write(file, "x");
    fs::copy("game", "copy", fs::copy_options::recursive);
    ASSERT_THAT(Do({"install", "--game", "copy", "--maker", "maker", "--templates", "tpl",
                    "--keyboard", "--force"}),
                FieldsAre(0, _, ""));
    const std::string record = FileBytes("copy/Wavoria-Sicherung/2026-12-07 14.03.12/Inhalt.txt");
    room = Replaced(record, "vollständig", "läuft").size() + 16;
  }
  const Strings game = Tree("game");
  Outcome run;
  auto install = [&] {
    const FullDisk disk(room);
    run = Install({"--keyboard", "--force"});
  };
  // Without write permission bits a file is refused for root too.
  ASSERT_TRUE(mode.ends_with("000") ? testing::WithoutRootRights(install) : (install(), true));
  const std::string why =
      cause == FileError::None ? EntryProblem(file, mode == "file") : FileErrorCause(cause);
  EXPECT_THAT(run, FieldsAre(1, "",
                             AllOf(StartsWith(std::get<2>(Refused("Die Installation", {}))),
                                   HasSubstr(why))));
  for (const std::string& path : named) EXPECT_THAT(std::get<2>(run), HasSubstr("'" + path + "'"));
  EXPECT_EQ(Tree("game"), game);
}

const std::string kSound = "game/Sound/", kRecord = "game/Wavoria-Sicherung/2026-12-07 14.03.12/";
INSTANTIATE_TEST_SUITE_P(
    Entries, InstallFailure,
    ::testing::Values(
        Failure{"maker/harmony.dll", "remove", {"maker/harmony.dll"}, FileError::NotFound},
        Failure{"game/oldharmony.dll", "folder", {}, FileError::None},
        Failure{"game/Wavoria-Sicherung", "file", {}, FileError::None},
        Failure{"game/harmony.dll", "444", {"game/harmony.dll"}, FileError::Denied},
        Failure{"game/Sound", "file", {}, FileError::None},
        Failure{"game/Sound",
                "folder 000",
                {kSound + "MidiTickClear.script.wav", kSound + "MidiTickOutput.script.wav",
                 kSound + "KeyList.script.wav", kSound + "KeySupportON.script.wav"},
                FileError::Denied},
        Failure{
            "tpl/Key/KeyList.script.wav", "000", {"tpl/Key/KeyList.script.wav"}, FileError::Denied},
        Failure{"game/harmony.dll", "full", {kRecord + "Inhalt.txt"}, FileError::DiskFull},
        Failure{"game/autorun.script",
                "full after the record and a backup file",
                {kRecord + "autorun.script"},
                FileError::DiskFull}));

// The folder checked on the way in can be gone when the installation starts
// (a drive pulled out, a folder renamed); the plan is then refused whole.
TEST_F(CliInstall, AGameFolderGoneSinceThePlanIsRefused) {
  WizardSettings settings{.GamePath = "game/", .MakerPath = "maker/", .KeyboardSupport = 1};
  const InstallPlan plan = BuildInstallPlan(settings, "tpl/");
  fs::rename("game", "weg");
  const InstallReport report = ExecuteInstallPlan(plan);
  EXPECT_EQ(std::pair(report.Refused, report.Problems),
            std::pair(true, Strings{"Der Ordner des Spiels 'game/' wurde nicht gefunden."}));
  EXPECT_FALSE(fs::exists("game"));
}

// Names in the game folder are matched ignoring case: an autorun.script of the
// game's own refuses the installation without --force.
TEST_F(CliInstall, NamesInTheGameFolderAreMatchedIgnoringCase) {
  ASSERT_TRUE(fs::remove("game/harmony.dll"));
  Write("game/HARMONY.DLL", "own");
  Write("game/SOUND/KEYLIST.SCRIPT.WAV", "mine");
  Write("game/AUTORUN.SCRIPT", "Sound\\Mine.script.wav\r\n");
  EXPECT_THAT(Install({"--keyboard"}),
              FieldsAre(1, "",
                        StartsWith("Ihr Spiel scheint bereits Tastatur- oder Maussupport zu "
                                   "enthalten. Mit --force wird trotzdem installiert;")));
  ASSERT_THAT(Install({"--keyboard", "--force"}),
              FieldsAre(0, HasSubstr("Anpassen: game/SOUND/KEYLIST.SCRIPT.WAV\n"), ""));
  EXPECT_EQ(Join(FoldersIn("game"), FilesIn("game")),  // the folders, then the files
            (Strings{"SOUND", "Wavoria-Sicherung", "AUTORUN.SCRIPT", "HARMONY.DLL", "RPG_RT.EXE",
                     "oldharmony.dll"}));
  EXPECT_EQ(FileBytes("game/SOUND/KEYLIST.SCRIPT.WAV"), kTemplate);
  EXPECT_EQ(KeptIn("game/Wavoria-Sicherung/2026-12-07 14.03.12"),
            (Strings{"AUTORUN.SCRIPT=Sound\\Mine.script.wav\r\n", "HARMONY.DLL=own", "SOUND/",
                     "SOUND/KEYLIST.SCRIPT.WAV=mine"}));
}
#endif

// The real program once: it finds its data beside itself, expands a wildcard
// (on Windows the program does, not the command processor) and writes the
// console's encoding (UTF-8 on Linux; on Windows without a console, the ANSI
// code page).
TEST_F(Cli, TheRealProgram) {
  Write("g.script.wav", ";WIZDESC$\xFC\x80\r\n[Execute]\r\nAction=GetMousePosition\r\n");
  EXPECT_EQ(Shell(Program() + " show g*.script.wav > out.txt"), 0);
  EXPECT_EQ(FileBytes("out.txt"),
            kUnderWine ? "Skriptname: \xFC\x80\r\n<> Maus-/Tastenstatus senden\r\n<>\r\n"
                       : "Skriptname: \xC3\xBC\xE2\x82\xAC\n<> Maus-/Tastenstatus senden\n<>\n");

  // Without actions.dat beside it, it says which file is missing.
  fs::copy_file(ProgramFolder() + kPathSeparator + kProgramFile, kProgramFile);
  EXPECT_EQ(Shell("\"" + fs::absolute(kProgramFile).string() + "\" check g.script.wav 2> err.txt"),
            kExitUsage);
  EXPECT_THAT(FileBytes("err.txt"), HasSubstr("actions.dat"));
}

}  // namespace
}  // namespace wavoria::cli
