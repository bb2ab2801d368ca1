#include "wizard/install_executor.h"

#include <algorithm>

#include "document/text.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "platform/file_io_shared.h"
#include "platform/file_ops.h"
#include "wizard/game_entries.h"
#include "wizard/game_run.h"
#include "wizard/install_backup.h"
#include "wizard/install_history.h"
#include "wizard/install_undo.h"

namespace wavoria {

namespace {

std::function<void(std::size_t)>& BeforeStep() {
  static std::function<void(std::size_t)> hook;
  return hook;
}

bool IsFileStep(const InstallStep& step) {
  return step.Kind != InstallStepKind::CreateFolder;
}

// A file that could not be read: missing, or there but unreadable, with why.
std::string UnreadableText(const std::string& path, FileError error) {
  if (error == FileError::NotFound) return "Die Datei " + Quoted(path) + " wurde nicht gefunden.";
  return WithCause("Die Datei " + Quoted(path) + " konnte nicht gelesen werden", error);
}

// The checks of the folders made before anything changes; each failure as a
// sentence.
std::vector<std::string> CheckFolders(const InstallPlan& plan) {
  std::vector<std::string> problems;
  if (std::string problem = GamePathProblem(plan.GameFolder); !problem.empty()) {
    problems.push_back(std::move(problem));
  } else if (plan.GameFolder.empty() || !FolderExists(plan.GameFolder)) {
    problems.push_back("Der Ordner des Spiels " + Quoted(plan.GameFolder) +
                       " wurde nicht gefunden.");
  } else if (!plan.MakerFolder.empty() && SameFolder(plan.GameFolder, plan.MakerFolder)) {
    problems.push_back(
        "Der Ordner des Spiels und der Ordner des RPG Makers sind derselbe Ordner (" +
        Quoted(plan.GameFolder) + ").");
  }
  return problems;
}

// Every entry of the game folder the plan touches must be a plain file or
// folder, or not be there yet, and its path must fit the system.
std::vector<std::string> CheckEntries(const InstallPlan& plan) {
  std::vector<std::string> problems;
  for (const InstallStep& step : plan.Steps) {
    const bool folder = !IsFileStep(step);
    std::string problem = WindowsNameProblem(RelativeInGame(plan.GameFolder, step.Target));
    if (problem.empty()) {
      problem = folder ? EntryProblem(step.Target, true) : WrittenFileProblem(step.Target);
    }
    if (problem.empty()) {
      problem =
          PathLengthProblem(folder ? step.Target : detail::TemporaryNameFor(step.Target), folder);
    }
    if (!problem.empty()) problems.push_back(std::move(problem));
  }
  return problems;
}

// What the file steps will write, which of them change nothing, and the
// existing game files that differ and are kept in the backup. A source or a
// game file that cannot be read, or a game file that may not be replaced,
// is a problem. The record lists every file the plan will change.
struct Preparation {
  std::vector<std::string> Bytes;
  std::vector<bool> Unchanged;
  std::vector<BackupFile> Backup;
  std::vector<std::string> Problems;
  InstallRecord Record;
  std::vector<int> RecordedStep;  // for each file of the record, its step
  int CreatedFolderStep = -1;     // the step that creates a folder the record names
};

Preparation Prepare(const InstallPlan& plan) {
  Preparation prep;
  prep.Bytes.resize(plan.Steps.size());
  prep.Unchanged.assign(plan.Steps.size(), false);
  for (std::size_t i = 0; i < plan.Steps.size(); ++i) {
    const InstallStep& step = plan.Steps[i];
    if (!IsFileStep(step)) {
      if (KindOfEntry(step.Target) == EntryKind::Missing) {
        prep.Record.CreatedFolders.push_back(RelativeInGame(plan.GameFolder, step.Target));
        prep.CreatedFolderStep = static_cast<int>(i);
      }
      continue;
    }
    if (step.Kind == InstallStepKind::WriteFile) {
      prep.Bytes[i] = step.Bytes;
    } else if (!ReadWholeFile(step.Source, prep.Bytes[i])) {
      prep.Problems.push_back(UnreadableText(step.Source, LastFileError()));
      continue;
    }
    const std::string relative = RelativeInGame(plan.GameFolder, step.Target);
    std::string old;
    if (!ReadWholeFile(step.Target, old)) {
      const FileError error = LastFileError();
      if (error != FileError::NotFound) prep.Problems.push_back(UnreadableText(step.Target, error));
      prep.Record.Files.push_back({relative, false, {}, StampOf(prep.Bytes[i])});
      prep.RecordedStep.push_back(static_cast<int>(i));
      continue;
    }
    if (old == prep.Bytes[i]) {
      prep.Unchanged[i] = true;
    } else if (!FileWritable(step.Target)) {
      prep.Problems.push_back(WithCause(
          "Die Datei " + Quoted(step.Target) + " kann nicht ersetzt werden", LastFileError()));
    } else {
      prep.Record.Files.push_back({relative, true, StampOf(old), StampOf(prep.Bytes[i])});
      prep.RecordedStep.push_back(static_cast<int>(i));
      prep.Backup.push_back({relative, std::move(old)});
    }
  }
  return prep;
}

bool RunStep(const InstallStep& step, const std::string& bytes) {
  if (step.Kind == InstallStepKind::CreateFolder) return CreateFolder(step.Target);
  return WriteFileAtomically(step.Target, bytes);
}

std::string FailureText(const InstallPlan& plan, std::size_t index, FileError error) {
  const InstallStep& step = plan.Steps[index];
  switch (step.Kind) {
    case InstallStepKind::CreateFolder: {
      // The files that were to go into it are not named one by one.
      const auto waiting = std::ranges::count_if(
          plan.Steps, [&](const InstallStep& s) { return s.After == static_cast<int>(index); });
      // What stands in its place says more than the system's error.
      std::string text = EntryProblem(step.Target, true);
      if (text.empty()) {
        text =
            WithCause("Der Ordner " + Quoted(step.Target) + " konnte nicht angelegt werden", error);
      }
      if (waiting > 0) {
        text += " Deshalb wurde keine der " + DecimalText(waiting) +
                " Dateien für diesen Ordner kopiert.";
      }
      return text;
    }
    case InstallStepKind::CopyFile:
      return WithCause("Die Datei " + Quoted(step.Source) + " konnte nicht nach " +
                           Quoted(step.Target) + " kopiert werden",
                       error);
    case InstallStepKind::WriteFile:
      return WithCause("Die Datei " + Quoted(step.Target) + " konnte nicht geschrieben werden",
                       error);
  }
  return {};
}

std::string SkippedText(const InstallStep& step, const InstallStep& needed) {
  return "Die Datei " + Quoted(step.Target) + " wurde nicht ersetzt, weil " +
         Quoted(needed.Target) + " nicht angelegt werden konnte.";
}

void AddLines(std::string& text, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    text += LineBreak;
    text += line;
  }
}

// The record cut to the files of the steps whose outcome is among kept, and
// to the folder the run made if it did.
InstallRecord RecordOfSteps(const Preparation& prep, const InstallReport& report,
                            std::initializer_list<StepOutcome> kept) {
  InstallRecord record = prep.Record;
  record.Files.clear();
  for (std::size_t f = 0; f < prep.Record.Files.size(); ++f) {
    if (std::ranges::find(kept, report.Outcomes[prep.RecordedStep[f]]) != kept.end()) {
      record.Files.push_back(prep.Record.Files[f]);
    }
  }
  if (prep.CreatedFolderStep >= 0 && report.Outcomes[prep.CreatedFolderStep] != StepOutcome::Done) {
    record.CreatedFolders.clear();
  }
  return record;
}

// The copies kept for files that were not replaced after all are removed.
void RemoveUnusedCopies(const Preparation& prep, const std::string& folder,
                        const InstallReport& report) {
  for (std::size_t f = 0; f < prep.Record.Files.size(); ++f) {
    if (prep.Record.Files[f].Replaced &&
        report.Outcomes[prep.RecordedStep[f]] != StepOutcome::Done) {
      RemoveFile(PathInBackup(folder, prep.Record.Files[f].Path));
    }
  }
}

// Marks the record of a run whose every step succeeded complete.
void FinishRecord(InstallRecord& record, const std::string& folder, InstallReport& report) {
  record.State = RecordState::Complete;
  std::string problem;
  if (!WriteRecord(folder, record, problem)) report.Problems.push_back(problem);
  if (std::ranges::any_of(record.Files, [](const RecordedFile& f) { return f.Replaced; })) {
    report.BackupFolder = folder;
  }
}

}  // namespace

