// Helpers of the wavoria-cli tests: each test works in a folder of its own,
// runs commands in-process through RunCli and compares what they wrote; the
// installation tests start from a game, an RPG Maker and template folders.
#pragma once

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include "tests/cli/linux_under_wine_win.h"
#else
#include <sys/stat.h>
#include <sys/wait.h>
#endif

#include "cli/cli.h"
#include "platform/cli_platform.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "platform/file_ops.h"
#include "platform/program_folder.h"
#include "platform/text_encoding.h"
#include "tests/core/test_support.h"
#include "tests/game_folder.h"
#include "wizard/game_entries.h"
#include "wizard/game_run.h"
#include "wizard/install_backup.h"
#include "wizard/install_executor.h"
#include "wizard/install_history.h"
#include "wizard/install_undo.h"

namespace wavoria::cli {

namespace fs = std::filesystem;
using namespace ::testing;  // the matchers
using testing::FileBytes;
using Strings = std::vector<std::string>;

// The Windows build of the tests runs under Wine.
inline constexpr bool kUnderWine = kPathSeparator == '\\';

// A command's exit status and what it wrote to stdout and to stderr.
using Outcome = std::tuple<int, std::string, std::string>;

// What every template in the tests holds.
inline const std::string kTemplate = "[Execute]\r\nAction=GetMousePosition\r\n";

inline std::string P(std::string rel) {
  for (char& c : rel) c = c == '/' ? kPathSeparator : c;
  return rel;
}

inline Strings Join(Strings args, const Strings& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// Everything under folder in name order: "name/" for a folder, "name=bytes" for a file,
// "name|" for a pipe (which is not read: under Wine that would wait for a writer).
inline Strings Tree(const std::string& folder) {
  Strings entries;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
    const std::string name = fs::relative(e.path(), folder).generic_string();
    const bool pipe = KindOfEntry(e.path().string()) == EntryKind::Other;
    entries.push_back(e.is_directory() ? name + "/"
                      : pipe           ? name + "|"
                                       : name + "=" + FileBytes(e.path().string()));
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

// A symbolic link at path to target, or a named pipe at path when target is
// empty, as a game unpacked on Linux can hold them. Wine's CreateSymbolicLink
// makes no link, so under Wine Linux's own programs make both.
inline void MakeLink(const std::string& target, const std::string& path) {
#ifdef _WIN32
  const std::string at = LinuxPath(fs::absolute(P(path)).string());
  RunLinux(target.empty() ? "mkfifo" : "ln -s",
           target.empty() ? Strings{at} : Strings{LinuxPath(fs::absolute(P(target)).string()), at},
           [&] { return KindOfEntry(P(path)) != EntryKind::Missing; });
#else
  if (target.empty()) mkfifo(path.c_str(), 0600);
  if (!target.empty()) fs::create_symlink(fs::absolute(target), path);
#endif
  ASSERT_EQ(KindOfEntry(P(path)), target.empty() ? EntryKind::Other : EntryKind::Link) << path;
}
inline void MakePipe(const std::string& path) {
  MakeLink("", path);
}
// Under Wine only Linux removes a pipe; the functions of Windows wait on it.
inline void RemovePipe(const std::string& path) {
#ifdef _WIN32
  RunLinux("rm", {LinuxPath(fs::absolute(P(path)).string())},
           [&] { return KindOfEntry(P(path)) == EntryKind::Missing; });
#else
  fs::remove(path);
#endif
}

#ifdef _WIN32
// At its end, Linux removes what it names (Windows' own functions cannot).
struct LinuxRemover {
  std::string Path;  // as Linux names it
  std::function<bool()> Gone;
  ~LinuxRemover() { RunLinux("rm -r", {Path}, Gone); }
};
#endif

// The real wavoria-cli, and its path as a shell (cmd under Wine) takes it.
inline const std::string kProgramFile = kUnderWine ? "wavoria-cli.exe" : "wavoria-cli";
inline std::string Program() {
  return "\"" + ProgramFolder() + kPathSeparator + kProgramFile + "\"";
}

// Runs line in a shell; its exit status, or 128 and the signal that killed it.
// Natively leaks are not looked for: a killed run would report its memory.
inline int Shell(const std::string& line) {
#ifdef _WIN32
  return std::system(("\"" + line + "\"").c_str());
#else
  const int status = std::system(("export ASAN_OPTIONS=detect_leaks=0; " + line).c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
#endif
}

// What a backup folder keeps besides its record ("Inhalt.txt").
inline Strings KeptIn(const std::string& folder) {
  Strings entries = Tree(folder);
  std::erase_if(entries, [](const std::string& e) { return e.starts_with("Inhalt.txt="); });
  return entries;
}

// Each test works in a folder of its own, which is the current folder.
class Cli : public ::testing::Test {
 protected:
  void SetUp() override { fs::current_path(folder_.emplace("cli").Path()); }
  void TearDown() override {
    FixBackupStamp("");
    fs::current_path(before_);
  }
  Outcome Do(const Strings& args) const {
    std::string out, err;
    const int status = RunCli(
        args, {[&](std::string_view s) { out += s; }, [&](std::string_view s) { err += s; }});
    return {status, out, err};
  }
  void Write(const std::string& rel, const std::string& bytes) const {
    fs::create_directories(fs::absolute(P(rel)).parent_path());
    std::ofstream(P(rel), std::ios::binary) << bytes;
  }

  fs::path before_ = fs::current_path();
  std::optional<testing::TempFolder> folder_;
};

// A text of the core as wavoria-cli prints it: each line ended with "\n".
inline std::string Printed(std::string_view text) {
  std::string out(text);
  for (std::size_t at; (at = out.find("\r\n")) != std::string::npos;) out.replace(at, 2, "\n");
  return out + "\n";
}

// What a run that was refused for problems prints; what names the run ("Die
// Installation", "Das Rückgängigmachen").
inline Outcome Refused(std::string_view what, const Strings& problems) {
  return {1, "", Printed(InstallReport{.Refused = true, .Problems = problems}.WarningText(what))};
}
inline const std::string kNothing = Printed(kNothingToUndoText);

// The backups of the game, and the folder of its first run.
inline const std::string kBackups = "game/Wavoria-Sicherung";
inline const std::string kFirst = kBackups + "/2026-12-07 14.03.12";

// While it lives, writes stop after bytes as on a full disk.
struct FullDisk {
  explicit FullDisk(long long bytes) { SimulateShortWriteAfter(bytes); }
  ~FullDisk() { SimulateShortWriteAfter(-1); }
};

// While it lives, hook runs before each step of an installation.
struct InstallStepHook {
  explicit InstallStepHook(std::function<void(std::size_t)> hook) {
    SetBeforeInstallStep(std::move(hook));
  }
  ~InstallStepHook() { SetBeforeInstallStep({}); }
};

// Installations into "game" from "maker" and the templates in "tpl"; backups
// are named as if made at 2026-12-07 14.03.12.
class CliInstall : public Cli {
 protected:
  void SetUp() override {
    Cli::SetUp();
    FixBackupStamp("2026-12-07 14.03.12");
    WriteGame();
    for (const char* file : {"leer/x.txt", "ohne/RPG2000.EXE"}) Write(file, file);
    for (const char* name : {"common/MidiTickOutput", "common/MidiTickClear", "Key/KeyList",
                             "Key/KeySupportON", "Mouse/M", "Mouse/mousesupporton"})
      Write(std::string("tpl/") + name + ".script.wav", kTemplate);
  }
  Outcome Install(const Strings& more) const {
    return Do(Join({"install", "--game", "game", "--maker", "maker", "--templates", "tpl"}, more));
  }
  Outcome Restore(const Strings& more = {}) const {
    return Do(Join({"restore", "--game", "game"}, more));
  }
  Outcome List() const { return Restore({"--list"}); }
  std::string Autorun() const { return FileBytes(P("game/autorun.script")); }
  // The game and the maker as they were before any installation.
  void WriteGame() const {
    fs::remove_all("game");
    testing::WriteGameAndMaker("game", "maker");
  }
  // The record of the run kept in folder, as edit makes it.
  void EditRecord(const std::function<std::string(std::string)>& edit,
                  const std::string& folder = kFirst) const {
    Write(folder + "/Inhalt.txt", edit(FileBytes(P(folder + "/Inhalt.txt"))));
  }
  // The name of the run a restore would undo next, as the core names it.
  static std::string NextRun() {
    const RestoreChoice next = ChooseRestore("game");
    return next.Target ? RunName(next.History.Backups[*next.Target]) : "";
  }
};

// text with from replaced by to, once.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

// Everything in a game folder but its backups.
inline Strings GameFiles(const std::string& game = "game") {
  Strings entries = Tree(game);
  std::erase_if(entries, [](const std::string& e) { return e.starts_with(kBackupFolder); });
  return entries;
}

// What install says: done, where the replaced files went (when any), how to
// undo it (wavoria-cli's own sentence), the key list.
inline std::string Installed(const std::string& game, const std::string& backup) {
  const InstallReport report{.BackupFolder =
                                 backup.empty() ? "" : P(game + "/Wavoria-Sicherung/" + backup)};
  return Printed(report.DoneText(
             "Rückgängig machen lässt sich diese Installation mit: wavoria-cli restore --game " +
             ShellArgument(game))) +
         "Die Tastenliste zum Anpassen: " + P(game + "/Sound/KeyList.script.wav") + "\n";
}
inline const std::string kKeys =
    "Sound\\MidiTickOutput.script.wav\r\nSound\\MidiTickClear.script.wav\r\n"
    "Sound\\KeyList.script.wav\r\n";

}  // namespace wavoria::cli
