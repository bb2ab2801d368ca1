#include "cli/cli.h"

#include "app/data_files.h"
#include "cli/check.h"
#include "cli/install_command.h"
#include "cli/options.h"
#include "cli/platform.h"
#include "cli/show.h"
#include "document/file_io.h"
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

int RunShow(const std::string& path, bool details, const ActionTable& actions,
            const CliOutput& output) {
  std::string text;
  const std::string shownPath = PathText(path);
  if (KindOf(path) != PathKind::File || !ReadWholeFile(path, text)) {
    output.Err("wavoria-cli: Die Datei '" + shownPath + "' kann nicht gelesen werden.\n");
    return kExitFound;
  }
  const ShownScript shown = ShowScriptText(text, actions, shownPath, details);
  for (const std::string& warning : shown.Warnings) {
    output.Err("wavoria-cli: " + shownPath + ": " + warning + "\n");
  }
  std::string lines;
  for (const std::string& line : shown.Lines) lines += line + "\n";
  output.Out(lines);
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
      return RunCheck(options.Paths, actions, output);
    case CliCommand::Show:
      if (!LoadActions(programFolder, actions, output)) return kExitUsage;
      return RunShow(options.Paths.front(), options.Details, actions, output);
    case CliCommand::Install:
      return RunInstall(options.Install, programFolder, output);
    case CliCommand::Restore:
      return RunRestore(options.Install.GameFolder, options.List, output);
  }
  return kExitUsage;
}

}  // namespace wavoria::cli
