#include "app/app_state_win.h"

namespace wavoria {

namespace {

void ExitNow() {
  ExitProcess(0);
}

void (*g_endProgram)() = ExitNow;

}  // namespace

AppState& App() {
  static AppState state;
  return state;
}

void EndProgram() {
  g_endProgram();
}

void SetEndProgramHandler(void (*handler)()) {
  g_endProgram = handler ? handler : ExitNow;
}

}  // namespace wavoria
