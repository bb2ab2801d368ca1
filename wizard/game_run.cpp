#include "wizard/game_run.h"

#include "document/text.h"
#include "platform/file_error.h"
#include "wizard/game_entries.h"
#include "wizard/install_backup.h"
#include "wizard/install_plan.h"

namespace wavoria {

namespace {

constexpr std::string_view kProcessKey = "Prozess: ";
constexpr std::string_view kStartKey = "Beginn: ";

constexpr int kLockTries = 3;  // each try makes the backup folder again if it went

// The runs of this process under way; they share one lock.
int& RunsUnderWay() {
  static int runs = 0;
  return runs;
}

// The value of the line of text that starts with key, "" without one.
std::string_view LineValue(std::string_view text, std::string_view key) {
  for (std::size_t at = text.find(key); at != std::string_view::npos; at = text.find(key, at + 1)) {
    if (at != 0 && text[at - 1] != '\n') continue;
    const std::string_view rest = text.substr(at + key.size());
    return rest.substr(0, rest.find_first_of("\r\n"));
  }
  return {};
}

}  // namespace

std::string LockOwnerText() {
  std::string text =
      "Wavoria: Sperre dieses Spiels, solange eine Installation oder ein "
      "Rückgängigmachen läuft";
  AppendAll(text, {LineBreak, kProcessKey, DecimalText(std::int64_t(CurrentProcessId())), LineBreak,
                   kStartKey, BackupStampNow(), LineBreak});
  return text;
}

std::string TakenOverText(std::string_view left) {
  const std::string_view process = LineValue(left, kProcessKey);
  const std::string_view start = LineValue(left, kStartKey);
  std::string who = "Ein abgebrochener Lauf von Wavoria";
  if (!process.empty() && !start.empty()) {
    AppendAll(who, {" (Prozess ", process, ", begonnen ", start, ")"});
  }
  return who + " hatte die Sperre dieses Spiels hinterlassen; sie wurde übernommen.";
}

GameRun::GameRun(const std::string& gameFolder) {
  confinement_.emplace(gameFolder);
  if (!confinement_->Held()) {
    problem_ =
        WithCause("Der Ordner des Spiels " + Quoted(gameFolder) + " kann nicht geöffnet werden",
                  LastFileError());
    return;
  }
  if (RunsUnderWay() > 0) {  // the confinement is held, so it is the same game
    ++RunsUnderWay();
    joined_ = true;
    return;
  }
  root_ = EntryPath(gameFolder, kBackupFolder);
  problem_ = EntryProblem(root_, true);
  if (!problem_.empty()) return;
  const std::string path = PathInBackup(root_, kLockFile);
  std::optional<std::string> left;
  FileLock::Outcome outcome = FileLock::Outcome::Failed;
  FileError error = FileError::None;
  // A run that ends removes the backup folder it made once it is empty. When
  // another run's folder goes between making sure of it and taking the lock,
  // the folder is made again and the lock taken in it.
  for (int tries = 0; tries < kLockTries; ++tries) {
    if (KindOfEntry(root_) == EntryKind::Missing) {
      if (!CreateFolder(root_)) {
        problem_ = FolderNotMadeText(root_);
        return;
      }
      madeRoot_ = true;
    }
    outcome = lock_.emplace().Take(path, LockOwnerText(), left);
    error = LastFileError();
    if (outcome != FileLock::Outcome::Failed || KindOfEntry(root_) != EntryKind::Missing) break;
  }
  switch (outcome) {
    case FileLock::Outcome::Taken:
      ++RunsUnderWay();
      if (left) note_ = TakenOverText(*left);
      return;
    case FileLock::Outcome::Busy:
      problem_ = kBusyText;
      break;
    case FileLock::Outcome::Failed:
      problem_ =
          WithCause("Die Sperrdatei " + Quoted(path) + " konnte nicht angelegt werden", error);
      break;
  }
  lock_.reset();
}

GameRun::~GameRun() {
  if (joined_ || lock_) --RunsUnderWay();
  lock_.reset();
  if (madeRoot_ && NamesIn(root_).empty()) RemoveEmptyFolder(root_);
}

}  // namespace wavoria
