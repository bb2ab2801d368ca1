// wavoria-cli: its commands run in-process through RunCli on prepared files,
// the checker's findings on script texts, and one run of the real program.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/check.h"
#include "cli/options.h"
#include "cli/text_encoding.h"
#include "document/file_io.h"
#include "platform/program_folder.h"
#include "tests/worked_example.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#endif

namespace wavoria::cli {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int Status = -1;
  std::string Out, Err;
  bool operator==(const Outcome&) const = default;
};
void PrintTo(const Outcome& r, std::ostream* os) {
  *os << "{" << r.Status << ", \"" << r.Out << "\", \"" << r.Err << "\"}";
}

std::string P(std::string rel) {
  for (char& c : rel) c = c == '/' ? kPathSeparator : c;
  return rel;
}
std::string CrLf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}
std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Each test works in a folder of its own, which is the current folder.
class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::current_path(folder_);
  }
  void TearDown() override {
    fs::current_path(before_);
    fs::remove_all(folder_);
  }
  Outcome Do(const std::vector<std::string>& args) const {
    Outcome r;
    r.Status = RunCli(
        args, {[&](std::string_view s) { r.Out += s; }, [&](std::string_view s) { r.Err += s; }});
    return r;
  }
  void Write(const std::string& rel, const std::string& bytes) const {
    fs::create_directories(fs::path(P(rel)).parent_path().empty() ? "."
                                                                  : fs::path(P(rel)).parent_path());
    std::ofstream(P(rel), std::ios::binary) << bytes;
  }

  fs::path before_ = fs::current_path();
  fs::path folder_ = fs::temp_directory_path() / "wavoria-cli-test";
};

std::string Usage(const std::string& message) {
  return "wavoria-cli: " + message + "\n" + UsageText();
}

TEST_F(Cli, Usage) {
  EXPECT_EQ(Do({"--version"}), (Outcome{0, "wavoria-cli 1.0\n", ""}));
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"show", "-h"}, {"install", "--game", "x", "--help"}}) {
    EXPECT_EQ(Do(args), (Outcome{0, HelpText(), ""}));
  }
  const std::vector<std::string> g = {"install", "--game", "g", "--maker", "m"};
  auto install = [&](std::initializer_list<std::string> extra) {
    std::vector<std::string> args = g;
    args.insert(args.end(), extra);
    return args;
  };
  const std::string id = " ist keine ganze Zahl von -2147483648 bis 2147483647.";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "Es wurde kein Befehl angegeben."},
      {{"pruefen"}, "Unbekannter Befehl 'pruefen'."},
      {{"--verbose"}, "Unbekannte Option '--verbose'."},
      {{"check"}, "Bitte geben Sie mindestens eine Datei oder einen Ordner an."},
      {{"check", "--all", "a"}, "Unbekannte Option '--all'."},
      {{"show"}, "Bitte geben Sie die Datei an."},
      {{"show", "a", "b"}, "Bitte geben Sie nur eine Datei an."},
      {{"show", "a", "--details=ja"}, "Unbekannte Option '--details'."},
      {{"install", "--maker", "m", "--keyboard"},
       "Bitte geben Sie mit --game den Ordner Ihres Spiels an."},
      {{"install", "--game", "g", "--keyboard"},
       "Bitte geben Sie mit --maker den Ordner des RPG Makers an."},
      {g, "Bitte wählen Sie mindestens eine Funktion: --keyboard und/oder --mouse."},
      {{"install", "--game"}, "Die Option '--game' braucht einen Wert."},
      {{"install", "--game=", "--maker", "m", "--mouse"},
       "Die Option '--game' braucht einen Wert."},
      {install({"--keyboard", "--mouse", "--start", "beide"}),
       "Für --start ist nur keyboard oder mouse möglich, nicht 'beide'."},
      {install({"--keyboard", "--start", "mouse"}), "--start mouse gilt nur zusammen mit --mouse."},
      {install({"--mouse", "--start", "keyboard"}),
       "--start keyboard gilt nur zusammen mit --keyboard."},
      {install({"--mouse", "--mouse-id", "5x"}), "Die Maus-ID '5x'" + id},
      {install({"--mouse", "--mouse-id", "-"}), "Die Maus-ID '-'" + id},
      {install({"--mouse", "--mouse-id", "2147483648"}), "Die Maus-ID '2147483648'" + id},
      {install({"--mouse", "--mouse-id=-2147483649"}), "Die Maus-ID '-2147483649'" + id},
      {install({"--keyboard", "--mouse-id", "3"}), "--mouse-id gilt nur zusammen mit --mouse."},
      {install({"--keyboard", "--auto-position"}),
       "--auto-position gilt nur zusammen mit --mouse."},
      {install({"--keyboard", "spiel"}), "Unerwartetes Argument 'spiel'."},
      {install({"--keyboard=ja"}), "Unbekannte Option '--keyboard'."},
  };
  for (const auto& [args, message] : cases) EXPECT_EQ(Do(args), (Outcome{2, "", Usage(message)}));
  const ParsedArguments ok =
      ParseArguments(install({"--mouse", "--mouse-id", "-2147483648", "--start=mouse",
                              "--auto-position", "--templates", "t", "--force"}));
  ASSERT_TRUE(ok.Ok);
  EXPECT_EQ(ok.Options.Install.MouseId, -2147483647 - 1);
  EXPECT_TRUE(ok.Options.Install.AutoPosition && ok.Options.Install.Force);
  EXPECT_EQ(ok.Options.Install.StartFunction, 1);
  EXPECT_EQ(ok.Options.Install.TemplateFolder, "t");
  const ParsedArguments paths = ParseArguments({"check", "--", "--details", "b"});
  EXPECT_EQ(paths.Options.Paths, (std::vector<std::string>{"--details", "b"}));
}

