#include <windows.h>

#include "platform/program_folder.h"

namespace wavoria {

std::string ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);  // cut off: try again with more room
  }
  const std::size_t cut = path.find_last_of("\\/");
  if (cut == std::string::npos) return {};
  return path.substr(0, cut);
}

}  // namespace wavoria
