// Helpers shared by the core tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "document/command_table.h"
#include "platform/file_io.h"
#include "platform/utf8_text.h"
#include "tests/printers.h"
#include "tests/worked_example.h"

namespace wavoria::testing {

// The section names of the commands in display order, joined with blanks.
inline std::string ChainNames(const CommandTable& table) {
  std::string out;
  for (int p = 1; p <= table.LastPosition(); ++p) {
    if (!out.empty()) out += ' ';
    out += table.CommandAt(p)->SectionName;
  }
  return out;
}

// A file's bytes; "<missing>" when it cannot be read.
inline std::string FileBytes(const std::string& path) {
  std::string bytes = "<missing>";
  ReadWholeFile(path, bytes);
  return bytes;
}

#ifdef WAVORIA_DATA_DIR
// The shipped data folder, through Wine's Z: drive when built on Linux.
inline std::string DataFolder() {
#ifdef _WIN32
  return std::string("Z:") + WAVORIA_DATA_DIR;
#else
  return WAVORIA_DATA_DIR;
#endif
}
#endif

// Runs f as an ordinary user when the tests run as root, for whom file and
// folder permissions would not count. Returns false when that is not possible.
template <typename F>
bool WithoutRootRights(F&& f) {
#ifdef _WIN32
  f();
  return true;
#else
  const uid_t before = geteuid();
  if (before == 0 && seteuid(65534) != 0) return false;
  f();
  return before != 0 || seteuid(0) == 0;
#endif
}

// A fresh, empty folder for one test, removed with everything in it when the
// object dies, read-only files too. A number of its own keeps test programs
// that run at once apart. On Windows its path is in Windows-1252, the code page
// in which the program hands paths to the ...A functions.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name) {
    const std::string leaf = "wavoria-test " + name + " " + std::to_string(std::random_device{}());
#ifdef _WIN32
    std::wstring wide;
    for (unsigned char c : leaf) wide += wchar_t(CodePointOf1252(c));
    native_ = std::filesystem::temp_directory_path() / wide;
    for (wchar_t c : native_.native()) Windows1252ByteOf(c, (path_ += '?').back());
#else
    native_ = std::filesystem::temp_directory_path() / leaf;
    path_ = native_.string();
#endif
    std::filesystem::create_directories(native_);
  }
  ~TempFolder() {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Windows removes no folder that is the current one: a test may have left it so.
    if (fs::equivalent(fs::current_path(ec), native_, ec))
      fs::current_path(native_.parent_path(), ec);
    fs::permissions(native_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (const auto& e : fs::recursive_directory_iterator(native_, ec))
      fs::permissions(e, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(native_, ec);
  }
  std::string File(const std::string& name) const {
    return path_ + kPathSeparator + name;
  }
  std::string Path() const {
    return path_;
  }

 private:
  std::filesystem::path native_;
  std::string path_;
};

}  // namespace wavoria::testing
