// wavoria-cli's usage, check and show, run as a program on prepared files.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <map>
#include <memory>

#include "cli/check.h"
#include "cli/options.h"
#include "cli/text_encoding.h"
#include "document/command_table.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "tests/cli/cli_test_support.h"
#include "tests/core/test_support.h"

namespace wavoria::testing {
namespace {

std::string UsageError(const std::string& message) {
  return "wavoria-cli: " + message + "\n" + cli::UsageText();
}

// ---- Usage ----

TEST_F(CliTest, VersionAndHelp) {
  const ProgramRun version = Run({"--version"});
  EXPECT_EQ(version, (ProgramRun{0, "wavoria-cli 1.0\n", ""}));

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"show", "-h"}, {"install", "--game", "x", "--help"}}) {
    SCOPED_TRACE(args.front() + " ... " + args.back());
    const ProgramRun help = Run(args);
    EXPECT_EQ(help, (ProgramRun{0, cli::HelpText(), ""}));
  }
}

TEST_F(CliTest, WrongUsageGivesShortUsageAndStatusTwo) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{}, "Es wurde kein Befehl angegeben."},
      {{"pruefen", "a.script.wav"}, "Unbekannter Befehl 'pruefen'."},
      {{"--verbose"}, "Unbekannte Option '--verbose'."},
      {{"check"}, "Bitte geben Sie mindestens eine Datei oder einen Ordner an."},
      {{"check", "--all", "a.script.wav"}, "Unbekannte Option '--all'."},
      {{"show"}, "Bitte geben Sie die Datei an."},
      {{"show", "a.script.wav", "b.script.wav"}, "Bitte geben Sie nur eine Datei an."},
      {{"show", "a.script.wav", "--details=ja"}, "Unbekannte Option '--details'."},
      {{"install", "--maker", "m", "--keyboard"},
       "Bitte geben Sie mit --game den Ordner Ihres Spiels an."},
      {{"install", "--game", "g", "--keyboard"},
       "Bitte geben Sie mit --maker den Ordner des RPG Makers an."},
      {{"install", "--game", "g", "--maker", "m"},
       "Bitte wählen Sie mindestens eine Funktion: --keyboard und/oder --mouse."},
      {{"install", "--game"}, "Die Option '--game' braucht einen Wert."},
      {{"install", "--game=", "--maker", "m", "--mouse"},
       "Die Option '--game' braucht einen Wert."},
      {{"install", "--game", "g", "--maker", "m", "--keyboard", "--mouse", "--start", "beide"},
       "Für --start ist nur keyboard oder mouse möglich, nicht 'beide'."},
      {{"install", "--game", "g", "--maker", "m", "--keyboard", "--start", "mouse"},
       "--start mouse gilt nur zusammen mit --mouse."},
      {{"install", "--game", "g", "--maker", "m", "--mouse", "--start", "keyboard"},
       "--start keyboard gilt nur zusammen mit --keyboard."},
      {{"install", "--game", "g", "--maker", "m", "--mouse", "--mouse-id", "5x"},
       "Die Maus-ID '5x' ist keine ganze Zahl von -2147483648 bis 2147483647."},
      {{"install", "--game", "g", "--maker", "m", "--mouse", "--mouse-id", "2147483648"},
       "Die Maus-ID '2147483648' ist keine ganze Zahl von -2147483648 bis 2147483647."},
      {{"install", "--game", "g", "--maker", "m", "--keyboard", "--mouse-id", "3"},
       "--mouse-id gilt nur zusammen mit --mouse."},
      {{"install", "--game", "g", "--maker", "m", "--keyboard", "--auto-position"},
       "--auto-position gilt nur zusammen mit --mouse."},
      {{"install", "--game", "g", "--maker", "m", "--keyboard", "spiel"},
       "Unerwartetes Argument 'spiel'."},
      {{"install", "--game", "g", "--maker", "m", "--keyboard=ja"},
       "Unbekannte Option '--keyboard'."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const ProgramRun run = Run(c.args);
    EXPECT_EQ(run, (ProgramRun{2, "", UsageError(c.message)}));
  }
}

