// The file operations of the installation, all through the file system API:
// no command processor is involved, so no folder name can act as a command.
// Paths are in the ANSI code page, like every other text of the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wavoria {

// Creates folder (its parent must exist). True when a plain folder exists
// afterwards, also when it was there before (a link to a folder does not
// count). Records why it failed in LastFileError (platform/file_error.h), like
// every call below that can fail.
bool CreateFolder(const std::string& folder);

// Whether the existing file at path may be replaced: it is not read-only
// (Windows) or has a write permission bit that the process may use (POSIX,
// also for root), and no other program holds it open for writing (Windows).
bool FileWritable(const std::string& path);

// Removes one file, or one empty folder.
bool RemoveFile(const std::string& path);
bool RemoveEmptyFolder(const std::string& folder);

// Whether folder names an existing folder.
bool FolderExists(const std::string& folder);

// Whether a and b name the same existing folder, however they are spelled
// (trailing separators, letter case on Windows, links). Folders that do not
// both exist are compared by their spelling.
bool SameFolder(const std::string& a, const std::string& b);

// The names of the plain files directly in folder, sorted by byte value;
// empty when the folder cannot be read.
std::vector<std::string> FilesIn(const std::string& folder);

// The names of the folders directly in folder (without "." and ".."), sorted
// by byte value; empty when the folder cannot be read.
std::vector<std::string> FoldersIn(const std::string& folder);

// The names of every entry directly in folder, whatever it is (links, pipes),
// sorted by byte value; empty when the folder cannot be read.
std::vector<std::string> NamesIn(const std::string& folder);

// What an entry is, looked at without following it.
enum class EntryKind {
  Missing,  // nothing is there
  File,     // a plain file
  Folder,   // a plain folder
  Link,     // a symbolic link, a junction or another reparse point, also one
            // whose target is gone, or an entry that the system resolves to
            // another place
  Other,    // a named pipe, a device or anything else that is no plain file
  Unknown,  // it cannot be looked at; LastFileError says why
};
EntryKind KindOfEntry(const std::string& path);

// The longest path, in characters, that the system's file functions take
// (259 for the ...A functions of Windows).
std::size_t MaxPathLength();

// While an object of this type lives, every file function of the program
// (here and in file_io.h) works on the entries below folder through folder
// handles: folder itself is opened once (a link the user chose to reach it is
// followed), and every folder below it is opened once when first used,
// without following a link, and held until the object dies. So a folder on
// the way that someone swaps for a link after it was checked cannot lead the
// work to another place: natively the functions work relative to the held
// descriptors (openat, mkdirat, renameat, unlinkat, with O_NOFOLLOW); on
// Windows the held folders, opened without FILE_SHARE_DELETE and checked not
// to be reparse points, cannot be renamed or removed, and a file read there is
// checked to lie where its path says. No link in such a folder is followed.
// A second confinement of the same folder while one lives shares it.
class FolderConfinement {
 public:
  explicit FolderConfinement(const std::string& folder);
  ~FolderConfinement();
  FolderConfinement(const FolderConfinement&) = delete;
  FolderConfinement& operator=(const FolderConfinement&) = delete;

  // Whether folder was opened; LastFileError says why not. Fails too while
  // another folder is confined.
  bool Held() const { return held_; }

 private:
  bool held_ = false;
};

// A lock file held for the whole of a run: as long as the object lives no
// other process can take it (natively flock, which the system lets go when
// the process dies; on Windows the file opened without sharing). The file
// names its owner, so that a file left by a run that was killed is
// recognised: it is there, but nobody holds it.
class FileLock {
 public:
  enum class Outcome {
    Taken,   // the lock is this process's
    Busy,    // another process holds it
    Failed,  // the file cannot be made or locked; LastFileError says why
  };

  FileLock() = default;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  // Removes the lock file and lets the lock go.
  ~FileLock();

  // Creates the lock file at path, or opens the one a killed run left, locks
  // it and writes owner into it. left: what such a file said; nothing when
  // the file was new or empty.
  Outcome Take(const std::string& path, std::string_view owner, std::optional<std::string>& left);

 private:
  std::string path_;
  std::intptr_t handle_ = -1;
};

// The number of the running process, as the system names it.
unsigned long CurrentProcessId();

// Whether path came into the program whole, so that it can be shown and
// handed back: on Windows a character that the ANSI code page cannot hold
// arrives as "?", which no real path contains; natively the path must be
// UTF-8 made only of characters that Windows-1252 holds.
bool PathFitsCodePage(std::string_view path);

}  // namespace wavoria
