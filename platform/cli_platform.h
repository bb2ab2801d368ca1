// What the command-line program needs from the operating system beyond the
// core's file layer: its own folder, the encoding of the console, and a look
// into folders. Linux: platform/cli_platform_posix.cpp;
// Windows: platform/cli_platform_win.cpp.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wavoria::cli {

// The bytes to write to standard output or standard error for a text of the
// program (Windows-1252). Linux: UTF-8. Windows: the console's output code
// page; the text as it is when the program has no console.
std::string ConsoleText(std::string_view text);

// A path as the operating system spells it, as program text (Windows-1252),
// for messages. Linux: the path read as UTF-8. Windows: the path as it is,
// since paths already come in the ANSI code page.
std::string PathText(std::string_view path);

// path as one argument of a command line that a user pastes into a shell,
// read back as the same path. Linux: in single quotes ('\'' for a quote in
// it). Windows: in double quotes without a backslash before the closing one
// (trailing separators left out, a drive's root as "C:\."), so that cmd,
// PowerShell and a Linux shell running the program under Wine all read it
// back; cmd and PowerShell still expand "%" and "$" in it.
std::string ShellArgument(std::string_view path);

enum class PathKind {
  Missing,  // nothing there, or it cannot be looked at
  File,     // a plain file
  Folder,   // a folder
  Other,    // anything else (a device, a pipe)
};

PathKind KindOf(const std::string& path);

// The arguments after the program's name, as program text. Windows: in the
// ANSI code page, where a character it cannot hold stands as "?" and never as
// a look-alike, so that such a path is refused instead of naming another.
std::vector<std::string> ProgramArguments(int argc, char** argv);

struct FolderListing {
  bool Readable = false;             // false: the folder could not be read
  std::vector<std::string> Files;    // names of the plain files, sorted by byte value
  std::vector<std::string> Folders;  // names of the subfolders, sorted by byte value;
                                     // links to folders are left out, so no walk loops
};

FolderListing ListFolder(const std::string& folder);

}  // namespace wavoria::cli