TEST_F(CliTest, MissingActionsFileStopsWithItsMessage) {
  const std::string program =
      (folder_ / "bin" / std::filesystem::path(CliProgram()).filename()).string();
  std::filesystem::create_directories(folder_ / "bin");
  std::filesystem::copy_file(CliProgram(), program);
  Write("a.script.wav", CrLf({"[Execute]", "Action=WriteToLog"}));
  for (const char* command : {"check", "show"}) {
    SCOPED_TRACE(command);
    ProgramRun run =
        RunProgram(program, {command, P("../a.script.wav")}, (folder_ / "bin").string());
    EXPECT_EQ(run,
              (ProgramRun{2, "", "wavoria-cli: Die Datei 'actions.dat' wurde nicht gefunden.\n"}));
  }
}

// ---- check ----

// A document the editor could build: every kind of command the list shows
// with a dialog or a text, with slots out of chain order after deletions and
// moves.
void BuildEveryKindDocument(CommandTable& table) {
  table.Clear();
  table.ScriptName = "Alle Kommandos";
  struct Command {
    const char* action;
    const char* key;
    const char* value;
  };
  const Command commands[] = {
      {"WriteToLog", "Text", "Hallo; Welt"},
      {"ExecProgram", "Command", "%path%\\x.exe"},
      {"ExecProgram", "Type", "Document"},
      {"MCICommand", "Command", "play cd"},
      {"MidiTickFunction", "Command", "Original"},
      {"MidiTickFunction", "Command", "Output"},
      {"MidiTickFunction", "Command", "Clear"},
      {"AddOutput", "Value", "-5"},
      {"EnableKeySupport", "Enable", "True"},
      {"EnableKeySupport", "Enable", "False"},
      {"RegisterKeyDownEvent", "Value", "1"},
      {"RegisterKeyUpEvent", "Value", "2"},
      {"RegisterCheatEvent", "Value", "3"},
      {"EnableMouseSupport", "Enable", "True"},
      {"EnableMouseSupport", "Enable", "False"},
      {"GetMousePosition", "", ""},
      {"SetDebugLevel", "Level", "2"},
  };
  for (const Command& c : commands) {
    const int slot = table.InsertCommand(table.LastPosition() + 1);
    ScriptCommand& cmd = table.Slot(slot);
    cmd.Action = c.action;
    for (const auto& p : kParameterKeys) {
      if (p.name == c.key) cmd.*p.field = c.value;
    }
    if (cmd.Action == "RegisterKeyDownEvent" || cmd.Action == "RegisterKeyUpEvent")
      cmd.Key = "Enter";
  }
  table.DeleteCommand(1);
  table.DeleteCommand(4);
  table.MoveCommandUp(6);
  table.MoveCommandDown(1);
  const int slot = table.InsertCommand(1);  // takes a freed slot, ahead of the others
  table.Slot(slot).Action = "WriteToLog";
  table.Slot(slot).Text = "Neu";
}

TEST_F(CliTest, CheckFindsNothingInShippedTemplates) {
  const ProgramRun run = Run({"check", SourcePath("data/scripts")});
  EXPECT_EQ(run, (ProgramRun{0, "", ""}));
}

TEST_F(CliTest, CheckFindsNothingInFilesTheWriterWrites) {
  auto table = std::make_unique<CommandTable>();
  table->Clear();
  Write("saved/leer.script.wav", ScriptText(*table));

  // The worked example: three commands, the first of them in the last slot.
  table->ScriptName = "Testskript";
  table->Slot(table->InsertCommand(1)).Action = "WriteToLog";
  table->Slot(table->InsertCommand(2)).Action = "SetDebugLevel";
  const int first = table->InsertCommand(1);
  table->Slot(first).Action = "EnableKeySupport";
  table->Slot(first).Enable = "True";
  Write("saved/beispiel.script.wav", ScriptText(*table));

  BuildEveryKindDocument(*table);
  Write("saved/alle.script.wav", ScriptText(*table));

  // Read back and saved again, as the editor does on "Speichern".
  ReadWarnings warnings;
  ASSERT_TRUE(
      ReadScriptFile(Path("saved/alle.script.wav").string(), EditorActions(), *table, warnings));
  Write("saved/Unterordner/wieder.script.wav", ScriptText(*table));

  const ProgramRun run = Run({"check", "saved"});
  EXPECT_EQ(run, (ProgramRun{0, "", ""}));
}