// The checker's findings in one script text, "LINE: message" each.
TEST(Check, FindingsAtTheirLines) {
  std::string tooMany = "[Execute]\r\nAction=WriteToLog\r\nNext=S1\r\n";
  for (int i = 1; i <= 512; ++i) {
    tooMany += "[S" + std::to_string(i) + "]\r\nAction=WriteToLog\r\nNext=S" +
               std::to_string(i + 1) + "\r\n";
  }
  const std::string kQ =
      "Der Editor kann dieses Kommando nur als '\?\?\?' zeigen und nicht bearbeiten (";
  const std::string kLoop = "Die Kette läuft hier in sich zurück: ";
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {CrLf({"Stray=1",
             ";WIZDESC$F",
             "[Execute]",
             "Action=WriteToLog",
             "Text=Hallo",
             "Text=Nochmal",
             "Farbe=rot",
             "Next=andere.script.wav;Start",
             "Next=Zwei",
             "",
             "[Zwei]",
             "Action=Tanzen",
             "Next=Drei",
             "[Drei]",
             "Next=Vier",
             "[Vier]",
             "  Action = EnableKeySupport  ",
             "Enable=vielleicht",
             "Next=zwei",
             "[Waise]",
             "Action=RegisterKeyDownEvent",
             "Key=Enter",
             "Next=Nirgends",
             "[drei]",
             "Action=GetMousePosition",
             "[Kaputt",
             "Action WriteToLog",
             "Action=SetDebugLevel",
             "Text="}),
       {"1: Unbekannter Schlüssel 'Stray'; der Editor lädt diese Zeile nicht.",
        "6: 'Text' hat in diesem Abschnitt schon einen Wert; der Editor ignoriert diese Zeile.",
        "7: Unbekannter Schlüssel 'Farbe'; der Editor lädt diese Zeile nicht.",
        "8: Next=andere.script.wav;Start verweist auf eine andere Datei; das wird nicht "
        "unterstützt, die Kette "
        "endet hier.",
        "12: Unbekannte Action 'Tanzen'.", "14: Der Abschnitt [Drei] hat keine Action.",
        "16: " + kQ + "Action=EnableKeySupport, Enable=vielleicht).",
        "19: " + kLoop +
            "Next=zwei führt zum Abschnitt in Zeile 11; der Editor zeigt die Kette nur bis hier.",
        "20: Der Abschnitt [Waise] wird von der Kette nie erreicht.",
        "20: " + kQ + "Action=RegisterKeyDownEvent, Value=).",
        "23: Next=Nirgends verweist auf keinen Abschnitt; die Kette endet hier.",
        "24: Ein Abschnitt namens [drei] steht schon in Zeile 14; die Kette erreicht nur den "
        "ersten.",
        "26: Die Zeile endet nicht mit ']'; der Editor nimmt [Kaput] als Namen des Abschnitts.",
        "26: Der Abschnitt [Kaput] wird von der Kette nie erreicht.",
        "27: Die Zeile ist kein Eintrag der Form Schlüssel=Wert; der Editor lädt sie nicht."}},
      {"\xEF\xBB\xBF[Execute]\r\nAction=WriteToLog\r\nFoo=1\r\n",
       {"3: Unbekannter Schlüssel 'Foo'; der Editor lädt diese Zeile nicht."}},
      {"[Execute]\rAction=Tanzen\rNext=\r", {"2: Unbekannte Action 'Tanzen'."}},
      {"\n\n[Execute]\nAction=\nNext=\n", {"3: Der Abschnitt [Execute] hat keine Action."}},
      {"[Eins]\r\nAction=WriteToLog\r\n",
       {"1: Die Datei hat keinen Abschnitt [Execute]; der Editor zeigt keines ihrer Kommandos."}},
      {"[Execute]\nNext=\n", {"1: Der Abschnitt [Execute] hat keine Action."}},
      {";nur\r\n;WIZDESC$Name\r\n", {}},
      {"[Execute]\r\nAction=WriteToLog\r\nNext=\r\n[execute]\r\nAction=WriteToLog\r\n",
       {"1: Der Abschnitt [Execute] wird von der Kette nie erreicht.",
        "4: Ein Abschnitt [Execute] steht schon in Zeile 1; die Kette beginnt erst hier."}},
      {"[Execute]\r\nAction=WriteToLog\r\nNext=Execute\r\n",
       {"3: " + kLoop +
        "Next=Execute führt an ihren Anfang; der Editor zeigt die Kette nur bis hier."}},
      {"[Execute]\r\nAction=WriteToLog\r\nNext=WIZ0\r\n[WIZ0]\r\nAction=WriteToLog\r\n", {}},
      {"[Execute]\r\nAction=WriteToLog\r\nNext=WIZ01\r\n[WIZ01]\r\nAction=WriteToLog\r\n", {}},
      {"[Execute]\r\nAction=WriteToLog\r\nNext=&NULL\r\n[&NULL]\r\nAction=WriteToLog\r\n", {}},
      {"[Execute]\r\nAction=WriteToLog\r\nNext=a.script.wav;X\r\nNext=Zwei\r\n[Zwei]\r\nAction="
       "GetMousePosition\r\n",
       {"3: Next=a.script.wav;X verweist auf eine andere Datei; das wird nicht unterstützt, die "
        "Kette endet hier."}},
      {"Text=Hallo\r\n[Execute]\r\nAction=WriteToLog\r\n",
       {"1: Der Eintrag steht vor dem ersten Abschnitt und gehört zu keinem Kommando; der Editor "
        "lädt ihn nicht."}},
      {"[Execute]\r\nAction=WriteToLog\r\n\tText=Hallo\r\n",
       {"3: Unbekannter Schlüssel '\tText'; der Editor lädt diese Zeile nicht."}},
      {"[Execute]\r\nAction=enablemousesupport\r\nEnable=\r\n",
       {"1: " + kQ + "Action=EnableMouseSupport, Enable=)."}},
      {"[Execute]\r\nAction=MidiTickFunction\r\nCommand=Pause\r\n",
       {"1: " + kQ + "Action=MidiTickFunction, Command=Pause)."}},
      {"[Execute]\r\nAction=Foo\r\nEnable=x\r\n", {"2: Unbekannte Action 'Foo'."}},
      {"[]\r\nAction=WriteToLog\r\n[Execute]\r\nAction=WriteToLog\r\nNext=\r\n",
       {"1: Der Abschnitt [] wird von der Kette nie erreicht."}},
      {"[\r\nAction=WriteToLog\r\n",
       {"1: Die Zeile endet nicht mit ']'; der Editor nimmt [] als Namen des Abschnitts.",
        "1: Die Datei hat keinen Abschnitt [Execute]; der Editor zeigt keines ihrer Kommandos."}},
      {tooMany,
       {"1533: Next=S511 verweist auf keinen Abschnitt; die Kette endet hier.",
        "1534: Mehr als 511 Abschnitte: Der Editor lädt diesen und alle folgenden Abschnitte "
        "nicht."}},
  };
  const ActionTable actions = testing::EditorActions();
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text.substr(0, 60));
    std::vector<std::string> found;
    for (const Finding& f : CheckScriptText(text, actions, "f")) {
      EXPECT_EQ(f.File, "f");
      found.push_back(FindingLine(f).substr(2));
    }
    EXPECT_EQ(found, expected);
  }
}

