#include "app/clash_warning_win.h"

#include <string>

#include "shell/app_state_win.h"
#include "shell/win_util_win.h"
#include "wizard/game_clashes.h"

namespace wavoria {

bool MayKeepRegistration(HWND dialog, const ScriptCommand& command) {
  const std::string& script = App().DocumentPath;
  const std::string game = GameFolderOfScript(script);
  if (game.empty()) return true;
  HCURSOR before = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  const GameModel model = ReadGame(game, App().Tables.Actions);
  const std::vector<GameClash> clashes = ClashesOfCommand(model, script, command);
  SetCursor(before);
  if (clashes.empty()) return true;
  // Nein is the default: a second Eingabe goes back to the dialog.
  return MessageBoxA(dialog, ClashQuestion(model, clashes).c_str(), kProgramTitle,
                     MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

}  // namespace wavoria
