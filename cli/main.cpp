// wavoria-cli: checks, shows and installs from the command line; see cli/cli.h.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "platform/cli_platform.h"

#ifdef _WIN32
// The Windows command processor hands wildcards over as they are; the C
// runtime expands them, so that "check Sound\*.script.wav" works as in a
// Linux shell.
extern "C" {
int _dowildcard = -1;
}
#endif

namespace {

void Write(std::FILE* stream, std::string_view text) {
  const std::string bytes = wavoria::cli::ConsoleText(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = wavoria::cli::ProgramArguments(argc, argv);
  const wavoria::cli::CliOutput output{
      [](std::string_view text) { Write(stdout, text); },
      [](std::string_view text) { Write(stderr, text); },
  };
  return wavoria::cli::RunCli(args, output);
}
