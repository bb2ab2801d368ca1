#include "cli/install_command.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "document/text.h"
#include "platform/cli_platform.h"
#include "platform/file_io.h"
#include "wizard/game_entries.h"
#include "wizard/game_run.h"
#include "wizard/install_backup.h"
#include "wizard/install_executor.h"
#include "wizard/install_history.h"
#include "wizard/install_undo.h"
#include "wizard/wizard_flow.h"

namespace wavoria::cli {

namespace {

std::string AsFolder(std::string folder) {
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += kPathSeparator;
  return folder;
}

// The name under which folder holds program (letters A to Z in any case, as
// Windows finds it), or "" when it holds none.
std::string ProgramIn(const std::string& folder, std::string_view program) {
  for (const std::string& name : ListFolder(folder).Files) {
    if (EqualsIgnoreCase(name, program)) return name;
  }
  return {};
}

// Texts of the core name the folders as given; a message shows them as the
// console spells them.
class PathSpeller {
 public:
  void Add(const std::string& path) {
    const std::string shown = PathText(path);
    if (shown != path) pairs_.emplace_back(path, shown);
  }

  std::string Spell(std::string text) const {
    for (const auto& [path, shown] : pairs_) {
      for (std::size_t at = text.find(path); at != std::string::npos;
           at = text.find(path, at + shown.size())) {
        text.replace(at, path.size(), shown);
      }
    }
    return text;
  }

 private:
  std::vector<std::pair<std::string, std::string>> pairs_;
};

// The lines of a CR LF text, each ended with "\n".
std::string AsLines(std::string_view text) {
  std::string out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(LineBreak, start);
    out += text.substr(start, end == std::string_view::npos ? end : end - start);
    out += '\n';
    if (end == std::string_view::npos) return out;
    start = end + LineBreak.size();
  }
}

// Checks that folder (as given) exists and holds program; the problem as a
// sentence, or "" when there is none.
std::string FolderProblem(const std::string& folder, std::string_view what,
                          std::string_view program, std::string& programName) {
  if (KindOf(folder) != PathKind::Folder) {
    return "Der Ordner " + std::string(what) + " " + Quoted(PathText(folder)) +
           " wurde nicht gefunden.";
  }
  programName = ProgramIn(folder, program);
  if (programName.empty()) {
    return "Im Ordner " + Quoted(PathText(folder)) + " wurde keine " + std::string(program) +
           " gefunden.";
  }
  return {};
}

// What a further restore would undo.
std::string NextRestoreText(const std::string& game) {
  const RestoreChoice next = ChooseRestore(game);
  if (!next.Target || !next.Problems.empty()) return std::string(kNothingToUndoText);
  const std::string name = RunName(next.History.Backups[*next.Target]);
  switch (next.Job) {
    case RestoreJob::Undo:
      return "Ein weiteres \"wavoria-cli restore\" macht " + name + " rückgängig.";
    case RestoreJob::UndoEarlier:
      return "Ein weiteres \"wavoria-cli restore\" legt " + name + " zurück.";
    case RestoreJob::Damaged:
      return "Ein weiteres \"wavoria-cli restore\" braucht für " + name +
             " die Angabe --damaged keep oder --damaged put-back.";
    default:
      return std::string(kNothingToUndoText);
  }
}

}  // namespace

