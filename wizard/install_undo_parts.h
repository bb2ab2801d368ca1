// What the plan, the run and the texts of an undo share; install_undo.h is
// their interface: planning (install_undo_plan.cpp), carrying out
// (install_undo_run.cpp) and the texts shown (install_undo_texts.cpp).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "wizard/install_backup.h"
#include "wizard/install_undo.h"

namespace wavoria::undo_parts {

// folder with a separator at its end.
std::string AsFolder(std::string folder);

// text with its first letter in upper case.
std::string Capitalised(std::string text);

// title, then the names one per line, indented: a message box breaks a long
// line anywhere, a backslash included.
std::string Listed(std::string_view title, const std::vector<std::string>& names);

// The files an undo keeps first because they changed since.
std::vector<BackupFile> KeptFiles(const RestoreChoice& choice);

// The first line of the report after the choice was carried out.
std::string HeadlineOf(const RestoreChoice& choice);

// Plans undoing the recorded installation entry into choice.
void PlanInstallationUndo(RestoreChoice& choice, const BackupEntry& entry);

// Makes the changes of the choice in order and stops at the first that
// fails, naming it with its cause. Returns whether all were made.
bool RunActions(const RestoreChoice& choice, InstallReport& report);

}  // namespace wavoria::undo_parts
