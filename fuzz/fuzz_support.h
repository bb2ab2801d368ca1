// What the fuzz targets share: a failed check ends the run with its reason,
// and the action names of the program's own actions.dat.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "document/data_files.h"

namespace wavoria::fuzz {

inline void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "fuzz target: %s\n", what);
    std::abort();
  }
}

// The action names of the program's own data/actions.dat.
inline const ActionTable& Actions() {
  static const ActionTable actions = [] {
    std::ifstream file(WAVORIA_DATA_DIR "/actions.dat", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    Check(!text.empty(), "no actions.dat in " WAVORIA_DATA_DIR);
    return ParseActionNames(text);
  }();
  return actions;
}

}  // namespace wavoria::fuzz

// AddressSanitizer keeps freed memory from reuse for a while to catch late
// uses. One input frees far less than 16 MB, so this still covers the work of
// many inputs, while the default of 256 MB made every input touch fresh pages
// (about 15 % of the run's time). Nor does it record where each block was
// allocated and freed (about another 15 %): a fault's report still shows
// where it happened, and replaying the input with
// ASAN_OPTIONS=malloc_context_size=30 shows the rest. Each target includes
// this header once.
extern "C" const char* __asan_default_options() {
  return "quarantine_size_mb=16:malloc_context_size=0";
}
