// Where the Windows file functions work while a FolderConfinement
// (file_ops.h) holds a folder: every folder from the confined one down to the
// one a path lies in is opened once, checked and held, so that it cannot be
// renamed or removed, and the functions use the path as it is.
#pragma once

#include <windows.h>

#include <string>

namespace wavoria::detail {

struct Held {
  bool Confined = false;    // the path lies below the confined folder
  DWORD Error = 0;          // a folder on the way could not be held: the system's error
  std::string FinalFolder;  // where the folder holding the path really lies
};

// Holds the folders down to the one path lies in.
Held HoldFoldersOf(const std::string& path);

// Holds the folders down to folder itself.
Held HoldFolder(const std::string& folder);

// Lets go of folder and the folders below it, before folder is removed.
void ForgetFolder(const std::string& folder);

// Whether the file open as h lies where path says below the folder held
// holds, and is no reparse point: a link that Wine does not mark resolves to
// another place.
bool OpenedInPlace(HANDLE h, const Held& held, const std::string& path);

// Where the entry open as h really lies ("\\?\C:\..."), "" when unknown.
std::string FinalPathOfHandle(HANDLE h);

}  // namespace wavoria::detail