std::string InstallReport::BackupText() const {
  if (BackupFolder.empty()) return {};
  return "Die ersetzten Dateien, die sich von den neuen unterschieden, liegen in der Sicherung " +
         Quoted(BackupFolder) + ".";
}

std::string InstallReport::WarningText(std::string_view what) const {
  std::string text(what);
  text += RolledBack  ? " ist nicht gelungen und wurde zurückgenommen; an Ihrem Spiel ist alles "
                        "wie vorher. Fehlgeschlagen ist:"
          : !Refused  ? " ist nicht vollständig gelungen. Folgendes konnte nicht erledigt werden:"
          : Recovered ? " wurde nicht ausgeführt."
                      : " wurde nicht ausgeführt; an Ihrem Spiel wurde nichts verändert.";
  text += LineBreak;
  AddLines(text, Problems);
  AddLines(text, Notes);
  if (!BackupFolder.empty()) AddLines(text, {"", BackupText()});
  return text;
}

std::string InstallReport::DoneText(std::string_view hint) const {
  std::string text = Headline.empty() ? std::string(kInstallDoneText) : Headline;
  if (!Notes.empty() || !BackupFolder.empty() || !hint.empty()) text += LineBreak;
  AddLines(text, Notes);
  if (!BackupFolder.empty()) AddLines(text, {BackupText()});
  if (!hint.empty()) AddLines(text, {std::string(hint)});
  return text;
}