int RunInstall(const InstallOptions& options, const std::string& programFolder,
               const CliOutput& output) {
  auto fail = [&](std::string_view message) {
    output.Err(AsLines(message));
    return kExitFound;
  };
  PathSpeller speller;
  const std::string game = AsFolder(options.GameFolder);
  const std::string maker = AsFolder(options.MakerFolder);
  const std::string templates = options.TemplateFolder.empty()
                                    ? AsFolder(programFolder) + std::string(kTemplateFolder)
                                    : options.TemplateFolder;
  speller.Add(game);
  speller.Add(maker);
  speller.Add(templates);

  // Page 8000 takes the two programs through a file chooser that accepts only
  // existing files; here the folders are checked for them.
  std::string gameProgram;
  std::string makerProgram;
  std::string problem = GamePathProblem(game);
  if (problem.empty()) {
    problem = FolderProblem(options.GameFolder, "des Spiels", kGameProgram, gameProgram);
  }
  if (problem.empty()) {
    problem = FolderProblem(options.MakerFolder, "des RPG Makers", kMakerProgram, makerProgram);
  }
  if (!problem.empty()) return fail(problem);

  WizardSettings settings;
  const PageResult paths =
      ConfirmPaths(settings, {game + gameProgram, maker + makerProgram}, options.Force);
  if (paths.Icon == MessageIcon::Question) {
    return fail(
        "Ihr Spiel scheint bereits Tastatur- oder Maussupport zu enthalten. Mit --force wird "
        "trotzdem installiert; autorun.script und die Skripte im Ordner Sound werden dabei "
        "ersetzt, und die, die sich von den neuen unterscheiden, werden vorher im Ordner "
        "Wavoria-Sicherung aufbewahrt.");
  }
  if (!paths.Closes) return fail(paths.Message);

  const PageResult functions = ConfirmFunctions(settings, options.Keyboard, options.Mouse);
  if (!functions.Closes) return fail(functions.Message);
  if (settings.NextPage == kPageStartFunction) {
    ConfirmStartFunction(settings, options.StartFunction);
  }
  if (settings.NextPage == kPageMouse) {
    settings.MouseId = options.MouseId;
    settings.AutoSendPosition = options.AutoPosition ? 1 : 0;
  }

  const InstallPlan plan = BuildInstallPlan(settings, templates);
  const InstallReport report = ExecuteInstallPlan(plan);
  if (!report.AllSucceeded()) return fail(speller.Spell(report.WarningText()));
  std::string done = AsLines(speller.Spell(
      report.DoneText("Rückgängig machen lässt sich diese Installation mit: wavoria-cli restore "
                      "--game " +
                      ShellArgument(PathText(game)))));
  if (report.KeyListInstalled) {
    // The wizard opens the key list in the editor at this point.
    done += "Die Tastenliste zum Anpassen: " + speller.Spell(plan.KeyListPath) + "\n";
  }
  output.Out(done);
  return kExitOk;
}

int RunRestore(const CliOptions& options, const CliOutput& output) {
  PathSpeller speller;
  const std::string& gameFolder = options.Install.GameFolder;
  const std::string game = AsFolder(gameFolder);
  speller.Add(game);
  auto fail = [&](std::string_view message) {
    output.Err(AsLines(speller.Spell(std::string(message))));
    return kExitFound;
  };
  if (std::string problem = GamePathProblem(game); !problem.empty()) return fail(problem);
  if (KindOf(gameFolder) != PathKind::Folder) {
    return fail("Der Ordner des Spiels " + Quoted(game) + " wurde nicht gefunden.");
  }
  if (options.List) {
    // While another run changes the history, it is not listed; a game without
    // backups has no history to guard.
    std::optional<GameRun> run;
    if (KindOfEntry(EntryPath(game, kBackupFolder)) == EntryKind::Folder) run.emplace(game);
    if (run && run->Problem() == kBusyText) return fail(kBusyText);
    const GameHistory history = ReadHistory(game);
    std::string text = run && !run->Note().empty() ? run->Note() + std::string(LineBreak) : "";
    output.Out(AsLines(speller.Spell(text + HistoryText(history))));
    if (history.Problems.empty()) return kExitOk;
    std::string problems;
    for (const std::string& problem : history.Problems) AppendAll(problems, {problem, LineBreak});
    return fail(problems.substr(0, problems.size() - LineBreak.size()));
  }
  RestoreChoice choice = ChooseRestore(game);
  if (choice.Job == RestoreJob::Damaged && choice.Problems.empty() &&
      options.Damaged == DamagedDecision::Undecided) {
    return fail(DamagedRecordText(choice) + std::string(LineBreak) + std::string(LineBreak) +
                "Mit --damaged put-back legt Wavoria genau diese Dateien zurück (was an ihrer "
                "Stelle liegt, wird vorher aufbewahrt); mit --damaged keep bleibt das Spiel, wie "
                "es ist. Danach lassen sich ältere Installationen wieder rückgängig machen.");
  }
  choice.Decision = options.Damaged;
  const InstallReport report = CarryOutRestore(std::move(choice));
  if (report.Problems == std::vector<std::string>{std::string(kNothingToUndoText)}) {
    std::string text;
    for (const std::string& note : report.Notes) AppendAll(text, {note, LineBreak});
    return fail(text + std::string(kNothingToUndoText));
  }
  if (!report.AllSucceeded()) return fail(report.WarningText("Das Rückgängigmachen"));
  output.Out(AsLines(speller.Spell(report.DoneText(NextRestoreText(game)))));
  return kExitOk;
}

}  // namespace wavoria::cli
