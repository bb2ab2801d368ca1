// Any bytes as a script file: reading must not crash, the document must stay
// within its 511 commands, and every warning must name its lines. What the
// writer and the views make of the document is fuzzed by
// script_round_trip_fuzz.cpp.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/script_reader.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wavoria;
  using fuzz::Check;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  static CommandTable table;  // 512 slots: kept between inputs, as in the editor
  const ReadWarnings warnings = ParseScript(text, fuzz::Actions(), table);
  // Every warning names a line, and every line it names belongs to a warning.
  for (int w = 0; w <= static_cast<int>(ReadWarning::kChainGaps); ++w) {
    bool named = false;
    for (const ScriptFinding& line : warnings.Lines)
      named = named || line.Warning == ReadWarning(w);
    Check(warnings.Has(ReadWarning(w)) == named,
          "a warning without its lines, or lines without their warning");
  }
  Check(table.LastPosition() >= 0 && table.LastPosition() <= kSlotCount - 1,
        "LastPosition outside 0 to 511");
  return 0;
}
