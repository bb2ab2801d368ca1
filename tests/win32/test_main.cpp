// Entry of the Win32 tests: common controls as the program sets them up, the
// ANSI code page checked once, and process ends turned into test failures.
// With --end-program, --read-list or --read-list-view it is the second program of a test
// instead.
#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

#include "editor_test_support.h"

namespace wavoria::testing {
// The second program of ListBox.AnotherProgramReadsEveryLine.
int ReadListAsAnotherProgram(HWND list, const std::string& file);
// The second program of GameOverview.EscF5AndEingabeAfterTheSavePromptAndAScreenReader.
int ReadListViewAsAnotherProgram(HWND list, const std::string& file);
}  // namespace wavoria::testing

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--end-program") {
    wavoria::EndProgram();  // the process ends here
    return wavoria::WriteFileAtomically(argv[2], "") ? 3 : 4;
  }
  if (argc == 4 && std::string(argv[1]) == "--read-list") {
    const auto list = reinterpret_cast<HWND>(std::stoll(argv[2]));
    return wavoria::testing::ReadListAsAnotherProgram(list, argv[3]);
  }
  if (argc == 4 && std::string(argv[1]) == "--read-list-view") {
    const auto list = reinterpret_cast<HWND>(std::stoll(argv[2]));
    return wavoria::testing::ReadListViewAsAnotherProgram(list, argv[3]);
  }
  const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  wavoria::SetEndProgramHandler(wavoria::testing::ProcessEndIsAFailure);
  ::testing::InitGoogleTest(&argc, argv);
  if (GetACP() != 1252) {
    fprintf(stderr, "ANSI code page is %u, not 1252: run under LANG=C.UTF-8\n", GetACP());
    return 1;
  }
  return RUN_ALL_TESTS();
}
