// Carrying out an installation plan on the real file system, and the report
// of what it did.
//
// Before anything in the game folder changes, the executor checks that the
// game folder exists, that it is not the RPG Maker folder, and that every file
// the plan copies is there; if a check fails it changes nothing. Otherwise it
// runs every step, keeps each step's outcome and goes on after a failed step:
// files are copied over the game's files (never deleted first) and generated
// files are written completely or not at all.
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

  // Whether the plan was carried out and every step succeeded.
  bool AllSucceeded() const { return !Refused && Problems.empty(); }

  // The text of the warning box (exclamation icon, title "Wavoria") shown
  // instead of the closing message when not every step succeeded: whether
  // anything was changed, then the problems, one per line.
  std::string WarningText() const;
};

InstallReport ExecuteInstallPlan(const InstallPlan& plan);

// BuildInstallPlan and ExecuteInstallPlan in one.
InstallReport InstallSupport(const WizardSettings& settings, const std::string& templateFolder);

}  // namespace wavoria
