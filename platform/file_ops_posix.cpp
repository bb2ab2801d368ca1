#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "document/file_io.h"
#include "wizard/file_ops.h"

namespace wavoria {

namespace {

// path without its trailing separators ("/" stays as it is).
std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

bool CopyFileOver(const std::string& source, const std::string& target) {
  // Script templates and the two libraries are small; the atomic write makes
  // the new file complete before it replaces the old one.
  std::string bytes;
  if (!ReadWholeFile(source, bytes)) return false;
  return WriteFileAtomically(target, bytes);
}

bool CreateFolder(const std::string& folder) {
  if (mkdir(WithoutTrailingSeparators(folder).c_str(), 0777) == 0) return true;
  return errno == EEXIST && FolderExists(folder);
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
  std::vector<std::string> names;
  const std::string base = WithoutTrailingSeparators(folder);
  DIR* dir = opendir(base.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    struct stat st {};
    if (stat((base + '/' + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
      names.push_back(name);
    }
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace wavoria