TEST_F(CliTest, CheckReportsEachFaultAtItsLine) {
  Write("fehler.script.wav", CrLf({
                                 "Stray=1",                        // 1
                                 ";WIZDESC$Fehler",                // 2
                                 "[Execute]",                      // 3
                                 "Action=WriteToLog",              // 4
                                 "Text=Hallo",                     // 5
                                 "Text=Nochmal",                   // 6
                                 "Farbe=rot",                      // 7
                                 "Next=andere.script.wav;Start",   // 8
                                 "Next=Zwei",                      // 9
                                 "",                               // 10
                                 "[Zwei]",                         // 11
                                 "Action=Tanzen",                  // 12
                                 "Next=Drei",                      // 13
                                 "[Drei]",                         // 14
                                 "Next=Vier",                      // 15
                                 "[Vier]",                         // 16
                                 "  Action = EnableKeySupport  ",  // 17
                                 "Enable=vielleicht",              // 18
                                 "Next=zwei",                      // 19
                                 "[Waise]",                        // 20
                                 "Action=RegisterKeyDownEvent",    // 21
                                 "Key=Enter",                      // 22
                                 "Next=Nirgends",                  // 23
                                 "[drei]",                         // 24
                                 "Action=GetMousePosition",        // 25
                                 "[Kaputt",                        // 26
                                 "Action WriteToLog",              // 27
                                 "Action=SetDebugLevel",           // 28
                             }));
  const std::string f = "fehler.script.wav:";
  const ProgramRun run = Run({"check", "fehler.script.wav"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(
      run.Out,
      f + "1: Unbekannter Schlüssel 'Stray'; der Editor lädt diese Zeile nicht.\n" + f +
          "6: 'Text' hat in diesem Abschnitt schon einen Wert; der Editor ignoriert diese "
          "Zeile.\n" +
          f + "7: Unbekannter Schlüssel 'Farbe'; der Editor lädt diese Zeile nicht.\n" + f +
          "8: Next=andere.script.wav;Start verweist auf eine andere Datei; das wird nicht "
          "unterstützt, die Kette endet hier.\n" +
          f + "12: Unbekannte Action 'Tanzen'.\n" + f +
          "14: Der Abschnitt [Drei] hat keine Action.\n" + f +
          "16: Der Editor kann dieses Kommando nur als '\?\?\?' zeigen und nicht bearbeiten "
          "(Action=EnableKeySupport, Enable=vielleicht).\n" +
          f +
          "19: Die Kette läuft hier in sich zurück: Next=zwei führt zum Abschnitt in Zeile 11; "
          "der Editor zeigt die Kette nur bis hier.\n" +
          f + "20: Der Abschnitt [Waise] wird von der Kette nie erreicht.\n" + f +
          "20: Der Editor kann dieses Kommando nur als '\?\?\?' zeigen und nicht bearbeiten "
          "(Action=RegisterKeyDownEvent, Value=).\n" +
          f + "23: Next=Nirgends verweist auf keinen Abschnitt; die Kette endet hier.\n" + f +
          "24: Ein Abschnitt namens [drei] steht schon in Zeile 14; die Kette erreicht nur den "
          "ersten.\n" +
          f +
          "26: Die Zeile endet nicht mit ']'; der Editor nimmt [Kaput] als Namen des "
          "Abschnitts.\n" +
          f + "26: Der Abschnitt [Kaput] wird von der Kette nie erreicht.\n" + f +
          "27: Die Zeile ist kein Eintrag der Form Schlüssel=Wert; der Editor lädt sie nicht.\n");
}

// Many small files in one folder, checked in one run: each file's findings
// as "LINE: message".
TEST_F(CliTest, CheckReportsFaultsOfEveryFileInAFolder) {
  struct Case {
    std::string name;
    std::string text;
    std::vector<std::string> findings;
  };
  std::string tooMany = "[Execute]\r\nAction=WriteToLog\r\nNext=S1\r\n";
  for (int i = 1; i <= 512; ++i) {
    tooMany += "[S" + std::to_string(i) + "]\r\nAction=WriteToLog\r\nNext=S" +
               std::to_string(i + 1) + "\r\n";
  }
  const std::vector<Case> cases = {
      {"bom",
       "\xEF\xBB\xBF[Execute]\r\nAction=WriteToLog\r\nFoo=1\r\n",
       {"3: Unbekannter Schlüssel 'Foo'; der Editor lädt diese Zeile nicht."}},
      {"cr-only", "[Execute]\rAction=Tanzen\rNext=\r", {"2: Unbekannte Action 'Tanzen'."}},
      {"lf-only",
       "\n\n[Execute]\nAction=\nNext=\n",
       {"3: Der Abschnitt [Execute] hat keine Action."}},
      {"no-execute",
       "[Eins]\r\nAction=WriteToLog\r\n",
       {"1: Die Datei hat keinen Abschnitt [Execute]; der Editor zeigt keines ihrer Kommandos."}},
      {"comments-only", ";nur\r\n;WIZDESC$Name\r\n", {}},
      {"two-executes",
       "[Execute]\r\nAction=WriteToLog\r\nNext=\r\n[execute]\r\nAction=WriteToLog\r\n",
       {"1: Der Abschnitt [Execute] wird von der Kette nie erreicht.",
        "4: Ein Abschnitt [Execute] steht schon in Zeile 1; die Kette beginnt erst hier."}},
      {"loop-to-start",
       "[Execute]\r\nAction=WriteToLog\r\nNext=Execute\r\n",
       {"3: Die Kette läuft hier in sich zurück: Next=Execute führt an ihren Anfang; der Editor "
        "zeigt die Kette nur bis hier."}},
      // The name the editor gives [Execute] is one no section of the file bears.
      {"renamed-execute",
       "[Execute]\r\nAction=WriteToLog\r\nNext=WIZ0\r\n[WIZ0]\r\nAction=WriteToLog\r\n",
       {}},
      {"next-after-reference",
       "[Execute]\r\nAction=WriteToLog\r\nNext=a.script.wav;X\r\nNext=Zwei\r\n[Zwei]\r\n"
       "Action=GetMousePosition\r\n",
       {"3: Next=a.script.wav;X verweist auf eine andere Datei; das wird nicht unterstützt, die "
        "Kette endet hier."}},
      {"key-before-section",
       "Text=Hallo\r\n[Execute]\r\nAction=WriteToLog\r\n",
       {"1: Der Eintrag steht vor dem ersten Abschnitt und gehört zu keinem Kommando; der Editor "
        "lädt ihn nicht."}},
      {"tab-indented",
       "[Execute]\r\nAction=WriteToLog\r\n\tText=Hallo\r\n",
       {"3: Unbekannter Schlüssel '\tText'; der Editor lädt diese Zeile nicht."}},
      {"mouse-undecided",
       "[Execute]\r\nAction=enablemousesupport\r\nEnable=\r\nID=3\r\n",
       {"1: Der Editor kann dieses Kommando nur als '\?\?\?' zeigen und nicht bearbeiten "
        "(Action=EnableMouseSupport, Enable=)."}},
      {"midi-unknown",
       "[Execute]\r\nAction=MidiTickFunction\r\nCommand=Pause\r\n",
       {"1: Der Editor kann dieses Kommando nur als '\?\?\?' zeigen und nicht bearbeiten "
        "(Action=MidiTickFunction, Command=Pause)."}},
      {"unknown-action",
       "[Execute]\r\nAction=Foo\r\nEnable=x\r\n",
       {"2: Unbekannte Action 'Foo'."}},
      {"nameless",
       "[]\r\nAction=WriteToLog\r\n[Execute]\r\nAction=WriteToLog\r\nNext=\r\n",
       {"1: Der Abschnitt [] wird von der Kette nie erreicht."}},
      {"too-many",
       tooMany,
       {"1533: Next=S511 verweist auf keinen Abschnitt; die Kette endet hier.",
        "1534: Mehr als 511 Abschnitte: Der Editor lädt diesen und alle folgenden Abschnitte "
        "nicht."}},
  };
  for (const Case& c : cases) Write("faelle/" + c.name + ".script.wav", c.text);
  Write("faelle/kein-skript.txt", "Foo=1\r\n");

  const ProgramRun run = Run({"check", "faelle"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err, "");
  std::map<std::string, std::vector<std::string>> found;
  std::istringstream lines(run.Out);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t end = line.find(".script.wav:");
    ASSERT_NE(end, std::string::npos) << line;
    const std::string prefix = P("faelle/");
    ASSERT_EQ(line.substr(0, prefix.size()), prefix) << line;
    found[line.substr(prefix.size(), end - prefix.size())].push_back(
        line.substr(end + std::string(".script.wav:").size()));
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(found[c.name], c.findings);
  }
  EXPECT_EQ(found.size(), cases.size()) << "findings for a file that is no script";
}

TEST_F(CliTest, CheckReportsPathsItCannotRead) {
  Write("gut.script.wav", CrLf({"[Execute]", "Action=GetMousePosition"}));
  const ProgramRun run = Run({"check", "fehlt.script.wav", "gut.script.wav", "fehlt"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out,
            "fehlt.script.wav:1: Die Datei wurde nicht gefunden.\n"
            "fehlt:1: Die Datei wurde nicht gefunden.\n");

#ifndef _WIN32
  // A pipe is no file to read (console_test_win.cpp locks a file instead).
  ASSERT_EQ(mkfifo(Path("rohr.script.wav").c_str(), 0600), 0);
  const ProgramRun pipe = Run({"check", "rohr.script.wav"});
  EXPECT_EQ(pipe.Status, 1);
  EXPECT_EQ(pipe.Out, "rohr.script.wav:1: Die Datei kann nicht gelesen werden.\n");
#endif

  const ProgramRun good = Run({"check", "--", "gut.script.wav"});
  EXPECT_EQ(good.Status, 0);
  EXPECT_EQ(good.Out, "");
}

// ---- show ----

TEST_F(CliTest, ShowPrintsTheListLinesAndDetails) {
  Write("beispiel.script.wav",
        CrLf({";WIZDESC$Testskript", "[WIZ0]", "Action=WriteToLog", "Text=Start", "Next=WIZ1",
              "[WIZ1]", "Action=SetDebugLevel", "Level=2", "Next=WIZ3", "[Execute]",
              "Action=EnableKeySupport", "Enable=True", "Next=WIZ0", "[WIZ3]", "Action=ExecProgram",
              "Command=%path%\\a.exe", "Display=minimized", "Wait=true"}));
  const ProgramRun plain = Run({"show", "beispiel.script.wav"});
  EXPECT_EQ(plain.Status, 0);
  EXPECT_EQ(plain.Err, "");
  EXPECT_EQ(plain.Out,
            "Skriptname: Testskript\n"
            "<> Tastensupport aktivieren\n"
            "<> In Logdatei schreiben: Start\n"
            "<> Debuglevel setzen: 2\n"
            "<> Programm ausführen: %path%\\a.exe\n"
            "<>\n");

  const ProgramRun details = Run({"show", "--details", "beispiel.script.wav"});
  EXPECT_EQ(details.Status, 0);
  EXPECT_EQ(details.Err, "");
  EXPECT_EQ(details.Out,
            "Skriptname: Testskript\n"
            "    Beginn des Skripts\n"
            "    Datei: beispiel.script.wav\n"
            "    Skriptname: Testskript\n"
            "<> Tastensupport aktivieren\n"
            "    Tastensupport aktivieren\n"
            "<> In Logdatei schreiben: Start\n"
            "    In Logdatei schreiben\n"
            "    Text: 'Start'\n"
            "<> Debuglevel setzen: 2\n"
            "    Debuglevel setzen\n"
            "    Level: 2\n"
            "<> Programm ausführen: %path%\\a.exe\n"
            "    Programm ausführen\n"
            "    Datei: %path%\\a.exe\n"
            "    Modus: Minimiert\n"
            "    Priorität: Normal\n"
            "    Ergebnisdatei: keine\n"
            "    Auf Programm warten: Ja\n"
            "\n"
            "    '%path%' wird automatisch durch den Spielpfad ersetzt.\n"
            "<>\n");
}

TEST_F(CliTest, ShowWarnsAsTheEditorDoesOnOpening) {
  Write("alt.script.wav", CrLf({"[Execute]", "Action=Tanzen", "Farbe=rot", "Next=b.script.wav;X"}));
  const ProgramRun run = Run({"show", "alt.script.wav"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, "Skriptname: Unbenanntes Skript\n<> ???\n<>\n");
  EXPECT_EQ(run.Err,
            "wavoria-cli: alt.script.wav: Die geöffnete Datei beinhaltet Verweise zu anderen "
            "Dateien. Dies wird nicht unterstützt. Das Speichern kann zu Datenverlust führen.\n"
            "wavoria-cli: alt.script.wav: Die geöffnete Datei beinhaltet unbekannte Kommandos. Das "
            "Speichern kann zu Datenverlust führen.\n"
            "wavoria-cli: alt.script.wav: Die geöffnete Datei beinhaltet unbekannte Einträge. "
            "Diese wurden nicht geladen. Das Speichern kann zu Datenverlust führen.\n");
}

TEST_F(CliTest, ShowOfAFileItCannotReadFails) {
  std::filesystem::create_directories(folder_ / "ordner.script.wav");
  for (const char* path : {"fehlt.script.wav", "ordner.script.wav"}) {
    SCOPED_TRACE(path);
    const ProgramRun run = Run({"show", path});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err,
              "wavoria-cli: Die Datei '" + std::string(path) + "' kann nicht gelesen werden.\n");
  }
}

// The raw bytes: UTF-8 on Linux; on Windows, where the program runs here
// without a console, its own code page (console_test_win.cpp has the rest).
TEST_F(CliTest, ShowWritesUmlautsInTheConsolesEncoding) {
  Write("gruss.script.wav", CrLf({";WIZDESC$Grüße €", "[Execute]", "Action=GetMousePosition"}));
  const ProgramRun run = RunProgram(CliProgram(), {"show", "gruss.script.wav"}, folder_.string());
  EXPECT_EQ(run.Status, 0);
#ifdef _WIN32
  EXPECT_EQ(run.Out,
            "Skriptname: Gr\xFC\xDF"
            "e \x80\n<> Maus-/Tastenstatus senden\n<>\n");
#else
  EXPECT_EQ(run.Out,
            "Skriptname: Gr\xC3\xBC\xC3\x9F"
            "e \xE2\x82\xAC\n<> Maus-/Tastenstatus senden\n<>\n");
#endif
}

// ---- The text rules underneath ----

TEST(CliTextEncoding, ConvertsBetweenWindows1252AndUtf8) {
  struct Case {
    const char* name;
    std::string cp1252;
    std::string utf8;
  };
  const Case cases[] = {
      {"ascii", "Next=WIZ1", "Next=WIZ1"},
      {"umlauts", "\xE4\xF6\xFC\xDF\xC4", "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\x84"},
      {"euro and quotes", "\x80\x84\x93", "\xE2\x82\xAC\xE2\x80\x9E\xE2\x80\x9C"},
      {"undefined byte", "\x81", "\xC2\x81"},
      {"last byte", "\xFF", "\xC3\xBF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(cli::Cp1252ToUtf8(c.cp1252), c.utf8);
    EXPECT_EQ(cli::Utf8ToCp1252(c.utf8), c.cp1252);
  }
  // What UTF-8 cannot bring over, and bytes that are no UTF-8 at all.
  EXPECT_EQ(cli::Utf8ToCp1252("\xE4\xB8\xAD!"), "?!");  // a character outside 1252
  EXPECT_EQ(cli::Utf8ToCp1252("Gr\xFC\xDF"
                              "e"),
            "Gr\xFC\xDF"
            "e");                                                // Latin-1 bytes stay
  EXPECT_EQ(cli::Utf8ToCp1252("\xC0\xAF"), "\xC0\xAF");          // overlong form
  EXPECT_EQ(cli::Utf8ToCp1252("\xED\xA0\x80"), "\xED\xA0\x80");  // surrogate
  EXPECT_EQ(cli::Utf8ToCp1252("\xC3"), "\xC3");                  // cut sequence
}

// The checker names exactly the lines that the reader drops.
TEST(CliCheckRules, DroppedLinesAreTheReadersDroppedLines) {
  const char* lines[] = {"Text=a",  "text = a", "Text =",      "Text",        "Text a",
                         "Texts=a", "Text\t=a", "\tText=a",    "Key=Enter",   "Keys=1",
                         "ID=3",    "IDX=3",    "BlockKey =1", "Next =",      "Level= 1",
                         "Value==", "=1",       "Automatic",   "Cheat x = y", "Result=;a"};
  for (const char* line : lines) {
    SCOPED_TRACE(line);
    const std::string text = std::string("[Execute]\r\n") + line + "\r\nAction=WriteToLog\r\n";
    auto table = std::make_unique<CommandTable>();
    const bool readerDrops = ParseScript(text, EditorActions(), *table).UnknownKeysDropped;
    bool checkerDrops = false;
    for (const cli::Finding& f : cli::CheckScriptText(text, EditorActions(), "x")) {
      if (f.Line == 2 && f.Message.find("lädt") != std::string::npos) checkerDrops = true;
    }
    EXPECT_EQ(checkerDrops, readerDrops);
  }
}

}  // namespace
}  // namespace wavoria::testing
