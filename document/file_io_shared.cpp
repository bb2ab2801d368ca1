#include "document/file_io_shared.h"

#include "document/file_io.h"

namespace wavoria {

namespace detail {

long long& ShortWriteBudget() {
  static long long budget = -1;
  return budget;
}

std::size_t AllowedWrite(std::size_t n, bool& failed) {
  long long& budget = ShortWriteBudget();
  failed = false;
  if (budget < 0) return n;
  if (static_cast<long long>(n) <= budget) {
    budget -= static_cast<long long>(n);
    return n;
  }
  failed = true;
  std::size_t allowed = static_cast<std::size_t>(budget);
  budget = 0;
  return allowed;
}

std::string TemporaryNameFor(const std::string& path) {
  std::size_t cut = path.find_last_of("/\\");
  std::size_t start = cut == std::string::npos ? 0 : cut + 1;
  return path.substr(0, start) + "~" + path.substr(start) + ".wavoria-tmp";
}

}  // namespace detail

void SimulateShortWriteAfter(long long bytes) {
  detail::ShortWriteBudget() = bytes;
}

}  // namespace wavoria
