// The file layer on Windows: the ...A functions take paths in the ANSI code
// page, like every other text of the program.
#include <windows.h>

#include "platform/confinement_win.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "platform/file_io_shared.h"
#include "platform/file_ops.h"
#include "platform/system_error.h"

namespace wavoria {

namespace {

// Creates the temporary file new and exclusively, never through an entry that
// is there (FILE_FLAG_OPEN_REPARSE_POINT: not through a link either): a plain
// file of that name is the leftover of an interrupted write and goes first;
// anything else makes the write fail.
HANDLE CreateTemporary(const std::string& temp) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    HANDLE h = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    const DWORD error = GetLastError();
    if (h != INVALID_HANDLE_VALUE ||
        (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)) {
      return h;
    }
    if (KindOfEntry(temp) != EntryKind::File) break;
    SetFileAttributesA(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(temp.c_str())) break;
  }
  SetLastError(ERROR_FILE_EXISTS);
  return INVALID_HANDLE_VALUE;
}

// Opens path for reading. A named pipe, which would keep the open waiting for
// a writer, is refused before it is opened, a device once it is open; below a
// confined folder so is a file that does not lie where path says (a link).
HANDLE OpenForReading(const std::string& path) {
  const detail::Held held = detail::HoldFoldersOf(path);
  if (held.Error != 0) {
    SetLastError(held.Error);
    return INVALID_HANDLE_VALUE;
  }
  if (KindOfEntry(path) == EntryKind::Other) {
    SetLastError(ERROR_BAD_FILE_TYPE);
    return INVALID_HANDLE_VALUE;
  }
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return h;
  DWORD error = 0;
  if (GetFileType(h) != FILE_TYPE_DISK) {
    error = ERROR_BAD_FILE_TYPE;
  } else if (!detail::OpenedInPlace(h, held, path)) {
    error = ERROR_CANT_RESOLVE_FILENAME;
  }
  if (error == 0) return h;
  CloseHandle(h);
  SetLastError(error);
  return INVALID_HANDLE_VALUE;
}

// The file a link at path leads to, or path itself when it is no link; ""
// for a link whose target is gone.
std::string LinkTarget(const std::string& path) {
  if (KindOfEntry(path) != EntryKind::Link) return path;
  HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string final = detail::FinalPathOfHandle(h);
  CloseHandle(h);
  if (final.starts_with("\\\\?\\UNC\\")) return "\\" + final.substr(7);
  if (final.starts_with("\\\\?\\")) return final.substr(4);
  return final;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit) {
  HANDLE h = OpenForReading(path);
  if (h == INVALID_HANDLE_VALUE) return FailWithSystemError(GetLastError());
  LARGE_INTEGER size{};
  if (GetFileSizeEx(h, &size) && static_cast<unsigned long long>(size.QuadPart) > limit) {
    CloseHandle(h);
    SetLastFileError(FileError::TooLarge);
    return false;
  }
  std::string data;
  DWORD error = 0;
  char buffer[65536];
  bool ok = true;
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(h, buffer, sizeof buffer, &n, nullptr)) {
      error = GetLastError();
      ok = false;
      break;
    }
    if (n == 0) break;
    data.append(buffer, n);
    if (data.size() > limit) break;  // it grew while being read
  }
  CloseHandle(h);
  if (!ok) return FailWithSystemError(error);
  if (data.size() > limit) {
    SetLastFileError(FileError::TooLarge);
    return false;
  }
  bytes = std::move(data);
  SetLastFileError(FileError::None);
  return true;
}

bool FileExists(const std::string& path) {
  HANDLE h = OpenForReading(path);
  if (h == INVALID_HANDLE_VALUE) return FailWithSystemError(GetLastError());
  CloseHandle(h);
  SetLastFileError(FileError::None);
  return true;
}

bool WriteFileAtomically(const std::string& target, std::string_view bytes) {
  const detail::Held held = detail::HoldFoldersOf(target);
  if (held.Error != 0) return FailWithSystemError(held.Error);
  // Below a confined folder a link is replaced, not followed.
  const std::string path = held.Confined ? target : LinkTarget(target);
  if (path.empty()) return FailWithSystemError(ERROR_FILE_NOT_FOUND);
  // A read-only file, a folder, a pipe or a device at path is refused before
  // anything is written.
  const EntryKind kind = KindOfEntry(path);
  if (kind == EntryKind::Other) return FailWithSystemError(ERROR_BAD_FILE_TYPE);
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (kind != EntryKind::Link && attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return FailWithSystemError(ERROR_ACCESS_DENIED);
  }
  const std::string temp = detail::TemporaryNameFor(path);
  HANDLE h = CreateTemporary(temp);
  if (h == INVALID_HANDLE_VALUE) return FailWithSystemError(GetLastError());
  bool ok = true;
  DWORD error = 0;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const std::size_t allowed = detail::AllowedWrite(bytes.size() - done);
    DWORD chunk = static_cast<DWORD>(allowed > (1u << 30) ? (1u << 30) : allowed);
    DWORD n = 0;
    if (chunk > 0 && !WriteFile(h, bytes.data() + done, chunk, &n, nullptr)) {
      ok = false;
      error = GetLastError();
    }
    if (n == 0 && ok) {
      // A write that puts out nothing more, like the test seam, means a full disk.
      ok = false;
      error = ERROR_DISK_FULL;
    }
    done += n;
  }
  if (ok && !FlushFileBuffers(h)) ok = false, error = GetLastError();
  if (!CloseHandle(h) && ok) ok = false, error = GetLastError();
  if (ok && !MoveFileExA(temp.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ok = false;
    error = GetLastError();
  }
  if (!ok) {
    DeleteFileA(temp.c_str());
    return FailWithSystemError(error);
  }
  SetLastFileError(FileError::None);
  return true;
}

}  // namespace wavoria
