// Installing support into a game: what autorun lists and the mouse script for
// each choice of support (the CLI's tests install into real folders).
#include "wizard/install_plan.h"

#include <gtest/gtest.h>

#include "document/script_reader.h"
#include "test_support.h"

namespace wavoria {
namespace {

TEST(InstallPlan, AutorunAndMouseScriptForEachChoice) {
  const std::string start =
      "Sound\\MidiTickOutput.script.wav\r\nSound\\MidiTickClear.script.wav\r\n";
  const std::string keys = start + "Sound\\KeyList.script.wav\r\n";
  const std::tuple<WizardSettings, std::string> rows[] = {
      {{.KeyboardSupport = 1}, keys + "Sound\\KeySupportON.script.wav\r\n"},
      // StartFunction left at mouse support after its box was unticked
      {{.KeyboardSupport = 1, .StartFunction = 1}, keys + "Sound\\KeySupportON.script.wav\r\n"},
      {{.MouseSupport = 1}, start + "Sound\\MouseSupportON.script.wav\r\n"},
      {{.KeyboardSupport = 1, .MouseSupport = 1}, keys + "Sound\\KeySupportON.script.wav\r\n"},
      {{.KeyboardSupport = 1, .MouseSupport = 1, .StartFunction = 1},
       keys + "Sound\\MouseSupportON.script.wav\r\n"},
  };
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

}  // namespace
}  // namespace wavoria