TEST_F(Cli, CheckPathsAndFolders) {
  const std::string source = WAVORIA_SOURCE_DIR;
  EXPECT_EQ(Do({"check", P(source + "/data/scripts")}), (Outcome{0, "", ""}));
  Write("saved/beispiel.script.wav", testing::kWorkedExample);
  Write("saved/sub/b.script.wav", CrLf({"[Execute]", "Action=Tanzen"}));
  Write("saved/a.txt", "Foo=1\r\n");
  Write("saved/c.SCRIPT.WAV", CrLf({"[Execute]", "Action=Singen"}));
  EXPECT_EQ(
      Do({"check", "fehlt.script.wav", "saved", "fehlt"}),
      (Outcome{1,
               "fehlt.script.wav:1: Die Datei wurde nicht gefunden.\n" + P("saved/c.SCRIPT.WAV") +
                   ":2: Unbekannte Action 'Singen'.\n" + P("saved/sub/b.script.wav") +
                   ":2: Unbekannte Action 'Tanzen'.\nfehlt:1: Die Datei wurde nicht gefunden.\n",
               ""}));
  EXPECT_EQ(Do({"check", "--", P("saved/beispiel.script.wav")}), (Outcome{0, "", ""}));
  Write("utf8.script.wav",
        "[Execute]\r\nAction=GetMousePosition\r\n;Gr\xC3\xBC\xC3\x9F"
        "e\r\n");
  EXPECT_EQ(
      Do({"check", "utf8.script.wav"}).Out,
      "utf8.script.wav:3: Die Datei ist UTF-8-kodiert; der Editor wandelt sie beim Öffnen nach "
      "Windows-1252 um.\n");
#ifndef _WIN32
  ASSERT_EQ(mkfifo("rohr.script.wav", 0600), 0);  // a pipe is no file to read
  EXPECT_EQ(Do({"check", "rohr.script.wav"}),
            (Outcome{1, "rohr.script.wav:1: Die Datei kann nicht gelesen werden.\n", ""}));
#endif
}

