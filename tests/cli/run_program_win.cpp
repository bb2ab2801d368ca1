// Runs a program with CreateProcess, its output going into two files.
#include <windows.h>

#include <fstream>
#include <sstream>

#include "tests/cli/run_program.h"

namespace wavoria::testing {

namespace {

// One argument quoted for the command line as the C runtime splits it.
std::string QuotedArgument(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, '\\');
  return out + "\"";
}

HANDLE OutputFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string ReadAndRemove(const std::string& path) {
  std::string text;
  {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    text = bytes.str();
  }
  DeleteFileA(path.c_str());
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lines += text[i];
  }
  return lines;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& folder, ConsoleKind console, int timeoutSeconds) {
  ProgramRun run;
  char tempFolder[MAX_PATH];
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, tempFolder);
  GetTempFileNameA(tempFolder, "cli", 0, base);
  const std::string outPath = std::string(base) + ".out";
  const std::string errPath = std::string(base) + ".err";
  DeleteFileA(base);

  std::string commandLine = QuotedArgument(program);
  for (const std::string& arg : args) commandLine += " " + QuotedArgument(arg);

  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE in = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                          OPEN_EXISTING, 0, nullptr);
  HANDLE out = OutputFile(outPath);
  HANDLE err = OutputFile(errPath);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  const DWORD flags = console == ConsoleKind::New ? CREATE_NO_WINDOW : DETACHED_PROCESS;
  const BOOL started =
      CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr,
                     folder.empty() ? nullptr : folder.c_str(), &startup, &process);
  CloseHandle(in);
  CloseHandle(out);
  CloseHandle(err);
  if (started) {
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeoutSeconds) * 1000) ==
        WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process.hProcess, &code);
      run.Status = static_cast<int>(code);
    } else {
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  run.Out = ReadAndRemove(outPath);
  run.Err = ReadAndRemove(errPath);
  return run;
}

std::string NativePath(const std::string& buildPath) {
  std::string path = buildPath;
  // Under Wine the build's Unix paths are reached through drive Z:.
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

}  // namespace wavoria::testing
