// Carrying out an installation plan on the real file system, and the report
// of what it did.
//
// Before anything in the game folder changes, the executor checks that the
// game folder exists, that it is not the RPG Maker folder, that every file
// the plan copies can be read, and that every existing game file it would
// change can be read and replaced; then it keeps the files that differ in a
// backup (install_backup.h). If a check or the backup fails it changes
// nothing. Otherwise it runs every step, keeps each step's outcome and goes
// on after a failed step: a file whose bytes are already the new ones is left
// alone, others are replaced completely or not at all (never deleted first).
// Every failure names the file and its cause (document/file_error.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "wizard/install_plan.h"

namespace wavoria {

// The closing message after an installation in which every step succeeded
// (information icon, title "Wavoria").
inline constexpr std::string_view kInstallDoneText =
    "Ihrem Spiel wurden soeben Tastatur- bzw. Maussupport hinzugefügt!";

enum class StepOutcome {
  NotRun,   // the checks refused the plan
  Done,     // the step succeeded
  Failed,   // the step was tried and failed
  Skipped,  // not tried: the step it needs failed
};

struct InstallReport {
  bool Refused = false;               // a check failed; nothing was changed
  std::vector<StepOutcome> Outcomes;  // one per plan step, in plan order
  std::vector<std::string> Problems;  // what could not be done, one German sentence each
  bool KeyListInstalled = false;      // the game's key list is in place to be edited
  std::string BackupFolder;           // where the replaced files were kept; "" for none
  std::vector<std::string> Notes;     // told with the closing message, one sentence each

  // Whether the plan was carried out and every step succeeded.
  bool AllSucceeded() const { return !Refused && Problems.empty(); }

  // The text of the warning box (exclamation icon, title "Wavoria") shown
  // instead of the closing message when not every step succeeded: whether
  // anything was changed, then the problems, one per line.
  // what names the work: "Die Installation", "Die Wiederherstellung".
  std::string WarningText(std::string_view what = "Die Installation") const;

  // The closing message after a full success: kInstallDoneText, then the
  // notes and the backup folder.
  std::string DoneText() const;

  // The sentence that names the backup folder, "" without one.
  std::string BackupText() const;
};

// Backups are named with BackupStampNow().
InstallReport ExecuteInstallPlan(const InstallPlan& plan);

// BuildInstallPlan and ExecuteInstallPlan in one.
InstallReport InstallSupport(const WizardSettings& settings, const std::string& templateFolder);

}  // namespace wavoria
