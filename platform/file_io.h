// The file layer under the core: whole-file reads and atomic writes.
#pragma once

#include <string>
#include <string_view>

namespace wavoria {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Reads a whole file as bytes. Returns false when it cannot be opened or read;
// bytes is then left as it was.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Whether a file can be opened for reading. Every call here records why it
// failed in LastFileError (platform/file_error.h).
bool FileExists(const std::string& path);

// Writes bytes to path atomically: a new file in the same folder is written
// and flushed completely, then takes the place of the old one. Returns false
// when anything fails; the earlier file at path is then left untouched.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Whether name (a file name without folder) is that of the temporary file
// through which WriteFileAtomically writes ("~NAME.wavoria-tmp"), so that
// one left by an interrupted run can be found and removed.
bool IsTemporaryName(std::string_view name);

// Test seam: when set, the next writes fail after writing this many bytes, as
// on a full disk. A negative value switches the seam off.
void SimulateShortWriteAfter(long long bytes);

}  // namespace wavoria