TEST_F(Cli, Show) {
  Write("b.script.wav", CrLf({";WIZDESC$Testskript", "[WIZ0]", "Action=WriteToLog", "Text=Start",
                              "Next=WIZ3", "[Execute]", "Action=EnableKeySupport", "Enable=True",
                              "Next=WIZ0", "[WIZ3]", "Action=MCICommand", "Command=play"}));
  EXPECT_EQ(
      Do({"show", "b.script.wav"}),
      (Outcome{
          0,
          "Skriptname: Testskript\n<> Tastensupport aktivieren\n<> In Logdatei schreiben: Start\n"
          "<> MCI-Befehl senden: play\n<>\n",
          ""}));
  EXPECT_EQ(Do({"show", "--details", "b.script.wav"}).Out,
            "Skriptname: Testskript\n    Beginn des Skripts\n    Datei: b.script.wav\n    "
            "Skriptname: Testskript\n"
            "<> Tastensupport aktivieren\n    Tastensupport aktivieren\n"
            "<> In Logdatei schreiben: Start\n    In Logdatei schreiben\n    Text: 'Start'\n"
            "<> MCI-Befehl senden: play\n    MCI-Befehl senden\n    Kommando: play\n\n"
            "    '%path%' wird automatisch durch den Spielpfad ersetzt.\n<>\n");
  Write("alt.script.wav", CrLf({"[Execute]", "Action=Tanzen", "Farbe=rot", "Next=b.script.wav;X"}));
  const std::string w = "wavoria-cli: alt.script.wav: Die geöffnete Datei beinhaltet ";
  EXPECT_EQ(
      Do({"show", "alt.script.wav"}),
      (Outcome{
          0, "Skriptname: Unbenanntes Skript\n<> ???\n<>\n",
          w +
              "Verweise zu anderen Dateien. Dies wird nicht unterstützt. Das Speichern kann zu "
              "Datenverlust führen.\n" +
              w + "unbekannte Kommandos. Das Speichern kann zu Datenverlust führen.\n" + w +
              "unbekannte Einträge. Diese wurden nicht geladen. Das Speichern kann zu Datenverlust "
              "führen.\n"}));
  fs::create_directory("ordner.script.wav");
  for (const char* path : {"fehlt.script.wav", "ordner.script.wav"}) {
    EXPECT_EQ(Do({"show", path}), (Outcome{1, "",
                                           "wavoria-cli: Die Datei '" + std::string(path) +
                                               "' kann nicht gelesen werden.\n"}));
  }
}

