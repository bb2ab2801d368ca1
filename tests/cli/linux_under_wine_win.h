// Linux programs started from a Windows program under Wine, for the tests:
// Wine's own functions make no symbolic link nor named pipe, and remove no
// pipe; Linux's own programs do.
#pragma once

#include <windows.h>

#include <string>

namespace wavoria::cli {

// A path as Linux names it, through Wine.
inline std::string LinuxPath(const std::string& path) {
  using Convert = char* (*)(LPCWSTR);
  const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  std::wstring wide(path.size() + 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), int(wide.size()));
  char* linux = convert != nullptr ? convert(wide.c_str()) : nullptr;
  const std::string result = linux != nullptr ? linux : "";
  HeapFree(GetProcessHeap(), 0, linux);
  return result;
}

// Starts a program of /usr/bin with its arguments as Linux takes them. Wine
// gives no handle to wait for it: the caller waits for what it does.
inline void StartLinux(const std::string& command) {
  std::string line = "Z:\\usr\\bin\\" + command;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

}  // namespace wavoria::cli
