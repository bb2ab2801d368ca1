// Entry of the Windows program: common controls, start-up, then the flow
// between start screen, editor and wizard. The process ends with exit code 0.
#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "app/program_win.h"
#include "shell/app_state_win.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*command_line*/,
                   int /*show*/) {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);

  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);

  wavoria::RunTopLevelFlow(wavoria::StartUp(arguments));
  wavoria::EndProgram();
  return 0;
}
