// Pieces of the file layer that both platforms share.
#pragma once

#include <string>
#include <string_view>

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

}  // namespace wavoria::detail
