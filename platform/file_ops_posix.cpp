#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "platform/file_error.h"
#include "platform/file_ops.h"
#include "platform/system_error.h"

namespace wavoria {

namespace {

// path without its trailing separators ("/" stays as it is).
std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool Succeed() {
  SetLastFileError(FileError::None);
  return true;
}

// The names of the entries of folder whose kind passes keep, sorted.
template <typename Keep>
std::vector<std::string> EntriesIn(const std::string& folder, Keep keep) {
  std::vector<std::string> names;
  const std::string base = WithoutTrailingSeparators(folder);
  DIR* dir = opendir(base.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (stat((base + '/' + name).c_str(), &st) == 0 && keep(st.st_mode)) names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

bool CreateFolder(const std::string& folder) {
  if (mkdir(WithoutTrailingSeparators(folder).c_str(), 0777) == 0) return Succeed();
  const int error = errno;
  if (error == EEXIST && KindOfEntry(folder) == EntryKind::Folder) return Succeed();
  return FailWithSystemError(error);
}

bool FileWritable(const std::string& path) {
  // Without any write permission bit a file counts as read-only even for
  // root, as the read-only attribute does on Windows.
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return FailWithSystemError(errno);
  if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0) return FailWithSystemError(EACCES);
  if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return FailWithSystemError(errno);
  return Succeed();
}

bool RemoveFile(const std::string& path) {
  return unlink(path.c_str()) == 0 ? Succeed() : FailWithSystemError(errno);
}

bool RemoveEmptyFolder(const std::string& folder) {
  return rmdir(WithoutTrailingSeparators(folder).c_str()) == 0 ? Succeed()
                                                               : FailWithSystemError(errno);
}

bool FolderExists(const std::string& folder) {
  struct stat st {};
  return stat(WithoutTrailingSeparators(folder).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
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
  DIR* dir = opendir(WithoutTrailingSeparators(folder).c_str());
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
  if (lstat(WithoutTrailingSeparators(path).c_str(), &st) != 0) {
    const int error = errno;
    FailWithSystemError(error);
    // Nothing can be below a file either.
    return error == ENOENT || error == ENOTDIR ? EntryKind::Missing : EntryKind::Unknown;
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

bool PathFitsCodePage(std::string_view) {
  return true;  // paths are bytes here
}

}  // namespace wavoria
