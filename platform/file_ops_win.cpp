// The installation's file operations on Windows, with the ...A functions.
#include <windows.h>

#include <algorithm>

#include "document/file_io_shared.h"
#include "document/text.h"
#include "wizard/file_ops.h"

namespace wavoria {

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// path without its trailing separators; a drive root keeps its "\".
std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && IsSeparator(path.back()) && path[path.size() - 2] != ':') {
    path.pop_back();
  }
  return path;
}

// The identity of an existing folder: its volume and file index.
bool FolderIdentity(const std::string& folder, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE h = CreateFileA(WithoutTrailingSeparators(folder).c_str(), 0,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  const bool ok = GetFileInformationByHandle(h, &info) != 0;
  CloseHandle(h);
  return ok;
}

}  // namespace

bool CopyFileOver(const std::string& source, const std::string& target) {
  // A read-only target stays as it is, like a write to it would.
  const DWORD attributes = GetFileAttributesA(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return false;
  }
  // The copy is made complete beside the target, then moved over it.
  const std::string temp = detail::TemporaryNameFor(target);
  if (!CopyFileA(source.c_str(), temp.c_str(), FALSE)) {
    SetFileAttributesA(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temp.c_str());
    return false;
  }
  if (!MoveFileExA(temp.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    SetFileAttributesA(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temp.c_str());
    return false;
  }
  return true;
}

bool CreateFolder(const std::string& folder) {
  if (CreateDirectoryA(WithoutTrailingSeparators(folder).c_str(), nullptr)) return true;
  return FolderExists(folder);
}

bool FolderExists(const std::string& folder) {
  const DWORD attributes = GetFileAttributesA(WithoutTrailingSeparators(folder).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SameFolder(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION ia{};
  BY_HANDLE_FILE_INFORMATION ib{};
  if (FolderIdentity(a, ia) && FolderIdentity(b, ib)) {
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
  }
  std::string sa = WithoutTrailingSeparators(a);
  std::string sb = WithoutTrailingSeparators(b);
  std::replace(sa.begin(), sa.end(), '/', '\\');
  std::replace(sb.begin(), sb.end(), '/', '\\');
  return EqualsIgnoreCase(sa, sb);
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  const std::string pattern = WithoutTrailingSeparators(folder) + "\\*";
  WIN32_FIND_DATAA found{};
  HANDLE h = FindFirstFileA(pattern.c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(h, &found));
  FindClose(h);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace wavoria
