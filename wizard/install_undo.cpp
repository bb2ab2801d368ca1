#include "wizard/install_undo.h"

#include <algorithm>

#include "document/text.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "platform/file_io_shared.h"
#include "platform/file_ops.h"
#include "wizard/game_entries.h"
#include "wizard/install_backup.h"
#include "wizard/install_plan.h"

namespace wavoria {

namespace {

using Kind = UndoAction::Kind;

std::string AsFolder(std::string folder) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += kPathSeparator;
  return folder;
}

std::string Capitalised(std::string text) {
  if (!text.empty()) text[0] = ToUpperAscii(text.substr(0, 1))[0];
  return text;
}

// title, then the names one per line, indented: a message box breaks a long
// line anywhere, a backslash included.
std::string Listed(std::string_view title, const std::vector<std::string>& names) {
  std::string text(title);
  for (const std::string& name : names) AppendAll(text, {LineBreak, "    ", name});
  return text;
}

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

// The bytes of the game file at path, nothing when it is not there; false
// with a problem when it cannot be read.
bool ReadCurrent(const std::string& path, std::optional<std::string>& bytes,
                 RestoreChoice& choice) {
  bytes.reset();
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
  const std::string path = PathInBackup(folder, relative);
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

// Undoing a recorded installation: newest change first, each file by what it
// is now: as before the installation (nothing to do), as the installation
// wrote it (put back or removed), or changed since (kept first, then put
// back or removed).
void PlanInstallationUndo(RestoreChoice& choice, const BackupEntry& entry) {
  const InstallRecord& record = *entry.Record;
  for (auto file = record.Files.rbegin(); file != record.Files.rend(); ++file) {
    if (!IsRestorablePath(file->Path)) {
      choice.Notes.push_back(PassedOverText(PathInBackup(entry.Folder, file->Path)));
      continue;
    }
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

// Putting back a backup of an earlier version, as that version did: every
// file it holds that the program can have written goes back to its place;
// the file there, when it differs, is kept first. Anything else is passed
// over and named.
void PlanEarlierUndo(RestoreChoice& choice, const BackupEntry& entry) {
  bool soundMade = false;
  auto putBack = [&](const std::string& relative) {
    UndoAction action = Change(Kind::PutBack, relative, PathInGame(choice.GameFolder, relative));
    if (AddProblem(choice, GameFileProblem(choice.GameFolder, relative)) ||
        !ReadKept(entry.Folder, relative, nullptr, action.Bytes, choice)) {
      return;
    }
    std::optional<std::string> current;
    if (!ReadCurrent(action.Target, current, choice) || current == action.Bytes) return;
    const std::string sound = EntryPath(choice.GameFolder, kGameSoundFolder);
    if (relative.find('\\') != std::string::npos && !soundMade &&
        KindOfEntry(sound) == EntryKind::Missing) {
      choice.Actions.push_back(Change(Kind::MakeFolder, std::string(kGameSoundFolder), sound));
      soundMade = true;
    }
    action.KeepCurrent = current.has_value();
    if (current) action.Current = *current;
    AddChange(choice, std::move(action), current.has_value());
  };
  // Names as they are: one holding "\" is no path here.
  auto join = [](const std::string& folder, const std::string& name) {
    return AsFolder(folder) + name;
  };
  std::vector<std::string> folders;
  for (const std::string& name : NamesIn(entry.Folder)) {
    const std::string path = join(entry.Folder, name);
    if (IsTemporaryName(name)) continue;
    if (IsRestorablePath(name)) {
      putBack(name);
    } else if (EqualsIgnoreCase(name, kGameSoundFolder) && KindOfEntry(path) == EntryKind::Folder) {
      folders.push_back(name);
    } else {
      choice.Notes.push_back(PassedOverText(path));
    }
  }
  for (const std::string& folder : folders) {
    const std::string path = join(entry.Folder, folder);
    for (const std::string& name : NamesIn(path)) {
      if (IsTemporaryName(name)) continue;
      if (IsPlainFileName(name)) {
        putBack(folder + "\\" + name);
      } else {
        choice.Notes.push_back(PassedOverText(join(path, name)));
      }
    }
  }
}

bool IsRecovery(RestoreJob job) {
  return job == RestoreJob::CleanUp || job == RestoreJob::Finish || job == RestoreJob::RollBack;
}

// The backup of choice's history whose name is name.
std::optional<std::size_t> BackupNamed(const GameHistory& history, const std::string& name) {
  for (std::size_t i = 0; i < history.Backups.size(); ++i) {
    if (history.Backups[i].Name == name) return i;
  }
  return std::nullopt;
}

std::vector<BackupFile> KeptFiles(const RestoreChoice& choice) {
  std::vector<BackupFile> files;
  for (const UndoAction& action : choice.Actions) {
    if (action.KeepCurrent) files.push_back({action.Relative, action.Current});
  }
  return files;
}

// Removes the temporary files and unfinished backup folders that interrupted
// runs left, and says so.
void RemoveLeftovers(const GameHistory& history, InstallReport& report) {
  std::vector<std::string> removed;
  for (const std::string& path : history.Leftovers) {
    if (RemoveFile(path)) removed.push_back(path);
  }
  if (!removed.empty()) {
    report.Notes.push_back(Listed(
        "Übrig gebliebene Zwischendateien eines unterbrochenen Laufs wurden entfernt:", removed));
  }
  for (const std::string& folder : history.Unfinished) {
    // Depth first: the folder holds nothing but empty folders.
    std::vector<std::string> folders = {folder};
    for (std::size_t i = 0; i < folders.size(); ++i) {
      for (const std::string& sub : FoldersIn(folders[i])) {
        folders.push_back(AsFolder(folders[i]) + sub);
      }
    }
    bool removed = true;  // the folder itself goes last
    for (auto f = folders.rbegin(); f != folders.rend(); ++f) removed = RemoveEmptyFolder(*f);
    if (!removed) {
      report.Problems.push_back(WithCause("Der angefangene Sicherungsordner " + Quoted(folder) +
                                              " eines unterbrochenen Laufs konnte nicht entfernt "
                                              "werden",
                                          LastFileError()));
      continue;
    }
    report.Notes.push_back("Der angefangene Sicherungsordner " + Quoted(folder) +
                           " eines unterbrochenen Laufs wurde entfernt; am Spiel hatte dieser "
                           "Lauf noch nichts verändert.");
  }
}

std::string HeadlineOf(const RestoreChoice& choice) {
  const BackupEntry& target = choice.History.Backups[*choice.Target];
  switch (choice.Job) {
    case RestoreJob::Undo:
      return Capitalised(RunName(target)) + " wurde rückgängig gemacht.";
    case RestoreJob::UndoEarlier:
      return Capitalised(RunName(target)) + " wurde zurückgelegt.";
    case RestoreJob::RollBack:
      return Capitalised(RunName(target)) +
             " war unterbrochen und wurde zurückgenommen; das Spiel ist wieder wie vor ihr.";
    case RestoreJob::Finish:
      return Capitalised(RunName(choice.History.Backups[*choice.Resume])) + " (für " +
             RunName(target) + ") war unterbrochen und wurde zu Ende geführt.";
    default:
      break;
  }
  return {};
}

// Writes the undo's record and the changed files, makes every change in
// order, then marks the run it undid and itself complete. It stops at the
// first change that fails; its record then stays "läuft", so that the next
// run finishes it.
void RunUndo(const RestoreChoice& choice, InstallReport& report) {
  const GameHistory& history = choice.History;
  const BackupEntry& target = history.Backups[*choice.Target];
  const std::vector<BackupFile> kept = KeptFiles(choice);
  InstallRecord undo;
  std::string folder;
  std::string problem;
  if (choice.Resume) {
    folder = history.Backups[*choice.Resume].Folder;
    undo = *history.Backups[*choice.Resume].Record;
    if (!KeepFiles(folder, kept, problem)) report.Problems.push_back(problem);
  } else {
    const std::string stamp = BackupStampNow();
    undo.Number = history.NextNumber;
    undo.Kind = RecordKind::Undo;
    undo.Date = stamp;
    if (target.Record && target.Record->Kind == RecordKind::Installation) {
      undo.UndoesNumber = target.Record->Number;
    } else {
      undo.UndoesFolder = target.Name;
    }
    undo.PutBack = choice.Files(Kind::PutBack);
    undo.Removed = choice.Files(Kind::Remove);
    undo.KeptChanged = choice.ChangedFiles();
    folder = FreeBackupFolder(choice.GameFolder, stamp);
    if (!MakeBackup(folder, undo, kept, problem)) {
      report.Refused = true;
      report.Problems.push_back(problem);
    }
  }
  if (!report.Problems.empty()) return;
  report.RecordFolder = folder;
  for (const UndoAction& action : choice.Actions) {
    bool done = true;
    switch (action.What) {
      case Kind::PutBack:
        done = WriteFileAtomically(action.Target, action.Bytes);
        if (done) report.PutBack.push_back(action.Target);
        break;
      case Kind::Remove:
        done = RemoveFile(action.Target);
        if (done) report.Removed.push_back(action.Target);
        break;
      case Kind::MakeFolder:
        done = CreateFolder(action.Target);
        break;
      case Kind::RemoveFolder:
        if (!NamesIn(action.Target).empty()) {
          report.Notes.push_back("Der Ordner " + Quoted(action.Target) +
                                 " bleibt, weil er inzwischen weitere Dateien enthält.");
        } else {
          done = RemoveEmptyFolder(action.Target);
        }
        break;
    }
    if (!done) {
      const FileError error = LastFileError();
      if (!FolderExists(choice.GameFolder)) {
        report.Problems.push_back("Der Ordner des Spiels " + Quoted(choice.GameFolder) +
                                  " ist während des Rückgängigmachens verschwunden.");
        return;
      }
      const std::string what = action.What == Kind::PutBack  ? " konnte nicht zurückgelegt werden"
                               : action.What == Kind::Remove ? " konnte nicht entfernt werden"
                                                             : " konnte nicht angelegt werden";
      report.Problems.push_back(
          WithCause((action.What == Kind::PutBack || action.What == Kind::Remove ? "Die Datei "
                                                                                 : "Der Ordner ") +
                        Quoted(action.Target) + what,
                    error));
      report.Notes.push_back(
          "Das Rückgängigmachen wurde beim ersten Fehler angehalten; das nächste "
          "Rückgängigmachen oder die nächste Installation führt es zu Ende.");
      return;
    }
  }
  if (target.Record && target.Record->Kind == RecordKind::Installation) {
    InstallRecord marked = *target.Record;
    if (marked.State == RecordState::Running) marked.State = RecordState::RolledBack;
    if (marked.State == RecordState::Complete) marked.State = RecordState::Undone;
    marked.By = undo.Number;
    if (!WriteRecord(target.Folder, marked, problem)) report.Problems.push_back(problem);
  } else {
    InstallRecord marked;
    marked.Kind = RecordKind::EarlierBackup;
    marked.State = RecordState::Undone;
    marked.By = undo.Number;
    if (!WriteRecord(target.Folder, marked, problem)) report.Problems.push_back(problem);
  }
  undo.State = RecordState::Complete;
  if (report.Problems.empty() && !WriteRecord(folder, undo, problem)) {
    report.Problems.push_back(problem);
  }
  if (!kept.empty()) {
    std::vector<std::string> names;
    for (const BackupFile& file : kept) names.push_back(file.RelativePath);
    report.Notes.push_back(Listed(
        (choice.Job == RestoreJob::UndoEarlier
             ? "Die ersetzten Dateien, die sich von den zurückgelegten unterschieden, liegen in "
               "der Sicherung " +
                   Quoted(folder) + ":"
             : "Seit der Installation geändert und deshalb vorher in der Sicherung " +
                   Quoted(folder) + " aufbewahrt:"),
        names));
  }
}

}  // namespace

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
  } else if (const auto inEffect =
                 history.Newest(RecordKind::Installation, RecordState::Complete)) {
    choice.Job = RestoreJob::Undo;
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
    PlanEarlierUndo(choice, target);
  }
  if (!choice.Resume) {
    for (std::string& problem : BackupPathProblems(
             FreeBackupFolder(choice.GameFolder, BackupStampNow()), KeptFiles(choice))) {
      AddProblem(choice, std::move(problem));
    }
  }
  return choice;
}

PageResult RestoreQuestion(const RestoreChoice& choice) {
  if (!choice.Problems.empty()) {
    InstallReport refused;
    refused.Refused = true;
    refused.Problems = choice.Problems;
    return {false, MessageIcon::Warning, refused.WarningText("Das Rückgängigmachen")};
  }
  if (choice.Job == RestoreJob::Nothing) {
    return {false, MessageIcon::Warning, std::string(kNothingToUndoText)};
  }
  std::string text;
  switch (choice.Job) {
    case RestoreJob::CleanUp:
      text =
          "Ein unterbrochener Lauf von Wavoria hat einen angefangenen Sicherungsordner "
          "hinterlassen, am Spiel aber noch nichts verändert. Soll der Ordner entfernt werden?";
      break;
    case RestoreJob::UndoEarlier:
      text = "Soll " + RunName(choice.History.Backups[*choice.Target]) + " zurückgelegt werden?";
      break;
    case RestoreJob::Undo:
      text =
          "Soll " + RunName(choice.History.Backups[*choice.Target]) + " rückgängig gemacht werden?";
      break;
    default:  // an interrupted run
      text = "Ein Lauf von Wavoria wurde unterbrochen: " +
             RunName(choice.History.Backups[choice.Resume ? *choice.Resume : *choice.Target]) +
             ". Soll er jetzt " +
             (choice.Job == RestoreJob::Finish ? "zu Ende geführt" : "zurückgenommen") + " werden?";
      break;
  }
  auto section = [&](std::string_view title, const std::vector<std::string>& files) {
    if (!files.empty()) AppendAll(text, {LineBreak, LineBreak, Listed(title, files)});
  };
  section("Zurückgelegt werden:", choice.Files(Kind::PutBack));
  section("Entfernt werden:", choice.Files(Kind::Remove));
  section("Seit der Installation geändert (wird vorher in einer neuen Sicherung aufbewahrt):",
          choice.ChangedFiles());
  for (const std::string& note : choice.Notes) AppendAll(text, {LineBreak, LineBreak, note});
  return {true, MessageIcon::Question, text};
}

InstallReport CarryOutRestore(RestoreChoice choice) {
  InstallReport report;
  report.Problems = choice.Problems;
  if (report.Problems.empty() && choice.Job == RestoreJob::Nothing) {
    report.Problems.push_back(std::string(kNothingToUndoText));
  }
  if (!report.Problems.empty()) {
    report.Refused = true;
    return report;
  }
  report.Notes = choice.Notes;
  RemoveLeftovers(choice.History, report);
  if (!report.Problems.empty()) return report;
  if (choice.Job == RestoreJob::CleanUp) {
    report.Headline = "Ein unterbrochener Lauf von Wavoria hatte am Spiel noch nichts verändert.";
    return report;
  }
  RunUndo(choice, report);
  report.Headline = HeadlineOf(choice);
  auto list = [&](std::string_view what, const std::vector<std::string>& files) {
    std::vector<std::string> names;
    for (const std::string& file : files) names.push_back(RelativeInGame(choice.GameFolder, file));
    if (!names.empty()) report.Notes.push_back(Listed(what, names));
  };
  list("Zurückgelegt:", report.PutBack);
  list("Entfernt:", report.Removed);
  return report;
}

InstallReport RestoreGame(const std::string& gameFolder) {
  return CarryOutRestore(ChooseRestore(gameFolder));
}

bool RecoverInterruptedRuns(const std::string& gameFolder, InstallReport& report) {
  // One interrupted run per round; there is hardly ever more than one. Each
  // round ends it or stops with a problem.
  for (;;) {
    RestoreChoice choice = ChooseRestore(gameFolder);
    if (!choice.History.Problems.empty() || (IsRecovery(choice.Job) && !choice.Problems.empty())) {
      report.Problems = choice.Problems;
      return false;
    }
    if (!IsRecovery(choice.Job)) {
      RemoveLeftovers(choice.History, report);
      return true;
    }
    const InstallReport recovered = CarryOutRestore(std::move(choice));
    report.Recovered = true;
    if (!recovered.Headline.empty()) report.Notes.push_back(recovered.Headline);
    report.Notes.insert(report.Notes.end(), recovered.Notes.begin(), recovered.Notes.end());
    if (!recovered.Problems.empty()) {
      report.Problems = recovered.Problems;
      return false;
    }
  }
}

PageResult ReopenQuestion(const InstallReport& report, const std::string& documentPath,
                          bool modified) {
  auto among = [&](const std::vector<std::string>& files) {
    return !documentPath.empty() && std::ranges::any_of(files, [&](const std::string& f) {
      return EqualsIgnoreCase(f, documentPath);
    });
  };
  const std::string script = "Das im Editor geöffnete Skript " + Quoted(documentPath);
  if (among(report.PutBack)) {
    return {
        true, MessageIcon::Question,
        script +
            " wurde dabei durch die gesicherte Fassung ersetzt. Soll es neu geöffnet "
            "werden?" +
            (modified ? " Ihre nicht gespeicherten Änderungen daran gehen dabei verloren." : "")};
  }
  if (among(report.Removed)) {
    return {false, MessageIcon::Warning,
            script +
                " wurde dabei entfernt, weil die Installation es hinzugefügt hatte. Der "
                "Editor zeigt es weiter; mit 'Speichern' legen Sie es wieder an."};
  }
  return {};
}

}  // namespace wavoria
