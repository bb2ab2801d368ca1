#include "wizard/install_backup.h"

#include <ctime>

#include "document/text.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "platform/file_io_shared.h"
#include "platform/file_ops.h"
#include "wizard/game_entries.h"
#include "wizard/install_plan.h"

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

// The folder a path lies in, without its separator.
std::string ParentOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

// A backup folder's name split into its stamp and its number (1 without " (N)").
std::pair<std::string_view, long long> StampAndNumber(std::string_view name) {
  const std::size_t open = name.rfind(" (");
  if (open == std::string_view::npos || !name.ends_with(')')) return {name, 1};
  const std::string_view digits = name.substr(open + 2, name.size() - open - 3);
  if (digits.empty() || digits.size() > 9) return {name, 1};
  long long n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return {name, 1};
    n = n * 10 + (c - '0');
  }
  return {name.substr(0, open), n};
}

}  // namespace

std::string FolderNotMadeText(const std::string& folder) {
  return WithCause(
      "Der Ordner " + Quoted(folder) + " für die Sicherung konnte nicht angelegt werden",
      LastFileError());
}

std::vector<std::string> GameFilesIn(const std::string& folder,
                                     std::vector<std::string>* passedOver) {
  std::vector<std::string> files;
  auto pass = [&](const std::string& path) {
    if (passedOver != nullptr) passedOver->push_back(path);
  };
  // Names as they are: one holding "\\" is no path here.
  std::vector<std::string> sounds;
  for (const std::string& name : NamesIn(folder)) {
    const std::string path = AsFolder(folder) + name;
    if (IsTemporaryName(name) || name == kRecordFile) continue;
    if (IsRestorablePath(name)) {
      files.push_back(name);
    } else if (EqualsIgnoreCase(name, kGameSoundFolder) && KindOfEntry(path) == EntryKind::Folder) {
      sounds.push_back(name);
    } else {
      pass(path);
    }
  }
  for (const std::string& sound : sounds) {
    const std::string path = AsFolder(folder) + sound;
    for (const std::string& name : NamesIn(path)) {
      if (IsTemporaryName(name)) continue;
      if (IsPlainFileName(name)) {
        files.push_back(sound + "\\" + name);
      } else {
        pass(AsFolder(path) + name);
      }
    }
  }
  return files;
}

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

std::string PathInBackup(const std::string& folder, std::string_view relative) {
  std::string path = AsFolder(folder) + std::string(relative);
  for (std::size_t i = folder.size(); i < path.size(); ++i) {
    if (path[i] == '\\') path[i] = kPathSeparator;
  }
  return path;
}

std::string FreeBackupFolder(const std::string& gameFolder, const std::string& stamp) {
  const std::string root = AsFolder(EntryPath(gameFolder, kBackupFolder));
  std::string folder = root + stamp;
  // An entry that cannot be looked at ends the search too: creating it fails and says why.
  auto taken = [](const std::string& path) {
    const EntryKind kind = KindOfEntry(path);
    return kind != EntryKind::Missing && kind != EntryKind::Unknown;
  };
  for (int n = 2; taken(folder); ++n) {
    folder = root + stamp + " (" + std::to_string(n) + ")";
  }
  return folder;
}

std::vector<std::string> BackupPathProblems(const std::string& folder,
                                            const std::vector<BackupFile>& files) {
  std::vector<std::string> problems;
  auto check = [&](const std::string& path, bool isFolder) {
    std::string problem = PathLengthProblem(path, isFolder);
    if (!problem.empty()) problems.push_back(std::move(problem));
  };
  check(folder, true);
  check(detail::TemporaryNameFor(PathInBackup(folder, kRecordFile)), false);
  for (const BackupFile& file : files) {
    const std::string path = PathInBackup(folder, file.RelativePath);
    if (ParentOf(path) != folder) check(ParentOf(path), true);
    check(detail::TemporaryNameFor(path), false);
  }
  return problems;
}

bool MakeBackup(const std::string& folder, const InstallRecord& record,
                const std::vector<BackupFile>& files, std::string& problem) {
  const std::string root = ParentOf(folder);
  const bool rootMade = KindOfEntry(root) == EntryKind::Missing;
  if (rootMade && !CreateFolder(root)) {
    problem = FolderNotMadeText(root);
    return false;
  }
  if (!CreateFolder(folder)) {
    problem = FolderNotMadeText(folder);
  } else if (WriteRecord(folder, record, problem) && KeepFiles(folder, files, problem)) {
    return true;
  }
  // Nothing of the backup stays: its files, its subfolders, the folder.
  for (const BackupFile& file : files) {
    const std::string path = PathInBackup(folder, file.RelativePath);
    RemoveFile(path);
    if (ParentOf(path) != folder) RemoveEmptyFolder(ParentOf(path));
  }
  RemoveFile(PathInBackup(folder, kRecordFile));
  RemoveEmptyFolder(folder);
  if (rootMade) RemoveEmptyFolder(root);
  return false;
}

bool WriteRecord(const std::string& folder, const InstallRecord& record, std::string& problem) {
  const std::string path = PathInBackup(folder, kRecordFile);
  if (WriteFileAtomically(path, RecordText(record))) return true;
  problem = WithCause("Das Inhaltsverzeichnis " + Quoted(path) + " konnte nicht geschrieben werden",
                      LastFileError());
  return false;
}

bool KeepFiles(const std::string& folder, const std::vector<BackupFile>& files,
               std::string& problem) {
  for (const BackupFile& file : files) {
    const std::string target = PathInBackup(folder, file.RelativePath);
    const std::string into = ParentOf(target);
    if (into != folder && !CreateFolder(into)) {
      problem = FolderNotMadeText(into);
      return false;
    }
    if (!WriteFileAtomically(target, file.Bytes)) {
      problem = WithCause("Die Sicherung " + Quoted(target) + " konnte nicht geschrieben werden",
                          LastFileError());
      return false;
    }
  }
  return true;
}

bool BackupNameLess(std::string_view a, std::string_view b) {
  return StampAndNumber(a) < StampAndNumber(b);
}

}  // namespace wavoria
