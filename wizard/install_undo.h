// Undoing installations, one after another, and finishing what interrupted
// runs left half-done.
//
// A restore undoes the newest installation still in effect (by its number,
// not its folder's name): it puts back every file the installation replaced
// and removes every file it added, newest change first, so that the game
// keeps a working pair of libraries at every moment. A file changed since
// the installation (its checksum differs) is kept in the undo's own backup
// folder first and named. Without a recorded installation in effect, the
// newest backup of an earlier version of the program is put back once, as
// that version did, and marked. Every undo writes its own record before it
// changes anything and marks the installation at its end.
//
// A record that cannot be read blocks only what depends on it: the
// installations after it are undone as usual; undoing it asks the maker to
// choose between leaving the game as it is and putting back exactly the game
// files its folder keeps, named one by one. Either way an undo record names
// the folder, and the installations before it can be undone next. A record
// line passed over (a file the program cannot have written, a name Windows
// cannot hold) makes the undo report failure, and oldharmony.dll is changed
// only after harmony.dll was put back: when the record names no harmony.dll
// that can be, both stay.
//
// Every undo holds the game's lock (game_run.h) from the moment it reads the
// history until it is carried out.
//
// An interrupted run (its record still "läuft") is dealt with before
// anything else: an installation is rolled back, an undo is finished.
// Leftover temporary files are removed; a backup folder of a run killed
// before it wrote its record is removed. The next restore then stops there,
// since that was the run the user meant to undo; the next installation goes
// on to install.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/prompt.h"
#include "wizard/game_run.h"
#include "wizard/install_executor.h"
#include "wizard/install_history.h"

namespace wavoria {

inline constexpr std::string_view kNothingToUndoText =
    "Es gibt keine Installation mehr, die rückgängig gemacht werden kann.";

enum class RestoreJob {
  Nothing,      // nothing to undo
  CleanUp,      // only leftovers of a run that changed nothing
  Finish,       // an interrupted undo is finished
  RollBack,     // an interrupted installation is rolled back
  Undo,         // the newest installation in effect is undone
  UndoEarlier,  // the newest backup of an earlier version is put back
  Damaged,      // the newest in effect is a damaged record: the maker decides
};

// What the maker chose for a damaged record (RestoreJob::Damaged).
enum class DamagedDecision {
  Undecided,  // not asked yet: the undo is refused with DamagedRecordText
  LeaveGame,  // the game stays as it is; the record counts as dealt with
  PutBack,    // exactly the game files its folder keeps go back
};

// One change an undo makes in the game folder.
struct UndoAction {
  enum class Kind { PutBack, Remove, MakeFolder, RemoveFolder };
  Kind What = Kind::PutBack;
  std::string Relative;      // below the game folder, "\" as separator
  std::string Target;        // its path in the game folder
  std::string Bytes;         // PutBack: what goes back
  bool KeepCurrent = false;  // the file there is kept in the undo's folder first
  std::string Current;       // KeepCurrent: its bytes
};

// What a restore will do, found without changing anything.
struct RestoreChoice {
  std::string GameFolder;
  GameHistory History;
  RestoreJob Job = RestoreJob::Nothing;
  std::optional<std::size_t> Target;  // the installation or earlier backup undone
  std::optional<std::size_t> Resume;  // Finish: the undo's own backup
  std::vector<UndoAction> Actions;    // in the order they are made
  std::vector<std::string> Problems;  // what forbids it; then nothing is changed
  std::vector<std::string> Notes;     // entries of a backup that are passed over; a lock taken over
  std::vector<std::string> Skipped;   // record lines passed over: the undo reports failure
  DamagedDecision Decision = DamagedDecision::Undecided;
  std::shared_ptr<GameRun> Run;  // the game's lock, held as long as the choice

  // The files put back, removed, and changed since (kept first), relative.
  std::vector<std::string> Files(UndoAction::Kind kind) const;
  std::vector<std::string> ChangedFiles() const;
};

// Reads the game's history and plans the restore.
RestoreChoice ChooseRestore(const std::string& gameFolder);

// What the editor asks before it carries the choice out: a question (Ja:
// go on) naming what is undone and the files put back, removed and kept; or,
// when there is nothing to do or it cannot be done, a warning.
Prompt RestoreQuestion(const RestoreChoice& choice);

// Takes the answer to RestoreQuestion into the choice and says whether to
// carry it out: Ja goes on; for a damaged record Ja puts back its files and
// Nein leaves the game as it is.
bool TakeRestoreAnswer(RestoreChoice& choice, Answer answer);

// What is known of the damaged record the choice would undo: the file, the
// line and what is wrong, and the game files its folder keeps.
std::string DamagedRecordText(const RestoreChoice& choice);

// Carries out the choice. DoneText says what was undone, with the files; a
// choice with problems is refused, and Nothing gives kNothingToUndoText as
// its one problem; an undecided damaged record gives DamagedRecordText.
InstallReport CarryOutRestore(RestoreChoice choice);

// ChooseRestore and CarryOutRestore in one.
InstallReport RestoreGame(const std::string& gameFolder);

// Before an installation: removes leftovers, rolls back interrupted
// installations and finishes interrupted undos, each told in the report's
// notes. Returns false, with the report's problems set, when that cannot be
// done; the installation must then not go on.
bool RecoverInterruptedRuns(const std::string& gameFolder, InstallReport& report);

// After an installation whose step failed: takes back what it changed, as
// its record (entry, naming every change it set out to make) says, and writes
// done, the record of the changes it made, "abgebrochen" with the report's
// problems as the reasons. Returns false, with the report's problems
// extended, when that cannot be done; the record in the folder then stays
// "läuft", so that the next run takes the installation back.
bool RollBackFailedInstallation(const std::string& gameFolder, const BackupEntry& entry,
                                InstallRecord done, InstallReport& report);

// After a restore, about the script open in the editor: a question (Ja: open
// it again) when the restore put back its file, a warning when it removed it,
// MessageIcon::None when it did neither.
Prompt ReopenQuestion(const InstallReport& report, const std::string& documentPath, bool modified);

}  // namespace wavoria
