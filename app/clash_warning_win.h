// The warning on OK of the key event and cheat dialogs: when the open script
// lies in a game's "Sound" folder and the command clashes with another script
// of that game, a question names the other places and asks whether to keep
// it ("Trotzdem übernehmen?").
#pragma once

#include <windows.h>

#include "document/script_command.h"

namespace wavoria {

// True to keep command: the open script lies in no game, nothing clashes, or
// the user answers Ja. The question is owned by dialog. The check the key
// event and cheat dialogs get when they open (command_dialog_table_win.h).
bool MayKeepRegistration(HWND dialog, const ScriptCommand& command);

}  // namespace wavoria
