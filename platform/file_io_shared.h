// Pieces of the file layer that both platforms share.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wavoria::detail {

inline constexpr std::string_view kTemporaryPrefix = "~";
inline constexpr std::string_view kTemporarySuffix = ".wavoria-tmp";

// How many bytes a write may still put out before the short-write seam makes
// it fail; negative when the seam is off.
long long& ShortWriteBudget();

// Bytes of a write of size n that may go out: all, or what the seam has left
// (nothing once it is used up, which the writers take for a full disk).
std::size_t AllowedWrite(std::size_t n);

// The name of the temporary file a write of path goes through: same folder,
// so that the final rename never crosses a drive or file system.
std::string TemporaryNameFor(const std::string& path);

// A path split below the folder a FolderConfinement (file_ops.h) holds.
struct BelowRoot {
  bool Below = false;                // the path names an entry below the root
  bool Plain = true;                 // no "." or ".." among its names
  std::vector<std::string> Folders;  // the folders between the root and the entry
  std::string Name;                  // the entry's own name
};

// Splits path below root, both spelled as the program spells paths: the
// separators of the system ("/" and "\" on Windows, where the letters A to
// Z also compare without case); repeated separators count once.
BelowRoot SplitBelow(std::string_view root, std::string_view path);

// Whether a and b spell the same folder, compared as SplitBelow compares.
bool SameFolderSpelling(std::string_view a, std::string_view b);

}  // namespace wavoria::detail
