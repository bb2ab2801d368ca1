// The record that every installation and every undo keeps in its backup
// folder ("Inhalt.txt"): plain text that a maker can read, from which the
// program learns what a run changed, whether it ran to its end and whether it
// has been undone. Windows-1252, CR LF, one "Key: value" per line, a file's
// size and checksum on indented lines below it:
//
//   Wavoria: Inhalt dieser Sicherung
//   Nummer: 2
//   Art: Installation
//   Datum: 2026-12-07 14.03.12
//   Auswahl: Tastatursupport
//   Ordner angelegt: Sound
//   Ersetzt: harmony.dll
//     vorher: 5 Bytes, CRC-32 3610A686
//     nachher: 7 Bytes, CRC-32 E8B7BE43
//   Hinzugefügt: Sound\KeyList.script.wav
//     nachher: 30 Bytes, CRC-32 0A1B2C3D
//   Stand: vollständig
//
// The record is written before the run changes anything ("Stand: läuft") and
// marked at the end; an undo rewrites the state of the run it undid. An
// installation that failed and was rolled back says why, one "Grund: ..."
// line per failure, above "Stand: abgebrochen".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wavoria {

inline constexpr std::string_view kRecordFile = "Inhalt.txt";

// No record the program writes comes near this size; a larger file is taken
// for damaged without being read.
inline constexpr std::size_t kMaxRecordBytes = 1 << 20;

// The CRC-32 (as in ZIP) of bytes.
std::uint32_t Crc32(std::string_view bytes);

// A file's size and checksum: enough to tell whether a file is still the one
// a run wrote.
struct FileStamp {
  std::uint64_t Size = 0;
  std::uint32_t Crc = 0;

  bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(std::string_view bytes);

// "7 Bytes, CRC-32 E8B7BE43".
std::string StampText(const FileStamp& stamp);

enum class RecordKind {
  Installation,   // "Installation"
  Undo,           // "Rückgängig": undid an installation or an earlier version's backup
  EarlierBackup,  // "Sicherung einer früheren Version": marks such a backup once it was put back
};

enum class RecordState {
  Running,     // "läuft": not marked at its end, so interrupted unless it runs now
  Complete,    // "vollständig"
  Undone,      // "rückgängig gemacht durch Nr. N" ("zurückgelegt durch Nr. N" for a backup)
  RolledBack,  // "abgebrochen und zurückgenommen durch Nr. N": interrupted, then undone
  Aborted,     // "abgebrochen": a step failed, and the run took back what it had done
};

struct RecordedFile {
  std::string Path;       // below the game folder, "\" between folder and name
  bool Replaced = false;  // an earlier file was replaced and is kept in the
                          // record's folder; false: the file was added
  FileStamp Before;       // Replaced: the earlier file
  FileStamp After;        // what the run wrote

  bool operator==(const RecordedFile&) const = default;
};

struct InstallRecord {
  int Number = 0;  // the run's place in the game's history, from 1; 0 for EarlierBackup
  RecordKind Kind = RecordKind::Installation;
  std::string Date;                         // "2026-12-07 14.03.12"
  std::string Choices;                      // Installation: what was chosen
  int UndoesNumber = 0;                     // Undo: the installation it undoes
  std::string UndoesFolder;                 // Undo of an earlier version's backup: its folder name
  std::vector<std::string> CreatedFolders;  // Installation: folders it created ("Sound")
  std::vector<RecordedFile> Files;          // Installation: every file it replaced or added
  std::vector<std::string> PutBack;         // Undo: files put back
  std::vector<std::string> Removed;         // Undo: files removed
  std::vector<std::string> KeptChanged;     // Undo: files changed since, kept in its folder
  std::vector<std::string> Reasons;         // Aborted: why, one sentence per failed step
  RecordState State = RecordState::Running;
  int By = 0;  // Undone, RolledBack: the number of the undo

  bool operator==(const InstallRecord&) const = default;
};

// The state as the record and the history name it.
std::string StateText(const InstallRecord& record);

std::string RecordText(const InstallRecord& record);

// Where and why a record cannot be read, and what could still be read of it.
struct RecordDamage {
  int Line = 0;                    // the first line that cannot be read, from 1; 0: the whole file
  std::string Cause;               // what is wrong with it, in German
  int Number = 0;                  // the run's number, when its line could be read; else 0
  std::optional<RecordKind> Kind;  // the run's kind, when its line could be read
};

// "Zeile 5: unbekannte Art 'Neu'", or the cause alone for the whole file.
std::string DamageText(const RecordDamage& damage);

// The record the bytes of a record file hold, read as leniently as a script:
// Windows-1252, or UTF-8 with or without a byte-order mark, or UTF-16 with
// one (as a maker's editor saves it again); CR LF or LF; blanks and tabs
// around keys and values do not count, a line ends at a NUL byte, and keys
// and file names compare without regard to the case of A to Z. Lines it does
// not know, such as a maker's note, are passed over. Nothing, with damage
// set when given, when a line that every record has (kind, state, number) is
// missing or a line it knows cannot be read.
std::optional<InstallRecord> ParseRecord(std::string_view bytes, RecordDamage* damage = nullptr);

}  // namespace wavoria
