// The wizard's pages, its flow and what an installation writes.
#include <gtest/gtest.h>

#include <set>

#include "document/script_reader.h"
#include "platform/file_io.h"
#include "platform/file_ops.h"
#include "platform/text_encoding.h"
#include "platform/utf8_text.h"
#include "test_support.h"
#include "wizard/game_entries.h"
#include "wizard/game_run.h"
#include "wizard/install_backup.h"
#include "wizard/install_executor.h"
#include "wizard/install_plan.h"
#include "wizard/install_record.h"
#include "wizard/install_undo.h"
#include "wizard/wizard_flow.h"

namespace wavoria {
namespace {

constexpr char S = kPathSeparator;

TEST(WizardFlow, NavigationTable) {
  // page, keyboard, mouse, "Weiter >", "< Zurück"
  const std::tuple<std::int32_t, int, int, std::int32_t, std::int32_t> rows[] = {
      {8000, 1, 1, 8100, 8000}, {8100, 1, 0, 8500, 8000}, {8100, 0, 1, 8400, 8000},
      {8100, 1, 1, 8200, 8000}, {8100, 0, 0, 8100, 8000}, {8200, 1, 1, 8400, 8100},
      {8400, 1, 1, 8500, 8200}, {8400, 0, 1, 8500, 8100}, {8500, 0, 1, -2, 8400},
      {8500, 1, 1, -2, 8400},   {8500, 1, 0, -2, 8100},   {8300, 1, 1, -1, -1},
  };
  for (const auto& [page, keyboard, mouse, next, back] : rows) {
    SCOPED_TRACE(std::to_string(page) + " " + std::to_string(keyboard) + std::to_string(mouse));
    WizardSettings s{.KeyboardSupport = std::uint8_t(keyboard),
                     .MouseSupport = std::uint8_t(mouse)};
    EXPECT_EQ(std::tuple(PageAfter(page, s), PageBefore(page, s)), std::tuple(next, back));
    EXPECT_EQ(IsWizardPage(page), page != 8300);
    s.NextPage = page;
    if (page == 8500) BackFromFinish(s);
    if (page == 8400) BackFromMouseSettings(s, ShowMouseSettings(s));
    if (page == 8200) BackFromStartFunction(s, 1);
    EXPECT_EQ(s.NextPage, page >= 8200 && page != 8300 ? back : page);
  }
  // shown, NextPage left by the page, what the loop shows next
  const std::tuple<std::int32_t, std::int32_t, std::int32_t> loop[] = {
      {8000, 8100, 8100}, {8500, 8400, 8400}, {8400, -1, -1},   {8500, -2, -2},
      {8100, 8100, -1},   {8300, 8300, -1},   {8500, 4000, -1}, {8500, -3, -1},
  };
  for (const auto& [shown, next, expected] : loop) EXPECT_EQ(WizardLoopNext(shown, next), expected);
}

TEST(WizardFlow, PagesStoreTheirChoices) {
  WizardSettings s{.NextPage = 8100, .KeyboardSupport = 1, .MouseSupport = 1};
  EXPECT_EQ(
      ConfirmFunctions(s, false, false),
      (PageResult{false, MessageIcon::Warning, "Bitte wählen Sie mindestens eine Funktion!"}));
  EXPECT_EQ(s, (WizardSettings{.NextPage = 8100, .KeyboardSupport = 1, .MouseSupport = 1}));
  BackFromFunctions(s, false, true);
  EXPECT_EQ(s, (WizardSettings{.NextPage = 8000, .MouseSupport = 1}));
  for (const auto& [stored, shown] : {std::pair{0, 0}, {1, 1}, {7, 0}, {-1, 0}}) {
    EXPECT_EQ(StartFunctionSelection(WizardSettings{.StartFunction = stored}), shown) << stored;
  }
  ConfirmStartFunction(s, 1);
  EXPECT_EQ(s, (WizardSettings{.NextPage = 8400, .MouseSupport = 1, .StartFunction = 1}));
  ConfirmStartFunction(s, -1);  // no entry selected
  EXPECT_EQ(s.StartFunction, 0);
  s.StartFunction = 1;
  BackFromStartFunction(s, 0);
  EXPECT_EQ(s, (WizardSettings{.NextPage = 8100, .MouseSupport = 1}));
  for (std::int32_t id : {-5, 0, 3, -2147483647 - 1, 2147483647}) {
    const bool ticked = id > 0;  // "Automatisch" ticked for some ids only
    WizardSettings m{.MouseId = id, .AutoSendPosition = ticked};
    MouseForm form = ShowMouseSettings(m);
    EXPECT_EQ(std::tuple(form.Negative, form.AutoSend), std::tuple(id < 0, ticked));
    form.AutoSend = !ticked;  // the maker changes it
    ConfirmMouseSettings(m, form);
    EXPECT_EQ(std::tuple(m.MouseId, m.AutoSendPosition, m.NextPage), std::tuple(id, !ticked, 8500));
  }
  EXPECT_EQ(ShowMouseSettings(WizardSettings{.MouseId = -5}).IdDigits, "5");
  s = {.KeyboardSupport = 1};
  EXPECT_TRUE(ShowsKeyListNote(s) && !ShowsKeyListNote({.MouseSupport = 1}));
  ConfirmFinish(s);
  EXPECT_EQ(s.NextPage, kWizardInstall);
  CancelWizard(s);
  EXPECT_EQ(s.NextPage, kWizardCancelled);
}

TEST(WizardFlow, PathsPageChecks) {
  const std::string game = std::string("Spiele") + S + "Mein Spiel ä" + S;
  const std::string maker = std::string("RPG2000") + S;
  const std::string old = maker + "oldharmony.dll", autorun = game + "autorun.script";
  const std::string tick = game + "Sound" + S + "MidiTickOutput.script.wav";
  const std::string gameFile = game + "RPG_RT.EXE", makerFile = maker + "RPG2000.EXE";
  // the chosen files, the files there, "Ja" to going on, the box, the paths stored ("-": unchanged)
  const MessageIcon W = MessageIcon::Warning, Q = MessageIcon::Question, N = MessageIcon::None;
  const struct {
    std::string gameFile, makerFile;
    std::set<std::string> files;
    bool confirmed;
    MessageIcon icon;
    std::string_view message;
    std::string gamePath, makerPath;
  } rows[] = {
      {"", makerFile, {old}, false, W, kGamePathMissingText, "-", "-"},
      {"RPG_RT.EXE", makerFile, {old}, false, W, kGamePathMissingText, "-", "-"},
      {gameFile, makerFile, {old, autorun}, false, Q, kAlreadyInstalledText, "-", "-"},
      {gameFile, makerFile, {old, tick}, false, Q, kAlreadyInstalledText, "-", "-"},
      {gameFile, makerFile, {old, autorun}, true, N, "", game, maker},
      {gameFile, "", {old}, false, W, kMakerPathMissingText, game, "-"},
      {gameFile, makerFile, {}, false, MessageIcon::Error, kOldHarmonyMissingText, game, "-"},
      {gameFile, makerFile, {old}, false, N, "", game, maker},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.gameFile + " " + std::string(r.message));
    WizardSettings s{.GamePath = "-", .MakerPath = "-", .NextPage = 8000};
    auto exists = [&](const std::string& p) { return r.files.count(p) > 0; };
    EXPECT_EQ(ConfirmPaths(s, {r.gameFile, r.makerFile}, r.confirmed, exists),
              (PageResult{r.makerPath != "-", r.icon, std::string(r.message)}));
    EXPECT_EQ(s, (WizardSettings{.GamePath = r.gamePath,
                                 .MakerPath = r.makerPath,
                                 .NextPage = r.makerPath != "-" ? 8100 : 8000}));
  }
  EXPECT_EQ(ShowPaths({}).GameFile + ShowPaths({}).MakerFile, "");
  const PathsForm shown = ShowPaths({.GamePath = "C:\\Spiel\\", .MakerPath = "D:\\RPG2000\\"});
  EXPECT_EQ(shown.GameFile + "|" + shown.MakerFile,
            "C:\\Spiel\\RPG_RT.EXE|D:\\RPG2000\\RPG2000.EXE");
  EXPECT_EQ(FolderOf("/home/a b/RPG_RT.EXE") + FolderOf("RPG_RT.EXE"), "/home/a b/");
}

// What autorun lists and the mouse script for each choice of support (the
// CLI's tests install into real folders).
// A file where a folder of the game belongs is named as such, not as a
// file below it that cannot be checked; a folder keeps room for an 8.3 name.
TEST(GameEntries, AFileInPlaceOfAFolderAndTheLongestPaths) {
  testing::TempFolder game("entries");
  ASSERT_TRUE(WriteFileAtomically(game.File("Sound"), "x"));
  EXPECT_EQ(GameFileProblem(game.Path(), "Sound\\KeyList.script.wav"),
            EntryProblem(EntryPath(game.Path(), "Sound"), true));
  // A name Windows cannot hold is named; an ordinary one is not.
  EXPECT_EQ(WindowsNameProblem("Sound\\a.script.wav"), "");
  for (const std::string name : {"Sound\\CON", "Sound\\a.", "Sound\\a "}) {
    EXPECT_NE(WindowsNameProblem(name).find(name), std::string::npos) << name;
  }
  const std::size_t max = MaxPathLength();
  for (const auto& [length, folder, fits] : {std::tuple(max, false, true),
                                             {max + 1, false, false},
                                             {max - 12, true, true},
                                             {max - 11, true, false}}) {
    EXPECT_EQ(PathLengthProblem(std::string(length, 'x'), folder).empty(), fits)
        << length << (folder ? " folder" : " file");
  }
  EXPECT_EQ(std::pair(GamePathProblem(std::string(max, 'x')).empty(),
                      GamePathProblem(std::string(max + 1, 'x')).empty()),
            std::pair(true, false))
      << "a game's path of the longest length and one longer";
}

TEST(InstallPlan, AutorunAndMouseScriptForEachChoice) {
  const std::string start =
      "Sound\\MidiTickOutput.script.wav\r\nSound\\MidiTickClear.script.wav\r\n";
  const std::string keys = start + "Sound\\KeyList.script.wav\r\n", on = "SupportON.script.wav\r\n";
  const std::tuple<WizardSettings, std::string> rows[] = {
      {{.KeyboardSupport = 1}, keys + "Sound\\Key" + on},
      {{.KeyboardSupport = 1, .StartFunction = 1},
       keys + "Sound\\Key" + on},  // mouse support unticked
      {{.MouseSupport = 1}, start + "Sound\\Mouse" + on},
      {{.KeyboardSupport = 1, .MouseSupport = 1}, keys + "Sound\\Key" + on},
      {{.KeyboardSupport = 1, .MouseSupport = 1, .StartFunction = 1}, keys + "Sound\\Mouse" + on}};
  for (const auto& [settings, autorun] : rows) EXPECT_EQ(AutorunText(settings), autorun);
  const WizardSettings mouse{.MouseSupport = 1, .MouseId = -5, .AutoSendPosition = 1};
  EXPECT_EQ(MouseSupportScriptText(mouse),
            "\r\n;WIZDESC$Maussupport\r\n[Execute]\r\nAction=EnableMouseSupport\r\nEnable=True\r\n"
            "ID=-5\r\nAutomatic=True\r\nNext=\r\n");
  CommandTable table;
  EXPECT_FALSE(ParseScript(MouseSupportScriptText(mouse), testing::EditorActions(), table).Any());
  EXPECT_TRUE(IsScriptFileName("a.SCRIPT.Wav"));
  EXPECT_FALSE(IsScriptFileName("a.script.wav.txt") || IsScriptFileName(".script.wav"));
}

// The bytes of text (Windows-1252) as UTF-16 with a byte-order mark, as
// Notepad's "Unicode" saves them.
std::string Utf16Of(std::string_view text) {
  std::string bytes = "\xFF\xFE";
  for (unsigned char c : text) {
    const char32_t code = CodePointOf1252(c);
    bytes += {char(code & 0xFF), char(code >> 8)};
  }
  return bytes;
}

// A record reads back as it was written, also as a maker's editor saves it
// again (another encoding, LF, blanks, a note, keys and names in other
// case); a damaged one is no record, and says where and why.
TEST(InstallRecord, ReadsBackWhatItWroteAndNothingDamaged) {
  using enum RecordKind;
  const InstallRecord records[] = {
      {.Number = 2,
       .Kind = Installation,
       .Date = "2026-12-07 14.03.12",
       .Choices = "Maussupport",
       .CreatedFolders = {"Sound"},
       .Files = {{"harmony.dll", true, {5, 0x3610A686}, {7, 0xE8B7BE43}},
                 {"Sound\\Ein: Name.script.wav", false, {}, {0, 0}}},
       .State = RecordState::Undone,
       .By = 3},
      {.Number = 3,
       .Kind = Undo,
       .UndoesNumber = 2,
       .PutBack = {"harmony.dll"},
       .Removed = {"autorun.script"},
       .KeptChanged = {"Sound\\KeyList.script.wav"},
       .State = RecordState::Complete},
      {.Number = 4, .Kind = Undo, .UndoesFolder = "2026-01-01 10.00.00 (10)"},
      {.Kind = EarlierBackup, .State = RecordState::RolledBack, .By = 4},
      {.Number = 5,
       .Kind = Installation,
       .Reasons = {"Der Datenträger ist voll."},
       .State = RecordState::Aborted},
  };
  auto resaved = [](std::string text) {
    text.insert(text.find("Stand:"), "Notiz: von Hand\r\n");
    std::string edited;
    for (std::size_t at = 0, end; at < text.size(); at = end + 2) {
      end = text.find("\r\n", at);
      edited += text.substr(at, end - at) + (end % 2 ? " \t" : "") + "\n";
    }
    return edited;
  };
  for (const InstallRecord& record : records) {
    const std::string text = RecordText(record);
    for (const std::string& bytes : {text, resaved(text), cli::Cp1252ToUtf8(text),
                                     "\xEF\xBB\xBF" + cli::Cp1252ToUtf8(text), Utf16Of(text)}) {
      EXPECT_EQ(ParseRecord(bytes), record) << bytes;
    }
  }
  // As the version before this one wrote it: case and NUL are the maker's.
  const std::string text = RecordText(records[0]);
  EXPECT_EQ(text.substr(text.find("Ersetzt")),
            "Ersetzt: harmony.dll\r\n  vorher: 5 Bytes, CRC-32 3610A686\r\n  nachher: 7 Bytes, "
            "CRC-32 E8B7BE43\r\nHinzugefügt: Sound\\Ein: Name.script.wav\r\n  nachher: 0 Bytes, "
            "CRC-32 00000000\r\nStand: rückgängig gemacht durch Nr. 3\r\n");
  std::string edited = text;
  edited.replace(edited.find("Ersetzt: harmony.dll"), 20,
                 std::string("ERSETZT:Harmony.DLL\0x", 21));
  EXPECT_EQ(ParseRecord(edited)->Files[0].Path, "Harmony.DLL");
  // what is changed, to what, and the damage named
  const std::tuple<std::string, std::string, std::string> damage[] = {
      {"Stand: rückgängig gemacht durch Nr. 3", "", "es fehlt die Zeile 'Stand: …'"},
      {"Stand: rückgängig gemacht durch Nr. 3", "Stand: rückgängig gemacht durch Nr. ",
       "Zeile 12: unbekannter Stand 'rückgängig gemacht durch Nr.'"},
      {"Stand: rückgängig gemacht durch Nr. 3", "Stand: fertig",
       "Zeile 12: unbekannter Stand 'fertig'"},
      {"Nummer: 2", "Nummer: 0", "Zeile 2: die Nummer '0' ist keine Zahl über 0"},
      {"Nummer: 2", "Nummer: +2", "Zeile 2: die Nummer '+2' ist keine Zahl über 0"},
      {"Nummer: 2", "", "es fehlt die Zeile 'Nummer: …'"},
      {"Art: Installation", "Art: Neu", "Zeile 3: unbekannte Art 'Neu'"},
      {"Art: Installation", "", "es fehlt die Zeile 'Art: …'"},
      {"CRC-32 E8B7BE43", "CRC-32 E8B7BE4",
       "Zeile 9: Größe und Prüfsumme '7 Bytes, CRC-32 E8B7BE4' sind nicht lesbar"},
      {"CRC-32 E8B7BE43", "CRC-32 E8B7BE4X",
       "Zeile 9: Größe und Prüfsumme '7 Bytes, CRC-32 E8B7BE4X' sind nicht lesbar"},
      {"7 Bytes", "-7 Bytes",
       "Zeile 9: Größe und Prüfsumme '-7 Bytes, CRC-32 E8B7BE43' sind nicht lesbar"},
      {"  vorher: 5 Bytes, CRC-32 3610A686\r\n", "",
       "Zeile 7: zu dieser Datei fehlt die Zeile 'vorher: …'"},
      {"  nachher: 0 Bytes, CRC-32 00000000\r\n", "",
       "Zeile 10: zu dieser Datei fehlt die Zeile 'nachher: …'"},
  };
  for (const auto& [from, to, why] : damage) {
    std::string damaged = text;
    damaged.replace(damaged.find(from), from.size(), to);
    RecordDamage found;
    EXPECT_EQ(ParseRecord(damaged, &found), std::nullopt) << damaged;
    EXPECT_EQ(DamageText(found), why);
    // What can still be read counts: the number against numbers given twice.
    EXPECT_EQ(found.Number, from.starts_with("Nummer") ? 0 : 2) << why;
  }
  // A reason is one line of the record, whatever it holds.
  const InstallRecord aborted{.Number = 1, .Reasons = {"a\r\nb"}, .State = RecordState::Aborted};
  EXPECT_EQ(ParseRecord(RecordText(aborted))->Reasons, std::vector<std::string>{"a  b"});
  std::string undo = RecordText(records[1]);
  RecordDamage undoesNothing;
  EXPECT_EQ(ParseRecord(undo.substr(0, undo.find("Macht")) + undo.substr(undo.find("Zur")),
                        &undoesNothing),
            std::nullopt);
  EXPECT_EQ(DamageText(undoesNothing), "es fehlt die Zeile 'Macht rückgängig: …'");
  undo.replace(undo.find("Nr. 2"), 5, "Nr. 0");
  EXPECT_EQ(ParseRecord(undo), std::nullopt);
  EXPECT_EQ(StampOf("123456789"), (FileStamp{9, 0xCBF43926u}));
}

// A restore puts back and removes only files an installation can have
// written, the name of a backup made in one second counts on from 9 to 10, and
// a restore that cannot be done is refused with its reasons.
TEST(InstallUndo, RestorableNamesAndTheOrderOfBackups) {
  for (const char* name : {"harmony.dll", "OLDHARMONY.DLL", "autorun.script", "Sound\\a.wav",
                           "sound\\~x.script.wav"}) {
    EXPECT_TRUE(IsRestorablePath(name)) << name;
  }
  for (const char* name :
       {"RPG_RT.EXE", "\\harmony.dll", "Sound\\", "Sound\\..", "Sound\\.", "Sound\\a\\b",
        "Sound\\a/b", "Sound\\C:x", "Sound\\a\tb", "..\\..\\Startup\\victim.txt", "Other\\a.wav",
        "C:\\harmony.dll", "Sound/a.wav", "Wavoria-Sicherung\\harmony.dll"}) {
    EXPECT_FALSE(IsRestorablePath(name)) << name;
  }
  const char* made[] = {"2026-12-07 14.03.12",      "2026-12-07 14.03.12 (2)",
                        "2026-12-07 14.03.12 (9)",  "2026-12-07 14.03.12 (10)",
                        "2026-12-07 14.03.12 (0/)", "2026-12-07 14.03.13",
                        "2099-01-01 00.00.00 (x)"};
  for (std::size_t i = 0; i + 1 < std::size(made); ++i) {
    EXPECT_TRUE(BackupNameLess(made[i], made[i + 1]) && !BackupNameLess(made[i + 1], made[i]))
        << made[i];
  }
  for (const char* name :
       {"theme.mid.", "theme.mid ", "CON", "con.txt", "Nul", "COM1", "lpt9.wav"}) {
    EXPECT_FALSE(WindowsCanHoldName(name)) << name;
  }
  for (const char* name : {"CONSOLE", "COM0", "COM10", "a.b", "LPT"}) {
    EXPECT_TRUE(WindowsCanHoldName(name)) << name;
  }
  RestoreChoice refused;
  refused.Problems = {"Grund 1", "Grund 2"};
  EXPECT_EQ(RestoreQuestion(refused),
            (Prompt{MessageIcon::Warning,
                    "Das Rückgängigmachen wurde nicht ausgeführt; an Ihrem Spiel wurde nichts "
                    "verändert.\r\n\r\nGrund 1\r\nGrund 2"}));
}

// A lock that a killed run left is named by that run's process and start;
// without both, by neither.
TEST(GameRun, ALeftLockIsNamedByItsRun) {
  const std::string tail = " hatte die Sperre dieses Spiels hinterlassen; sie wurde übernommen.";
  // A key counts only at the start of a line.
  EXPECT_EQ(TakenOverText("Wavoria: Sperre, nicht Prozess: 7\r\nProzess: 42\r\n"
                          "Beginn: 2026-12-07 14.03.12\r\n"),
            "Ein abgebrochener Lauf von Wavoria (Prozess 42, begonnen 2026-12-07 14.03.12)" + tail);
  EXPECT_EQ(TakenOverText("Prozess: 42\r\n"), "Ein abgebrochener Lauf von Wavoria" + tail);
}

// A damaged record is named by its folder, and by its number while that can
// still be read.
TEST(InstallUndo, ADamagedRecordIsNamedByWhatCanBeRead) {
  for (const int number : {0, 3}) {
    const BackupEntry entry{"B", "F", std::nullopt, RecordDamage{.Number = number}, 0, {}};
    EXPECT_EQ(RunName(entry), number ? "die Sicherung 'B' (Nr. 3) mit beschädigtem "
                                       "Inhaltsverzeichnis"
                                     : "die Sicherung 'B' mit beschädigtem Inhaltsverzeichnis");
  }
}

// The list of a game's runs, newest first: each recorded run with its state,
// its folder and what it did; a backup of an earlier version in one line.
TEST(InstallHistory, TheListNamesEachRunNewestFirst) {
  const InstallRecord installed{.Number = 1,
                                .Date = "D",
                                .Choices = "Tastatursupport",
                                .CreatedFolders = {"Sound"},
                                .Files = {{"harmony.dll", true, {5, 1}, {7, 0xE8B7BE43}},
                                          {"Sound\\a.wav", false, {}, {0, 0}}},
                                .State = RecordState::Complete};
  const InstallRecord interrupted{.Number = 2, .Date = "E"};
  const GameHistory history{.Backups = {{"A", "g\\A", std::nullopt, std::nullopt, 0, {}},
                                        {"B", "g\\B", installed, std::nullopt, 0, {}},
                                        {"C", "g\\C", interrupted, std::nullopt, 0, {}}}};
  EXPECT_EQ(HistoryText(history),
            "Die Installation Nr. 2 vom E: unterbrochen\r\n    Ordner: 'g\\C'\r\n"
            "Die Installation Nr. 1 vom D (Tastatursupport): in Kraft\r\n    Ordner: 'g\\B'\r\n"
            "    Ordner angelegt: Sound\r\n    Ersetzt: harmony.dll (7 Bytes, CRC-32 E8B7BE43)\r\n"
            "    Hinzugefügt: Sound\\a.wav (0 Bytes, CRC-32 00000000)\r\n"
            "Die Sicherung 'A' einer früheren Version von Wavoria: noch nicht zurückgelegt");
  EXPECT_EQ(HistoryText({}), "Im Spiel gibt es keine Installation von Wavoria.");
}

// A damaged record's question names the record, why it cannot be read, and
// the game's files its folder keeps.
TEST(InstallUndo, TheDamagedRecordQuestion) {
  RestoreChoice choice;
  choice.Job = RestoreJob::Damaged;
  choice.Target = 0;
  choice.History.Backups = {
      {"B", "g", std::nullopt, RecordDamage{.Line = 3, .Cause = "C"}, 0, {"harmony.dll"}}};
  const std::string intro =
      "Das Inhaltsverzeichnis '" + PathInBackup("g", kRecordFile) +
      "' ist beschädigt (Zeile 3: C); was diese Installation am Spiel "
      "verändert hat, lässt sich deshalb nicht genau rückgängig machen.\r\n\r\n";
  EXPECT_EQ(DamagedRecordText(choice),
            intro + "Ihr Ordner enthält diese Dateien des Spiels:\r\n    harmony.dll");
  choice.History.Backups[0].GameFiles.clear();
  EXPECT_EQ(DamagedRecordText(choice), intro + "Ihr Ordner enthält keine Datei des Spiels.");
}

// The answer to the restore question: Ja goes on; for a damaged record Ja
// puts back its files and Nein leaves the game, and Abbrechen does nothing.
TEST(InstallUndo, TheAnswerToTheRestoreQuestion) {
  using D = DamagedDecision;
  const struct {
    RestoreJob Job;
    Answer Given;
    bool GoesOn;
    D Decision;
  } rows[] = {{RestoreJob::Undo, Answer::kYes, true, D::Undecided},
              {RestoreJob::Undo, Answer::kNo, false, D::Undecided},
              {RestoreJob::Damaged, Answer::kYes, true, D::PutBack},
              {RestoreJob::Damaged, Answer::kNo, true, D::LeaveGame},
              {RestoreJob::Damaged, Answer::kCancel, false, D::Undecided}};
  for (const auto& row : rows) {
    RestoreChoice choice;
    choice.Job = row.Job;
    const bool goesOn = TakeRestoreAnswer(choice, row.Given);
    EXPECT_EQ(std::pair(goesOn, int(choice.Decision)), std::pair(row.GoesOn, int(row.Decision)))
        << "job " << int(row.Job) << ", answer " << int(row.Given);
  }
}

// What a run says at its end: whether anything was changed, then its
// problems, notes and backup folder, one per line.
TEST(InstallReport, TheTextsSayWhetherAnythingChanged) {
  const std::string kept =
      "Die ersetzten Dateien, die sich von den neuen unterschieden, liegen in der Sicherung 'B'.";
  const std::pair<InstallReport, std::string> warnings[] = {
      {{.Refused = true, .Problems = {"P."}},
       "X wurde nicht ausgeführt; an Ihrem Spiel wurde nichts verändert.\r\n\r\nP."},
      {{.Refused = true, .Recovered = true, .Problems = {"P."}},
       "X wurde nicht ausgeführt.\r\n\r\nP."},
      {{.RolledBack = true, .Problems = {"P."}},
       "X ist nicht gelungen und wurde zurückgenommen; an Ihrem Spiel ist alles wie vorher. "
       "Fehlgeschlagen ist:\r\n\r\nP."},
      {{.Problems = {"P."}, .BackupFolder = "B", .Notes = {"N."}},
       "X ist nicht vollständig gelungen. Folgendes konnte nicht erledigt werden:\r\n\r\nP.\r\nN."
       "\r\n\r\n" +
           kept},
  };
  for (const auto& [report, text] : warnings) EXPECT_EQ(report.WarningText("X"), text);
  EXPECT_EQ(InstallReport{}.DoneText(), kInstallDoneText);
  EXPECT_EQ((InstallReport{.BackupFolder = "B", .Notes = {"N."}, .Headline = "H."}.DoneText("T.")),
            "H.\r\n\r\nN.\r\n" + kept + "\r\nT.");
  EXPECT_EQ((InstallReport{.Headline = "H."}.DoneText("T.")), "H.\r\n\r\nT.");
}

}  // namespace
}  // namespace wavoria
