#include "wizard/install_history.h"

#include <algorithm>

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

// Reads one backup folder into history.
void ReadBackup(const std::string& name, const std::string& folder, GameHistory& history) {
  FindLeftovers(folder, history);
  for (const std::string& sub : FoldersIn(folder)) {
    if (KindOfEntry(Join(folder, sub)) == EntryKind::Folder)
      FindLeftovers(Join(folder, sub), history);
  }
  BackupEntry entry{name, folder, std::nullopt};
  const std::string recordPath = Join(folder, kRecordFile);
  const std::string problem = EntryProblem(recordPath, false);
  if (!problem.empty()) {
    history.Problems.push_back(problem);
    return;
  }
  std::string text;
  if (!ReadWholeFile(recordPath, text)) {
    if (LastFileError() != FileError::NotFound) {
      history.Problems.push_back(
          WithCause("Das Inhaltsverzeichnis " + Quoted(recordPath) + " kann nicht gelesen werden",
                    LastFileError()));
    } else if (HoldsNothing(folder)) {
      history.Unfinished.push_back(folder);
    } else {
      history.Backups.push_back(std::move(entry));
    }
    return;
  }
  entry.Record = ParseRecord(text);
  if (!entry.Record) {
    history.Problems.push_back(
        "Das Inhaltsverzeichnis " + Quoted(recordPath) +
        " ist beschädigt oder unvollständig; Wavoria ändert nichts am Spiel, bis es wieder "
        "lesbar ist (oder der Ordner entfernt ist).");
    return;
  }
  history.NextNumber =
      std::max({history.NextNumber, entry.Record->Number + 1, entry.Record->By + 1});
  history.Backups.push_back(std::move(entry));
}

// Whether a backup belongs to an earlier version of the program (with or
// without the mark that it was put back).
bool IsEarlier(const BackupEntry& entry) {
  return !entry.Record || entry.Record->Kind == RecordKind::EarlierBackup;
}

std::string FileLine(std::string_view what, const RecordedFile& file) {
  return "    " + std::string(what) + ": " + file.Path + " (" + StampText(file.After) + ")";
}

}  // namespace

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
    if (!Backups[i].Record) return i;
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
  std::ranges::stable_sort(history.Backups, [](const BackupEntry& a, const BackupEntry& b) {
    if (IsEarlier(a) != IsEarlier(b)) return IsEarlier(a);
    if (IsEarlier(a)) return BackupNameLess(a.Name, b.Name);
    return a.Record->Number < b.Record->Number;
  });
  return history;
}

std::string RunName(const BackupEntry& entry) {
  if (IsEarlier(entry)) {
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
  }
  return text;
}

}  // namespace wavoria
