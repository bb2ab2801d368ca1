#include "cli/cli.h"

#include <memory>

#include "app/editor_rules.h"
#include "cli/check.h"
#include "cli/game_check.h"
#include "cli/install_command.h"
#include "cli/options.h"
#include "cli/show.h"
#include "document/data_files.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "platform/cli_platform.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "platform/program_folder.h"

namespace wavoria::cli {

namespace {

constexpr std::string_view kActionsFile = "actions.dat";

std::string InFolder(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  return folder + kPathSeparator + std::string(name);
}

// The action names the editor accepts, from "actions.dat" beside the program.
bool LoadActions(const std::string& programFolder, ActionTable& actions, const CliOutput& output) {
  std::string text;
  if (!ReadWholeFile(InFolder(programFolder, kActionsFile), text)) {
    output.Err("wavoria-cli: " + MissingDataFileMessage(kActionsFile) + "\n");
    return false;
  }
  actions = ParseActionNames(text);
  return true;
}

int RunCheck(const std::vector<std::string>& paths, const ActionTable& actions,
             const CliOutput& output) {
  bool found = false;
  for (const std::string& path : paths) {
    CheckPath(path, actions, [&](const Finding& finding) {
      output.Out(FindingLine(finding) + "\n");
      found = true;
    });
  }
  return found ? kExitFound : kExitOk;
}

// Reads the script a command names; says so when it cannot.
bool ReadScriptArgument(const std::string& path, std::string& text, const CliOutput& output) {
  if (KindOf(path) == PathKind::File && ReadWholeFile(path, text)) return true;
  output.Err("wavoria-cli: Die Datei '" + PathText(path) + "' kann nicht gelesen werden.\n");
  return false;
}

// The editor's warnings on opening, one line each: "wavoria-cli: FILE: text".
void PrintWarnings(const std::vector<std::string>& warnings, const std::string& shownPath,
                   const CliOutput& output) {
  std::string lines;
  for (const std::string& warning : warnings) {
    lines += "wavoria-cli: " + shownPath + ": " + warning + "\n";
  }
  if (!lines.empty()) output.Err(lines);
}

int RunShow(const std::string& path, bool details, const ActionTable& actions,
            const CliOutput& output) {
  std::string text;
  if (!ReadScriptArgument(path, text, output)) return kExitFound;
  const std::string shownPath = PathText(path);
  const ShownScript shown = ShowScriptText(text, actions, shownPath, details);
  PrintWarnings(shown.Warnings, shownPath, output);
  std::string lines;
  for (const std::string& line : shown.Lines) lines += line + "\n";
  output.Out(lines);
  return kExitOk;
}

// Writes the script as the editor's Speichern would, to target or in place.
int RunFormat(const std::string& path, const std::string& target, const ActionTable& actions,
              const CliOutput& output) {
  std::string text;
  if (!ReadScriptArgument(path, text, output)) return kExitFound;
  auto table = std::make_unique<CommandTable>();
  const ReadWarnings warnings = ParseScript(text, actions, *table);
  PrintWarnings(WarningLines(warnings, PathText(path)), PathText(path), output);
  const std::string& file = target.empty() ? path : target;
  if (!WriteScriptFile(file, *table)) {
    output.Err("wavoria-cli: " + CannotSaveMessage(PathText(file), LastFileError()) + "\n");
    return kExitFound;
  }
  return kExitOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const CliOutput& output) {
  const ParsedArguments parsed = ParseArguments(args);
  if (!parsed.Ok) {
    output.Err("wavoria-cli: " + parsed.Error + "\n" + UsageText());
    return kExitUsage;
  }
  const CliOptions& options = parsed.Options;
  const std::string programFolder = ProgramFolder();
  ActionTable actions;
  switch (options.Command) {
    case CliCommand::Help:
      output.Out(HelpText());
      return kExitOk;
    case CliCommand::Version:
      output.Out(std::string(kVersionText) + "\n");
      return kExitOk;
    case CliCommand::Check:
      if (!LoadActions(programFolder, actions, output)) return kExitUsage;
      if (!options.Game.empty()) return RunGameCheck(options.Game, options.Keys, actions, output);
      return RunCheck(options.Paths, actions, output);
    case CliCommand::Show:
      if (!LoadActions(programFolder, actions, output)) return kExitUsage;
      return RunShow(options.Paths.front(), options.Details, actions, output);
    case CliCommand::Format:
      if (!LoadActions(programFolder, actions, output)) return kExitUsage;
      return RunFormat(options.Paths.front(), options.Output, actions, output);
    case CliCommand::Install:
      return RunInstall(options.Install, programFolder, output);
    case CliCommand::Restore:
      return RunRestore(options, output);
  }
  return kExitUsage;
}

}  // namespace wavoria::cli
