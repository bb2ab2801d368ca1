// The file operations of the installation, all through the file system API:
// no command processor is involved, so no folder name can act as a command.
// Paths are in the ANSI code page, like every other text of the program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wavoria {

// Copies source over target. The copy is made beside target and only then
// takes its place, so target is never deleted first and a failed copy leaves
// the earlier file as it was. Returns false when target was not replaced;
// a target that may not be written (read-only) is not replaced.
bool CopyFileOver(const std::string& source, const std::string& target);

// Creates folder (its parent must exist). True when the folder exists
// afterwards, also when it was there before. Records why it failed in
// LastFileError (document/file_error.h), like every call below that can fail.
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

}  // namespace wavoria
