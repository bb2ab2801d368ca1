#include "platform/file_io_shared.h"

#include <algorithm>

#include "platform/file_io.h"

namespace wavoria {

namespace detail {

long long& ShortWriteBudget() {
  static long long budget = -1;
  return budget;
}

std::size_t AllowedWrite(std::size_t n) {
  long long& budget = ShortWriteBudget();
  if (budget < 0) return n;
  const std::size_t allowed = std::min(n, static_cast<std::size_t>(budget));
  budget -= static_cast<long long>(allowed);
  return allowed;
}

std::string TemporaryNameFor(const std::string& path) {
  std::size_t cut = path.find_last_of("/\\");
  std::size_t start = cut == std::string::npos ? 0 : cut + 1;
  return path.substr(0, start) + std::string(kTemporaryPrefix) + path.substr(start) +
         std::string(kTemporarySuffix);
}

}  // namespace detail

bool IsTemporaryName(std::string_view name) {
  return name.size() > detail::kTemporaryPrefix.size() + detail::kTemporarySuffix.size() &&
         name.starts_with(detail::kTemporaryPrefix) && name.ends_with(detail::kTemporarySuffix);
}

void SimulateShortWriteAfter(long long bytes) {
  detail::ShortWriteBudget() = bytes;
}

}  // namespace wavoria
