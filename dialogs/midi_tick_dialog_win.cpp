// Dialog "Funktion von 'Get Midi Pos.' ändern": what the game's "Get Midi
// Pos." reads, the music position or the next value of the output list.
#include "app/win_util_win.h"
#include "dialogs/command_dialogs_win.h"
#include "dialogs/command_forms.h"
#include "dialogs/dialog_common_win.h"
#include "resources/resource_ids.h"

namespace wavoria {

INT_PTR CALLBACK MidiTickDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  switch (message) {
    case WM_INITDIALOG:
      for (std::string_view item : kMidiTickItems) {
        SendDlgItemMessageA(dialog, IDC_MIDI_TICK_FUNCTION, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(std::string(item).c_str()));
      }
      SendDlgItemMessageA(dialog, IDC_MIDI_TICK_FUNCTION, CB_SETCURSEL,
                          MidiTickSelection(buffer.Command), 0);
      return TRUE;  // the list is the first control and gets the focus
    case WM_CLOSE:
      CancelCommandDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_MIDI_TICK_OK: {
          const auto command = MidiTickCommand(static_cast<int>(
              SendDlgItemMessageA(dialog, IDC_MIDI_TICK_FUNCTION, CB_GETCURSEL, 0, 0)));
          if (!command) {
            CancelCommandDialog(dialog);
            return TRUE;
          }
          buffer.Action = "MidiTickFunction";
          buffer.Command = *command;
          ConfirmCommandDialog(dialog);
          return TRUE;
        }
        case IDC_MIDI_TICK_CANCEL:
          CancelCommandDialog(dialog);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace wavoria
