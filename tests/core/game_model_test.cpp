// The game model and its clashes on hand-made game folders, and the rows,
// sorting and count line of the game overview.
#include "wizard/game_model.h"

#include <gtest/gtest.h>

#include "app/game_overview.h"
#include "test_support.h"
#include "tests/game_folder.h"
#include "wizard/game_clashes.h"

namespace wavoria {
namespace {

using testing::HandMadeScript;
using Files = std::vector<std::pair<std::string, std::string>>;

constexpr std::string_view kKindNames[] = {
    "SameKey", "SameValue", "ValueIsMouseId", "CheatInCheat", "SameCheat", "MouseIds",
    "Missing", "Outside",   "NamedTwice",     "NoKeySupport", "Finding"};

// A clash in words: its kind, its places as "script:line" (the script's name
// without "Sound\", "autorun" for autorun.script) and its sentence.
std::string Described(const GameModel& game, const GameClash& clash) {
  std::string text(kKindNames[static_cast<int>(clash.Kind)]);
  for (const ClashPlace& place : clash.Places) {
    const std::string name =
        place.Script < 0 ? "autorun" : game.Scripts[std::size_t(place.Script)].Name.substr(6);
    text += " " + name.substr(0, name.find('.')) + ":" + std::to_string(place.Line);
  }
  return text + " | " + clash.Sentence;
}

// A game whose autorun.script starts "start", which switches key support on,
// with more files.
class GameTest : public ::testing::Test {
 protected:
  GameModel Read(Files files, std::string autorun = "Sound\\start.script.wav\r\n") {
    files.emplace_back("autorun.script", autorun);
    files.emplace_back("Sound/start.script.wav", HandMadeScript({"keys"}));
    testing::WriteGame(folder_.Path(), files);
    return ReadGame(folder_.Path(), testing::EditorActions());
  }
  std::vector<std::string> Clashes(const Files& files, const std::string& autorun) {
    const GameModel game = Read(files, autorun);
    std::vector<std::string> described;
    for (const GameClash& clash : FindClashes(game)) described.push_back(Described(game, clash));
    return described;
  }
  testing::TempFolder folder_{"game"};
};

TEST_F(GameTest, ScriptsAndWhatTheyRegister) {
  const GameModel game =
      Read({{"Sound/b.script.wav", HandMadeScript({"down F5 &H7", "mouse 3", "output 4"}) +
                                       "[Aus]\r\nAction=RegisterCheatEvent\r\nCheat=x\r\n"},
            {"Sound/a.SCRIPT.WAV", HandMadeScript({"cheat geld 3"}) + "Farbe=rot\r\n"},
            {"Sound/notes.txt", "x"}},
           "Sound\\b.script.wav\r\n\r\n ; zuerst b\r\nsound\\START.script.wav\r\n");
  // Those of autorun.script in its order, then the others by name, as the folder spells them;
  // each finding with the command it belongs to (0: none the chain reaches).
  std::vector<std::tuple<std::string, int, std::vector<GameFinding>>> scripts;
  for (const GameScript& s : game.Scripts) scripts.emplace_back(s.Name, s.AutorunLine, s.Findings);
  EXPECT_EQ(scripts,
            (decltype(scripts){
                {"Sound\\b.script.wav",
                 1,
                 {{16, 0, "Der Abschnitt [Aus] wird von der Kette nie erreicht."}}},
                {"Sound\\start.script.wav", 4, {}},
                {"Sound\\a.SCRIPT.WAV",
                 0,
                 {{6, 1, "Unbekannter Schlüssel 'Farbe'; der Editor lädt diese Zeile nicht."}}}}));
  // Only the chain counts: the cheat of "Aus" is never registered.
  using K = RegistrationKind;
  EXPECT_EQ(game.Registrations,
            (std::vector<Registration>{{0, 1, 1, K::kKeyDown, "F5", "&H7", 7, false},
                                       {0, 6, 2, K::kMouseOn, "", "3", 3, false},
                                       {0, 11, 3, K::kOutput, "", "4", 4, false},
                                       {1, 1, 1, K::kKeySupportOn, "", "", 0, false},
                                       {2, 1, 1, K::kCheat, "geld", "3", 3, false}}));
  using testing::Command;
  for (const auto& [command, option] :
       {std::pair{Command("EnableMouseSupport", "Enable=TRUE|ID=1|Automatic=true"),
                  "Position automatisch"},
        {Command("RegisterKeyUpEvent", "BlockKey=True"), "Originalfunktion gesperrt"}}) {
    EXPECT_EQ(OptionText(*RegistrationOf(command)), option);
  }
}

TEST_F(GameTest, EveryClashWithItsPlaces) {
  const std::string start = "Sound\\start.script.wav\r\n";
  const struct {
    const char* Name;
    Files Scripts;
    std::string Autorun;
    std::vector<std::string> Clashes;
  } cases[] = {
      {"a clean game",
       {{"Sound/a.script.wav", HandMadeScript({"down F5 1", "up F5 2", "cheat GELD 3", "mouse 4"})},
        {"Sound/b.script.wav", HandMadeScript({"down F6 5", "cheat SACK 6", "output 1"})}},
       start,
       {}},
      {"a key twice for one event, letters in any case",
       {{"Sound/a.script.wav", HandMadeScript({"down F5 1", "up F5 2"})},
        {"Sound/b.script.wav", HandMadeScript({"down f5 3"})}},
       start,
       {"SameKey a:1 b:1 | Die Taste 'F5' ist mehr als einmal für Drücken registriert."}},
      {"one value from two events, as whole numbers; one event twice is no such clash",
       {{"Sound/a.script.wav", HandMadeScript({"down F5 7", "up F6 8", "up F6 8"})},
        {"Sound/b.script.wav", HandMadeScript({"cheat GELD &H7"})}},
       start,
       {"SameKey a:6 a:11 | Die Taste 'F6' ist mehr als einmal für Loslassen registriert.",
        "SameValue a:1 b:1 | Den Wert 7 senden verschiedene Ereignisse (Taste 'F5' drücken, Cheat "
        "'GELD'); das Spiel kann sie nicht unterscheiden."}},
      {"a value that is a mouse ID",
       {{"Sound/a.script.wav", HandMadeScript({"cheat GELD +3", "mouse 3"})}},
       start,
       {"ValueIsMouseId a:1 a:6 | Der Wert 3 ist auch eine Maus-ID; das Spiel hält das Ereignis, "
        "das ihn sendet, für eine Meldung der Maus."}},
      {"a cheat in longer ones, and a cheat twice",
       {{"Sound/a.script.wav",
         HandMadeScript({"cheat geld 1", "cheat GELDSACK 2", "cheat VIELGELD 3", "cheat Geld 1"})}},
       start,
       {"CheatInCheat a:1 a:6 a:11 a:16 | Der Cheat 'GELD' steckt in 'GELDSACK', 'VIELGELD' und "
        "wird schon beim Eintippen davon ausgelöst.",
        "SameCheat a:1 a:16 | Der Cheat 'GELD' ist mehr als einmal registriert."}},
      {"mouse IDs at the start; a script the game plays later does not count",
       {{"Sound/a.script.wav", HandMadeScript({"mouse 3"})},
        {"Sound/b.script.wav", HandMadeScript({"mouse 5", "mouse 3"})},
        {"Sound/c.script.wav", HandMadeScript({"mouse 7"})}},
       start + "Sound\\a.script.wav\r\nSound\\b.script.wav\r\n",
       {"MouseIds a:1 b:1 b:6 | Die Skripte beim Start schalten den Maussupport mit verschiedenen "
        "Maus-IDs ein (3, 5); gelten kann nur eine."}},
      {"autorun.script: missing, unreadable, outside, twice",
       {{"Sound/ordner.script.wav/x", ""}},
       "Sound\\fehlt.script.wav\r\n" + start +
           "Sound/ordner.script.wav\r\n..\\weg.script.wav\r\nC:\\weg.script.wav\r\n"
           "Sound\\..\\Sound\\START.script.wav\r\n",
       {"Missing autorun:1 | autorun.script nennt 'Sound\\fehlt.script.wav', das es nicht gibt.",
        "Missing autorun:3 | autorun.script nennt 'Sound/ordner.script.wav', das nicht gelesen "
        "werden kann.",
        "Outside autorun:4 | autorun.script nennt '..\\weg.script.wav' außerhalb des "
        "Spielordners; Wavoria prüft dieses Skript nicht.",
        "Outside autorun:5 | autorun.script nennt 'C:\\weg.script.wav' außerhalb des "
        "Spielordners; Wavoria prüft dieses Skript nicht.",
        "NamedTwice autorun:6 | autorun.script nennt 'Sound\\..\\Sound\\START.script.wav' schon "
        "in Zeile 2; das Skript läuft beim Start zweimal."}},
      {"autorun.script that cannot be read",
       {{"autorun.script/x", ""}},
       "",
       {"Missing autorun:1 | Die Datei autorun.script kann nicht gelesen werden; welche Skripte "
        "beim Start laufen, bleibt unbekannt."}},
      {"key events while only a later script switches key support on; a finding",
       {{"Sound/a.script.wav", HandMadeScript({"down F5 1", "down F6 2"})},
        {"Sound/b.script.wav", HandMadeScript({"keys", "up F5 3"}) + "Farbe=rot\r\n"}},
       "",
       {"NoKeySupport a:1 b:6 | Es sind Tastenereignisse registriert, aber kein Skript beim Start "
        "schaltet den Tastensupport ein.",
        "Finding b:11 | Unbekannter Schlüssel 'Farbe'; der Editor lädt diese Zeile nicht."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    std::filesystem::remove_all(folder_.Path());
    EXPECT_EQ(Clashes(c.Scripts, c.Autorun), c.Clashes);
  }
}

TEST_F(GameTest, TheDialogsAskAboutTheOtherScriptsOnly) {
  const GameModel game =
      Read({{"Sound/a.script.wav", HandMadeScript({"down F5 7", "down F6 9"})},
            {"Sound/b.script.wav", HandMadeScript({"down F5 9", "cheat GELD 4", "mouse 3"})}});
  const std::string ask = "\r\n\r\nTrotzdem übernehmen?";
  // A command of script "a" as a dialog stores it, and what OK asks.
  const std::pair<std::string, std::string> cases[] = {
      {"down F6 1", ""},  // F6 is a's own
      {"output 4", ""},
      {"down F5 1",
       "Die Taste 'F5' ist mehr als einmal für Drücken registriert.\r\nSchon in: "
       "Sound\\b.script.wav, Zeile 1" +
           ask},
      {"up F7 4",
       "Den Wert 4 senden verschiedene Ereignisse (Cheat 'GELD', Taste 'F7' loslassen); das Spiel "
       "kann sie nicht unterscheiden.\r\nSchon in: Sound\\b.script.wav, Zeile 6" +
           ask},
  };
  for (const auto& [words, question] : cases) {
    CommandTable table;
    ParseScript(HandMadeScript({words}), testing::EditorActions(), table);
    const auto clashes = ClashesOfCommand(game, game.Scripts[1].Path, *table.CommandAt(1));
    EXPECT_EQ(clashes.empty() ? "" : ClashQuestion(game, clashes), question) << words;
  }
}

TEST_F(GameTest, TheGameOfAScript) {
  testing::WriteGame(folder_.Path(), {{"SOUND/a.script.wav", ""}, {"Data/b.script.wav", ""}});
  testing::WriteGame(folder_.Path() + "/ohne", {{"Sound/c.script.wav", ""}});
  std::filesystem::remove(folder_.Path() + "/ohne/RPG_RT.EXE");
  const std::string game = folder_.Path() + kPathSeparator;
  EXPECT_EQ(GameFolderOfScript(game + "SOUND" + kPathSeparator + "a.script.wav"), game);
  EXPECT_EQ(GameFolderOfScript(game + "Data" + kPathSeparator + "b.script.wav"), "");
  EXPECT_EQ(GameFolderOfScript(game + "ohne/Sound/c.script.wav"), "");
  EXPECT_EQ(GameFolderOfScript("a.script.wav"), "");
  EXPECT_EQ(GameChooserPreset(game + "SOUND/a.script.wav", "W"), game + "RPG_RT.EXE");
  EXPECT_EQ(GameChooserPreset("", "W"), "W");
}

// The first registration of the game takes its clash as a note on its own
// row, as every other one does.
TEST_F(GameTest, TheFirstRegistrationsClashIsANoteOnItsRow) {
  const GameModel game = Read({{"Sound/a.script.wav", HandMadeScript({"down F5 1", "down F5 2"})}},
                              "Sound\\a.script.wav\r\nSound\\start.script.wav\r\n");
  const std::vector<OverviewRow> rows = OverviewRows(game, FindClashes(game));
  ASSERT_EQ(rows.size(), 3u) << "one row for each registration, none for the clash";
  EXPECT_EQ(rows[0].Mark, rows[1].Mark);
}

TEST_F(GameTest, OverviewRowsSortAndCount) {
  const GameModel game =
      Read({{"Sound/a.script.wav", HandMadeScript({"down F5 7", "cheat GELD 2", "mouse 2"})},
            {"Sound/b.script.wav", HandMadeScript({"down F5 1", "output 5"}) + "Farbe=rot\r\n"}});
  const std::vector<GameClash> clashes = FindClashes(game);
  std::vector<OverviewRow> rows = OverviewRows(game, clashes);
  auto column = [&](OverviewColumn c) {
    std::string cells;
    for (const OverviewRow& row : rows) cells += row.Cells[std::size_t(c)] + "|";
    return cells;
  };
  EXPECT_EQ(column(OverviewColumn::kScript),
            "start.script.wav (beim Start)|a.script.wav|a.script.wav|a.script.wav|b.script.wav|"
            "b.script.wav|b.script.wav|");
  EXPECT_EQ(
      column(OverviewColumn::kKind),
      "Tastensupport an|Taste drücken|Cheat|Maussupport an|Taste drücken|Output-Wert|Befund|");
  std::string marks;
  for (const OverviewRow& row : rows) marks += char('0' + int(row.Mark));
  EXPECT_EQ(marks, "0111101");
  EXPECT_EQ(rows[1].Cells[std::size_t(OverviewColumn::kNote)],
            "Die Taste 'F5' ist mehr als einmal für Drücken registriert. Auch: "
            "Sound\\b.script.wav, Zeile 1.");
  EXPECT_EQ(std::tuple(rows[6].Line, rows[6].Position), std::tuple(11, 2));

  // Wert, then Art: by kind, and within a kind by value; again: the other way round.
  OverviewSort sort;
  for (OverviewColumn c : {OverviewColumn::kValue, OverviewColumn::kKind}) {
    sort = SortAfterClick(sort, c);
    SortRows(rows, sort);
  }
  EXPECT_EQ(column(OverviewColumn::kValue), "|2|2|5|1|7||");
  EXPECT_EQ(sort, (OverviewSort{int(OverviewColumn::kKind), false}));
  sort = SortAfterClick(sort, OverviewColumn::kKind);
  SortRows(rows, sort);
  EXPECT_EQ(column(OverviewColumn::kValue), "|1|7|5|2|2||");
  SortRows(rows, SortAfterClick(sort, OverviewColumn::kScript));  // by script, each as it was
  EXPECT_EQ(
      column(OverviewColumn::kKind),
      "Tastensupport an|Taste drücken|Maussupport an|Cheat|Taste drücken|Output-Wert|Befund|");
  SortRows(rows, {});
  EXPECT_EQ(column(OverviewColumn::kLine), "1|1|6|11|1|6|11|");
  EXPECT_EQ(CountLine(game, clashes), "3 Skripte, 6 Ereignisse, 2 Konflikte, 1 Befund");
}

TEST(GameClashes, PlacesNameTheFirstOthersAndCountTheRest) {
  GameModel game;
  game.Scripts.push_back({"a", "", 0, {}, {}});
  const std::vector<ClashPlace> places = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}};
  const std::vector<ClashPlace> four(places.begin(), places.end() - 1);
  EXPECT_EQ(PlacesText(game, places, 3, &places[0]),
            "a, Zeile 2; a, Zeile 3; a, Zeile 4; … und 1 weitere");
  EXPECT_EQ(PlacesText(game, places, 3), "a, Zeile 1; a, Zeile 2; a, Zeile 3; … und 2 weitere");
  EXPECT_EQ(PlacesText(game, four, 3, &four[3]), "a, Zeile 1; a, Zeile 2; a, Zeile 3");
}

}  // namespace
}  // namespace wavoria
