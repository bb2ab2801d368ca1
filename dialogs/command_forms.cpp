#include "dialogs/command_forms.h"

#include <cstdint>

#include "document/text.h"

namespace wavoria {

SignedNumberForm ShowSignedNumber(std::string_view field) {
  const std::int64_t n = IntegerOf(field);
  if (n < 0) return {DecimalText(-n), true};
  return {DecimalText(n), false};
}

std::string StoreSignedNumber(std::string_view digits, bool negative) {
  return DecimalText(SignedNumberOf(digits, negative));
}

int MidiTickSelection(std::string_view command) {
  return EqualsIgnoreCase(command, "OUTPUT") ? 1 : 0;
}

std::optional<std::string> MidiTickCommand(int item) {
  if (item < 0 || item >= static_cast<int>(kMidiTickItems.size())) return std::nullopt;
  return item == 0 ? "Original" : "Output";
}

int DebugLevelSelection(std::string_view level) {
  const std::int32_t n = IntegerOf(level);
  return n >= 0 && n <= 3 ? n : -1;
}

std::optional<std::string> DebugLevelValue(int item) {
  if (item < 0 || item >= static_cast<int>(kDebugLevelItems.size())) return std::nullopt;
  return DecimalText(item);
}

void StoreLog(std::string_view text, ScriptCommand& cmd) {
  cmd.Action = "WriteToLog";
  cmd.Text = FromBox(text, cmd.Text);
}

void StoreOutput(std::string_view digits, bool negative, ScriptCommand& cmd) {
  cmd.Action = "AddOutput";
  cmd.Value = StoreSignedNumber(digits, negative);
}

bool StoreMidiTick(int item, ScriptCommand& cmd) {
  const std::optional<std::string> command = MidiTickCommand(item);
  if (!command) return false;
  cmd.Action = "MidiTickFunction";
  cmd.Command = *command;
  return true;
}

bool StoreDebugLevel(int item, ScriptCommand& cmd) {
  const std::optional<std::string> level = DebugLevelValue(item);
  if (!level) return false;
  cmd.Action = "SetDebugLevel";
  cmd.Level = *level;
  return true;
}

void StoreMci(std::string_view command, ScriptCommand& cmd) {
  cmd.Action = "MCICommand";
  cmd.Command = FromBox(command, cmd.Command);
}

}  // namespace wavoria
