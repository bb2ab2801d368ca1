// A second Windows process that swaps folders of a game for links to another
// place while installations and undos run, as an attacker would: it renames
// each folder away, has Linux make a link in its place (Wine's own
// CreateSymbolicLink makes none), takes the link away and renames the folder
// back. A folder that a run holds cannot be renamed.
//
//   folder_swapper GAME GAME_AS_LINUX_PATH TARGET_AS_LINUX_PATH STOP_FILE
//
// It stops when STOP_FILE exists, and writes into it "swapped N held M": how
// often a folder was swapped, how often a run held it.
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/cli/linux_under_wine_win.h"

namespace {

bool Exists(const std::string& path) {
  WIN32_FIND_DATAA found{};
  const HANDLE h = FindFirstFileA(path.c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return false;
  FindClose(h);
  return true;
}

// Runs a program of /usr/bin and waits until the path is there (or gone).
void RunLinux(const std::string& program, const std::vector<std::string>& args,
              const std::string& path, bool there) {
  wavoria::cli::RunLinux(
      program, args, [&] { return Exists(path) == there; }, 1000);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  const std::string game = argv[1], linuxGame = argv[2], target = argv[3], stop = argv[4];
  long swapped = 0, held = 0;
  while (!Exists(stop)) {
    for (const char* name : {"Sound", "Wavoria-Sicherung"}) {
      const std::string folder = game + "\\" + name, away = folder + ".weg";
      if (!MoveFileExA(folder.c_str(), away.c_str(), 0)) {
        held += GetLastError() == ERROR_SHARING_VIOLATION;
        continue;
      }
      ++swapped;
      const std::string link = linuxGame + "/" + name;
      RunLinux("ln", {"-sT", target, link}, folder, true);
      Sleep(1);
      RunLinux("rm", {"-f", link}, folder, false);
      MoveFileExA(away.c_str(), folder.c_str(), 0);
    }
    Sleep(20);  // the folders stay in place a moment
  }
  std::ofstream(stop) << "swapped " << swapped << " held " << held;
  return 0;
}
