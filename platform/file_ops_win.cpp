// The installation's file operations on Windows, with the ...A functions.
#include <windows.h>

#include <algorithm>

#include "document/file_error.h"
#include "document/file_io_shared.h"
#include "document/text.h"
#include "platform/system_error.h"
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

bool Succeed() {
  SetLastFileError(FileError::None);
  return true;
}

// The names in folder of the entries that are folders (wantFolders) or files.
std::vector<std::string> EntriesIn(const std::string& folder, bool wantFolders) {
  std::vector<std::string> names;
  const std::string pattern = WithoutTrailingSeparators(folder) + "\\*";
  WIN32_FIND_DATAA found{};
  HANDLE h = FindFirstFileA(pattern.c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (isFolder == wantFolders && name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(h, &found));
  FindClose(h);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

bool CopyFileOver(const std::string& source, const std::string& target) {
  // A read-only target stays as it is, like a write to it would.
  const DWORD attributes = GetFileAttributesA(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return FailWithSystemError(ERROR_ACCESS_DENIED);
  }
  // The copy is made complete beside the target, then moved over it.
  const std::string temp = detail::TemporaryNameFor(target);
  DWORD error = 0;
  if (!CopyFileA(source.c_str(), temp.c_str(), FALSE)) {
    error = GetLastError();
  } else {
    // CopyFileA takes the source's attributes along; a read-only copy could
    // not be replaced by the next installation.
    const DWORD copied = GetFileAttributesA(temp.c_str());
    if (copied != INVALID_FILE_ATTRIBUTES && (copied & FILE_ATTRIBUTE_READONLY)) {
      SetFileAttributesA(temp.c_str(), copied & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    }
    if (!MoveFileExA(temp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      error = GetLastError();
    }
  }
  if (error != 0) {
    SetFileAttributesA(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temp.c_str());
    return FailWithSystemError(error);
  }
  return Succeed();
}

bool CreateFolder(const std::string& folder) {
  if (CreateDirectoryA(WithoutTrailingSeparators(folder).c_str(), nullptr)) return Succeed();
  const DWORD error = GetLastError();
  if (FolderExists(folder)) return Succeed();
  return FailWithSystemError(error);
}

bool FileWritable(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return FailWithSystemError(GetLastError());
  if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
    return FailWithSystemError(ERROR_ACCESS_DENIED);
  }
  // A program that runs from the file or holds it open without sharing
  // (the game with its harmony.dll) refuses the open.
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return FailWithSystemError(GetLastError());
  CloseHandle(h);
  return Succeed();
}

bool RemoveFile(const std::string& path) {
  return DeleteFileA(path.c_str()) ? Succeed() : FailWithSystemError(GetLastError());
}

bool RemoveEmptyFolder(const std::string& folder) {
  return RemoveDirectoryA(WithoutTrailingSeparators(folder).c_str())
             ? Succeed()
             : FailWithSystemError(GetLastError());
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
  return EntriesIn(folder, false);
}

std::vector<std::string> FoldersIn(const std::string& folder) {
  return EntriesIn(folder, true);
}

}  // namespace wavoria
