#include "wizard/install_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "document/file_io.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "test_support.h"
#include "wizard/file_ops.h"

namespace wavoria {
namespace {

constexpr char S = kPathSeparator;

// The four combinations of support, each with the exact generated files.
struct Combination {
  const char* name;
  WizardSettings settings;
  const char* autorun;
  const char* mouseScript;  // nullptr: no mouse script is generated
};

const Combination kCombinations[] = {
    {"keyboard only",
     {.KeyboardSupport = 1, .MouseId = 9},
     "Sound\\MidiTickOutput.script.wav\r\n"
     "Sound\\MidiTickClear.script.wav\r\n"
     "Sound\\KeyList.script.wav\r\n"
     "Sound\\KeySupportON.script.wav\r\n",
     nullptr},
    {"mouse only",
     {.MouseSupport = 1, .StartFunction = 0, .MouseId = -5, .AutoSendPosition = 1},
     "Sound\\MidiTickOutput.script.wav\r\n"
     "Sound\\MidiTickClear.script.wav\r\n"
     "Sound\\MouseSupportON.script.wav\r\n",
     "\r\n;WIZDESC$Maussupport\r\n[Execute]\r\nAction=EnableMouseSupport\r\nEnable=True\r\n"
     "ID=-5\r\nAutomatic=True\r\nNext=\r\n"},
    {"both, keyboard at start",
     {.KeyboardSupport = 1, .MouseSupport = 1, .StartFunction = 0, .MouseId = 3},
     "Sound\\MidiTickOutput.script.wav\r\n"
     "Sound\\MidiTickClear.script.wav\r\n"
     "Sound\\KeyList.script.wav\r\n"
     "Sound\\KeySupportON.script.wav\r\n",
     "\r\n;WIZDESC$Maussupport\r\n[Execute]\r\nAction=EnableMouseSupport\r\nEnable=True\r\n"
     "ID=3\r\nAutomatic=False\r\nNext=\r\n"},
    {"both, mouse at start",
     {.KeyboardSupport = 1,
      .MouseSupport = 1,
      .StartFunction = 1,
      .MouseId = 0,
      .AutoSendPosition = 1},
     "Sound\\MidiTickOutput.script.wav\r\n"
     "Sound\\MidiTickClear.script.wav\r\n"
     "Sound\\KeyList.script.wav\r\n"
     "Sound\\MouseSupportON.script.wav\r\n",
     "\r\n;WIZDESC$Maussupport\r\n[Execute]\r\nAction=EnableMouseSupport\r\nEnable=True\r\n"
     "ID=0\r\nAutomatic=True\r\nNext=\r\n"},
};

TEST(InstallPlan, FourCombinations) {
  const std::string game = std::string("Spiele") + S + "Mein Spiel" + S;
  const std::string maker = std::string("RPG2000") + S;
  const std::string sound = game + "Sound" + S;
  const std::string templates = testing::ShippedTemplates() + S;
  for (const Combination& c : kCombinations) {
    SCOPED_TRACE(c.name);
    WizardSettings settings = c.settings;
    settings.GamePath = game;
    settings.MakerPath = maker;
    InstallPlan plan = BuildInstallPlan(settings, testing::ShippedTemplates());
    ASSERT_GE(plan.Steps.size(), 6u);

    EXPECT_EQ(plan.Steps[0], (InstallStep{InstallStepKind::CreateFolder, "", game + "Sound"}));
    EXPECT_EQ(plan.Steps[1], (InstallStep{InstallStepKind::CopyFile, maker + "oldharmony.dll",
                                          game + "oldharmony.dll"}));
    EXPECT_EQ(plan.Steps[2], (InstallStep{InstallStepKind::CopyFile, maker + "harmony.dll",
                                          game + "harmony.dll", "", 1}));
    const InstallStep& last = plan.Steps.back();
    EXPECT_EQ(last.Kind, InstallStepKind::WriteFile);
    EXPECT_EQ(last.Target, game + "autorun.script");
    EXPECT_EQ(last.Bytes, c.autorun);

    std::string generatedMouse;
    std::vector<std::string> copied;
    for (const InstallStep& step : plan.Steps) {
      if (step.Kind == InstallStepKind::WriteFile &&
          step.Target == sound + "MouseSupportON.script.wav") {
        generatedMouse = step.Bytes;
      }
      if (step.Kind != InstallStepKind::CopyFile || step.Target.rfind(sound, 0) != 0) continue;
      const std::string name = step.Target.substr(sound.size());
      copied.push_back(step.Source.substr(templates.size()));
      EXPECT_EQ(step.Source.substr(step.Source.size() - name.size()), name);
    }
    EXPECT_EQ(generatedMouse, c.mouseScript ? c.mouseScript : "");

    const bool keyboard = settings.KeyboardSupport, mouse = settings.MouseSupport;
    auto has = [&](const std::string& t) {
      return std::find(copied.begin(), copied.end(), t) != copied.end();
    };
    EXPECT_TRUE(has(std::string("common") + S + "MidiTickOutput.script.wav"));
    EXPECT_TRUE(has(std::string("common") + S + "MidiTickClear.script.wav"));
    EXPECT_EQ(has(std::string("Key") + S + "KeyList.script.wav"), keyboard);
    EXPECT_EQ(has(std::string("Key") + S + "KeySupportON.script.wav"), keyboard);
    EXPECT_EQ(has(std::string("Mouse") + S + "MouseSupportOFF.script.wav"), mouse);
    EXPECT_EQ(plan.KeyListPath, keyboard ? sound + "KeyList.script.wav" : "");
  }
}

TEST(InstallPlan, GeneratedMouseScriptReadsBackWithoutWarning) {
  CommandTable table;
  WizardSettings settings{.MouseSupport = 1, .MouseId = -5, .AutoSendPosition = 1};
  ReadWarnings w = ParseScript(MouseSupportScriptText(settings), testing::EditorActions(), table);
  EXPECT_FALSE(w.Any());
  EXPECT_EQ(table.ScriptName, "Maussupport");
  ASSERT_EQ(table.LastPosition(), 1);
  EXPECT_EQ(table.CommandAt(1)->ID, "-5");
  EXPECT_EQ(table.CommandAt(1)->Automatic, "True");
}

TEST(InstallPlan, RequiredTemplatesArePlannedEvenWhenMissing) {
  testing::TempFolder templates("plan-templates");
  ASSERT_TRUE(CreateFolder(templates.File("Mouse")));
  // A template of the generated script's name is not copied: the generated
  // one would replace it anyway. Other files are copied like scripts.
  ASSERT_TRUE(WriteFileAtomically(templates.File("Mouse") + S + "mousesupporton.SCRIPT.WAV", "x"));
  ASSERT_TRUE(WriteFileAtomically(templates.File("Mouse") + S + "Liesmich.txt", "x"));
  ASSERT_TRUE(WriteFileAtomically(templates.File("Mouse") + S + "Klick.script.wav", "x"));
  WizardSettings settings{
      .GamePath = "game", .MakerPath = "maker", .KeyboardSupport = 1, .MouseSupport = 1};
  InstallPlan plan = BuildInstallPlan(settings, templates.Path());
  std::vector<std::string> sources;
  for (const InstallStep& step : plan.Steps) {
    if (step.Kind == InstallStepKind::CopyFile) sources.push_back(step.Source);
  }
  const std::string t = templates.Path() + S;
  EXPECT_EQ(sources, (std::vector<std::string>{
                         std::string("maker") + S + "oldharmony.dll",
                         std::string("maker") + S + "harmony.dll",
                         t + "common" + S + "MidiTickClear.script.wav",
                         t + "common" + S + "MidiTickOutput.script.wav",
                         t + "Key" + S + "KeyList.script.wav",
                         t + "Key" + S + "KeySupportON.script.wav",
                         t + "Mouse" + S + "Klick.script.wav",
                         t + "Mouse" + S + "Liesmich.txt",
                     }));
  EXPECT_EQ(plan.GameFolder, std::string("game") + S);
}

// Every shipped template is a script exactly as the editor writes it, with a
// name, and the editor opens it without a warning.
TEST(InstallPlan, ShippedTemplatesAreWriterExact) {
  int count = 0;
  for (const char* sub : {"common", "Key", "Mouse"}) {
    const std::string folder = testing::ShippedTemplates() + S + sub;
    for (const std::string& name : FilesIn(folder)) {
      SCOPED_TRACE(folder + S + name);
      ++count;
      EXPECT_TRUE(IsScriptFileName(name));
      std::string bytes;
      ASSERT_TRUE(ReadWholeFile(folder + S + name, bytes));
      CommandTable table;
      EXPECT_FALSE(ParseScript(bytes, testing::EditorActions(), table).Any());
      EXPECT_NE(table.ScriptName, kDefaultScriptName);
      EXPECT_GE(table.LastPosition(), 1);
      EXPECT_EQ(ScriptText(table), bytes);
    }
  }
  EXPECT_GE(count, 6);
}

TEST(InstallPlan, KeyListRegistersDistinctValuesForTheCommonKeys) {
  std::string bytes;
  ASSERT_TRUE(
      ReadWholeFile(testing::ShippedTemplates() + S + "Key" + S + "KeyList.script.wav", bytes));
  CommandTable table;
  ParseScript(bytes, testing::EditorActions(), table);
  std::set<std::string> keys, values;
  for (int p = 1; p <= table.LastPosition(); ++p) {
    const ScriptCommand& cmd = *table.CommandAt(p);
    EXPECT_EQ(cmd.Action, "RegisterKeyDownEvent");
    EXPECT_FALSE(cmd.Value.empty());
    keys.insert(cmd.Key);
    values.insert(cmd.Value);
  }
  EXPECT_EQ(values.size(), static_cast<std::size_t>(table.LastPosition()));
  EXPECT_EQ(keys.size(), static_cast<std::size_t>(table.LastPosition()));
  std::vector<std::string> wanted = {"Up", "Down", "Left", "Right", "Enter", "Esc", "Space"};
  for (char c = 'A'; c <= 'Z'; ++c) wanted.emplace_back(1, c);
  for (char c = '0'; c <= '9'; ++c) wanted.emplace_back(1, c);
  const KeyNameTable known = ParseKeyNames([] {
    std::string text;
    ReadWholeFile(testing::ShippedTemplates() + S + ".." + S + "keys.dat", text);
    return text;
  }());
  for (const std::string& key : wanted) {
    SCOPED_TRACE(key);
    EXPECT_TRUE(keys.count(key));
    EXPECT_TRUE(
        std::any_of(known.begin(), known.end(), [&](const KeyName& k) { return k.Name == key; }));
  }
}

}  // namespace
}  // namespace wavoria
