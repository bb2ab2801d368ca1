// wavoria-cli install, run as a program on prepared game and RPG Maker folders.
#include <gtest/gtest.h>

#include "tests/cli/cli_test_support.h"

namespace wavoria::testing {
namespace {

const std::string kDone = "Ihrem Spiel wurden soeben Tastatur- bzw. Maussupport hinzugefügt!\n";

class CliInstallTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    Write("game/RPG_RT.EXE", "runtime");
    Write("game/harmony.dll", "game's own harmony");
    Write("maker/RPG2000.EXE", "maker");
    Write("maker/harmony.dll", "Klavato");
    Write("maker/oldharmony.dll", "original harmony");
  }

  // Templates of our own, so that the expected messages are fixed.
  void WriteTemplates() {
    for (const char* name : {"common/MidiTickOutput.script.wav", "common/MidiTickClear.script.wav",
                             "Key/KeyList.script.wav", "Key/KeySupportON.script.wav",
                             "Mouse/MousePosition.script.wav"}) {
      Write(std::string("tpl/") + name, CrLf({"[Execute]", "Action=GetMousePosition"}));
    }
  }

  ProgramRun Install(std::vector<std::string> extra) const {
    std::vector<std::string> args = {"install", "--game", "game", "--maker", "maker"};
    args.insert(args.end(), extra.begin(), extra.end());
    return Run(args);
  }

  std::string Autorun() const { return Read("game/autorun.script"); }

  // The closing message, naming the backup of the game's own harmony.dll.
  std::string Done() const {
    std::string stamp;
    for (const auto& e : std::filesystem::directory_iterator(Path("game/Wavoria-Sicherung"))) {
      stamp = e.path().filename().string();
    }
    return kDone + "\nDie ersetzten Dateien, die sich von den neuen unterschieden, liegen in " +
           "der Sicherung '" + P("game/Wavoria-Sicherung/" + stamp) + "'.\n";
  }
};

