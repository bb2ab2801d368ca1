// The console and folder functions of the command-line program on Windows.
// Paths use the ...A functions, in the ANSI code page like every other text.
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <algorithm>

#include "platform/cli_platform.h"

namespace wavoria::cli {

namespace {

constexpr UINT kProgramCodePage = 1252;

// text converted from one code page to another; unchanged if that fails.
std::string Recode(std::string_view text, UINT from, UINT to) {
  if (text.empty() || from == to) return std::string(text);
  const int size = static_cast<int>(text.size());
  const int wide = MultiByteToWideChar(from, 0, text.data(), size, nullptr, 0);
  if (wide <= 0) return std::string(text);
  std::wstring utf16(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(from, 0, text.data(), size, utf16.data(), wide);
  const int bytes = WideCharToMultiByte(to, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string(text);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(to, 0, utf16.data(), wide, out.data(), bytes, nullptr, nullptr);
  return out;
}

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

}  // namespace

std::string ConsoleText(std::string_view text) {
  // Without a console (output into a file from a program without one) the
  // text keeps the program's own code page.
  const UINT console = GetConsoleOutputCP();
  if (console == 0) return std::string(text);
  return Recode(text, kProgramCodePage, console);
}

std::string PathText(std::string_view path) {
  return std::string(path);
}

std::string ShellArgument(std::string_view path) {
  while (path.size() > 1 && IsSeparator(path.back())) path.remove_suffix(1);
  std::string quoted = "\"" + std::string(path);
  if (quoted.ends_with(':') || IsSeparator(quoted.back())) quoted += "\\.";
  return quoted + "\"";
}

PathKind KindOf(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return PathKind::Folder;
  if (attributes & FILE_ATTRIBUTE_DEVICE) return PathKind::Other;
  return PathKind::File;
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  // The C runtime made argv (wildcards expanded) with look-alikes for the
  // characters the code page lacks ("Ł" as "L"); each such argument becomes
  // its exact form with "?".
  std::vector<std::string> args(argv + 1, argv + argc);
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return args;
  for (int i = 1; i < count; ++i) {
    auto ansi = [&](DWORD flags, BOOL* lost) {
      const int n = WideCharToMultiByte(CP_ACP, flags, wide[i], -1, nullptr, 0, nullptr, lost);
      std::string text(n > 0 ? n : 1, '\0');
      WideCharToMultiByte(CP_ACP, flags, wide[i], -1, text.data(), n, nullptr, lost);
      text.resize(text.size() - 1);
      return text;
    };
    BOOL lost = FALSE;
    const std::string exact = ansi(WC_NO_BEST_FIT_CHARS, &lost);
    if (!lost) continue;
    const std::string fitted = ansi(0, nullptr);
    for (std::string& arg : args) {
      if (arg == fitted) arg = exact;
    }
  }
  LocalFree(wide);
  return args;
}

FolderListing ListFolder(const std::string& folder) {
  FolderListing listing;
  std::string pattern = folder;
  if (!pattern.empty() && !IsSeparator(pattern.back())) pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) {
    // An empty folder still has "." and ".."; only a root may have none.
    listing.Readable = GetLastError() == ERROR_FILE_NOT_FOUND;
    return listing;
  }
  listing.Readable = true;
  do {
    const std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    const DWORD a = data.dwFileAttributes;
    if (a & FILE_ATTRIBUTE_DIRECTORY) {
      // Junctions and folder links are not followed, so no walk runs in a circle.
      if (!(a & FILE_ATTRIBUTE_REPARSE_POINT)) listing.Folders.push_back(name);
    } else if (!(a & FILE_ATTRIBUTE_DEVICE)) {
      listing.Files.push_back(name);
    }
  } while (FindNextFileA(find, &data));
  FindClose(find);
  std::sort(listing.Files.begin(), listing.Files.end());
  std::sort(listing.Folders.begin(), listing.Folders.end());
  return listing;
}

}  // namespace wavoria::cli
