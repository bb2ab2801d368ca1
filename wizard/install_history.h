// The history of a game's installations, read from its backup folders
// (install_backup.h): every installation and undo with its record, the
// backups of earlier versions of the program (folders without a record), and
// what interrupted runs left behind.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "wizard/install_record.h"

namespace wavoria {

// One folder below "Wavoria-Sicherung".
struct BackupEntry {
  std::string Name;                     // the folder's name
  std::string Folder;                   // its path
  std::optional<InstallRecord> Record;  // nothing: a backup of an earlier version
};

struct GameHistory {
  // Oldest first: the backups of earlier versions by name, then the recorded
  // runs by number.
  std::vector<BackupEntry> Backups;
  // What forbids every run: a link where the backups are, a record that
  // cannot be read; one sentence each.
  std::vector<std::string> Problems;
  // Temporary files of interrupted runs: in the game folder, in "Sound" and
  // in the backup folders (paths).
  std::vector<std::string> Leftovers;
  // Backup folders of runs killed before they wrote their record: they hold
  // nothing but temporary files and empty folders (paths).
  std::vector<std::string> Unfinished;
  int NextNumber = 1;  // the number of the next run

  // The index in Backups of the newest recorded run of kind in state, or
  // nothing.
  std::optional<std::size_t> Newest(RecordKind kind, RecordState state) const;
  // The index of the recorded installation with number, or nothing.
  std::optional<std::size_t> WithNumber(int number) const;
  // The index of the newest backup of an earlier version not yet put back.
  std::optional<std::size_t> NewestEarlierBackup() const;
};

GameHistory ReadHistory(const std::string& gameFolder);

// How a record's run is named in messages: "die Installation Nr. 2 vom
// 2026-12-07 14.03.12 (Tastatursupport)", "die Sicherung '...' einer früheren
// Version von Wavoria".
std::string RunName(const BackupEntry& entry);

// The text of "wavoria-cli restore --list": every run, newest first, with its
// date, what it chose, its state and its files; lines joined by CR LF.
std::string HistoryText(const GameHistory& history);

}  // namespace wavoria
