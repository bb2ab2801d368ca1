// The file operations of the installation, all through the file system API:
// no command processor is involved, so no folder name can act as a command.
// Paths are in the ANSI code page, like every other text of the program.
#pragma once

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

// Whether path came into the program whole: on Windows a character that the
// ANSI code page cannot hold arrives as "?", which no real path contains.
bool PathFitsCodePage(std::string_view path);

}  // namespace wavoria
