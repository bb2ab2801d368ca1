#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>

#include "platform/confinement_posix.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "platform/file_io_shared.h"
#include "platform/system_error.h"

namespace wavoria {

namespace {

using detail::At;

// Opens path for reading without waiting: a named pipe would block the open
// until another program writes to it, and is refused once it is open. Below
// a confined folder a link is not followed.
int OpenForReading(const std::string& path) {
  const At at = detail::Where(path);
  if (at.Error != 0) {
    errno = at.Error;
    return -1;
  }
  return openat(at.Folder, at.Name.c_str(),
                O_RDONLY | O_NONBLOCK | O_CLOEXEC | (at.Confined ? O_NOFOLLOW : 0));
}

// The error of an open descriptor that is no plain file, 0 for one.
int NotPlainError(int fd, struct stat& st) {
  if (fstat(fd, &st) != 0) return errno;
  if (S_ISDIR(st.st_mode)) return EISDIR;
  return S_ISREG(st.st_mode) ? 0 : ENXIO;
}

// Creates the temporary file new and exclusively, never through an entry that
// is there: a plain file of that name is the leftover of an interrupted write
// and goes first; anything else (a link, a pipe) makes the write fail.
int CreateTemporary(const At& temp, mode_t mode) {
  const char* name = temp.Name.c_str();
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int fd =
        openat(temp.Folder, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
    struct stat st {};
    if (fstatat(temp.Folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        unlinkat(temp.Folder, name, 0) != 0) {
      errno = EEXIST;
      return -1;
    }
  }
  errno = EEXIST;
  return -1;
}

// The file a link at path leads to, over every link on the way (a relative
// one counts from its own folder); path itself when it is no link.
std::string LinkTarget(std::string path) {
  for (int hop = 0; hop < 40; ++hop) {
    char target[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
    if (n <= 0) return path;
    const std::string next(target, static_cast<std::size_t>(n));
    const std::size_t cut = path.rfind('/');
    path =
        next.starts_with('/') || cut == std::string::npos ? next : path.substr(0, cut + 1) + next;
  }
  return path;
}

// Writes bytes to the open descriptor completely; false with errno set.
bool WriteAll(int fd, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const std::size_t allowed = detail::AllowedWrite(bytes.size() - done);
    const ssize_t n = allowed == 0 ? 0 : write(fd, bytes.data() + done, allowed);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      // A write that puts out nothing more, like the test seam, means a full disk.
      if (n == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit) {
  const int fd = OpenForReading(path);
  if (fd < 0) return FailWithSystemError(errno);
  struct stat st {};
  int error = NotPlainError(fd, st);
  bool tooLarge = error == 0 && static_cast<std::uintmax_t>(st.st_size) > limit;
  std::string data;
  char buffer[65536];
  while (error == 0 && !tooLarge) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    data.append(buffer, static_cast<std::size_t>(n));
    tooLarge = data.size() > limit;  // it grew while being read
  }
  close(fd);
  if (error != 0) return FailWithSystemError(error);
  if (tooLarge) {
    SetLastFileError(FileError::TooLarge);
    return false;
  }
  bytes = std::move(data);
  SetLastFileError(FileError::None);
  return true;
}

bool FileExists(const std::string& path) {
  const int fd = OpenForReading(path);
  if (fd < 0) return FailWithSystemError(errno);
  struct stat st {};
  const int error = NotPlainError(fd, st);
  close(fd);
  if (error != 0) return FailWithSystemError(error);
  SetLastFileError(FileError::None);
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  At at = detail::Where(path);
  if (at.Error != 0) return FailWithSystemError(at.Error);
  if (!at.Confined) at.Name = LinkTarget(path);
  // An existing file that may not be written stays as it is, as on Windows;
  // so does anything that is not a plain file. The check is made with the
  // rights the process writes with (its effective ids), not the ones it was
  // started with. Without any write permission bit the file counts as
  // read-only even for root, as the read-only attribute does on Windows.
  struct stat st {};
  const bool exists = fstatat(at.Folder, at.Name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
  if (exists && !S_ISLNK(st.st_mode)) {
    if (S_ISDIR(st.st_mode)) return FailWithSystemError(EISDIR);
    if (!S_ISREG(st.st_mode)) return FailWithSystemError(ENXIO);
    if ((st.st_mode & 0222) == 0 || faccessat(at.Folder, at.Name.c_str(), W_OK, AT_EACCESS) != 0) {
      return FailWithSystemError(EACCES);
    }
  }
  const bool keepMode = exists && S_ISREG(st.st_mode);
  At temp = at;
  temp.Name = detail::TemporaryNameFor(at.Name);
  const int fd = CreateTemporary(temp, keepMode ? (st.st_mode & 07777) : 0666);
  if (fd < 0) return FailWithSystemError(errno);
  int error = WriteAll(fd, bytes) && fsync(fd) == 0 ? 0 : errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && renameat(temp.Folder, temp.Name.c_str(), at.Folder, at.Name.c_str()) != 0) {
    error = errno;
  }
  if (error != 0) {
    unlinkat(temp.Folder, temp.Name.c_str(), 0);
    return FailWithSystemError(error);
  }
  SetLastFileError(FileError::None);
  return true;
}

}  // namespace wavoria
