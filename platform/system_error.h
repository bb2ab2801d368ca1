// Why a call of the operating system failed, recorded for LastFileError():
// the platform layers pass the system's own error code (GetLastError() on
// Windows, errno elsewhere).
#pragma once

namespace wavoria {

// Records the kind of failure that `code` stands for and returns false.
bool FailWithSystemError(unsigned long code);

}  // namespace wavoria
