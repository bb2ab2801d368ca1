#include <unistd.h>

#include "platform/program_folder.h"

namespace wavoria {

std::string ProgramFolder() {
  std::string path(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= path.size()) return {};
  path.resize(static_cast<std::size_t>(n));
  const std::size_t cut = path.rfind('/');
  if (cut == std::string::npos) return {};
  return path.substr(0, cut);
}

}  // namespace wavoria
