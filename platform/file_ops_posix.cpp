#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "platform/confinement_posix.h"
#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "platform/system_error.h"
#include "platform/utf8_text.h"

namespace wavoria {

namespace {

using detail::At;
using detail::Where;

// path without its trailing separators ("/" stays as it is).
std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool Succeed() {
  SetLastFileError(FileError::None);
  return true;
}

// The entry at path looked at without following it; false with errno set.
bool LookAt(const At& at, struct stat& st) {
  if (at.Error != 0) {
    errno = at.Error;
    return false;
  }
  return fstatat(at.Folder, at.Name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

// A descriptor for reading folder: the held one in a confinement (which
// stays open), else one opened for the caller to close.
DIR* OpenFolder(const std::string& folder) {
  int error = 0;
  const int held = detail::HeldFolder(WithoutTrailingSeparators(folder), error);
  if (error != 0) return nullptr;
  DIR* dir = nullptr;
  if (held >= 0) {
    const int copy = dup(held);
    dir = copy < 0 ? nullptr : fdopendir(copy);
    if (dir == nullptr && copy >= 0) close(copy);
    if (dir != nullptr) rewinddir(dir);
  } else {
    dir = opendir(WithoutTrailingSeparators(folder).c_str());
  }
  return dir;
}

// The names of the entries of folder whose kind passes keep, sorted. In a
// confinement an entry is what it is, links not followed.
template <typename Keep>
std::vector<std::string> EntriesIn(const std::string& folder, Keep keep) {
  std::vector<std::string> names;
  DIR* dir = OpenFolder(folder);
  if (dir == nullptr) return names;
  const bool confined = detail::Where(WithoutTrailingSeparators(folder) + "/x").Confined;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (fstatat(dirfd(dir), name.c_str(), &st, confined ? AT_SYMLINK_NOFOLLOW : 0) == 0 &&
        keep(st.st_mode)) {
      names.push_back(name);
    }
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

bool CreateFolder(const std::string& folder) {
  const At at = Where(WithoutTrailingSeparators(folder));
  if (at.Error != 0) return FailWithSystemError(at.Error);
  if (mkdirat(at.Folder, at.Name.c_str(), 0777) == 0) return Succeed();
  const int error = errno;
  struct stat st {};
  if (error == EEXIST && LookAt(at, st) && S_ISDIR(st.st_mode)) return Succeed();
  return FailWithSystemError(error);
}

bool FileWritable(const std::string& path) {
  // Without any write permission bit a file counts as read-only even for
  // root, as the read-only attribute does on Windows. Outside a confinement
  // a link counts as what it leads to.
  const At at = Where(path);
  struct stat st {};
  if (at.Confined ? !LookAt(at, st) : stat(path.c_str(), &st) != 0) {
    return FailWithSystemError(errno);
  }
  if (S_ISLNK(st.st_mode)) return FailWithSystemError(ELOOP);
  if (!S_ISREG(st.st_mode)) return FailWithSystemError(S_ISDIR(st.st_mode) ? EISDIR : ENXIO);
  if ((st.st_mode & 0222) == 0) return FailWithSystemError(EACCES);
  if (faccessat(at.Folder, at.Name.c_str(), W_OK, AT_EACCESS) != 0) {
    return FailWithSystemError(errno);
  }
  return Succeed();
}

bool RemoveFile(const std::string& path) {
  const At at = Where(path);
  if (at.Error != 0) return FailWithSystemError(at.Error);
  return unlinkat(at.Folder, at.Name.c_str(), 0) == 0 ? Succeed() : FailWithSystemError(errno);
}

bool RemoveEmptyFolder(const std::string& folder) {
  const std::string path = WithoutTrailingSeparators(folder);
  const At at = Where(path);
  if (at.Error != 0) return FailWithSystemError(at.Error);
  detail::ForgetFolder(path);
  return unlinkat(at.Folder, at.Name.c_str(), AT_REMOVEDIR) == 0 ? Succeed()
                                                                 : FailWithSystemError(errno);
}

bool FolderExists(const std::string& folder) {
  const At at = Where(WithoutTrailingSeparators(folder));
  struct stat st {};
  if (at.Confined) return LookAt(at, st) && S_ISDIR(st.st_mode);
  return stat(at.Name.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool SameFolder(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  if (stat(WithoutTrailingSeparators(a).c_str(), &sa) == 0 &&
      stat(WithoutTrailingSeparators(b).c_str(), &sb) == 0) {
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  }
  return WithoutTrailingSeparators(a) == WithoutTrailingSeparators(b);
}

std::vector<std::string> FilesIn(const std::string& folder) {
  return EntriesIn(folder, [](mode_t mode) { return S_ISREG(mode); });
}

std::vector<std::string> FoldersIn(const std::string& folder) {
  return EntriesIn(folder, [](mode_t mode) { return S_ISDIR(mode); });
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = OpenFolder(folder);
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

EntryKind KindOfEntry(const std::string& path) {
  struct stat st {};
  if (!LookAt(Where(WithoutTrailingSeparators(path)), st)) {
    const int error = errno;
    FailWithSystemError(error);
    // Nothing can be below a file either.
    return error == ENOENT || error == ENOTDIR ? EntryKind::Missing
           : error == ELOOP                    ? EntryKind::Link
                                               : EntryKind::Unknown;
  }
  SetLastFileError(FileError::None);
  if (S_ISLNK(st.st_mode)) return EntryKind::Link;
  if (S_ISREG(st.st_mode)) return EntryKind::File;
  if (S_ISDIR(st.st_mode)) return EntryKind::Folder;
  return EntryKind::Other;
}

std::size_t MaxPathLength() {
  return PATH_MAX - 1;
}

bool PathFitsCodePage(std::string_view path) {
  // The path is shown and handed back through Windows-1252 text.
  for (std::size_t i = 0; i < path.size();) {
    char32_t c = static_cast<unsigned char>(path[i]);
    const std::size_t length = c < 0x80 ? 1 : DecodeUtf8(path, i, c);
    char byte = 0;
    if (length == 0 || !Windows1252ByteOf(c, byte)) return false;
    i += length;
  }
  return true;
}

FileLock::Outcome FileLock::Take(const std::string& path, std::string_view owner,
                                 std::optional<std::string>& left) {
  left.reset();
  auto failed = [](int error) {
    FailWithSystemError(error);
    return Outcome::Failed;
  };
  // A run that ends removes its file after it let go of it: a file that
  // went between the two opens, or that was opened just then and is no
  // longer the one at path, is taken anew.
  for (int attempt = 0; attempt < 5; ++attempt) {
    const At at = Where(path);
    if (at.Error != 0) return failed(at.Error);
    const char* name = at.Name.c_str();
    bool existed = false;
    int fd = openat(at.Folder, name, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EEXIST) {
      existed = true;
      fd = openat(at.Folder, name, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
      if (fd < 0 && errno == ENOENT) continue;
    }
    if (fd < 0) return failed(errno);
    struct stat st {};
    struct stat named {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      close(fd);
      return failed(ENXIO);
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      close(fd);
      return error == EWOULDBLOCK ? Outcome::Busy : failed(error);
    }
    if (fstatat(at.Folder, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || named.st_ino != st.st_ino ||
        named.st_dev != st.st_dev) {
      close(fd);
      continue;
    }
    std::string before(4096, '\0');
    const ssize_t n = existed ? pread(fd, before.data(), before.size(), 0) : 0;
    if (n > 0) left = before.substr(0, static_cast<std::size_t>(n));
    if (ftruncate(fd, 0) != 0 ||
        pwrite(fd, owner.data(), owner.size(), 0) != static_cast<ssize_t>(owner.size()) ||
        fsync(fd) != 0) {
      const int error = errno;
      close(fd);
      return failed(error);
    }
    path_ = path;
    handle_ = fd;
    SetLastFileError(FileError::None);
    return Outcome::Taken;
  }
  return Outcome::Busy;
}

FileLock::~FileLock() {
  if (handle_ < 0) return;
  RemoveFile(path_);
  close(static_cast<int>(handle_));
}

unsigned long CurrentProcessId() {
  return static_cast<unsigned long>(getpid());
}

}  // namespace wavoria
