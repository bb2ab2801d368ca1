// Dialog "Funktion von 'Get Midi Pos.' ändern": what the game's "Get Midi
// Pos." reads, the music position or the next value of the output list.
#include "dialogs/command_dialogs_win.h"
#include "dialogs/command_forms.h"
#include "dialogs/dialog_common_win.h"
#include "resources/resource_ids.h"
#include "shell/win_util_win.h"

namespace wavoria {

INT_PTR CALLBACK MidiTickDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  ScriptCommand& buffer = DialogBuffer();
  return HandleDropDownDialog(
      dialog, message, wparam,
      {.List = IDC_MIDI_TICK_FUNCTION,
       .Ok = IDC_MIDI_TICK_OK,
       .Cancel = IDC_MIDI_TICK_CANCEL,
       .Items = kMidiTickItems,
       .Selected = MidiTickSelection(buffer.Command),
       .Store = [&buffer](int item) { return StoreMidiTick(item, buffer); }});
}

}  // namespace wavoria
