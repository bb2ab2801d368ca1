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
  std::optional<InstallRecord> Record;  // nothing: a backup of an earlier version, or damaged
  std::optional<RecordDamage> Damage;   // its record is there but cannot be read
  int SettledBy = 0;  // Damage: the undo whose record names this folder, once it ran; else 0
  std::vector<std::string> GameFiles;  // Damage: the game files the folder keeps, relative

  // A backup of an earlier version of the program: a folder without a record
  // (or with the mark that it was put back).
  bool Earlier() const;
  // A damaged record that no undo has dealt with and that may stand for an
  // installation in effect: its undo is what depends on it.
  bool DamagedInEffect() const;
};

struct GameHistory {
  // Oldest first: the backups of earlier versions by name, then the recorded
  // runs by number.
  std::vector<BackupEntry> Backups;
  // What forbids every run: a link, a pipe or a device where the backups or a
  // record are; one sentence each. A record that cannot be read is no
  // problem here: its entry says so (BackupEntry::Damage).
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
  // The index of the newest installation in effect, or of a damaged record
  // newer than every one (BackupEntry::DamagedInEffect); nothing when neither.
  std::optional<std::size_t> NewestInEffect() const;
};

// Reads the history. Records are read up to kMaxRecordBytes; larger ones
// count as damaged. The numbers of damaged records that can still be read
// count for NextNumber, so that no number is given twice.
GameHistory ReadHistory(const std::string& gameFolder);

// How a record's run is named in messages: "die Installation Nr. 2 vom
// 2026-12-07 14.03.12 (Tastatursupport)", "die Sicherung '...' einer früheren
// Version von Wavoria", "die Sicherung '...' mit beschädigtem
// Inhaltsverzeichnis".
std::string RunName(const BackupEntry& entry);

// The text of "wavoria-cli restore --list": every run, newest first, with its
// date, what it chose, its state and its files, a damaged record with its
// line and what is wrong and the game files its folder keeps; lines joined by
// CR LF.
std::string HistoryText(const GameHistory& history);

}  // namespace wavoria
