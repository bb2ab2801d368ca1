// The backup folders of a game: one per installation and per undo, in
//   <game>\Wavoria-Sicherung\<YYYY-MM-DD HH.MM.SS>
// each holding its record (install_record.h) and the files the run kept, with
// their place below the game folder ("Sound\KeyList.script.wav" stays in
// "Sound\"). The record is written first, before anything is kept or changed,
// so that a folder without a record is either the backup of an earlier version
// of the program or the start of a run that was killed before it changed
// anything.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "wizard/install_record.h"

namespace wavoria {

inline constexpr std::string_view kBackupFolder = "Wavoria-Sicherung";

// The name for a backup made now, from the local time ("2026-12-07
// 14.03.12"); the fixed stamp instead while one is set.
std::string BackupStampNow();

// Test seam: every later backup is named stamp; an empty stamp goes back to
// the clock.
void FixBackupStamp(std::string stamp);

// One file to keep: its path below the game folder ("\" as separator) and its
// bytes.
struct BackupFile {
  std::string RelativePath;  // "harmony.dll", "Sound\KeyList.script.wav", ...
  std::string Bytes;
};

// The path of a file of a backup folder, relative as a record names it.
std::string PathInBackup(const std::string& folder, std::string_view relative);

// The path for a new backup folder of gameFolder named stamp, with " (2)",
// " (3)", ... appended when an entry of that name is there already. Creates
// nothing.
std::string FreeBackupFolder(const std::string& gameFolder, const std::string& stamp);

// The paths a backup in folder with files would create that are longer than
// the system allows, one sentence each.
std::vector<std::string> BackupPathProblems(const std::string& folder,
                                            const std::vector<BackupFile>& files);

// Creates folder (a path from FreeBackupFolder) and the backup root when it is
// missing, writes record into it and then files. Returns false with problem
// set to a German sentence naming the file and the cause; nothing of the
// backup is then left behind.
bool MakeBackup(const std::string& folder, const InstallRecord& record,
                const std::vector<BackupFile>& files, std::string& problem);

// Writes record into folder, in place of the one there. Returns false with
// problem set when it cannot be written; the earlier record then stays.
bool WriteRecord(const std::string& folder, const InstallRecord& record, std::string& problem);

// Writes files into the existing folder (their subfolders are made), in place
// of those there. Returns false with problem set at the first that fails.
bool KeepFiles(const std::string& folder, const std::vector<BackupFile>& files,
               std::string& problem);

// The game files a backup folder keeps, relative ("harmony.dll",
// "Sound\\KeyList.script.wav"): the files IsRestorablePath takes directly in
// it and the files with a plain name in its Sound folder, in name order. The
// record and temporary files are no game files; every other entry is named
// in passedOver (paths), when given.
std::vector<std::string> GameFilesIn(const std::string& folder,
                                     std::vector<std::string>* passedOver = nullptr);

// The sentence that names a folder for a backup that could not be made, with
// the cause LastFileError gives.
std::string FolderNotMadeText(const std::string& folder);

// Orders backup folder names as they were made: by stamp, and " (10)" after
// " (9)".
bool BackupNameLess(std::string_view a, std::string_view b);

}  // namespace wavoria
