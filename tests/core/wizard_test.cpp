// The wizard's pages, its flow and what an installation writes.
#include <gtest/gtest.h>

#include <set>

#include "document/file_io.h"
#include "document/script_reader.h"
#include "test_support.h"
#include "wizard/install_plan.h"
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
  EXPECT_TRUE(
      ConfirmFunctions(s, false, false) ==
      (PageResult{false, MessageIcon::Warning, "Bitte wählen Sie mindestens eine Funktion!"}));
  EXPECT_EQ(s.NextPage * 10 + s.KeyboardSupport, 81001);  // nothing stored while the page stays
  BackFromFunctions(s, false, true);
  EXPECT_EQ(s.KeyboardSupport * 10 + s.MouseSupport, 1);
  EXPECT_EQ(s.NextPage, 8000);
  for (const auto& [stored, shown] : {std::pair{0, 0}, {1, 1}, {7, 0}, {-1, 0}}) {
    EXPECT_EQ(StartFunctionSelection(WizardSettings{.StartFunction = stored}), shown) << stored;
  }
  ConfirmStartFunction(s, 1);
  EXPECT_EQ(s.StartFunction * 10000 + s.NextPage, 18400);
  ConfirmStartFunction(s, -1);  // no entry selected
  EXPECT_EQ(s.StartFunction, 0);
  s.StartFunction = 1;
  BackFromStartFunction(s, 0);
  EXPECT_EQ(s.StartFunction, 0);
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
  // clang-format off
  // the chosen files, the files there, "Ja" to going on, the box, the paths stored ("-": unchanged)
  const struct { std::string gameFile, makerFile; std::set<std::string> files; bool confirmed;
                 MessageIcon icon; std::string_view message; std::string gamePath, makerPath; } rows[] = {
      {"", makerFile, {old}, false, MessageIcon::Warning, kGamePathMissingText, "-", "-"},
      {"RPG_RT.EXE", makerFile, {old}, false, MessageIcon::Warning, kGamePathMissingText, "-", "-"},
      {gameFile, makerFile, {old, autorun}, false, MessageIcon::Question, kAlreadyInstalledText, "-", "-"},
      {gameFile, makerFile, {old, tick}, false, MessageIcon::Question, kAlreadyInstalledText, "-", "-"},
      {gameFile, makerFile, {old, autorun}, true, MessageIcon::None, "", game, maker},
      {gameFile, "", {old}, false, MessageIcon::Warning, kMakerPathMissingText, game, "-"},
      {gameFile, makerFile, {}, false, MessageIcon::Error, kOldHarmonyMissingText, game, "-"},
      {gameFile, makerFile, {old}, false, MessageIcon::None, "", game, maker},
  };
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(r.gameFile + " " + std::string(r.message));
    WizardSettings s{.GamePath = "-", .MakerPath = "-", .NextPage = 8000};
    auto exists = [&](const std::string& p) { return r.files.count(p) > 0; };
    EXPECT_TRUE(ConfirmPaths(s, {r.gameFile, r.makerFile}, r.confirmed, exists) ==
                (PageResult{r.makerPath != "-", r.icon, std::string(r.message)}));
    EXPECT_EQ(s.NextPage, r.makerPath != "-" ? 8100 : 8000);
    EXPECT_EQ(s.GamePath + "|" + s.MakerPath, r.gamePath + "|" + r.makerPath);
  }
  WizardSettings s;
  EXPECT_EQ(ShowPaths(s).GameFile + ShowPaths(s).MakerFile, "");
  s.GamePath = "C:\\Spiel\\";
  s.MakerPath = "D:\\RPG2000\\";
  EXPECT_EQ(ShowPaths(s).GameFile + "|" + ShowPaths(s).MakerFile,
            "C:\\Spiel\\RPG_RT.EXE|D:\\RPG2000\\RPG2000.EXE");
  EXPECT_EQ(FolderOf("/home/a b/RPG_RT.EXE") + FolderOf("RPG_RT.EXE"), "/home/a b/");
}

// What autorun lists and the mouse script for each choice of support (the
// CLI's tests install into real folders).
TEST(InstallPlan, AutorunAndMouseScriptForEachChoice) {
  const std::string start =
      "Sound\\MidiTickOutput.script.wav\r\nSound\\MidiTickClear.script.wav\r\n";
  const std::string keys = start + "Sound\\KeyList.script.wav\r\n", on = "SupportON.script.wav\r\n";
  // clang-format off
  const std::tuple<WizardSettings, std::string> rows[] = {
      {{.KeyboardSupport = 1}, keys + "Sound\\Key" + on},
      {{.KeyboardSupport = 1, .StartFunction = 1}, keys + "Sound\\Key" + on},  // mouse support unticked
      {{.MouseSupport = 1}, start + "Sound\\Mouse" + on},
      {{.KeyboardSupport = 1, .MouseSupport = 1}, keys + "Sound\\Key" + on},
      {{.KeyboardSupport = 1, .MouseSupport = 1, .StartFunction = 1}, keys + "Sound\\Mouse" + on}};
  // clang-format on
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
