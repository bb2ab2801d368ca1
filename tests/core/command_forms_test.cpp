// What the command dialogs show for a command and store on OK, and the rules
// of the key-capture window.
#include "dialogs/command_forms.h"

#include <gtest/gtest.h>

#include <set>

#include "dialogs/input_forms.h"
#include "dialogs/key_capture.h"
#include "dialogs/launch_forms.h"
#include "document/text.h"
#include "test_support.h"

namespace wavoria {
namespace {

using testing::Command;

TEST(CommandForms, NegativRuleAndLists) {
  const std::tuple<const char*, const char*, bool, const char*> numbers[] = {
      {"-12", "12", true, "-12"},  {"7.9", "7", false, "7"},
      {"", "0", false, "0"},       {"abc", "0", false, "0"},
      {"&H10", "16", false, "16"}, {"-2147483648", "2147483648", true, "-2147483648"}};
  for (const auto& [field, digits, negative, stored] : numbers) {
    const SignedNumberForm f = ShowSignedNumber(field);
    EXPECT_EQ(std::tuple(f.Digits, f.Negative), std::tuple(digits, negative)) << field;
    EXPECT_EQ(StoreSignedNumber(f.Digits, f.Negative), stored) << field;
  }
  EXPECT_EQ(StoreSignedNumber("0", true) + StoreSignedNumber("99999999999", false), "02147483647");
  const std::pair<const char*, int> midi[] = {{"oUtPuT", 1}, {"Original", 0}, {"x", 0}};
  for (const auto& [command, item] : midi) EXPECT_EQ(MidiTickSelection(command), item);
  const std::pair<const char*, int> levels[] = {{"", 0}, {"3", 3}, {"5", -1}, {"-1", -1}};
  for (const auto& [level, item] : levels) EXPECT_EQ(DebugLevelSelection(level), item);
  // Without a selection nothing is stored: the dialog ends as cancelled.
  for (int item = -1; item <= 4; ++item) {
    SCOPED_TRACE(item);
    ScriptCommand midiTick = Command("x"), level = Command("x");
    EXPECT_EQ(StoreMidiTick(item, midiTick), item == 0 || item == 1);
    EXPECT_EQ(StoreDebugLevel(item, level), item >= 0 && item <= 3);
    EXPECT_EQ(midiTick.Action + midiTick.Command, item == 0   ? "MidiTickFunctionOriginal"
                                                  : item == 1 ? "MidiTickFunctionOutput"
                                                              : "x");
    EXPECT_EQ(level.Action + level.Level,
              item >= 0 && item <= 3 ? "SetDebugLevel" + std::to_string(item) : "x");
  }
}

// Each dialog from the command it is shown for to the command it stores on OK.
TEST(CommandForms, EachDialogStoresItsCommand) {
  using Edit = void (*)(ScriptCommand&);
  const Edit mouse = [](ScriptCommand& c) { StoreMouseSupport(ShowMouseSupport(c), c); };
  const Edit key = [](ScriptCommand& c) { StoreKeyEvent(ShowKeyEvent(c), c); };
  const std::tuple<const char*, const char*, Edit, const char*, const char*> rows[] = {
      {"", "Text=alt", [](ScriptCommand& c) { StoreLog("t", c); }, "WriteToLog", "Text=t"},
      {"", "", [](ScriptCommand& c) { StoreOutput("5", true, c); }, "AddOutput", "Value=-5"},
      {"", "", [](ScriptCommand& c) { StoreMci("play", c); }, "MCICommand", "Command=play"},
      {"", "Enable=False|ID=-3|Automatic=true", mouse, "EnableMouseSupport",
       "Enable=True|ID=-3|Automatic=True"},
      {"", "Automatic=Yes", mouse, "EnableMouseSupport", "Enable=True|ID=0|Automatic=False"},
      {"", "Value=-12|Cheat=  money 9!", [](ScriptCommand& c) { StoreCheat(ShowCheat(c), c); },
       "RegisterCheatEvent", "Value=-12|Cheat=  MONEY 9!"},
      {"", "Key= f12 |Value=-7|BlockKey=TRUE", key, "RegisterKeyDownEvent",
       "Key=F12|Value=-7|BlockKey=True"},
      {"registerkeyupevent", "Key=f12", key, "RegisterKeyUpEvent",
       "Key=F12|Value=0|BlockKey=False"},
      {"RegisterKeyUpEvent2", "", key, "RegisterKeyDownEvent", "Key=A|Value=0|BlockKey=False"},
      {"RegisterKeyUpEvent", "",
       [](ScriptCommand& c) {
         KeyEventForm f = ShowKeyEvent(c);
         f.Event = -1;
         StoreKeyEvent(f, c);
       },
       "RegisterKeyDownEvent",
       "Key=A|Value=0|BlockKey=False"},  // nothing selected: a key-down event

      // A text box left as it shows an escaped byte stores the byte back.
      {"", "Text=A\x01Z", [](ScriptCommand& c) { StoreLog(Displayable(c.Text), c); }, "WriteToLog",
       "Text=A\x01Z"},
      {"", "Command=A\x01Z", [](ScriptCommand& c) { StoreMci(Displayable(c.Command), c); },
       "MCICommand", "Command=A\x01Z"},
      {"", "Command=A\x01Z|Result=B\x9DY",
       [](ScriptCommand& c) { StoreProgramLaunch(ShowProgramLaunch(c), c); }, "ExecProgram",
       "Command=A\x01Z|Result=B\x9DY|Wait=False"},
      {"", "Command=A\x01Z",
       [](ScriptCommand& c) { StoreDocumentLaunch(ShowDocumentLaunch(c), c); }, "ExecProgram",
       "Type=Document|Command=A\x01Z|Wait=False"},
      {"", "Cheat=a\x01z",
       [](ScriptCommand& c) {
         CheatForm f = ShowCheat(c);
         f.Cheat = ToUpperAscii(f.Cheat);
         StoreCheat(f, c);
       },
       "RegisterCheatEvent",
       "Cheat=A\x01Z|Value=0"},  // the box turns every letter upper, the escape's too
      {"", "Key=\x01Q", key, "RegisterKeyDownEvent", "Key=\x01Q|Value=0|BlockKey=False"},
  };
  for (const auto& [action, given, edit, stored, fields] : rows) {
    SCOPED_TRACE(std::string(stored) + " from " + given);
    ScriptCommand cmd = Command(action, given);
    edit(cmd);
    EXPECT_EQ(cmd, Command(stored, fields));
  }
  const std::pair<const char*, std::string> keys[] = {
      {"", "A"}, {"   ", "A"}, {"  space ", "SPACE"}, {"\tX", "\\x09X"}, {"Num 5", "NUM 5"}};
  for (const auto& [key, shown] : keys) EXPECT_EQ(KeyShown(key), shown) << key;
}

TEST(CommandForms, ProgramAndDocumentLaunch) {
  const std::pair<const char*, int> modes[] = {
      {"", 0},          {"NORMAL", 1},          {"minimized", 2},
      {"Maximized", 3}, {"MINIMIZEDACTIVE", 4}, {"notactivated", 5},
      {" Normal", 0},   {"Minimiert", 0}};
  const std::pair<const char*, int> priorities[] = {
      {"", 1}, {"IDLE", 0}, {"hight", 2}, {"High", 1}, {"realTIME", 3}};
  for (const auto& [display, item] : modes)
    EXPECT_EQ(LaunchModeSelection(display), item) << display;
  for (const auto& [priority, item] : priorities)
    EXPECT_EQ(LaunchPrioritySelection(priority), item);

  ScriptCommand cmd = Command(
      "",
      "Command= a.exe |Result=r|Wait=tRUE|Display=maximized|Priority=HIGHT|Type=Document|Key=F1");
  ProgramLaunchForm program = ShowProgramLaunch(cmd);
  EXPECT_EQ(
      std::tuple(program.File, program.ResultFile, program.Wait, program.Mode, program.Priority),
      std::tuple(" a.exe ", "r", true, 3, 2));
  program.Mode = 4;
  ASSERT_TRUE(StoreProgramLaunch(program, cmd));
  EXPECT_EQ(
      cmd,
      Command("ExecProgram",
              "Command= a.exe |Result=r|Wait=True|Display=MinimizedActive|Priority=Hight|Key=F1"));
  ASSERT_TRUE(StoreProgramLaunch({"b", "", false, 6, -1}, cmd));  // no selection keeps the field
  EXPECT_EQ(cmd.Display + cmd.Priority + cmd.Wait + cmd.Command + "|" + cmd.Result,
            "MinimizedActiveHightFalseb|");
  ASSERT_TRUE(StoreProgramLaunch({"b", "", false, 0, 1}, cmd));
  EXPECT_EQ(cmd.Display + cmd.Priority, "");

  ScriptCommand doc = Command(
      "ExecProgram", "Type=document|Command=x.txt|Wait=true|Display=SHOWERRORS|Priority=Idle");
  DocumentLaunchForm d = ShowDocumentLaunch(doc);
  EXPECT_TRUE(d.Wait && d.ShowErrors);
  ASSERT_TRUE(StoreDocumentLaunch(d, doc));
  EXPECT_EQ(doc, Command("ExecProgram",
                         "Type=Document|Command=x.txt|Wait=True|Display=ShowErrors|Priority=Idle"));
  ASSERT_TRUE(StoreDocumentLaunch({"y.txt", false, false}, doc));
  EXPECT_EQ(doc.Display + doc.Wait + doc.Command, "Falsey.txt");
  // Only Action and Type are written before a missing file name is refused.
  for (const auto& [file, missing] :
       {std::pair{"", true}, {"   ", true}, {"\t", false}, {" a ", false}}) {
    ScriptCommand p = Command("WriteToLog", "Command=old|Type=x|Wait=True"), q = p;
    EXPECT_EQ(IsMissingFileName(file), missing);
    EXPECT_EQ(StoreProgramLaunch({file, "n", false, 2, 3}, p), !missing);
    EXPECT_EQ(StoreDocumentLaunch({file, true, false}, q), !missing);
    if (missing) {
      EXPECT_EQ(p, Command("ExecProgram", "Command=old|Wait=True"));
      EXPECT_EQ(q, Command("ExecProgram", "Command=old|Type=Document|Wait=True"));
    }
  }
}

TEST(KeyCapture, TakesTheLowestNamedHeldKeyAndBlinks) {
  KeyNameTable keys;
  for (int code : {0, 1, 16, 30, 44, 127, 128}) keys[code] = {"K" + std::to_string(code), code};
  const std::pair<std::set<int>, std::optional<int>> cases[] = {
      {{}, std::nullopt}, {{44, 16}, 16}, {{2, 17}, std::nullopt}, {{2, 31, 44}, 44},
      {{0, 1}, 0},        {{127}, 127},   {{128}, std::nullopt},
  };
  for (const auto& [held, taken] : cases) {
    EXPECT_EQ(TakenScanCode([&](int s) { return held.count(s) > 0; }, keys), taken);
  }
  const CaptureColours normal{kPaletteBlack, kPaletteWhite}, inverted{kPaletteWhite, kPaletteBlack};
  const std::pair<std::uint32_t, CaptureColours> ticks[] = {
      {0, normal}, {199, normal}, {200, inverted}, {399, inverted}, {400, normal}};
  for (const auto& [tick, colours] : ticks) EXPECT_EQ(BlinkColoursAt(tick), colours) << tick;
  EXPECT_TRUE(IsCloseRequest("\xFFk"));
  for (const char* key : {"k", "\xFFK", "\xFFkk"}) EXPECT_FALSE(IsCloseRequest(key));
  EXPECT_EQ(PaletteColour(15), (PaletteRgb{255, 255, 255}));
  EXPECT_EQ(PaletteColour(kPaletteBlack), PaletteRgb{});
}

}  // namespace
}  // namespace wavoria
