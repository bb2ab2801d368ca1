// Helpers shared by the core tests.
#pragma once

#include <filesystem>
#include <string>

#include "app/data_files.h"
#include "document/command_table.h"

namespace wavoria::testing {

// The actions the editor creates, as the shipped actions.dat lists them.
inline ActionTable EditorActions() {
  return ParseActionNames(
      "WriteToLog,1\nExecProgram,2\nMCICommand,3\nMidiTickFunction,4\nAddOutput,5\n"
      "EnableKeySupport,6\nRegisterKeyDownEvent,7\nRegisterKeyUpEvent,8\n"
      "RegisterCheatEvent,9\nEnableMouseSupport,10\nGetMousePosition,11\nSetDebugLevel,12\n");
}

// The section names of the commands in display order, joined with blanks.
inline std::string ChainNames(const CommandTable& table) {
  std::string out;
  for (int p = 1; p <= table.LastPosition(); ++p) {
    if (!out.empty()) out += ' ';
    out += table.CommandAt(p)->SectionName;
  }
  return out;
}

// A fresh, empty folder for one test, removed again when the object dies.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name) {
    path_ = std::filesystem::temp_directory_path() / ("wavoria-test-" + name);
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
