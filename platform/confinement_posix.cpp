#include "platform/confinement_posix.h"

#include <unistd.h>

#include <cerrno>

#include "platform/confinement_shared.h"
#include "platform/file_io_shared.h"
#include "platform/file_ops.h"
#include "platform/system_error.h"

namespace wavoria {

namespace {

using Confinement = detail::Confinement<int>;

Confinement& Current() {
  static Confinement confinement;
  return confinement;
}

// The descriptor of the folder the names lead to from the root, each opened
// once without following a link; -1 with error set when one cannot be opened.
int Open(const std::vector<std::string>& names, int& error) {
  auto& c = Current();
  int fd = c.RootFolder;
  std::string key;
  for (const std::string& name : names) {
    key += (key.empty() ? "" : "/") + name;
    auto held = c.Folders.find(key);
    if (held == c.Folders.end()) {
      const int sub = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (sub < 0) {
        error = errno;
        return -1;
      }
      held = c.Folders.emplace(key, sub).first;
    }
    fd = held->second;
  }
  return fd;
}

}  // namespace

namespace detail {

At Where(const std::string& path) {
  At at;
  at.Name = path;
  if (Current().Users == 0) return at;
  BelowRoot below = SplitBelow(Current().Root, path);
  if (!below.Below) return at;
  at.Confined = true;
  at.Name = std::move(below.Name);
  if (!below.Plain) {
    at.Error = EINVAL;
    return at;
  }
  at.Folder = Open(below.Folders, at.Error);
  return at;
}

int HeldFolder(const std::string& folder, int& error) {
  error = 0;
  auto& c = Current();
  if (c.Users == 0) return -1;
  if (SameFolderSpelling(folder, c.Root)) return c.RootFolder;
  BelowRoot below = SplitBelow(c.Root, folder);
  if (!below.Below) return -1;
  if (!below.Plain) {
    error = EINVAL;
    return -1;
  }
  below.Folders.push_back(below.Name);
  return Open(below.Folders, error);
}

void ForgetFolder(const std::string& folder) {
  Current().Forget(folder, close);
}

}  // namespace detail

FolderConfinement::FolderConfinement(const std::string& folder) {
  auto& c = Current();
  if (c.Users > 0) {
    held_ = c.Share(folder);
    return;
  }
  c.RootFolder = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (c.RootFolder < 0) {
    FailWithSystemError(errno);
    return;
  }
  c.Root = folder;
  c.Users = 1;
  held_ = true;
}

FolderConfinement::~FolderConfinement() {
  if (held_) Current().End(close);
}

}  // namespace wavoria
