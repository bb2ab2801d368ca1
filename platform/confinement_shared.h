// What the two twins of FolderConfinement (file_ops.h) share: the folder it
// holds and the folders held below it, by their names joined with "/"
// ("Sound", "Wavoria-Sicherung/2026-12-07 14.03.12"). Handle is a descriptor
// natively and a HANDLE with its final path on Windows.
#pragma once

#include <map>
#include <string>

#include "platform/file_error.h"
#include "platform/file_io_shared.h"

namespace wavoria::detail {

template <typename Handle>
struct Confinement {
  int Users = 0;
  std::string Root;
  Handle RootFolder{};
  std::map<std::string, Handle> Folders;

  // A confinement that begins while this one lives shares it when it names
  // the same folder; one of another folder fails.
  bool Share(const std::string& folder) {
    if (!SameFolderSpelling(folder, Root)) {
      SetLastFileError(FileError::Other);
      return false;
    }
    ++Users;
    return true;
  }

  // The last user ends it: every held folder is let go.
  template <typename Close>
  void End(Close close) {
    if (--Users > 0) return;
    for (auto& [name, folder] : Folders) close(folder);
    close(RootFolder);
    *this = Confinement();
  }

  // Lets go of the folder at path and of the folders below it.
  template <typename Close>
  void Forget(const std::string& path, Close close) {
    const BelowRoot below = SplitBelow(Root, path);
    if (Users == 0 || !below.Below) return;
    std::string key;
    for (const std::string& name : below.Folders) key += name + "/";
    key += below.Name;
    for (auto it = Folders.begin(); it != Folders.end();) {
      if (it->first == key || it->first.starts_with(key + "/")) {
        close(it->second);
        it = Folders.erase(it);
      } else {
        ++it;
      }
    }
  }
};

}  // namespace wavoria::detail
