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

bool IsRecovery(RestoreJob job) {
  return job == RestoreJob::CleanUp || job == RestoreJob::Finish || job == RestoreJob::RollBack;
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
    // The folder itself goes last; the first that stays names the cause.
    const bool removed = std::all_of(folders.rbegin(), folders.rend(), RemoveEmptyFolder);
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
  if (!RunActions(choice, report)) {
    report.Notes.push_back(
        "Das Rückgängigmachen wurde beim ersten Fehler angehalten; das nächste "
        "Rückgängigmachen oder die nächste Installation führt es zu Ende.");
    return;
  }
  if (target.Record && target.Record->Kind == RecordKind::Installation) {
    InstallRecord marked = *target.Record;
    if (marked.State == RecordState::Running) marked.State = RecordState::RolledBack;
    if (marked.State == RecordState::Complete) marked.State = RecordState::Undone;
    marked.By = undo.Number;
    if (!WriteRecord(target.Folder, marked, problem)) report.Problems.push_back(problem);
  } else if (!target.Damage) {  // a damaged record stays as the maker left it
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
        (choice.Job == RestoreJob::UndoEarlier || choice.Job == RestoreJob::Damaged
             ? "Die ersetzten Dateien, die sich von den zurückgelegten unterschieden, liegen in "
               "der Sicherung " +
                   Quoted(folder) + ":"
             : "Seit der Installation geändert und deshalb vorher in der Sicherung " +
                   Quoted(folder) + " aufbewahrt:"),
        names));
  }
}

// What could not be done, without its cause.
std::string FailureText(const UndoAction& action) {
  const std::string target = Quoted(action.Target);
  switch (action.What) {
    case Kind::PutBack:
      return "Die Datei " + target + " konnte nicht zurückgelegt werden";
    case Kind::Remove:
      return "Die Datei " + target + " konnte nicht entfernt werden";
    case Kind::MakeFolder:
      return "Der Ordner " + target + " konnte nicht angelegt werden";
    case Kind::RemoveFolder:
      return "Der Ordner " + target + " konnte nicht entfernt werden";
  }
  return {};
}

}  // namespace

bool undo_parts::RunActions(const RestoreChoice& choice, InstallReport& report) {
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
    if (done) continue;
    const FileError error = LastFileError();
    if (!FolderExists(choice.GameFolder)) {
      report.Problems.push_back("Der Ordner des Spiels " + Quoted(choice.GameFolder) +
                                " ist während des Rückgängigmachens verschwunden.");
      return false;
    }
    report.Problems.push_back(WithCause(FailureText(action), error));
    return false;
  }
  return true;
}

InstallReport CarryOutRestore(RestoreChoice choice) {
  InstallReport report;
  report.Problems = choice.Problems;
  if (report.Problems.empty() && choice.Job == RestoreJob::Nothing) {
    report.Problems.push_back(std::string(kNothingToUndoText));
  }
  if (report.Problems.empty() && choice.Job == RestoreJob::Damaged) {
    if (choice.Decision == DamagedDecision::Undecided) {
      report.Problems.push_back(DamagedRecordText(choice));
    } else if (choice.Decision == DamagedDecision::LeaveGame) {
      choice.Actions.clear();
    }
  }
  report.Notes = choice.Notes;
  if (!report.Problems.empty()) {
    report.Refused = true;
    return report;
  }
  RemoveLeftovers(choice.History, report);
  if (!report.Problems.empty()) return report;
  if (choice.Job == RestoreJob::CleanUp) {
    report.Headline = "Ein unterbrochener Lauf von Wavoria hatte am Spiel noch nichts verändert.";
    return report;
  }
  RunUndo(choice, report);
  report.Problems.insert(report.Problems.end(), choice.Skipped.begin(), choice.Skipped.end());
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

bool RollBackFailedInstallation(const std::string& gameFolder, const BackupEntry& entry,
                                InstallRecord done, InstallReport& report) {
  RestoreChoice choice;
  choice.GameFolder = AsFolder(gameFolder);
  choice.Job = RestoreJob::RollBack;
  PlanInstallationUndo(choice, entry);
  // A file changed by someone else meanwhile is left to the next run, which
  // keeps it in a backup first.
  const bool changedMeanwhile = !KeptFiles(choice).empty();
  const std::vector<std::string> reasons = report.Problems;
  InstallReport undone;
  std::string problem;
  done.State = RecordState::Aborted;
  done.Reasons = reasons;
  if (choice.Problems.empty() && choice.Skipped.empty() && !changedMeanwhile &&
      RunActions(choice, undone) && WriteRecord(entry.Folder, done, problem)) {
    report.RolledBack = true;
    return true;
  }
  for (const auto* more : {&choice.Problems, &choice.Skipped, &undone.Problems}) {
    report.Problems.insert(report.Problems.end(), more->begin(), more->end());
  }
  if (!problem.empty()) report.Problems.push_back(problem);
  report.Notes.push_back(
      "Was die Installation schon verändert hatte, konnte nicht ganz zurückgenommen werden; die "
      "nächste Installation oder das nächste Rückgängigmachen nimmt es zurück.");
  return false;
}

}  // namespace wavoria
