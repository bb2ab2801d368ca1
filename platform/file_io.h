// The file layer under the core: whole-file reads and atomic writes.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace wavoria {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Reads a whole file as bytes. Returns false when it cannot be opened or read,
// is no plain file (a pipe or device is not opened for long, nor read), or
// holds more than limit bytes (FileError::TooLarge, found before it is read);
// bytes is then left as it was.
bool ReadWholeFile(const std::string& path, std::string& bytes,
                   std::size_t limit = std::numeric_limits<std::size_t>::max());

// Whether a file can be opened for reading. Every call here records why it
// failed in LastFileError (platform/file_error.h).
bool FileExists(const std::string& path);

// Writes bytes to path atomically: a new file in the same folder is written
// and flushed completely, then takes the place of the old one. Returns false
// when anything fails; the earlier file at path is then left untouched. When
// path is a link, the file it leads to is written so, in its own folder, and
// the link stays; below a confined folder (file_ops.h) no link is followed:
// it is replaced like a file. A pipe or device at path is refused.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Whether name (a file name without folder) is that of the temporary file
// through which WriteFileAtomically writes ("~NAME.wavoria-tmp"), so that
// one left by an interrupted run can be found and removed.
bool IsTemporaryName(std::string_view name);

// Test seam: when set, the next writes fail after writing this many bytes, as
// on a full disk. A negative value switches the seam off.
void SimulateShortWriteAfter(long long bytes);

}  // namespace wavoria
