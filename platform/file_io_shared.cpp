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

namespace {

bool IsSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

bool SameChar(char a, char b) {
#ifdef _WIN32
  auto fold = [](char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c == '/' ? '\\' : c;
  };
  return fold(a) == fold(b);
#else
  return a == b;
#endif
}

// path without its trailing separators; "/" stays as it is.
std::string_view Trimmed(std::string_view path) {
  while (path.size() > 1 && IsSeparator(path.back())) path.remove_suffix(1);
  return path;
}

}  // namespace

bool SameFolderSpelling(std::string_view a, std::string_view b) {
  a = Trimmed(a);
  b = Trimmed(b);
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameChar);
}

BelowRoot SplitBelow(std::string_view root, std::string_view path) {
  BelowRoot below;
  root = Trimmed(root);
  // Below "/" a name follows at once; below any other folder ("C:" too) a separator.
  const bool atTop = root.size() == 1 && IsSeparator(root[0]);
  if (root.empty() || path.size() <= root.size() || (!atTop && !IsSeparator(path[root.size()])) ||
      !std::equal(root.begin(), root.end(), path.begin(), SameChar)) {
    return below;
  }
  std::vector<std::string> names;
  for (std::size_t start = root.size(); start < path.size();) {
    std::size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    if (end > start) names.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  if (names.empty()) return below;
  below.Below = true;
  for (const std::string& name : names) below.Plain = below.Plain && name != "." && name != "..";
  below.Name = std::move(names.back());
  names.pop_back();
  below.Folders = std::move(names);
  return below;
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