class CliInstall : public Cli {
 protected:
  void SetUp() override {
    Cli::SetUp();
    for (const auto& [file, bytes] : {std::pair{"game/RPG_RT.EXE", "r"},
                                      {"game/harmony.dll", "own"},
                                      {"maker/RPG2000.EXE", "m"},
                                      {"maker/harmony.dll", "Klavato"},
                                      {"maker/oldharmony.dll", "old"}}) {
      Write(file, bytes);
    }
    for (const char* name :
         {"common/MidiTickOutput.script.wav", "common/MidiTickClear.script.wav",
          "Key/KeyList.script.wav", "Key/KeySupportON.script.wav", "Mouse/M.script.wav"}) {
      Write(std::string("tpl/") + name, CrLf({"[Execute]", "Action=GetMousePosition"}));
    }
  }
  Outcome Install(std::initializer_list<std::string> extra) const {
    std::vector<std::string> args = {"install", "--game",      "game", "--maker",
                                     "maker",   "--templates", "tpl"};
    args.insert(args.end(), extra);
    return Do(args);
  }
  std::string Autorun() const { return Bytes(P("game/autorun.script")); }
};

const std::string kDone = "Ihrem Spiel wurden soeben Tastatur- bzw. Maussupport hinzugefügt!\n";
const std::string kTick = "Sound\\MidiTickOutput.script.wav\r\nSound\\MidiTickClear.script.wav\r\n";

TEST_F(CliInstall, Choices) {
  EXPECT_EQ(
      Install({"--keyboard"}),
      (Outcome{0,
               kDone + "Die Tastenliste zum Anpassen: " + P("game/Sound/KeyList.script.wav") + "\n",
               ""}));
  EXPECT_EQ(Bytes(P("game/harmony.dll")), "Klavato");
  EXPECT_EQ(Autorun(), kTick + "Sound\\KeyList.script.wav\r\nSound\\KeySupportON.script.wav\r\n");
  EXPECT_FALSE(fs::exists(P("game/Sound/M.script.wav")));
  EXPECT_EQ(Install({"--mouse", "--mouse-id", "-5", "--auto-position", "--force"}),
            (Outcome{0, kDone, ""}));
  EXPECT_EQ(Autorun(), kTick + "Sound\\MouseSupportON.script.wav\r\n");
  EXPECT_EQ(Bytes(P("game/Sound/MouseSupportON.script.wav")),
            CrLf({"", ";WIZDESC$Maussupport", "[Execute]", "Action=EnableMouseSupport",
                  "Enable=True", "ID=-5", "Automatic=True", "Next="}));
  EXPECT_EQ(Install({"--keyboard", "--mouse", "--start=mouse", "--force"}).Status, 0);
  EXPECT_EQ(Autorun(), kTick + "Sound\\KeyList.script.wav\r\nSound\\MouseSupportON.script.wav\r\n");
  EXPECT_NE(Bytes(P("game/Sound/MouseSupportON.script.wav")).find("ID=0\r\nAutomatic=False"),
            std::string::npos);
}

