// One installation, undo or roll-back at a time in a game folder. A run
// takes the game's lock, a file in the backup folder that names the process
// holding it, for its whole length, and its file work is confined to the game
// folder (platform/file_ops.h), so that no folder of the game can be swapped
// for a link while the run uses it. A second run, from the wizard, the
// editor or wavoria-cli, is refused and changes nothing; a lock file left by
// a run that was killed is taken over, and said so.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_ops.h"

namespace wavoria {

inline constexpr std::string_view kBusyText =
    "In diesem Spiel läuft gerade eine andere Installation oder Rückgängig-Aktion.";
inline constexpr std::string_view kLockFile = "Sperre.txt";  // in the backup folder

class GameRun {
 public:
  // Confines the file work to gameFolder, makes the backup folder when it is
  // missing and takes the lock. A run of this process in the same game that
  // is under way is joined: the inner run holds nothing of its own.
  explicit GameRun(const std::string& gameFolder);
  // Lets the lock go (the lock file is removed) and removes the backup folder
  // again when this run made it and nothing else came into it.
  ~GameRun();
  GameRun(const GameRun&) = delete;
  GameRun& operator=(const GameRun&) = delete;

  // Why the run must not go on, one sentence: another run holds the lock
  // (kBusyText), or the game folder, the backup folder or the lock file
  // cannot be made or opened; "" when it may.
  const std::string& Problem() const { return problem_; }
  // The sentence that says a killed run's lock was taken over; "" otherwise.
  const std::string& Note() const { return note_; }

 private:
  std::optional<FolderConfinement> confinement_;
  std::optional<FileLock> lock_;
  std::string root_;
  std::string problem_;
  std::string note_;
  bool joined_ = false;
  bool madeRoot_ = false;
};

// The text of the lock file for this process: "Prozess: N" and "Beginn: ...".
std::string LockOwnerText();

// The sentence for a lock file left by a killed run, naming its process and
// start when the file says them.
std::string TakenOverText(std::string_view left);

}  // namespace wavoria
