#include <windows.h>

#include "platform/file_error.h"
#include "platform/system_error.h"

namespace wavoria {

namespace {

FileError Classify(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
      return FileError::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return FileError::Denied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return FileError::InUse;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FileError::DiskFull;
    case ERROR_FILENAME_EXCED_RANGE:
      return FileError::TooLong;
    case ERROR_CANT_RESOLVE_FILENAME:  // a folder held for a run is a link
      return FileError::Link;
    case ERROR_BAD_FILE_TYPE:  // a pipe or a device
    case ERROR_PIPE_BUSY:
      return FileError::NotPlainFile;
    default:
      return FileError::Other;
  }
}

}  // namespace

bool FailWithSystemError(unsigned long code) {
  SetLastFileError(Classify(static_cast<DWORD>(code)));
  return false;
}

}  // namespace wavoria