InstallReport ExecuteInstallPlan(const InstallPlan& plan) {
  InstallReport report;
  report.Outcomes.assign(plan.Steps.size(), StepOutcome::NotRun);
  auto refused = [&] {
    report.Refused = true;
    return report;
  };
  report.Problems = CheckFolders(plan);
  if (!report.Problems.empty()) return refused();
  const GameRun run(plan.GameFolder);
  if (!run.Problem().empty()) {
    report.Problems.push_back(run.Problem());
    return refused();
  }
  if (!run.Note().empty()) report.Notes.push_back(run.Note());
  report.Problems = CheckEntries(plan);
  if (!report.Problems.empty() || !RecoverInterruptedRuns(plan.GameFolder, report)) {
    return refused();
  }
  for (const std::string& folder : plan.EmptyTemplateFolders) {
    report.Notes.push_back("Der Vorlagenordner " + Quoted(folder) +
                           " fehlt oder ist leer; aus ihm wurde nichts kopiert.");
  }
  Preparation prep = Prepare(plan);
  report.Problems = std::move(prep.Problems);
  const std::string stamp = BackupStampNow();
  const std::string folder = FreeBackupFolder(plan.GameFolder, stamp);
  if (report.Problems.empty()) report.Problems = BackupPathProblems(folder, prep.Backup);
  if (!report.Problems.empty()) return refused();

  prep.Record.Number = ReadHistory(plan.GameFolder).NextNumber;
  prep.Record.Kind = RecordKind::Installation;
  prep.Record.Date = stamp;
  prep.Record.Choices = plan.Choices;
  std::string problem;
  if (!MakeBackup(folder, prep.Record, prep.Backup, problem)) {
    report.Problems.push_back(problem);
    return refused();
  }
  report.RecordFolder = folder;
  for (std::size_t i = 0; i < plan.Steps.size(); ++i) {
    const InstallStep& step = plan.Steps[i];
    if (BeforeStep()) BeforeStep()(i);
    // A step waits only on an earlier one: the plan names them as it adds them.
    if (step.After != -1 && report.Outcomes[step.After] != StepOutcome::Done) {
      report.Outcomes[i] = StepOutcome::Skipped;
      if (IsFileStep(plan.Steps[step.After])) {
        report.Problems.push_back(SkippedText(step, plan.Steps[step.After]));
      }
      continue;
    }
    if (prep.Unchanged[i] || RunStep(step, prep.Bytes[i])) {
      report.Outcomes[i] = StepOutcome::Done;
      if (!plan.KeyListPath.empty() && EqualsIgnoreCase(step.Target, plan.KeyListPath)) {
        report.KeyListInstalled = true;
      }
      continue;
    }
    const FileError error = LastFileError();
    report.Outcomes[i] = StepOutcome::Failed;
    if (!FolderExists(plan.GameFolder)) {
      // Every later step would fail alike: one sentence says why.
      report.Problems.push_back("Der Ordner des Spiels " + Quoted(plan.GameFolder) +
                                " ist während der Installation verschwunden.");
      return report;
    }
    report.Problems.push_back(FailureText(plan, i, error));
  }
  // The record once the steps ran lists only what was changed.
  RemoveUnusedCopies(prep, folder, report);
  InstallRecord changed = RecordOfSteps(prep, report, {StepOutcome::Done});
  if (report.Problems.empty()) {
    FinishRecord(changed, folder, report);
  } else {
    // Taken back as the record names everything the run tried: a file whose
    // step failed is as before and stays so (and its library partner goes
    // with it). A step never tried, or a folder the run could not make, left
    // its place alone: what stands there now is not the run's to remove.
    BackupEntry tried;
    tried.Name = folder.substr(folder.find_last_of("\\/") + 1);
    tried.Folder = folder;
    tried.Record = RecordOfSteps(prep, report, {StepOutcome::Done, StepOutcome::Failed});
    RollBackFailedInstallation(plan.GameFolder, tried, std::move(changed), report);
  }
  return report;
}

void SetBeforeInstallStep(std::function<void(std::size_t)> hook) {
  BeforeStep() = std::move(hook);
}

InstallReport InstallSupport(const WizardSettings& settings, const std::string& templateFolder) {
  return ExecuteInstallPlan(BuildInstallPlan(settings, templateFolder));
}

}  // namespace wavoria
