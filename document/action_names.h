// The action names a script may use, as loaded from "actions.dat". The
// reader only needs the table; loading it is the business of app/.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace wavoria {

inline constexpr int kActionCount = 32;  // records read from actions.dat

struct ActionName {
  std::string Name;
  std::int32_t Number = 0;  // kept as read; nothing uses it
};

using ActionTable = std::array<ActionName, kActionCount>;

}  // namespace wavoria
