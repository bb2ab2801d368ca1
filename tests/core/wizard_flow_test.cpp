#include "wizard/wizard_flow.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <vector>

#include "document/file_io.h"
#include "document/text.h"

namespace wavoria {
namespace {

constexpr char S = kPathSeparator;

std::string Path(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view p : parts) {
    if (!out.empty()) out += S;
    out += p;
  }
  return out;
}

TEST(WizardFlow, NavigationTable) {
  struct Row {
    const char* name;
    std::int32_t page;
    int keyboard, mouse;
    std::int32_t next, back;
  };
  const Row rows[] = {
      {"paths", 8000, 1, 1, 8100, 8000},
      {"functions, keyboard only", 8100, 1, 0, 8500, 8000},
      {"functions, mouse only", 8100, 0, 1, 8400, 8000},
      {"functions, both", 8100, 1, 1, 8200, 8000},
      {"functions, none stays", 8100, 0, 0, 8100, 8000},
      {"start function", 8200, 1, 1, 8400, 8100},
      {"mouse, with keyboard", 8400, 1, 1, 8500, 8200},
      {"mouse only", 8400, 0, 1, 8500, 8100},
      {"finish, with mouse", 8500, 0, 1, -2, 8400},
      {"finish, keyboard only", 8500, 1, 0, -2, 8100},
      {"no such page", 8300, 1, 1, -1, -1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    WizardSettings s;
    s.KeyboardSupport = static_cast<std::uint8_t>(r.keyboard);
    s.MouseSupport = static_cast<std::uint8_t>(r.mouse);
    EXPECT_EQ(PageAfter(r.page, s), r.next);
    EXPECT_EQ(PageBefore(r.page, s), r.back);
    EXPECT_EQ(IsWizardPage(r.page), r.page != 8300);
  }
}

// Walks the wizard with "Weiter >" as the page procedures would, from page
// 8000 with a game folder and an RPG Maker folder that holds "oldharmony.dll".
std::vector<std::int32_t> WalkForward(WizardSettings& s, bool keyboard, bool mouse) {
  const std::set<std::string> files = {Path({"maker", "oldharmony.dll"})};
  auto exists = [&](const std::string& p) { return files.count(p) > 0; };
  std::vector<std::int32_t> pages;
  s.NextPage = kPagePaths;
  while (s.NextPage >= 0 && pages.size() < 10) {
    pages.push_back(s.NextPage);
    switch (s.NextPage) {
      case kPagePaths:
        ConfirmPaths(s, {Path({"game", "RPG_RT.EXE"}), Path({"maker", "RPG2000.EXE"})}, false,
                     exists);
        break;
      case kPageFunctions:
        ConfirmFunctions(s, keyboard, mouse);
        break;
      case kPageStartFunction:
        ConfirmStartFunction(s, StartFunctionSelection(s));
        break;
      case kPageMouse:
        ConfirmMouseSettings(s, ShowMouseSettings(s));
        break;
      case kPageFinish:
        ConfirmFinish(s);
        break;
    }
  }
  return pages;
}

TEST(WizardFlow, PageSequencesAndBackButtons) {
  using V = std::vector<std::int32_t>;
  WizardSettings s;
  EXPECT_EQ(WalkForward(s, true, false), (V{8000, 8100, 8500}));
  EXPECT_EQ(s.NextPage, kWizardInstall);
  EXPECT_TRUE(ShowsKeyListNote(s));
  BackFromFinish(s);
  EXPECT_EQ(s.NextPage, 8100);

  EXPECT_EQ(WalkForward(s, false, true), (V{8000, 8100, 8400, 8500}));
  EXPECT_FALSE(ShowsKeyListNote(s));
  BackFromFinish(s);
  EXPECT_EQ(s.NextPage, 8400);
  BackFromMouseSettings(s, ShowMouseSettings(s));
  EXPECT_EQ(s.NextPage, 8100);

  EXPECT_EQ(WalkForward(s, true, true), (V{8000, 8100, 8200, 8400, 8500}));
  BackFromMouseSettings(s, ShowMouseSettings(s));
  EXPECT_EQ(s.NextPage, 8200);
  BackFromStartFunction(s, 1);
  EXPECT_EQ(s.NextPage, 8100);
  BackFromFunctions(s, true, false);
  EXPECT_EQ(s.NextPage, 8000);

  // Mouse support unticked after choosing both: straight to 8500, and the
  // start function chosen before is kept.
  EXPECT_EQ(ConfirmFunctions(s, true, false).Closes, true);
  EXPECT_EQ(s.NextPage, 8500);
  EXPECT_EQ(s.StartFunction, 1);
  EXPECT_EQ(s.MouseSupport, 0);

  CancelWizard(s);
  EXPECT_EQ(s.NextPage, kWizardCancelled);
}

TEST(WizardFlow, PathsPageChecks) {
  const std::string game = Path({"Spiele", "Mein Spiel ä", ""});
  const std::string maker = Path({"ASCII", "RPG2000", ""});
  const std::string autorun = game + "autorun.script";
  const std::string tick = game + "Sound" + S + "MidiTickOutput.script.wav";
  const std::string oldHarmony = maker + "oldharmony.dll";
  struct Row {
    const char* name;
    std::string gameFile, makerFile;
    std::set<std::string> files;
    bool confirmed;
    MessageIcon icon;
    std::string_view message;
    bool closes;
    std::string gamePath, makerPath;  // stored afterwards ("old" when unchanged)
  };
  const Row rows[] = {
      {"no game path",
       "",
       maker + "RPG2000.EXE",
       {oldHarmony},
       false,
       MessageIcon::Warning,
       kGamePathMissingText,
       false,
       "old",
       "old"},
      {"game path without a folder",
       "RPG_RT.EXE",
       maker + "RPG2000.EXE",
       {oldHarmony},
       false,
       MessageIcon::Warning,
       kGamePathMissingText,
       false,
       "old",
       "old"},
      {"autorun.script present",
       game + "RPG_RT.EXE",
       maker + "RPG2000.EXE",
       {oldHarmony, autorun},
       false,
       MessageIcon::Question,
       kAlreadyInstalledText,
       false,
       "old",
       "old"},
      {"MidiTickOutput present",
       game + "RPG_RT.EXE",
       maker + "RPG2000.EXE",
       {oldHarmony, tick},
       false,
       MessageIcon::Question,
       kAlreadyInstalledText,
       false,
       "old",
       "old"},
      {"present, Ja answered",
       game + "RPG_RT.EXE",
       maker + "RPG2000.EXE",
       {oldHarmony, autorun},
       true,
       MessageIcon::None,
       "",
       true,
       game,
       maker},
      {"no maker path",
       game + "RPG_RT.EXE",
       "",
       {oldHarmony},
       false,
       MessageIcon::Warning,
       kMakerPathMissingText,
       false,
       game,
       "old"},
      {"no oldharmony.dll",
       game + "RPG_RT.EXE",
       maker + "RPG2000.EXE",
       {},
       false,
       MessageIcon::Error,
       kOldHarmonyMissingText,
       false,
       game,
       "old"},
      {"all present",
       game + "RPG_RT.EXE",
       maker + "RPG2000.EXE",
       {oldHarmony},
       false,
       MessageIcon::None,
       "",
       true,
       game,
       maker},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    WizardSettings s{.GamePath = "old", .MakerPath = "old", .NextPage = 8000};
    auto exists = [&](const std::string& p) { return r.files.count(p) > 0; };
    PageResult result = ConfirmPaths(s, {r.gameFile, r.makerFile}, r.confirmed, exists);
    EXPECT_EQ(result.Icon, r.icon);
    EXPECT_EQ(result.Message, r.message);
    EXPECT_EQ(result.Closes, r.closes);
    EXPECT_EQ(s.NextPage, r.closes ? 8100 : 8000);
    EXPECT_EQ(s.GamePath, r.gamePath);
    EXPECT_EQ(s.MakerPath, r.makerPath);
  }
}

TEST(WizardFlow, PathsPageShowsTheStoredFolders) {
  WizardSettings s;
  EXPECT_EQ(ShowPaths(s).GameFile, "");
  EXPECT_EQ(ShowPaths(s).MakerFile, "");
  s.GamePath = "C:\\Spiel\\";
  s.MakerPath = "C:\\Programme\\ASCII\\RPG2000\\";
  EXPECT_EQ(ShowPaths(s).GameFile, "C:\\Spiel\\RPG_RT.EXE");
  EXPECT_EQ(ShowPaths(s).MakerFile, "C:\\Programme\\ASCII\\RPG2000\\RPG2000.EXE");
  EXPECT_EQ(FolderOf("C:\\Mein Spiel\\RPG_RT.EXE"), "C:\\Mein Spiel\\");
  EXPECT_EQ(FolderOf("/home/a b/RPG_RT.EXE"), "/home/a b/");
}

TEST(WizardFlow, FunctionsPageNeedsAChoice) {
  WizardSettings s{.NextPage = 8100, .KeyboardSupport = 1, .MouseSupport = 1};
  PageResult r = ConfirmFunctions(s, false, false);
  EXPECT_FALSE(r.Closes);
  EXPECT_EQ(r.Icon, MessageIcon::Warning);
  EXPECT_EQ(r.Message, "Bitte wählen Sie mindestens eine Funktion!");
  EXPECT_EQ(s.NextPage, 8100);
  EXPECT_EQ(s.KeyboardSupport, 1);  // nothing stored while the page stays
  BackFromFunctions(s, false, false);
  EXPECT_EQ(s.KeyboardSupport, 0);
  EXPECT_EQ(s.MouseSupport, 0);
}

TEST(WizardFlow, StartFunctionSelection) {
  for (auto [stored, shown] : {std::pair{0, 0}, {1, 1}, {7, 0}, {-1, 0}}) {
    WizardSettings s{.StartFunction = stored};
    EXPECT_EQ(StartFunctionSelection(s), shown) << stored;
  }
  WizardSettings s;
  ConfirmStartFunction(s, -1);  // no entry selected
  EXPECT_EQ(s.StartFunction, 0);
}

TEST(WizardFlow, MouseIdByTheNegativRule) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  struct Row {
    const char* digits;
    bool negative;
    std::int32_t id;
  };
  const Row rows[] = {
      {"5", true, -5},
      {"5", false, 5},
      {"", false, 0},
      {"", true, 0},
      {"007", false, 7},
      {"12abc", false, 12},
      {"2147483647", false, kMax},
      {"2147483648", false, kMax},
      {"2147483648", true, kMin},
      {"99999999999999999999", true, kMin},
      {"99999999999999999999", false, kMax},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.digits) + (r.negative ? " negativ" : ""));
    EXPECT_EQ(SignedNumberOf(r.digits, r.negative), r.id);
  }
  // Every stored ID shows and stores back unchanged.
  for (std::int32_t id : {-5, 0, 3, kMin, kMax}) {
    WizardSettings s{.MouseId = id, .AutoSendPosition = 1};
    MouseForm form = ShowMouseSettings(s);
    EXPECT_EQ(form.Negative, id < 0);
    EXPECT_TRUE(form.AutoSend);
    ConfirmMouseSettings(s, form);
    EXPECT_EQ(s.MouseId, id);
    EXPECT_EQ(s.NextPage, 8500);
  }
  EXPECT_EQ(ShowMouseSettings(WizardSettings{.MouseId = -5}).IdDigits, "5");
}

TEST(WizardFlow, LoopNeverShowsOnePageOverAndOver) {
  struct Row {
    const char* name;
    std::int32_t shown, next, expected;
  };
  const Row rows[] = {
      {"Weiter > to another page", kPagePaths, kPageFunctions, kPageFunctions},
      {"< Zurück to another page", kPageFinish, kPageMouse, kPageMouse},
      {"cancelled", kPageMouse, kWizardCancelled, kWizardCancelled},
      {"install", kPageFinish, kWizardInstall, kWizardInstall},
      {"page closed without a choice", kPageFunctions, kPageFunctions, kWizardCancelled},
      {"page could not be shown", kPagePaths, kPagePaths, kWizardCancelled},
      {"no such page", 8300, 8300, kWizardCancelled},
      {"leads to no page", kPageFinish, 4000, kWizardCancelled},
      {"unknown end", kPageFinish, -3, kWizardCancelled},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(WizardLoopNext(row.shown, row.next), row.expected);
  }
}

}  // namespace
}  // namespace wavoria
