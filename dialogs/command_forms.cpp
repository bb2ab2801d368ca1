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

}  // namespace wavoria
