#include "dialogs/dialog_refusal.h"

#include <algorithm>

#include "dialogs/command_forms.h"
#include "dialogs/input_forms.h"
#include "dialogs/launch_forms.h"
#include "document/command_kinds.h"
#include "document/text.h"
#include "resources/resource_ids.h"

namespace wavoria {

std::optional<ScriptCommand> StoredByDialog(int dialogId, const ScriptCommand& cmd) {
  ScriptCommand stored = cmd;
  bool taken = true;
  // The log's and the MCI dialog's boxes store back the text they were
  // opened on, so those two keep the command as it is.
  switch (dialogId) {
    case IDD_OUTPUT: {
      const SignedNumberForm value = ShowSignedNumber(cmd.Value);
      StoreOutput(value.Digits, value.Negative, stored);
      break;
    }
    case IDD_MIDI_TICK:
      taken = StoreMidiTick(MidiTickSelection(cmd.Command), stored);
      break;
    case IDD_DEBUG_LEVEL:
      taken = StoreDebugLevel(DebugLevelSelection(cmd.Level), stored);
      break;
    case IDD_MOUSE_SUPPORT:
      StoreMouseSupport(ShowMouseSupport(cmd), stored);
      break;
    case IDD_KEY_EVENT:
      StoreKeyEvent(ShowKeyEvent(cmd), stored);
      break;
    case IDD_CHEAT:
      StoreCheat(ShowCheat(cmd), stored);
      break;
    case IDD_PROGRAM:
      taken = StoreProgramLaunch(ShowProgramLaunch(cmd), stored);
      break;
    case IDD_DOCUMENT:
      taken = StoreDocumentLaunch(ShowDocumentLaunch(cmd), stored);
      break;
  }
  if (!taken) return std::nullopt;
  return stored;
}

std::optional<std::string> DialogRefusal(const ScriptCommand& before, const ScriptCommand& after,
                                         const ParameterKey& key, const KeyNameTable& keys) {
  const std::string& value = after.*key.field;
  const std::string line = std::string(key.name) + "=" + value;
  const CommandKind& kind = KindOf(after);
  if (kind.IsUnknownForm()) {
    if (KindOf(before).IsUnknownForm()) return std::nullopt;
    return line + " machte daraus ein unbekanntes Kommando (\"???\")";
  }
  if (kind.DialogType == -1) return std::nullopt;
  const std::optional<ScriptCommand> stored = StoredByDialog(kind.DialogType * 100, after);
  if (!stored) return line + " nähme der Dialog nicht an";
  if (!EqualsIgnoreCase((*stored).*key.field, value)) {
    return line + " speicherte der Dialog als " + Quoted((*stored).*key.field);
  }
  if (kind.DialogType * 100 != IDD_KEY_EVENT || key.field != &ScriptCommand::Key) {
    return std::nullopt;
  }
  const bool keyNamed = std::any_of(keys.begin(), keys.end(), [&](const KeyName& known) {
    return !known.Name.empty() && EqualsIgnoreCase(known.Name, value);
  });
  if (!keyNamed) return line + " ist keine Taste aus keys.dat";
  return std::nullopt;
}

}  // namespace wavoria