TEST_F(CliInstallTest, KeyboardSupportWithTheTemplatesBesideTheProgram) {
  const ProgramRun run = Install({"--keyboard"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out,
            Done() + "Die Tastenliste zum Anpassen: " + P("game/Sound/KeyList.script.wav") + "\n");
  EXPECT_EQ(Read("game/harmony.dll"), "Klavato");
  EXPECT_EQ(Read("game/oldharmony.dll"), "original harmony");
  EXPECT_EQ(Autorun(), CrLf({"Sound\\MidiTickOutput.script.wav", "Sound\\MidiTickClear.script.wav",
                             "Sound\\KeyList.script.wav", "Sound\\KeySupportON.script.wav"}));
  for (const char* name : {"common/MidiTickOutput.script.wav", "common/MidiTickClear.script.wav",
                           "Key/KeyList.script.wav", "Key/KeySupportON.script.wav"}) {
    SCOPED_TRACE(name);
    const std::string file = std::string(name).substr(std::string(name).find('/') + 1);
    EXPECT_EQ(Read("game/Sound/" + file),
              ReadBytes(SourcePath(std::string("data/scripts/") + name)));
  }
  EXPECT_FALSE(Exists("game/Sound/MouseSupportON.script.wav"));
}

TEST_F(CliInstallTest, MouseSupportWritesTheMouseScript) {
  WriteTemplates();
  const ProgramRun run =
      Install({"--mouse", "--mouse-id", "-5", "--auto-position", "--templates", "tpl"});
  EXPECT_EQ(run, (ProgramRun{0, Done(), ""}));
  EXPECT_EQ(Autorun(), CrLf({"Sound\\MidiTickOutput.script.wav", "Sound\\MidiTickClear.script.wav",
                             "Sound\\MouseSupportON.script.wav"}));
  EXPECT_EQ(Read("game/Sound/MouseSupportON.script.wav"),
            CrLf({"", ";WIZDESC$Maussupport", "[Execute]", "Action=EnableMouseSupport",
                  "Enable=True", "ID=-5", "Automatic=True", "Next="}));
  EXPECT_TRUE(Exists("game/Sound/MousePosition.script.wav"));
  EXPECT_FALSE(Exists("game/Sound/KeyList.script.wav"));
}

TEST_F(CliInstallTest, BothWithMouseSupportAtGameStart) {
  WriteTemplates();
  const ProgramRun run =
      Install({"--keyboard", "--mouse", "--start=mouse", "--mouse-id", "3", "--templates", "tpl"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out,
            Done() + "Die Tastenliste zum Anpassen: " + P("game/Sound/KeyList.script.wav") + "\n");
  EXPECT_EQ(Autorun(), CrLf({"Sound\\MidiTickOutput.script.wav", "Sound\\MidiTickClear.script.wav",
                             "Sound\\KeyList.script.wav", "Sound\\MouseSupportON.script.wav"}));
  EXPECT_NE(Read("game/Sound/MouseSupportON.script.wav").find("ID=3\r\nAutomatic=False\r\n"),
            std::string::npos);
}

TEST_F(CliInstallTest, RefusesFoldersThePagesWouldNotAccept) {
  Write("leer/liesmich.txt", "");
  Write("ohne-dll/RPG2000.EXE", "maker");
  struct Case {
    std::vector<std::string> args;
    std::string error;
  };
  const Case cases[] = {
      {{"--game", "nirgends", "--maker", "maker"},
       "Der Ordner des Spiels 'nirgends' wurde nicht gefunden."},
      {{"--game", "leer", "--maker", "maker"}, "Im Ordner 'leer' wurde keine RPG_RT.EXE gefunden."},
      {{"--game", "game", "--maker", "leer"}, "Im Ordner 'leer' wurde keine RPG2000.EXE gefunden."},
      {{"--game", "game", "--maker", "ohne-dll"},
       "Die Datei 'oldharmony.dll' wurde nicht gefunden. Möglicherweise ist der Klavato nicht "
       "installiert."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    std::vector<std::string> args = {"install", "--keyboard"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const ProgramRun run = Run(args);
    EXPECT_EQ(run, (ProgramRun{1, "", c.error + "\n"}));
    EXPECT_FALSE(Exists("game/Sound"));
    EXPECT_EQ(Read("game/harmony.dll"), "game's own harmony");
  }
}

TEST_F(CliInstallTest, AnEarlierInstallationIsReplacedOnlyWithForce) {
  Write("game/autorun.script", "Sound\\Eigenes.script.wav\r\n");
  const ProgramRun refused = Install({"--keyboard"});
  EXPECT_EQ(refused.Status, 1);
  EXPECT_EQ(refused.Out, "");
  EXPECT_EQ(refused.Err,
            "Ihr Spiel scheint bereits Tastatur- oder Maussupport zu enthalten. Mit --force wird "
            "trotzdem installiert; autorun.script und die Skripte im Ordner Sound werden dabei "
            "ersetzt, und die, die sich von den neuen unterscheiden, werden vorher im Ordner "
            "Wavoria-Sicherung aufbewahrt.\n");
  EXPECT_EQ(Autorun(), "Sound\\Eigenes.script.wav\r\n");
  EXPECT_EQ(Read("game/harmony.dll"), "game's own harmony");

  const ProgramRun forced = Install({"--keyboard", "--force"});
  EXPECT_EQ(forced.Status, 0);
  EXPECT_EQ(forced.Err, "");
  EXPECT_EQ(Autorun().substr(0, 32), "Sound\\MidiTickOutput.script.wav\r");
}

TEST_F(CliInstallTest, MissingTemplatesChangeNothing) {
  Write("tpl/common/MidiTickOutput.script.wav", "");
  Write("tpl/common/MidiTickClear.script.wav", "");
  const ProgramRun run = Install({"--keyboard", "--templates", "tpl"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(run.Err,
            "Die Installation wurde nicht ausgeführt; an Ihrem Spiel wurde nichts verändert.\n"
            "\n"
            "Die Datei '" +
                P("tpl/Key/KeyList.script.wav") +
                "' wurde nicht gefunden.\n"
                "Die Datei '" +
                P("tpl/Key/KeySupportON.script.wav") +
                "' wurde nicht gefunden.\n"
                "Der Vorlagenordner '" +
                P("tpl/Key") + "' fehlt oder ist leer; aus ihm wurde nichts kopiert.\n");
  EXPECT_FALSE(Exists("game/Sound"));
  EXPECT_FALSE(Exists("game/autorun.script"));
}

// A "Sound" file where the folder belongs: every step into it would fail,
// so nothing is done.
TEST_F(CliInstallTest, AFileInPlaceOfTheSoundFolderChangesNothing) {
  WriteTemplates();
  Write("game/Sound", "no folder");
  const ProgramRun run = Install({"--keyboard", "--templates", "tpl"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(run.Err,
            "Die Installation wurde nicht ausgeführt; an Ihrem Spiel wurde nichts verändert.\n\n"
            "An der Stelle des Ordners '" +
                P("game/Sound") + "' liegt eine Datei.\n");
  EXPECT_EQ(Read("game/harmony.dll"), "game's own harmony");
  EXPECT_FALSE(Exists("game/autorun.script"));
}

}  // namespace
}  // namespace wavoria::testing
