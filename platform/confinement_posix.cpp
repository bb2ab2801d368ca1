#include "platform/confinement_posix.h"

#include <unistd.h>

#include <cerrno>
#include <map>

#include "platform/file_io_shared.h"
#include "platform/file_ops.h"
#include "platform/system_error.h"

namespace wavoria {

namespace {

// The confined folder and the descriptors held below it, by their names
// joined with "/" ("Sound", "Wavoria-Sicherung/2026-12-07 14.03.12").
struct Confinement {
  int Users = 0;
  std::string Root;
  int RootFd = -1;
  std::map<std::string, int> Folders;
};

Confinement& Current() {
  static Confinement confinement;
  return confinement;
}

// The descriptor of the folder the names lead to from the root, each opened
// once without following a link; -1 with error set when one cannot be opened.
int Open(const std::vector<std::string>& names, int& error) {
  Confinement& c = Current();
  int fd = c.RootFd;
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
  Confinement& c = Current();
  if (c.Users == 0) return -1;
  if (SameFolderSpelling(folder, c.Root)) return c.RootFd;
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
  Confinement& c = Current();
  const BelowRoot below = SplitBelow(c.Root, folder);
  if (c.Users == 0 || !below.Below) return;
  std::string key;
  for (const std::string& name : below.Folders) key += name + "/";
  key += below.Name;
  for (auto it = c.Folders.begin(); it != c.Folders.end();) {
    if (it->first == key || it->first.starts_with(key + "/")) {
      close(it->second);
      it = c.Folders.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace detail

FolderConfinement::FolderConfinement(const std::string& folder) {
  Confinement& c = Current();
  if (c.Users > 0) {
    held_ = detail::SameFolderSpelling(folder, c.Root);
    if (held_) {
      ++c.Users;
    } else {
      FailWithSystemError(EBUSY);
    }
    return;
  }
  c.RootFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (c.RootFd < 0) {
    FailWithSystemError(errno);
    return;
  }
  c.Root = folder;
  c.Users = 1;
  held_ = true;
}

FolderConfinement::~FolderConfinement() {
  Confinement& c = Current();
  if (!held_ || --c.Users > 0) return;
  for (const auto& [name, fd] : c.Folders) close(fd);
  close(c.RootFd);
  c = Confinement();
}

}  // namespace wavoria
