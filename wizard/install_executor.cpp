#include "wizard/install_executor.h"

#include "document/file_error.h"
#include "document/file_io.h"
#include "document/text.h"
#include "wizard/file_ops.h"
#include "wizard/install_backup.h"

namespace wavoria {

namespace {

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
  if (plan.GameFolder.empty() || !FolderExists(plan.GameFolder)) {
    problems.push_back("Der Ordner des Spiels " + Quoted(plan.GameFolder) +
                       " wurde nicht gefunden.");
  } else if (!plan.MakerFolder.empty() && SameFolder(plan.GameFolder, plan.MakerFolder)) {
    problems.push_back(
        "Der Ordner des Spiels und der Ordner des RPG Makers sind derselbe Ordner (" +
        Quoted(plan.GameFolder) + ").");
  }
  return problems;
}

// What the file steps will write, which of them change nothing, and the
// existing game files that differ and are kept in the backup. A source or a
// game file that cannot be read, or a game file that may not be replaced,
// is a problem.
struct Preparation {
  std::vector<std::string> Bytes;
  std::vector<bool> Unchanged;
  std::vector<BackupFile> Backup;
  std::vector<std::string> Problems;
};

Preparation Prepare(const InstallPlan& plan) {
  Preparation prep;
  prep.Bytes.resize(plan.Steps.size());
  prep.Unchanged.assign(plan.Steps.size(), false);
  for (std::size_t i = 0; i < plan.Steps.size(); ++i) {
    const InstallStep& step = plan.Steps[i];
    if (!IsFileStep(step)) {
      // A file where the folder belongs, or a place that cannot be looked
      // at, would make every step into it fail.
      if (FolderExists(step.Target)) continue;
      if (FileExists(step.Target)) {
        prep.Problems.push_back("An der Stelle des Ordners " + Quoted(step.Target) +
                                " liegt eine Datei.");
      } else if (const FileError error = LastFileError(); error != FileError::NotFound) {
        prep.Problems.push_back(
            WithCause("Der Ordner " + Quoted(step.Target) + " kann nicht geprüft werden", error));
      }
      continue;
    }
    if (step.Kind == InstallStepKind::WriteFile) {
      prep.Bytes[i] = step.Bytes;
    } else if (!ReadWholeFile(step.Source, prep.Bytes[i])) {
      prep.Problems.push_back(UnreadableText(step.Source, LastFileError()));
      continue;
    }
    std::string old;
    if (!ReadWholeFile(step.Target, old)) {
      const FileError error = LastFileError();
      if (error != FileError::NotFound) prep.Problems.push_back(UnreadableText(step.Target, error));
      continue;
    }
    if (old == prep.Bytes[i]) {
      prep.Unchanged[i] = true;
    } else if (!FileWritable(step.Target)) {
      prep.Problems.push_back(WithCause(
          "Die Datei " + Quoted(step.Target) + " kann nicht ersetzt werden", LastFileError()));
    } else {
      prep.Backup.push_back({step.Target.substr(plan.GameFolder.size()), std::move(old)});
    }
  }
  return prep;
}

bool RunStep(const InstallStep& step, const std::string& bytes) {
  if (step.Kind == InstallStepKind::CreateFolder) return CreateFolder(step.Target);
  return WriteFileAtomically(step.Target, bytes);
}

std::string FailureText(const InstallStep& step, FileError error) {
  switch (step.Kind) {
    case InstallStepKind::CreateFolder:
      return WithCause("Der Ordner " + Quoted(step.Target) + " konnte nicht angelegt werden",
                       error);
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

}  // namespace

std::string InstallReport::BackupText() const {
  if (BackupFolder.empty()) return {};
  return "Die ersetzten Dateien, die sich von den neuen unterschieden, liegen in der Sicherung " +
         Quoted(BackupFolder) + ".";
}

std::string InstallReport::WarningText(std::string_view what) const {
  std::string text(what);
  text += Refused ? " wurde nicht ausgeführt; an Ihrem Spiel wurde nichts verändert."
                  : " ist nicht vollständig gelungen. Folgendes konnte nicht erledigt werden:";
  text += LineBreak;
  AddLines(text, Problems);
  AddLines(text, Notes);
  if (!BackupFolder.empty()) AddLines(text, {"", BackupText()});
  return text;
}

std::string InstallReport::DoneText() const {
  std::string text(kInstallDoneText);
  if (!Notes.empty() || !BackupFolder.empty()) text += LineBreak;
  AddLines(text, Notes);
  if (!BackupFolder.empty()) AddLines(text, {BackupText()});
  return text;
}

InstallReport ExecuteInstallPlan(const InstallPlan& plan) {
  InstallReport report;
  report.Outcomes.assign(plan.Steps.size(), StepOutcome::NotRun);
  for (const std::string& folder : plan.EmptyTemplateFolders) {
    report.Notes.push_back("Der Vorlagenordner " + Quoted(folder) +
                           " fehlt oder ist leer; aus ihm wurde nichts kopiert.");
  }
  report.Problems = CheckFolders(plan);
  Preparation prep;
  if (report.Problems.empty()) {
    prep = Prepare(plan);
    report.Problems = std::move(prep.Problems);
  }
  if (report.Problems.empty() && !prep.Backup.empty()) {
    std::string problem;
    report.BackupFolder = MakeBackup(plan.GameFolder, BackupStampNow(), prep.Backup, problem);
    if (report.BackupFolder.empty()) report.Problems.push_back(problem);
  }
  if (!report.Problems.empty()) {
    report.Refused = true;
    return report;
  }
  for (std::size_t i = 0; i < plan.Steps.size(); ++i) {
    const InstallStep& step = plan.Steps[i];
    // A step waits only on an earlier one: the plan names them as it adds them.
    if (step.After != -1 && report.Outcomes[step.After] != StepOutcome::Done) {
      report.Outcomes[i] = StepOutcome::Skipped;
      report.Problems.push_back(SkippedText(step, plan.Steps[step.After]));
      continue;
    }
    if (prep.Unchanged[i] || RunStep(step, prep.Bytes[i])) {
      report.Outcomes[i] = StepOutcome::Done;
      if (!plan.KeyListPath.empty() && EqualsIgnoreCase(step.Target, plan.KeyListPath)) {
        report.KeyListInstalled = true;
      }
    } else {
      report.Outcomes[i] = StepOutcome::Failed;
      report.Problems.push_back(FailureText(step, LastFileError()));
    }
  }
  return report;
}

InstallReport InstallSupport(const WizardSettings& settings, const std::string& templateFolder) {
  return ExecuteInstallPlan(BuildInstallPlan(settings, templateFolder));
}

}  // namespace wavoria
