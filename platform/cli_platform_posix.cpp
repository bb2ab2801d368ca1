#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "platform/cli_platform.h"
#include "platform/text_encoding.h"

namespace wavoria::cli {

std::string ConsoleText(std::string_view text) {
  return Cp1252ToUtf8(text);
}

std::string PathText(std::string_view path) {
  return Utf8ToCp1252(path);
}

std::string ShellArgument(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  std::string quoted = "'";
  for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

PathKind KindOf(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return PathKind::Missing;
  if (S_ISREG(st.st_mode)) return PathKind::File;
  if (S_ISDIR(st.st_mode)) return PathKind::Folder;
  return PathKind::Other;
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

FolderListing ListFolder(const std::string& folder) {
  FolderListing listing;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return listing;
  listing.Readable = true;
  const std::string base = !folder.empty() && folder.back() == '/' ? folder : folder + '/';
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (lstat((base + name).c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      listing.Folders.push_back(name);
    } else if (S_ISLNK(st.st_mode)) {
      // A link counts as what it points to, except a link to a folder.
      if (KindOf(base + name) == PathKind::File) listing.Files.push_back(name);
    } else if (S_ISREG(st.st_mode)) {
      listing.Files.push_back(name);
    }
  }
  closedir(dir);
  std::sort(listing.Files.begin(), listing.Files.end());
  std::sort(listing.Folders.begin(), listing.Folders.end());
  return listing;
}

}  // namespace wavoria::cli
