// Pieces of the file layer that both platforms share.
#pragma once

#include <string>

namespace wavoria::detail {

// How many bytes a write may still put out before the short-write seam makes
// it fail; negative when the seam is off.
long long& ShortWriteBudget();

// Bytes of a write of size n that may go out; sets failed when the seam cuts it.
std::size_t AllowedWrite(std::size_t n, bool& failed);

// The name of the temporary file a write of path goes through: same folder,
// so that the final rename never crosses a drive or file system.
std::string TemporaryNameFor(const std::string& path);

}  // namespace wavoria::detail
