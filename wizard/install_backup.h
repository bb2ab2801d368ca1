// The backups an installation keeps of the game files it replaces, and the
// restore that puts the newest backup back.
//
// Before an installation replaces an existing file in the game folder whose
// bytes differ from the new ones, it keeps that file in
//   <game>\Wavoria-Sicherung\<YYYY-MM-DD HH.MM.SS>\ (a folder)
// with the file's place below the game folder kept ("Sound\KeyList.script.wav"
// stays in "Sound\"). One folder per installation; identical files are not
// kept. A restore is an installation of the backup's files, so it keeps what
// it replaces in a new backup and can itself be undone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "wizard/install_plan.h"

namespace wavoria {

inline constexpr std::string_view kBackupFolder = "Wavoria-Sicherung";

// The name for a backup made now, from the local time ("2026-12-07
// 14.03.12"); the fixed stamp instead while one is set.
std::string BackupStampNow();

// Test seam: every later backup is named stamp; an empty stamp goes back to
// the clock.
void FixBackupStamp(std::string stamp);

// One file to keep: its path below the game folder and its bytes.
struct BackupFile {
  std::string RelativePath;  // "harmony.dll", "Sound\KeyList.script.wav", ...
  std::string Bytes;
};

// Writes files into a new backup folder of gameFolder named stamp (with
// " (2)", " (3)", ... appended when that folder exists already). Returns the
// folder; on failure "" with problem set to a German sentence naming the file
// and the cause, and nothing of the backup is left behind.
std::string MakeBackup(const std::string& gameFolder, const std::string& stamp,
                       const std::vector<BackupFile>& files, std::string& problem);

// The newest backup folder of gameFolder (the greatest name), or "".
std::string NewestBackup(const std::string& gameFolder);

// The plan that copies every file of backup back to its place in gameFolder,
// creating the folders it needs; names in the game folder as NameInFolder
// finds them.
InstallPlan BuildRestorePlan(const std::string& gameFolder, const std::string& backup);

}  // namespace wavoria