TEST_F(CliInstall, Refusals) {
  Write("leer/x.txt", "");
  Write("ohne/RPG2000.EXE", "m");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--game", "nirgends", "--maker", "maker"},
       "Der Ordner des Spiels 'nirgends' wurde nicht gefunden."},
      {{"--game", "leer", "--maker", "maker"}, "Im Ordner 'leer' wurde keine RPG_RT.EXE gefunden."},
      {{"--game", "game", "--maker", "leer"}, "Im Ordner 'leer' wurde keine RPG2000.EXE gefunden."},
      {{"--game", "game", "--maker", "ohne"},
       "Die Datei 'oldharmony.dll' wurde nicht gefunden. Möglicherweise ist der Klavato nicht "
       "installiert."},
  };
  for (const auto& [folders, error] : cases) {
    std::vector<std::string> args = {"install", "--keyboard", "--templates", "tpl"};
    args.insert(args.end(), folders.begin(), folders.end());
    EXPECT_EQ(Do(args), (Outcome{1, "", error + "\n"}));
  }
  Write("game/autorun.script", "eigenes\r\n");
  EXPECT_EQ(
      Install({"--keyboard"}),
      (Outcome{
          1, "",
          "Ihr Spiel scheint bereits Tastatur- oder Maussupport zu enthalten. Mit --force wird "
          "trotzdem "
          "installiert; autorun.script und die Skripte im Ordner Sound werden dabei ersetzt.\n"}));
  EXPECT_EQ(Autorun(), "eigenes\r\n");
  EXPECT_EQ(Bytes(P("game/harmony.dll")), "own");
  fs::remove(P("game/autorun.script"));
  fs::remove(P("tpl/Key/KeyList.script.wav"));
  EXPECT_EQ(Install({"--keyboard"}),
            (Outcome{1, "",
                     "Die Installation wurde nicht ausgeführt; an Ihrem Spiel wurde nichts "
                     "verändert.\n\nDie Datei '" +
                         P("tpl/Key/KeyList.script.wav") + "' wurde nicht gefunden.\n"}));
  EXPECT_FALSE(fs::exists(P("game/Sound")));
  Write("tpl/Key/KeyList.script.wav", "");
  Write("game/Sound", "no folder");  // every step that needs the folder fails and is listed
  const Outcome failed = Install({"--keyboard"});
  EXPECT_EQ(failed.Status, 1);
  EXPECT_EQ(failed.Err.rfind(
                "Die Installation ist nicht vollständig gelungen. Folgendes konnte nicht erledigt "
                "werden:\n\nDer Ordner '" +
                    P("game/Sound") + "' konnte nicht angelegt werden.\n",
                0),
            0u);
  EXPECT_EQ(Bytes(P("game/harmony.dll")), "Klavato");
}

TEST(CliText, Windows1252AndUtf8) {
  const std::pair<std::string, std::string> cases[] = {
      {"Next=WIZ1", "Next=WIZ1"},
      {"\xE4\xF6\xFC\xDF\xC4", "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\x84"},
      {"\x80\x84\x93", "\xE2\x82\xAC\xE2\x80\x9E\xE2\x80\x9C"},
      {"\x81", "\xC2\x81"},
      {"\xFF", "\xC3\xBF"},
  };
  for (const auto& [cp1252, utf8] : cases) {
    EXPECT_EQ(Cp1252ToUtf8(cp1252), utf8);
    EXPECT_EQ(Utf8ToCp1252(utf8), cp1252);
  }
  const std::pair<std::string, std::string> oneWay[] = {
      {"\xE4\xB8\xAD!", "?!"},  {"Gr\xFC\xDF", "Gr\xFC\xDF"},
      {"\xC0\xAF", "\xC0\xAF"}, {"\xED\xA0\x80", "\xED\xA0\x80"},
      {"\xC3", "\xC3"},
  };
  for (const auto& [utf8, cp1252] : oneWay) EXPECT_EQ(Utf8ToCp1252(utf8), cp1252);
}

// The real program once: it finds its data beside itself and writes the
// console's encoding (UTF-8 on Linux; on Windows without a console, the ANSI
// code page).
TEST_F(Cli, TheRealProgram) {
  Write("gruss.script.wav", CrLf({";WIZDESC$Gr\xFC\xDF"
                                  "e \x80",
                                  "[Execute]", "Action=GetMousePosition"}));
  const std::string program = ProgramFolder() + kPathSeparator + "wavoria-cli";
  const int status = std::system(("\"" + program + "\" show gruss.script.wav > out.txt").c_str());
#ifdef _WIN32
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Bytes("out.txt"),
            "Skriptname: Gr\xFC\xDF"
            "e \x80\r\n<> Maus-/Tastenstatus senden\r\n<>\r\n");
#else
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(Bytes("out.txt"),
            "Skriptname: Gr\xC3\xBC\xC3\x9F"
            "e \xE2\x82\xAC\n<> Maus-/Tastenstatus senden\n<>\n");
#endif
}

}  // namespace
}  // namespace wavoria::cli
