// Any bytes as a script file, read as the editor reads it: the list lines
// and every details text stay within their limits, since they show the
// file's texts, and what the writer makes of the document reads back to the
// same document without a dropped line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/details_text.h"
#include "document/list_lines.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "fuzz/fuzz_support.h"

namespace {

// Whether every byte after the writer's two comment lines is ASCII.
bool AsciiAfterComments(std::string_view written) {
  std::size_t at = written.find('\n');
  at = at == std::string_view::npos ? at : written.find('\n', at + 1);
  if (at == std::string_view::npos) return false;
  for (char c : written.substr(at)) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wavoria;
  using fuzz::Check;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  static CommandTable table;  // 512 slots: kept between inputs, as in the editor
  ParseScript(text, fuzz::Actions(), table);
  const std::vector<std::string> lines = BuildListLines(table);
  Check(lines.size() == static_cast<std::size_t>(table.LastPosition()) + 2,
        "not one list line per command plus the script and end lines");
  for (int p = -1; p <= table.LastPosition() + 1; ++p) {
    Check(DetailsOf(table, p, "C:\\Spiel\\Sound\\x.script.wav").Text.size() <= kDetailsTextLimit,
          "details text over its limit");
  }

  // Writing and reading again is stable: the second read writes the same bytes.
  // Built with clang, the writer's own two comment lines are UTF-8 (not
  // Windows-1252), so a written text can be valid UTF-8 and get converted on
  // reading (the GCC builds write them in Windows-1252, which is never valid
  // UTF-8). The reader drops those lines: when all after them is ASCII, the
  // conversion changes nothing it keeps, and the check still holds.
  const std::string written = ScriptText(table);
  static CommandTable again;
  const ReadWarnings written_warnings = ParseScript(written, fuzz::Actions(), again);
  if (written_warnings.ConvertedFromUtf8 && !AsciiAfterComments(written)) return 0;
  Check(again.LastPosition() <= table.LastPosition(), "the written script grew");
  Check(!written_warnings.UnknownKeysDropped && !written_warnings.CrossFileReference,
        "the written script drops lines on reading");
  Check(ScriptText(again) == written, "the written script does not read back the same");
  return 0;
}
