// What an installation or a restore may touch in a game folder. The game
// folder is a boundary: every entry below it that a run reads, writes,
// replaces or creates must be a plain file or folder (or not be there yet),
// since a link would lead the run to another place. The game folder itself
// may be reached through a link the user chose. Each check gives a German
// sentence naming the entry, or "" when the entry may be touched.
#pragma once

#include <string>
#include <string_view>

namespace wavoria {

// The entry at path must be missing or a plain folder (folder) or plain file.
// A link, a pipe or device, the other kind of entry, or an entry that cannot
// be looked at is a problem.
std::string EntryProblem(const std::string& path, bool folder);

// EntryProblem for a file that a run writes, and for the temporary file
// through which it is written.
std::string WrittenFileProblem(const std::string& path);

// WrittenFileProblem for the game file at relative (as IsRestorablePath
// takes it), and EntryProblem for the folder it lies in.
std::string GameFileProblem(const std::string& gameFolder, std::string_view relative);

// The game folder's path must fit the system: no longer than it allows, and
// (on Windows) made only of characters the ANSI code page holds.
std::string GamePathProblem(const std::string& gameFolder);

// A path that a run would create must be no longer than the system allows
// (a folder leaves room for the names in it).
std::string PathLengthProblem(const std::string& path, bool folder);

// Whether name can be a file's name in a folder: not empty, not "." or "..",
// no separator, drive colon or control character, and Windows can hold it.
bool IsPlainFileName(std::string_view name);

// Whether Windows can hold a file of this name: it does not end in a dot or
// a blank, and it is no device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1
// to LPT9, in any case, also with an extension: "con.txt").
bool WindowsCanHoldName(std::string_view name);

// The sentence for a path below the game folder ("\" as separator) when
// Windows cannot hold a name in it; "" when it can.
std::string WindowsNameProblem(std::string_view relative);

// Whether relative (below the game folder, "\" between folder and name) is a
// file that an installation writes: "harmony.dll", "oldharmony.dll",
// "autorun.script" (letters A to Z in any case) or "Sound\NAME" with a plain
// file name. Only such files are ever put back or removed by a restore.
bool IsRestorablePath(std::string_view relative);

// A path below gameFolder as a record names it: relative, "\" as separator.
std::string RelativeInGame(const std::string& gameFolder, const std::string& path);

// The path in gameFolder for a restorable relative path, each name as
// NameInFolder finds it (install_plan.h).
std::string PathInGame(const std::string& gameFolder, std::string_view relative);

}  // namespace wavoria
