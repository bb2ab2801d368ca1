// Whether a command's dialog would take a value that was not typed into it
// (Ersetzen writes values straight into commands): the dialog, opened on the
// command and confirmed with OK, must store that value again.
#pragma once

#include <optional>
#include <string>

#include "document/data_files.h"
#include "document/script_command.h"

namespace wavoria {

// The command as its dialog (template id `dialogId`) would store it after
// opening on `cmd` and OK, its own forms' conversions applied; nothing when
// the dialog would refuse OK (a missing file name, no item to select).
std::optional<ScriptCommand> StoredByDialog(int dialogId, const ScriptCommand& cmd);

// Why the dialog of `after` would refuse its value of parameter `key`, which
// was changed from `before`; nothing when it would take it. A dialog refuses
// what it would store otherwise (a number field that stops being a number, a
// choice it does not offer), what it cannot store at all, a key name that
// `keys` lacks, and a change that turns a command it shows into one the list
// can only show as "???". Fields that the dialog does not show pass.
std::optional<std::string> DialogRefusal(const ScriptCommand& before, const ScriptCommand& after,
                                         const ParameterKey& key, const KeyNameTable& keys);

}  // namespace wavoria
