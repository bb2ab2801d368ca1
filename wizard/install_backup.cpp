#include "wizard/install_backup.h"

#include <algorithm>
#include <ctime>

#include "document/file_error.h"
#include "document/file_io.h"
#include "document/text.h"
#include "wizard/file_ops.h"

namespace wavoria {

namespace {

std::string& FixedStamp() {
  static std::string stamp;
  return stamp;
}

std::string AsFolder(std::string folder) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += kPathSeparator;
  return folder;
}

// A relative path split at its last separator into folder and file name.
std::pair<std::string, std::string> SplitLast(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  if (cut == std::string::npos) return {{}, path};
  return {path.substr(0, cut), path.substr(cut + 1)};
}

}  // namespace

std::string BackupStampNow() {
  if (!FixedStamp().empty()) return FixedStamp();
  const std::time_t now = std::time(nullptr);
  char text[32] = "0000-00-00 00.00.00";
  if (const std::tm* local = std::localtime(&now)) {
    std::strftime(text, sizeof text, "%Y-%m-%d %H.%M.%S", local);
  }
  return text;
}

void FixBackupStamp(std::string stamp) {
  FixedStamp() = std::move(stamp);
}

std::string MakeBackup(const std::string& gameFolder, const std::string& stamp,
                       const std::vector<BackupFile>& files, std::string& problem) {
  // What was created, newest last, so that a failure can take it back.
  std::vector<std::string> createdFolders;
  std::vector<std::string> createdFiles;
  auto undo = [&](std::string sentence) {
    problem = WithCause(sentence, LastFileError());
    for (auto f = createdFiles.rbegin(); f != createdFiles.rend(); ++f) RemoveFile(*f);
    for (auto f = createdFolders.rbegin(); f != createdFolders.rend(); ++f) RemoveEmptyFolder(*f);
    return std::string();
  };
  auto ensureFolder = [&](const std::string& folder) {
    if (FolderExists(folder)) return true;
    if (!CreateFolder(folder)) return false;
    createdFolders.push_back(folder);
    return true;
  };

  const std::string root = EntryPath(gameFolder, kBackupFolder);
  if (!ensureFolder(root)) {
    return undo("Der Ordner " + Quoted(root) + " für die Sicherung konnte nicht angelegt werden");
  }
  std::string folder = AsFolder(root) + stamp;
  for (int n = 2; FolderExists(folder); ++n) {
    folder = AsFolder(root) + stamp + " (" + std::to_string(n) + ")";
  }
  if (!ensureFolder(folder)) {
    return undo("Der Ordner " + Quoted(folder) + " für die Sicherung konnte nicht angelegt werden");
  }
  for (const BackupFile& file : files) {
    const auto [sub, name] = SplitLast(file.RelativePath);
    const std::string into = sub.empty() ? folder : AsFolder(folder) + sub;
    if (!ensureFolder(into)) {
      return undo("Der Ordner " + Quoted(into) + " für die Sicherung konnte nicht angelegt werden");
    }
    const std::string target = AsFolder(into) + name;
    if (!WriteFileAtomically(target, file.Bytes)) {
      return undo("Die Sicherung " + Quoted(target) + " konnte nicht geschrieben werden");
    }
    createdFiles.push_back(target);
  }
  return folder;
}

std::string NewestBackup(const std::string& gameFolder) {
  const std::string root = EntryPath(gameFolder, kBackupFolder);
  const std::vector<std::string> stamps = FoldersIn(root);
  if (stamps.empty()) return {};
  return AsFolder(root) + *std::max_element(stamps.begin(), stamps.end());
}

InstallPlan BuildRestorePlan(const std::string& gameFolder, const std::string& backup) {
  InstallPlan plan;
  plan.GameFolder = AsFolder(gameFolder);
  auto copyAll = [&](const std::string& from, const std::string& to) {
    for (const std::string& name : FilesIn(from)) {
      plan.Steps.push_back(
          {InstallStepKind::CopyFile, AsFolder(from) + name, EntryPath(to, name), {}, -1});
    }
  };
  copyAll(backup, plan.GameFolder);
  for (const std::string& sub : FoldersIn(backup)) {
    const std::string to = EntryPath(plan.GameFolder, sub);
    plan.Steps.push_back({InstallStepKind::CreateFolder, {}, to, {}, -1});
    copyAll(AsFolder(backup) + sub, to);
  }
  return plan;
}

}  // namespace wavoria
