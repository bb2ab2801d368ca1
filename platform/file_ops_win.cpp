// The installation's file operations on Windows, with the ...A functions.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/confinement_win.h"
#include "platform/file_error.h"
#include "platform/file_io_shared.h"
#include "platform/file_ops.h"
#include "platform/system_error.h"

namespace wavoria {

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// Whether two spellings of a path are equal when the letters A to Z are
// compared without case: the C runtime's comparison, which folds only those
// in the "C" locale the program runs in.
bool SameSpelling(const std::string& a, const std::string& b) {
  return _stricmp(a.c_str(), b.c_str()) == 0;
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

// The final path of an existing entry as the system resolves it, links and
// junctions followed; "" when it cannot be opened.
std::string FinalPathOf(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string final = detail::FinalPathOfHandle(h);
  CloseHandle(h);
  return final;
}

// Whether the entry at path resolves to itself: a link that Wine does not
// mark as one (a symbolic link to a file) resolves to another place. When
// either final path cannot be read, the attributes have the last word.
bool ResolvesToItself(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  const std::string own = FinalPathOf(path);
  const std::string parent = FinalPathOf(cut == std::string::npos ? "." : path.substr(0, cut + 1));
  if (own.empty() || parent.empty()) return true;
  std::string expected = parent;
  if (!IsSeparator(expected.back())) expected += '\\';
  return SameSpelling(own, expected + path.substr(cut == std::string::npos ? 0 : cut + 1));
}

// The names in folder of the entries that are folders (wantFolders) or files.
std::vector<std::string> EntriesIn(const std::string& folder, bool wantFolders) {
  std::vector<std::string> names;
  if (detail::HoldFolder(folder).Error != 0) return names;
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

// Holds the folders down to the one path lies in (confinement_win.h); false
// with the cause recorded when one cannot be held.
bool HoldOnTheWay(const std::string& path) {
  const DWORD error = detail::HoldFoldersOf(path).Error;
  return error == 0 || FailWithSystemError(error);
}

}  // namespace

bool CreateFolder(const std::string& folder) {
  if (!HoldOnTheWay(WithoutTrailingSeparators(folder))) return false;
  if (CreateDirectoryA(WithoutTrailingSeparators(folder).c_str(), nullptr)) return Succeed();
  const DWORD error = GetLastError();
  if (KindOfEntry(folder) == EntryKind::Folder) return Succeed();
  return FailWithSystemError(error);
}

bool FileWritable(const std::string& path) {
  if (!HoldOnTheWay(path)) return false;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return FailWithSystemError(GetLastError());
  if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
    return FailWithSystemError(ERROR_ACCESS_DENIED);
  }
  if (attributes & FILE_ATTRIBUTE_DEVICE) return FailWithSystemError(ERROR_BAD_FILE_TYPE);
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
  if (!HoldOnTheWay(path)) return false;
  return DeleteFileA(path.c_str()) ? Succeed() : FailWithSystemError(GetLastError());
}

bool RemoveEmptyFolder(const std::string& folder) {
  const std::string path = WithoutTrailingSeparators(folder);
  if (!HoldOnTheWay(path)) return false;
  detail::ForgetFolder(path);  // a held folder cannot be removed, not even by its holder
  return RemoveDirectoryA(path.c_str()) ? Succeed() : FailWithSystemError(GetLastError());
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
  return SameSpelling(sa, sb);
}

std::vector<std::string> FilesIn(const std::string& folder) {
  return EntriesIn(folder, false);
}

std::vector<std::string> FoldersIn(const std::string& folder) {
  return EntriesIn(folder, true);
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names = EntriesIn(folder, false);
  const std::vector<std::string> folders = EntriesIn(folder, true);
  names.insert(names.end(), folders.begin(), folders.end());
  std::sort(names.begin(), names.end());
  return names;
}

EntryKind KindOfEntry(const std::string& path) {
  const std::string p = WithoutTrailingSeparators(path);
  if (const DWORD error = detail::HoldFoldersOf(p).Error; error != 0) {
    // Nothing is below a file or a link either, for the run: the folder is refused itself.
    FailWithSystemError(error);
    const bool missing = error == ERROR_PATH_NOT_FOUND || error == ERROR_CANT_RESOLVE_FILENAME;
    return missing ? EntryKind::Missing : EntryKind::Unknown;
  }
  const DWORD attributes = GetFileAttributesA(p.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    // Wine shows a link whose target is gone, or a named pipe, only in a
    // listing of its folder.
    WIN32_FIND_DATAA found{};
    HANDLE h = FindFirstFileA(p.c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
      FindClose(h);
      SetLastFileError(FileError::None);
      return error == ERROR_FILE_NOT_FOUND ? EntryKind::Link : EntryKind::Other;
    }
    FailWithSystemError(error);
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return missing ? EntryKind::Missing : EntryKind::Unknown;
  }
  SetLastFileError(FileError::None);
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return EntryKind::Link;
  if (attributes & FILE_ATTRIBUTE_DEVICE) return EntryKind::Other;
  if (!ResolvesToItself(p)) return EntryKind::Link;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder : EntryKind::File;
}

std::size_t MaxPathLength() {
  return MAX_PATH - 1;
}

bool PathFitsCodePage(std::string_view path) {
  return path.find_first_of("?*") == std::string_view::npos;
}

FileLock::Outcome FileLock::Take(const std::string& path, std::string_view owner,
                                 std::optional<std::string>& left) {
  left.reset();
  auto failed = [](DWORD error) {
    FailWithSystemError(error);
    return Outcome::Failed;
  };
  const detail::Held held = detail::HoldFoldersOf(path);
  if (held.Error != 0) return failed(held.Error);
  // No sharing at all: while this handle is open, no other process opens
  // the file; it stays when the process dies, naming its owner.
  const HANDLE h =
      CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? Outcome::Busy
                                                                             : failed(error);
  }
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  if (!detail::OpenedInPlace(h, held, path) || GetFileType(h) != FILE_TYPE_DISK) {
    CloseHandle(h);
    return failed(ERROR_CANT_RESOLVE_FILENAME);
  }
  std::string before(4096, '\0');
  DWORD n = 0;
  if (existed && ReadFile(h, before.data(), DWORD(before.size()), &n, nullptr) && n > 0) {
    left = before.substr(0, n);
  }
  DWORD written = 0;
  if (SetFilePointer(h, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER || !SetEndOfFile(h) ||
      !WriteFile(h, owner.data(), DWORD(owner.size()), &written, nullptr) ||
      written != owner.size() || !FlushFileBuffers(h)) {
    const DWORD error = GetLastError();
    CloseHandle(h);
    return failed(error);
  }
  path_ = path;
  handle_ = reinterpret_cast<std::intptr_t>(h);
  SetLastFileError(FileError::None);
  return Outcome::Taken;
}

FileLock::~FileLock() {
  if (handle_ == -1) return;
  const HANDLE h = reinterpret_cast<HANDLE>(handle_);
  // Removed as the handle closes: no other process gets at it in between.
  FILE_DISPOSITION_INFO remove{TRUE};
  SetFileInformationByHandle(h, FileDispositionInfo, &remove, sizeof remove);
  CloseHandle(h);
}

unsigned long CurrentProcessId() {
  return GetCurrentProcessId();
}

}  // namespace wavoria
