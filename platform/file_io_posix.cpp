#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "document/file_io.h"
#include "document/file_io_shared.h"

namespace wavoria {

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return false;
  }
  std::string data;
  char buffer[65536];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      close(fd);
      return false;
    }
    if (n == 0) break;
    data.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  bytes = std::move(data);
  return true;
}

bool FileExists(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  close(fd);
  return regular;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  // An existing file that may not be written stays as it is, as on Windows;
  // so does anything that is not a plain file. The check is made with the
  // rights the process writes with (its effective ids), not the ones it was
  // started with.
  struct stat st {};
  const bool exists = stat(path.c_str(), &st) == 0;
  if (exists &&
      (!S_ISREG(st.st_mode) || faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)) {
    return false;
  }

  const std::string temp = detail::TemporaryNameFor(path);
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                exists ? (st.st_mode & 07777) : 0666);
  if (fd < 0) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    bool cut = false;
    std::size_t allowed = detail::AllowedWrite(bytes.size() - done, cut);
    ssize_t n = allowed == 0 ? 0 : write(fd, bytes.data() + done, allowed);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || cut) ok = false;
    if (n > 0) done += static_cast<std::size_t>(n);
  }
  if (ok && fsync(fd) != 0) ok = false;
  if (close(fd) != 0) ok = false;
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) ok = false;
  if (!ok) unlink(temp.c_str());
  return ok;
}

}  // namespace wavoria
