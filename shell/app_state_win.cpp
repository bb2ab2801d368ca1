#include "shell/app_state_win.h"

namespace wavoria {

namespace {

void ExitNow() {
  ExitProcess(0);
}

void (*g_endProgram)() = ExitNow;

}  // namespace

AppState& App() {
  // On the heap: as a static the compiler writes the 512 empty slots into the
  // program file, a third of its size.
  static AppState* const state = new AppState;
  return *state;
}

void EndProgram() {
  g_endProgram();
}

void SetEndProgramHandler(void (*handler)()) {
  g_endProgram = handler ? handler : ExitNow;
}

}  // namespace wavoria
