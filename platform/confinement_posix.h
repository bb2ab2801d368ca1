// Where the POSIX file functions find a path while a FolderConfinement
// (file_ops.h) holds a folder: a held folder descriptor and a name in it.
// Outside a confinement a path is found as it is, relative to the current
// folder.
#pragma once

#include <fcntl.h>

#include <string>

namespace wavoria::detail {

struct At {
  int Folder = AT_FDCWD;  // the folder for the *at functions
  std::string Name;       // the name in it; the whole path outside a confinement
  int Error = 0;          // errno of a folder on the way that could not be opened
  bool Confined = false;  // the path lies below the confined folder
};

At Where(const std::string& path);

// The held descriptor of folder when it is the confined folder or lies below
// it; -1 when it does not (error 0), or cannot be opened (error set).
int HeldFolder(const std::string& folder, int& error);

// Lets go of the descriptors of folder and of the folders below it, before
// folder is removed.
void ForgetFolder(const std::string& folder);

}  // namespace wavoria::detail
