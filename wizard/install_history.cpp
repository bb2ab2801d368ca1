#include "wizard/install_history.h"

#include <algorithm>
#include <iterator>

#include "document/text.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "platform/file_ops.h"
#include "wizard/game_entries.h"
#include "wizard/install_backup.h"
#include "wizard/install_plan.h"

namespace wavoria {

namespace {

std::string Join(const std::string& folder, std::string_view name) {
  std::string path = folder;
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += kPathSeparator;
  return path + std::string(name);
}

// The temporary files directly in folder: plain ones are leftovers of an
// interrupted run; anything else of that name is a problem.
void FindLeftovers(const std::string& folder, GameHistory& history) {
  for (const std::string& name : NamesIn(folder)) {
    if (!IsTemporaryName(name)) continue;
    const std::string path = Join(folder, name);
    if (KindOfEntry(path) == EntryKind::File) {
      history.Leftovers.push_back(path);
    } else {
      history.Problems.push_back(EntryProblem(path, false));
    }
  }
}

// Whether folder holds nothing but temporary files and empty folders.
bool HoldsNothing(const std::string& folder) {
  for (const std::string& name : NamesIn(folder)) {
    const std::string path = Join(folder, name);
    const EntryKind kind = KindOfEntry(path);
    if (kind == EntryKind::File && IsTemporaryName(name)) continue;
    if (kind == EntryKind::Folder && HoldsNothing(path)) continue;
    return false;
  }
  return true;
}

// The damage of a record that could not be read at all.
RecordDamage UnreadableRecord(FileError error) {
  RecordDamage damage;
  damage.Cause = error == FileError::TooLarge
                     ? "es ist größer als 1 MiB; so große schreibt Wavoria nicht"
                     : WithCause("es kann nicht gelesen werden", error);
  if (damage.Cause.ends_with('.')) damage.Cause.pop_back();
  return damage;
}

// Reads one backup folder into history.
void ReadBackup(const std::string& name, const std::string& folder, GameHistory& history) {
  FindLeftovers(folder, history);
  for (const std::string& sub : FoldersIn(folder)) {
    if (KindOfEntry(Join(folder, sub)) == EntryKind::Folder)
      FindLeftovers(Join(folder, sub), history);
  }
  BackupEntry entry{name, folder, std::nullopt, std::nullopt, 0, {}};
  const std::string recordPath = Join(folder, kRecordFile);
  const std::string problem = EntryProblem(recordPath, false);
  if (!problem.empty()) {
    history.Problems.push_back(problem);
    return;
  }
  std::string text;
  RecordDamage damage;
  if (ReadWholeFile(recordPath, text, kMaxRecordBytes)) {
    entry.Record = ParseRecord(text, &damage);
  } else if (LastFileError() != FileError::NotFound) {
    damage = UnreadableRecord(LastFileError());
  } else if (HoldsNothing(folder)) {
    history.Unfinished.push_back(folder);
    return;
  } else {
    history.Backups.push_back(std::move(entry));  // an earlier version's backup
    return;
  }
  if (!entry.Record) {
    entry.Damage = std::move(damage);
    entry.GameFiles = GameFilesIn(folder);
    history.NextNumber = std::max(history.NextNumber, entry.Damage->Number + 1);
  } else {
    history.NextNumber =
        std::max({history.NextNumber, entry.Record->Number + 1, entry.Record->By + 1});
  }
  history.Backups.push_back(std::move(entry));
}

// Marks each damaged record that an undo has dealt with (its record names
// the folder).
void SettleDamaged(GameHistory& history) {
  for (const BackupEntry& undo : history.Backups) {
    const auto& record = undo.Record;
    if (!record || record->Kind != RecordKind::Undo || record->State != RecordState::Complete) {
      continue;
    }
    for (BackupEntry& entry : history.Backups) {
      if (entry.Damage && entry.Name == record->UndoesFolder) entry.SettledBy = record->Number;
    }
  }
}

// The number by which an entry stands among the recorded runs; 0 for none.
int NumberOf(const BackupEntry& entry) {
  return entry.Record ? entry.Record->Number : entry.Damage ? entry.Damage->Number : 0;
}

// Oldest first: the backups of earlier versions by name, then the recorded
// runs by number; a damaged record whose number is lost stands by its
// folder's name among them.
void SortHistory(std::vector<BackupEntry>& backups) {
  std::vector<BackupEntry> earlier, numbered, unnumbered;
  for (BackupEntry& entry : backups) {
    (entry.Earlier()       ? earlier
     : NumberOf(entry) > 0 ? numbered
                           : unnumbered)
        .push_back(std::move(entry));
  }
  auto byName = [](const BackupEntry& a, const BackupEntry& b) {
    return BackupNameLess(a.Name, b.Name);
  };
  std::ranges::stable_sort(earlier, byName);
  std::ranges::stable_sort(numbered, {}, NumberOf);
  std::ranges::stable_sort(unnumbered, byName);
  for (BackupEntry& entry : unnumbered) {
    const auto at = std::ranges::find_if(
        numbered, [&](const BackupEntry& n) { return BackupNameLess(entry.Name, n.Name); });
    numbered.insert(at, std::move(entry));
  }
  backups = std::move(earlier);
  std::ranges::move(numbered, std::back_inserter(backups));
}

std::string FileLine(std::string_view what, const RecordedFile& file) {
  return "    " + std::string(what) + ": " + file.Path + " (" + StampText(file.After) + ")";
}

}  // namespace

bool BackupEntry::Earlier() const {
  return Record ? Record->Kind == RecordKind::EarlierBackup : !Damage;
}

bool BackupEntry::DamagedInEffect() const {
  return Damage && SettledBy == 0 && Damage->Kind != RecordKind::Undo &&
         Damage->Kind != RecordKind::EarlierBackup;
}

std::optional<std::size_t> GameHistory::Newest(RecordKind kind, RecordState state) const {
  for (std::size_t i = Backups.size(); i-- > 0;) {
    const auto& record = Backups[i].Record;
    if (record && record->Kind == kind && record->State == state) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> GameHistory::WithNumber(int number) const {
  for (std::size_t i = 0; i < Backups.size(); ++i) {
    const auto& record = Backups[i].Record;
    if (record && record->Kind == RecordKind::Installation && record->Number == number) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> GameHistory::NewestEarlierBackup() const {
  for (std::size_t i = Backups.size(); i-- > 0;) {
    if (!Backups[i].Record && !Backups[i].Damage) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> GameHistory::NewestInEffect() const {
  for (std::size_t i = Backups.size(); i-- > 0;) {
    const BackupEntry& entry = Backups[i];
    if (entry.DamagedInEffect()) return i;
    if (entry.Record && entry.Record->Kind == RecordKind::Installation &&
        entry.Record->State == RecordState::Complete) {
      return i;
    }
  }
  return std::nullopt;
}

GameHistory ReadHistory(const std::string& gameFolder) {
  GameHistory history;
  FindLeftovers(gameFolder, history);
  const std::string sound = EntryPath(gameFolder, kGameSoundFolder);
  if (KindOfEntry(sound) == EntryKind::Folder) FindLeftovers(sound, history);
  const std::string root = EntryPath(gameFolder, kBackupFolder);
  if (std::string problem = EntryProblem(root, true); !problem.empty()) {
    history.Problems.push_back(std::move(problem));
    return history;
  }
  for (const std::string& name : NamesIn(root)) {
    const std::string path = Join(root, name);
    switch (KindOfEntry(path)) {
      case EntryKind::Folder:
        ReadBackup(name, path, history);
        break;
      case EntryKind::File:  // a maker's own file stays where it is
        if (IsTemporaryName(name)) history.Leftovers.push_back(path);
        break;
      case EntryKind::Missing:
        break;
      default:
        history.Problems.push_back(EntryProblem(path, true));
    }
  }
  SettleDamaged(history);
  SortHistory(history.Backups);
  return history;
}

std::string RunName(const BackupEntry& entry) {
  if (entry.Damage) {
    const int number = entry.Damage->Number;
    return "die Sicherung " + Quoted(entry.Name) +
           (number > 0 ? " (Nr. " + DecimalText(number) + ")" : "") +
           " mit beschädigtem Inhaltsverzeichnis";
  }
  if (entry.Earlier()) {
    return "die Sicherung " + Quoted(entry.Name) + " einer früheren Version von Wavoria";
  }
  const InstallRecord& record = *entry.Record;
  std::string name = record.Kind == RecordKind::Installation ? "die Installation Nr. "
                                                             : "das Rückgängigmachen Nr. ";
  name += DecimalText(record.Number) + " vom " + record.Date;
  if (!record.Choices.empty()) name += " (" + record.Choices + ")";
  return name;
}

std::string HistoryText(const GameHistory& history) {
  std::string text;
  auto line = [&](std::string_view content) {
    AppendAll(text, {text.empty() ? "" : LineBreak, content});
  };
  if (history.Backups.empty()) line("Im Spiel gibt es keine Installation von Wavoria.");
  for (auto entry = history.Backups.rbegin(); entry != history.Backups.rend(); ++entry) {
    std::string name = RunName(*entry);
    name[0] = static_cast<char>(ToUpperAscii(name.substr(0, 1))[0]);
    if (entry->Damage) {
      line(name + ": " +
           (entry->SettledBy > 0 ? "erledigt durch Nr. " + DecimalText(entry->SettledBy)
                                 : std::string("beschädigt")));
      line("    Ordner: " + Quoted(entry->Folder));
      line("    Beschädigt: " + DamageText(*entry->Damage));
      for (const std::string& file : entry->GameFiles) line("    Enthält: " + file);
      continue;
    }
    if (!entry->Record) {
      line(name + ": noch nicht zurückgelegt");
      continue;
    }
    const InstallRecord& record = *entry->Record;
    std::string state = StateText(record);
    if (record.State == RecordState::Running) state = "unterbrochen";
    if (record.Kind == RecordKind::Installation && record.State == RecordState::Complete) {
      state = "in Kraft";
    }
    if (record.Kind == RecordKind::Undo) {
      name += record.UndoesFolder.empty()
                  ? ", für die Installation Nr. " + DecimalText(record.UndoesNumber)
                  : ", für die Sicherung " + Quoted(record.UndoesFolder);
    }
    line(name + ": " + state);
    line("    Ordner: " + Quoted(entry->Folder));
    for (const std::string& folder : record.CreatedFolders) line("    Ordner angelegt: " + folder);
    for (const RecordedFile& file : record.Files) {
      line(FileLine(file.Replaced ? "Ersetzt" : "Hinzugefügt", file));
    }
    for (const std::string& file : record.PutBack) line("    Zurückgelegt: " + file);
    for (const std::string& file : record.Removed) line("    Entfernt: " + file);
    for (const std::string& file : record.KeptChanged)
      line("    Geändert, hier aufbewahrt: " + file);
    for (const std::string& reason : record.Reasons) line("    Grund: " + reason);
  }
  return text;
}

}  // namespace wavoria
