#include "wizard/install_executor.h"

#include "document/file_io.h"
#include "document/text.h"
#include "wizard/file_ops.h"

namespace wavoria {

namespace {

// The checks made before anything changes; each failure as a sentence.
std::vector<std::string> CheckPlan(const InstallPlan& plan) {
  std::vector<std::string> problems;
  if (plan.GameFolder.empty() || !FolderExists(plan.GameFolder)) {
    problems.push_back("Der Ordner des Spiels " + Quoted(plan.GameFolder) +
                       " wurde nicht gefunden.");
    return problems;
  }
  if (!plan.MakerFolder.empty() && SameFolder(plan.GameFolder, plan.MakerFolder)) {
    problems.push_back(
        "Der Ordner des Spiels und der Ordner des RPG Makers sind derselbe Ordner (" +
        Quoted(plan.GameFolder) + ").");
    return problems;
  }
  for (const InstallStep& step : plan.Steps) {
    if (step.Kind == InstallStepKind::CopyFile && !FileExists(step.Source)) {
      problems.push_back("Die Datei " + Quoted(step.Source) + " wurde nicht gefunden.");
    }
  }
  return problems;
}

bool RunStep(const InstallStep& step) {
  switch (step.Kind) {
    case InstallStepKind::CreateFolder:
      return CreateFolder(step.Target);
    case InstallStepKind::CopyFile:
      return CopyFileOver(step.Source, step.Target);
    case InstallStepKind::WriteFile:
      return WriteFileAtomically(step.Target, step.Bytes);
  }
  return false;
}

std::string FailureText(const InstallStep& step) {
  switch (step.Kind) {
    case InstallStepKind::CreateFolder:
      return "Der Ordner " + Quoted(step.Target) + " konnte nicht angelegt werden.";
    case InstallStepKind::CopyFile:
      return "Die Datei " + Quoted(step.Source) + " konnte nicht nach " + Quoted(step.Target) +
             " kopiert werden.";
    case InstallStepKind::WriteFile:
      return "Die Datei " + Quoted(step.Target) + " konnte nicht geschrieben werden.";
  }
  return {};
}

std::string SkippedText(const InstallStep& step, const InstallStep& needed) {
  return "Die Datei " + Quoted(step.Target) + " wurde nicht ersetzt, weil " +
         Quoted(needed.Target) + " nicht angelegt werden konnte.";
}

}  // namespace

std::string InstallReport::WarningText() const {
  std::string text = Refused ? "Die Installation wurde nicht ausgeführt; an Ihrem Spiel wurde "
                               "nichts verändert."
                             : "Die Installation ist nicht vollständig gelungen. Folgendes "
                               "konnte nicht erledigt werden:";
  text += LineBreak;
  for (const std::string& problem : Problems) {
    text += LineBreak;
    text += problem;
  }
  return text;
}

InstallReport ExecuteInstallPlan(const InstallPlan& plan) {
  InstallReport report;
  report.Outcomes.assign(plan.Steps.size(), StepOutcome::NotRun);
  report.Problems = CheckPlan(plan);
  if (!report.Problems.empty()) {
    report.Refused = true;
    return report;
  }
  for (std::size_t i = 0; i < plan.Steps.size(); ++i) {
    const InstallStep& step = plan.Steps[i];
    const bool needsEarlier = step.After >= 0 && static_cast<std::size_t>(step.After) < i;
    if (needsEarlier && report.Outcomes[step.After] != StepOutcome::Done) {
      report.Outcomes[i] = StepOutcome::Skipped;
      report.Problems.push_back(SkippedText(step, plan.Steps[step.After]));
      continue;
    }
    if (RunStep(step)) {
      report.Outcomes[i] = StepOutcome::Done;
      if (!plan.KeyListPath.empty() && step.Target == plan.KeyListPath) {
        report.KeyListInstalled = true;
      }
    } else {
      report.Outcomes[i] = StepOutcome::Failed;
      report.Problems.push_back(FailureText(step));
    }
  }
  return report;
}

InstallReport InstallSupport(const WizardSettings& settings, const std::string& templateFolder) {
  return ExecuteInstallPlan(BuildInstallPlan(settings, templateFolder));
}

}  // namespace wavoria
