// Any bytes as a script file: reading must not crash, the document must stay
// within its 511 commands, every warning must name its lines, and what the
// writer makes of it must read back to the same document without a dropped
// line. The list lines and every details text are built too,
// since they show the file's texts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dialogs/details_text.h"
#include "document/data_files.h"
#include "document/list_lines.h"
#include "document/script_reader.h"
#include "document/script_writer.h"

namespace {

const wavoria::ActionTable& Actions() {
  static const wavoria::ActionTable actions = wavoria::ParseActionNames(
      "WriteToLog,1\nExecProgram,2\nMCICommand,3\nMidiTickFunction,4\nAddOutput,5\n"
      "EnableKeySupport,6\nRegisterKeyDownEvent,7\nRegisterKeyUpEvent,8\n"
      "RegisterCheatEvent,9\nEnableMouseSupport,10\nGetMousePosition,11\nSetDebugLevel,12\n");
  return actions;
}

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "script_reader_fuzz: %s\n", what);
    std::abort();
  }
}

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

// AddressSanitizer keeps freed memory from reuse for a while to catch late
// uses. One input frees far less than 16 MB, so this still covers the work of
// many inputs, while the default of 256 MB made every input touch fresh pages
// (about 15 % of the run's time). Nor does it record where each block was
// allocated and freed (about another 15 %): a fault's report still shows
// where it happened, and replaying the input with
// ASAN_OPTIONS=malloc_context_size=30 shows the rest.
extern "C" const char* __asan_default_options() {
  return "quarantine_size_mb=16:malloc_context_size=0";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wavoria;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  static CommandTable table;  // 512 slots: kept between inputs, as in the editor
  const ReadWarnings warnings = ParseScript(text, Actions(), table);
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
  const ReadWarnings written_warnings = ParseScript(written, Actions(), again);
  if (written_warnings.ConvertedFromUtf8 && !AsciiAfterComments(written)) return 0;
  Check(again.LastPosition() <= table.LastPosition(), "the written script grew");
  Check(!written_warnings.UnknownKeysDropped && !written_warnings.CrossFileReference,
        "the written script drops lines on reading");
  Check(ScriptText(again) == written, "the written script does not read back the same");
  return 0;
}
