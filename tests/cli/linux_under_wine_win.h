// Programs started from the tests under Wine: a second Windows program, and
// Linux programs, since Wine's own functions make no symbolic link nor named
// pipe, and remove no pipe.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

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

// Starts a program with its command line; its process handle, to be closed
// by the caller, or nullptr when it did not start.
inline HANDLE StartProgram(std::string line) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

// Runs a program of /usr/bin with arguments as Linux takes them, and waits
// until done() holds, at most limit milliseconds: Wine gives no handle to
// wait for a Linux program.
inline void RunLinux(const std::string& program, const std::vector<std::string>& args,
                     const std::function<bool()>& done, DWORD limit = 10000) {
  std::string line = "Z:\\usr\\bin\\" + program;
  for (const std::string& arg : args) line += " \"" + arg + "\"";
  if (const HANDLE process = StartProgram(line)) CloseHandle(process);
  for (const DWORD end = GetTickCount() + limit; !done() && GetTickCount() < end;) Sleep(5);
}

}  // namespace wavoria::cli
