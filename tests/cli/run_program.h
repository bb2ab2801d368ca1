// Runs a program to its end and keeps what it wrote, for the tests of
// wavoria-cli. Standard input is empty; standard output and standard error go
// into files of their own, so a program that writes much never blocks.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace wavoria::testing {

struct ProgramRun {
  int Status = -1;  // exit status; -1 when the program could not be started or was killed
  std::string Out;  // standard output (on Windows with "\r\n" read back as "\n")
  std::string Err;  // standard error, likewise

  bool operator==(const ProgramRun&) const = default;
};

// Shows a run in test failures: status, then both outputs.
inline void PrintTo(const ProgramRun& run, std::ostream* os) {
  *os << "{Status " << run.Status << ", Out \"" << run.Out << "\", Err \"" << run.Err << "\"}";
}

enum class ConsoleKind {
  None,  // the program runs without a console (Windows); as usual on Linux
  New,   // Windows: the program gets a console of its own (without a window); its output
         // still goes to files
};

// Runs program with args in folder (empty: the current folder) and waits at
// most timeoutSeconds for it.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& folder, ConsoleKind console = ConsoleKind::None,
                      int timeoutSeconds = 60);

// A path from the build (a Unix path when the tests run under Wine) as this
// platform's programs take it.
std::string NativePath(const std::string& buildPath);

}  // namespace wavoria::testing
