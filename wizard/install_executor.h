// Carrying out an installation plan on the real file system, and the report
// of what it did.
//
// Before anything in the game folder changes, the executor checks that the
// game folder exists and its path fits the system, that it is not the RPG
// Maker folder, that every entry it would touch is a plain file or folder
// (game_entries.h), that every file the plan copies can be read, and that
// every existing game file it would change can be read and replaced. It then
// deals with what interrupted runs left (install_undo.h), writes its record
// into a new backup folder and keeps there the files that differ
// (install_backup.h). If a check or the backup fails it changes nothing.
// Otherwise it runs every step, keeps each step's outcome and goes on after a
// failed step: a file whose bytes are already the new ones is left alone,
// others are replaced completely or not at all (never deleted first). When
// every step succeeded, the record lists what was changed and is marked
// complete; when one failed, what the steps changed is taken back and the
// record marked "abgebrochen" with the causes. Every failure names the file
// and its cause (platform/file_error.h). The whole run holds the game's lock
// (game_run.h).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "wizard/install_plan.h"

namespace wavoria {

// The closing message after an installation in which every step succeeded
// (information icon, title "Wavoria").
inline constexpr std::string_view kInstallDoneText =
    "Ihrem Spiel wurden soeben Tastatur- bzw. Maussupport hinzugefügt!";

// The wizard's closing message says where an installation is undone.
inline constexpr std::string_view kUndoInEditorText =
    "Sie können diese Installation im Editor mit 'Datei' > 'Installation rückgängig machen…' "
    "wieder rückgängig machen.";

enum class StepOutcome {
  NotRun,   // the checks refused the plan
  Done,     // the step succeeded
  Failed,   // the step was tried and failed
  Skipped,  // not tried: the step it needs failed
};

struct InstallReport {
  bool Refused = false;               // a check failed; nothing was changed but what Recovered says
  bool Recovered = false;             // interrupted runs were rolled back or finished first
  bool RolledBack = false;            // a step failed and what the run changed was taken back
  std::vector<StepOutcome> Outcomes;  // one per plan step, in plan order
  std::vector<std::string> Problems;  // what could not be done, one German sentence each
  bool KeyListInstalled = false;      // the game's key list is in place to be edited
  std::string BackupFolder;           // where the replaced files were kept; "" for none
  std::string RecordFolder;           // the folder of the run's record; "" for none
  std::vector<std::string> Notes;     // told with the closing message, one sentence each
  std::string Headline;               // the closing message's first line; "" for kInstallDoneText
  std::vector<std::string> PutBack;   // a restore: the game files it put back
  std::vector<std::string> Removed;   // a restore: the game files it removed

  // Whether the plan was carried out and every step succeeded.
  bool AllSucceeded() const { return !Refused && Problems.empty(); }

  // The text of the warning box (exclamation icon, title "Wavoria") shown
  // instead of the closing message when not every step succeeded: whether
  // anything was changed, then the problems, one per line.
  // what names the work: "Die Installation", "Die Wiederherstellung".
  std::string WarningText(std::string_view what = "Die Installation") const;

  // The closing message after a full success: the headline, then the notes,
  // the backup folder and hint (a sentence on how to undo the run), if any.
  std::string DoneText(std::string_view hint = {}) const;

  // The sentence that names the backup folder, "" without one.
  std::string BackupText() const;
};

// Backups are named with BackupStampNow().
InstallReport ExecuteInstallPlan(const InstallPlan& plan);

// Test seam: while set, called with a step's index before the step runs (a
// test can take the game folder away there). An empty function ends it.
void SetBeforeInstallStep(std::function<void(std::size_t)> hook);

// BuildInstallPlan and ExecuteInstallPlan in one.
InstallReport InstallSupport(const WizardSettings& settings, const std::string& templateFolder);

}  // namespace wavoria
