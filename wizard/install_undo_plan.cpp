#include <algorithm>

#include "document/text.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "platform/file_io_shared.h"
#include "platform/file_ops.h"
#include "wizard/game_entries.h"
#include "wizard/install_backup.h"
#include "wizard/install_plan.h"
#include "wizard/install_undo.h"
#include "wizard/install_undo_parts.h"

namespace wavoria {

using namespace undo_parts;

namespace {

using Kind = UndoAction::Kind;

UndoAction Change(Kind what, std::string relative, std::string target) {
  UndoAction action;
  action.What = what;
  action.Relative = std::move(relative);
  action.Target = std::move(target);
  return action;
}

bool AddProblem(RestoreChoice& choice, std::string problem) {
  if (problem.empty()) return false;
  choice.Problems.push_back(std::move(problem));
  return true;
}

// Reads the game file at path into bytes (left empty when it is not there); false
// with a problem when it cannot be read.
bool ReadCurrent(const std::string& path, std::optional<std::string>& bytes,
                 RestoreChoice& choice) {
  if (KindOfEntry(path) == EntryKind::Missing) return true;
  std::string read;
  if (!ReadWholeFile(path, read)) {
    return !AddProblem(
        choice,
        WithCause("Die Datei " + Quoted(path) + " konnte nicht gelesen werden", LastFileError()));
  }
  bytes = std::move(read);
  return true;
}

// The copy of relative kept in a backup folder, which must be a plain file
// (in a plain folder) and, when expected is given, the file the record names.
bool ReadKept(const std::string& folder, const std::string& relative, const FileStamp* expected,
              std::string& bytes, RestoreChoice& choice) {
  // Names as the game's: a record edited by hand may spell them in another case.
  const std::string path = PathInGame(folder, relative);
  const std::size_t cut = relative.find('\\');
  if (cut != std::string::npos &&
      AddProblem(choice, EntryProblem(PathInBackup(folder, relative.substr(0, cut)), true))) {
    return false;
  }
  if (AddProblem(choice, EntryProblem(path, false))) return false;
  if (!ReadWholeFile(path, bytes)) {
    return !AddProblem(choice, WithCause("Die gesicherte Datei " + Quoted(path) +
                                             " fehlt oder kann nicht gelesen werden",
                                         LastFileError()));
  }
  if (expected != nullptr && StampOf(bytes) != *expected) {
    return !AddProblem(choice, "Die gesicherte Datei " + Quoted(path) +
                                   " ist nicht mehr die, die die Installation aufbewahrt hat "
                                   "(Größe oder Prüfsumme weichen ab); Wavoria legt sie nicht "
                                   "zurück.");
  }
  return true;
}

// Adds a change of an existing or missing game file, once the file may be
// changed and its temporary file's path fits.
void AddChange(RestoreChoice& choice, UndoAction action, bool exists) {
  if (exists && !FileWritable(action.Target)) {
    AddProblem(choice, WithCause("Die Datei " + Quoted(action.Target) +
                                     (action.What == Kind::Remove ? " kann nicht entfernt werden"
                                                                  : " kann nicht ersetzt werden"),
                                 LastFileError()));
    return;
  }
  if (AddProblem(choice, PathLengthProblem(detail::TemporaryNameFor(action.Target), false))) return;
  choice.Actions.push_back(std::move(action));
}

std::string PassedOverText(const std::string& entry) {
  return "In der Sicherung wird " + Quoted(entry) +
         " übergangen: Wavoria legt nur Dateien zurück, die es selbst geschrieben haben kann.";
}

// oldharmony.dll is changed only after harmony.dll, which calls it: its
// change goes after the one of harmony.dll, and it stays, named, when the
// record names no harmony.dll that can be put back (a line passed over).
void KeepLibraryPair(RestoreChoice& choice, bool harmonyNamed) {
  auto named = [](std::string_view file) {
    return [file](const UndoAction& a) { return EqualsIgnoreCase(a.Relative, file); };
  };
  auto& actions = choice.Actions;
  const auto old = std::ranges::find_if(actions, named(kOldHarmonyDll));
  if (old == actions.end()) return;
  const auto harmony = std::ranges::find_if(actions, named(kHarmonyDll));
  if (harmony != actions.end()) {
    if (harmony > old) std::rotate(old, harmony, harmony + 1);
    return;
  }
  if (harmonyNamed) return;  // harmony.dll is as before the installation
  choice.Skipped.push_back("Die Datei " + Quoted(old->Target) +
                           " bleibt, weil das Inhaltsverzeichnis keine " + Quoted(kHarmonyDll) +
                           " nennt, die vorher zurückgelegt werden kann; ohne sie liefe die " +
                           Quoted(kHarmonyDll) + " von Klavato nicht.");
  actions.erase(old);
}

// Putting back a backup of an earlier version, as that version did, or the
// folder of a damaged record: every game file it keeps (those named in only,
// when given: what an interrupted undo set out to put back) goes back to its
// place; the file there, when it differs, is kept first. Anything else is
// passed over and named.
void PlanPutBack(RestoreChoice& choice, const BackupEntry& entry,
                 const std::vector<std::string>* only) {
  bool soundMade = false;
  std::vector<std::string> passedOver;
  for (const std::string& relative : GameFilesIn(entry.Folder, &passedOver)) {
    if (only != nullptr && std::ranges::find(*only, relative) == only->end()) continue;
    UndoAction action = Change(Kind::PutBack, relative, PathInGame(choice.GameFolder, relative));
    if (AddProblem(choice, GameFileProblem(choice.GameFolder, relative)) ||
        !ReadKept(entry.Folder, relative, nullptr, action.Bytes, choice)) {
      continue;
    }
    std::optional<std::string> current;
    if (!ReadCurrent(action.Target, current, choice) || current == action.Bytes) continue;
    const std::string sound = EntryPath(choice.GameFolder, kGameSoundFolder);
    if (relative.find('\\') != std::string::npos && !soundMade &&
        KindOfEntry(sound) == EntryKind::Missing) {
      choice.Actions.push_back(Change(Kind::MakeFolder, std::string(kGameSoundFolder), sound));
      soundMade = true;
    }
    action.KeepCurrent = current.has_value();
    if (current) action.Current = *current;
    AddChange(choice, std::move(action), current.has_value());
  }
  for (const std::string& path : passedOver) choice.Notes.push_back(PassedOverText(path));
}

// The backup of choice's history whose name is name.
std::optional<std::size_t> BackupNamed(const GameHistory& history, const std::string& name) {
  for (std::size_t i = 0; i < history.Backups.size(); ++i) {
    if (history.Backups[i].Name == name) return i;
  }
  return std::nullopt;
}

}  // namespace

// Undoing a recorded installation: newest change first, each file by what it
// is now: as before the installation (nothing to do), as the installation
// wrote it (put back or removed), or changed since (kept first, then put
// back or removed).
void undo_parts::PlanInstallationUndo(RestoreChoice& choice, const BackupEntry& entry) {
  const InstallRecord& record = *entry.Record;
  bool harmonyNamed = false;
  for (auto file = record.Files.rbegin(); file != record.Files.rend(); ++file) {
    if (std::string problem = WindowsNameProblem(file->Path); !problem.empty()) {
      choice.Skipped.push_back(std::move(problem));
      continue;
    }
    if (!IsRestorablePath(file->Path)) {
      choice.Skipped.push_back(PassedOverText(PathInBackup(entry.Folder, file->Path)));
      continue;
    }
    harmonyNamed = harmonyNamed || EqualsIgnoreCase(file->Path, kHarmonyDll);
    if (AddProblem(choice, GameFileProblem(choice.GameFolder, file->Path))) continue;
    UndoAction action = Change(file->Replaced ? Kind::PutBack : Kind::Remove, file->Path,
                               PathInGame(choice.GameFolder, file->Path));
    std::optional<std::string> current;
    if (!ReadCurrent(action.Target, current, choice)) continue;
    const bool asBefore = file->Replaced ? current && StampOf(*current) == file->Before : !current;
    if (asBefore) continue;
    if (file->Replaced &&
        !ReadKept(entry.Folder, file->Path, &file->Before, action.Bytes, choice)) {
      continue;
    }
    action.KeepCurrent = current && StampOf(*current) != file->After;
    if (action.KeepCurrent) action.Current = *current;
    AddChange(choice, std::move(action), current.has_value());
  }
  KeepLibraryPair(choice, harmonyNamed);
  for (auto folder = record.CreatedFolders.rbegin(); folder != record.CreatedFolders.rend();
       ++folder) {
    const std::string target = EntryPath(choice.GameFolder, *folder);
    if (!EqualsIgnoreCase(*folder, kGameSoundFolder) || KindOfEntry(target) == EntryKind::Missing ||
        AddProblem(choice, EntryProblem(target, true))) {
      continue;
    }
    choice.Actions.push_back(Change(Kind::RemoveFolder, *folder, target));
  }
}

std::vector<BackupFile> undo_parts::KeptFiles(const RestoreChoice& choice) {
  std::vector<BackupFile> files;
  for (const UndoAction& action : choice.Actions) {
    if (action.KeepCurrent) files.push_back({action.Relative, action.Current});
  }
  return files;
}

std::vector<std::string> RestoreChoice::Files(UndoAction::Kind kind) const {
  std::vector<std::string> files;
  for (const UndoAction& action : Actions) {
    if (action.What == kind) files.push_back(action.Relative);
  }
  return files;
}

std::vector<std::string> RestoreChoice::ChangedFiles() const {
  std::vector<std::string> files;
  for (const BackupFile& file : KeptFiles(*this)) files.push_back(file.RelativePath);
  return files;
}

RestoreChoice ChooseRestore(const std::string& gameFolder) {
  RestoreChoice choice;
  choice.GameFolder = AsFolder(gameFolder);
  if (AddProblem(choice, GamePathProblem(choice.GameFolder))) return choice;
  if (!FolderExists(choice.GameFolder)) {
    AddProblem(choice,
               "Der Ordner des Spiels " + Quoted(choice.GameFolder) + " wurde nicht gefunden.");
    return choice;
  }
  choice.Run = std::make_shared<GameRun>(choice.GameFolder);
  if (AddProblem(choice, choice.Run->Problem())) return choice;
  if (!choice.Run->Note().empty()) choice.Notes.push_back(choice.Run->Note());
  choice.History = ReadHistory(choice.GameFolder);
  const GameHistory& history = choice.History;
  if (!history.Problems.empty()) {
    choice.Problems = history.Problems;
    return choice;
  }
  if (const auto undo = history.Newest(RecordKind::Undo, RecordState::Running)) {
    const InstallRecord& record = *history.Backups[*undo].Record;
    choice.Job = RestoreJob::Finish;
    choice.Resume = undo;
    choice.Target = record.UndoesFolder.empty() ? history.WithNumber(record.UndoesNumber)
                                                : BackupNamed(history, record.UndoesFolder);
    if (!choice.Target) {
      AddProblem(choice, Capitalised(RunName(history.Backups[*undo])) +
                             " war unterbrochen, aber die Sicherung, die es zurücklegen sollte, "
                             "ist nicht mehr da.");
      return choice;
    }
  } else if (const auto running = history.Newest(RecordKind::Installation, RecordState::Running)) {
    choice.Job = RestoreJob::RollBack;
    choice.Target = running;
  } else if (!history.Unfinished.empty()) {
    choice.Job = RestoreJob::CleanUp;
  } else if (const auto inEffect = history.NewestInEffect()) {
    choice.Job = history.Backups[*inEffect].Damage ? RestoreJob::Damaged : RestoreJob::Undo;
    choice.Target = inEffect;
  } else if (const auto earlier = history.NewestEarlierBackup()) {
    choice.Job = RestoreJob::UndoEarlier;
    choice.Target = earlier;
  }
  if (!choice.Target) return choice;
  const BackupEntry& target = history.Backups[*choice.Target];
  if (target.Record && target.Record->Kind == RecordKind::Installation) {
    PlanInstallationUndo(choice, target);
  } else {
    PlanPutBack(choice, target,
                choice.Resume ? &history.Backups[*choice.Resume].Record->PutBack : nullptr);
  }
  if (!choice.Resume) {
    for (std::string& problem : BackupPathProblems(
             FreeBackupFolder(choice.GameFolder, BackupStampNow()), KeptFiles(choice))) {
      AddProblem(choice, std::move(problem));
    }
  }
  return choice;
}

}  // namespace wavoria
