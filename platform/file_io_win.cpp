// The file layer on Windows: the ...A functions take paths in the ANSI code
// page, like every other text of the program.
#include <windows.h>

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

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return FailWithSystemError(GetLastError());
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
  }
  CloseHandle(h);
  if (!ok) return FailWithSystemError(error);
  bytes = std::move(data);
  SetLastFileError(FileError::None);
  return true;
}

bool FileExists(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return FailWithSystemError(GetLastError());
  CloseHandle(h);
  SetLastFileError(FileError::None);
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  // A read-only file or a folder at path is refused before anything is written.
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
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
