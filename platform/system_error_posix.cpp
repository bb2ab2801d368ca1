#include <cerrno>

#include "platform/file_error.h"
#include "platform/system_error.h"

namespace wavoria {

namespace {

FileError Classify(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileError::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return FileError::Denied;
    case ETXTBSY:
    case EBUSY:
      return FileError::InUse;
    case ENOSPC:
    case EDQUOT:
      return FileError::DiskFull;
    case ENAMETOOLONG:
      return FileError::TooLong;
    case ELOOP:  // a link met where O_NOFOLLOW forbids one
      return FileError::Link;
    case ENXIO:  // a pipe without a reader, a device that is not there
    case ENODEV:
      return FileError::NotPlainFile;
    default:
      return FileError::Other;
  }
}

}  // namespace

bool FailWithSystemError(unsigned long code) {
  SetLastFileError(Classify(static_cast<int>(code)));
  return false;
}

}  // namespace wavoria
