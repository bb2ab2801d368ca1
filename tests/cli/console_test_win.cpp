// wavoria-cli writes in the code page of the console it runs in.
#include <windows.h>

#include "tests/cli/cli_test_support.h"

namespace wavoria::testing {
namespace {

TEST_F(CliTest, ShowWritesInTheCodePageOfItsConsole) {
  ASSERT_EQ(GetACP(), 1252u) << "the tests need the ANSI code page 1252";
  Write("gruss.script.wav", CrLf({";WIZDESC$Grüße €", "[Execute]", "Action=GetMousePosition"}));
  const ProgramRun run =
      RunProgram(CliProgram(), {"show", "gruss.script.wav"}, folder_.string(), ConsoleKind::New);
  EXPECT_EQ(run.Status, 0);
  const UINT oem = GetOEMCP();
  if (oem != 437 && oem != 850) GTEST_SKIP() << "a new console has code page " << oem;
  // Code pages 437 and 850 hold ü and ß, but no euro sign.
  EXPECT_EQ(run.Out,
            "Skriptname: Gr\x81\xE1"
            "e ?\n<> Maus-/Tastenstatus senden\n<>\n");
}

TEST_F(CliTest, CheckReportsAFileItCannotRead) {
  Write("gesperrt.script.wav", CrLf({"[Execute]", "Action=Tanzen"}));
  HANDLE lock = CreateFileA(Path("gesperrt.script.wav").string().c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  const ProgramRun run = Run({"check", "gesperrt.script.wav"});
  CloseHandle(lock);
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Out, "gesperrt.script.wav:1: Die Datei kann nicht gelesen werden.\n");
}

// cmd.exe leaves wildcards to the program.
TEST_F(CliTest, CheckExpandsWildcards) {
  Write("a.script.wav", CrLf({"[Execute]", "Action=Tanzen"}));
  Write("b.script.wav", CrLf({"[Execute]", "Action=Singen"}));
  const ProgramRun run = Run({"check", "*.script.wav"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Out,
            "a.script.wav:2: Unbekannte Action 'Tanzen'.\n"
            "b.script.wav:2: Unbekannte Action 'Singen'.\n");
}

}  // namespace
}  // namespace wavoria::testing
