// The file layer on Windows: the ...A functions take paths in the ANSI code
// page, like every other text of the program.
#include <windows.h>

#include "document/file_io.h"
#include "document/file_io_shared.h"

namespace wavoria {

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  std::string data;
  char buffer[65536];
  bool ok = true;
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(h, buffer, sizeof buffer, &n, nullptr)) {
      ok = false;
      break;
    }
    if (n == 0) break;
    data.append(buffer, n);
  }
  CloseHandle(h);
  if (ok) bytes = std::move(data);
  return ok;
}

bool FileExists(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  // A read-only file or a folder at path is refused before anything is written.
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return false;
  }
  const std::string temp = detail::TemporaryNameFor(path);
  HANDLE h = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    bool cut = false;
    std::size_t allowed = detail::AllowedWrite(bytes.size() - done, cut);
    DWORD chunk = static_cast<DWORD>(allowed > (1u << 30) ? (1u << 30) : allowed);
    DWORD n = 0;
    if (chunk > 0 && !WriteFile(h, bytes.data() + done, chunk, &n, nullptr)) ok = false;
    if (n == 0 || cut) ok = false;
    done += n;
  }
  if (ok && !FlushFileBuffers(h)) ok = false;
  if (!CloseHandle(h)) ok = false;
  if (ok && !MoveFileExA(temp.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ok = false;
  }
  if (!ok) DeleteFileA(temp.c_str());
  return ok;
}

}  // namespace wavoria
