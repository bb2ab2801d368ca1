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
#include "document/file_io.h"
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

// A fresh, empty folder for one test, removed again when the object dies. A
// number of its own keeps test programs that run at once apart.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name) {
    path_ = std::filesystem::temp_directory_path() /
            ("wavoria-test-" + name + "-" + std::to_string(std::random_device{}()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace wavoria::testing
