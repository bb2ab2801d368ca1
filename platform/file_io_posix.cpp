#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/file_error.h"
#include "platform/file_io.h"
#include "platform/file_io_shared.h"
#include "platform/system_error.h"

namespace wavoria {

namespace {

// Opens path for reading without waiting: a named pipe would block the open
// until another program writes to it, and is refused once it is open.
int OpenForReading(const std::string& path) {
  return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

// Creates the temporary file new and exclusively, never through an entry that
// is there: a plain file of that name is the leftover of an interrupted write
// and goes first; anything else (a link, a pipe) makes the write fail.
int CreateTemporary(const std::string& temp, mode_t mode) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
    struct stat st {};
    if (lstat(temp.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || unlink(temp.c_str()) != 0) {
      errno = EEXIST;
      return -1;
    }
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  int fd = OpenForReading(path);
  if (fd < 0) return FailWithSystemError(errno);
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return FailWithSystemError(EACCES);
  }
  std::string data;
  char buffer[65536];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      close(fd);
      return FailWithSystemError(error);
    }
    if (n == 0) break;
    data.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  bytes = std::move(data);
  SetLastFileError(FileError::None);
  return true;
}

bool FileExists(const std::string& path) {
  int fd = OpenForReading(path);
  if (fd < 0) return FailWithSystemError(errno);
  struct stat st {};
  bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  close(fd);
  SetLastFileError(regular ? FileError::None : FileError::Denied);
  return regular;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  // An existing file that may not be written stays as it is, as on Windows;
  // so does anything that is not a plain file. The check is made with the
  // rights the process writes with (its effective ids), not the ones it was
  // started with.
  // Without any write permission bit the file counts as read-only even for
  // root, as the read-only attribute does on Windows.
  struct stat st {};
  const bool exists = stat(path.c_str(), &st) == 0;
  if (exists && (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 ||
                 faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)) {
    return FailWithSystemError(EACCES);
  }

  const std::string temp = detail::TemporaryNameFor(path);
  int fd = CreateTemporary(temp, exists ? (st.st_mode & 07777) : 0666);
  if (fd < 0) return FailWithSystemError(errno);
  bool ok = true;
  int error = 0;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const std::size_t allowed = detail::AllowedWrite(bytes.size() - done);
    ssize_t n = allowed == 0 ? 0 : write(fd, bytes.data() + done, allowed);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      // A write that puts out nothing more, like the test seam, means a full disk.
      error = n < 0 ? errno : ENOSPC;
    }
    if (n > 0) done += static_cast<std::size_t>(n);
  }
  if (ok && fsync(fd) != 0) ok = false, error = errno;
  if (close(fd) != 0 && ok) ok = false, error = errno;
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) ok = false, error = errno;
  if (!ok) {
    unlink(temp.c_str());
    return FailWithSystemError(error);
  }
  SetLastFileError(FileError::None);
  return true;
}

}  // namespace wavoria
