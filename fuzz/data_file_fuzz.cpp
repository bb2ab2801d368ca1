// Any bytes as "keys.dat" and as "actions.dat": reading must not crash and
// the tables keep their fixed sizes and number rules.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/data_files.h"
#include "fuzz/fuzz_support.h"

namespace {

// The longest name a data file field keeps.
constexpr std::size_t kNameLimit = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wavoria;
  using fuzz::Check;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const KeyNameTable keys = ParseKeyNames(text);
  for (int code = 0; code < kKeyNameCount; ++code) {
    // A key stands under its own scan code.
    Check(keys[code].Name.empty() || keys[code].ScanCode == code, "a key under another code");
    Check(keys[code].Name.size() <= kNameLimit, "a key name over the field limit");
  }
  for (const ActionName& action : ParseActionNames(text)) {
    Check(action.Name.size() <= kNameLimit, "an action name over the field limit");
  }

  DataFieldReader reader(text);
  for (int i = 0; i < 8; ++i) {
    (void)reader.NextField(255);
    (void)reader.NextNumber();
  }
  return 0;
}
