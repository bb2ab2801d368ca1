// What every command dialog shares: ending it as confirmed or as cancelled.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/script_command.h"

namespace wavoria {

// The edit buffer the command dialogs read and write.
ScriptCommand& DialogBuffer();

// How OK ends a command dialog.
enum class OkEnd { kConfirmed, kCancelled, kStaysOpen };

// A command dialog: its OK and Abbrechen and what it does with the edit buffer.
struct CommandDialog {
  int Ok = 0;      // "OK"
  int Cancel = 0;  // "Abbrechen"
  // Fills the controls on opening; true lets the system focus the first control.
  std::function<bool()> Show;
  std::function<OkEnd()> Store;  // stores the controls' values on OK
  // Any other command of the dialog; true when it handled it.
  std::function<bool(int id)> Other = [](int) { return false; };
  bool CancelMarksBuffer = true;  // false: Abbrechen only closes it
};

// The messages of a command dialog: opening shows, OK stores and ends it as
// Store says, Abbrechen and the close box cancel it. Returns TRUE for a
// message it handled.
INT_PTR HandleCommandDialog(HWND dialog, UINT message, WPARAM wparam, const CommandDialog& form);

// The check that OK of the key event and cheat dialogs runs on the command as
// the dialog would store it: whether to keep it. Whoever opens one of them
// hands it over as DialogBoxParam's init parameter, which the dialog keeps
// with KeepRegistrationCheck; without one, every command is kept.
using RegistrationCheck = bool (*)(HWND dialog, const ScriptCommand& command);
void KeepRegistrationCheck(HWND dialog, UINT message, LPARAM lparam);

// OK of the key event and cheat dialogs: store fills a copy of the edit
// buffer from the controls, and the dialog's RegistrationCheck decides: kept,
// the copy becomes the edit buffer and the dialog ends; refused, the dialog
// stays open as the user left it and the edit buffer as it was.
OkEnd StoreRegistration(HWND dialog, const std::function<void(ScriptCommand&)>& store);

// A command dialog made of one drop-down list, OK and Abbrechen.
struct DropDownDialog {
  int List = 0;                             // the drop-down list
  int Ok = 0;                               // "OK"
  int Cancel = 0;                           // "Abbrechen"
  std::span<const std::string_view> Items;  // the list's items, in order
  int Selected = -1;                        // the item preselected, -1: none
  std::function<bool(int item)> Store;  // stores an item (-1: none) in the edit buffer, or refuses
};

// The messages of such a dialog: opening fills the list and preselects;
// OK stores the selected item and ends it as confirmed, or ends it as
// cancelled when Store refuses (nothing selected).
INT_PTR HandleDropDownDialog(HWND dialog, UINT message, WPARAM wparam, const DropDownDialog& form);

// The OK of a launch dialog, after its form was stored or refused: confirmed
// when `stored`, otherwise it shows `refusal` in a warning titled "Programm
// ausführen" and the dialog stays open.
OkEnd ConfirmLaunchDialog(HWND dialog, bool stored, std::string_view refusal);

}  // namespace wavoria
