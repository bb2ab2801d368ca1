// Where the commands of wavoria-cli write: standard output for results,
// standard error for problems. Texts are the program's (Windows-1252) and
// end their lines with "\n"; the program's entry converts them for the
// console.
#pragma once

#include <functional>
#include <string_view>

namespace wavoria::cli {

struct CliOutput {
  std::function<void(std::string_view)> Out;
  std::function<void(std::string_view)> Err;
};

// Exit statuses of the program.
inline constexpr int kExitOk = 0;     // done, nothing found
inline constexpr int kExitFound = 1;  // something found, or a command failed
inline constexpr int kExitUsage = 2;  // wrong usage, or the program cannot run

}  // namespace wavoria::cli
