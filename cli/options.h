// The command line of wavoria-cli: what to do, and the help and usage texts.
//
//   wavoria-cli check PATH...
//   wavoria-cli check --game DIR [--keys]
//   wavoria-cli show FILE [--details]
//   wavoria-cli format FILE [--output OUT]
//   wavoria-cli install --game DIR --maker DIR [--keyboard] [--mouse]
//               [--start keyboard|mouse] [--mouse-id N] [--auto-position]
//               [--templates DIR] [--force]
//   wavoria-cli restore --game DIR [--list] [--damaged keep|put-back]
//   wavoria-cli --help | --version
//
// "--" ends the options; every argument after it is a path.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "wizard/install_undo.h"

namespace wavoria::cli {

inline constexpr std::string_view kVersionText = "wavoria-cli 1.0";

enum class CliCommand { Help, Version, Check, Show, Format, Install, Restore };

struct InstallOptions {
  std::string GameFolder;      // --game: the folder of RPG_RT.EXE
  std::string MakerFolder;     // --maker: the folder of RPG2000.EXE
  std::string TemplateFolder;  // --templates; empty: "scripts" beside the program
  bool Keyboard = false;       // --keyboard
  bool Mouse = false;          // --mouse
  int StartFunction = 0;       // --start: 0 keyboard, 1 mouse support at game start
  bool StartGiven = false;     // --start was given
  std::int32_t MouseId = 0;    // --mouse-id
  bool MouseIdGiven = false;   // --mouse-id was given
  bool AutoPosition = false;   // --auto-position
  bool Force = false;          // --force: install over an earlier installation
};

struct CliOptions {
  CliCommand Command = CliCommand::Help;
  std::vector<std::string> Paths;  // check: the paths; show, format: the one file
  std::string Game;                // check --game: the game folder
  bool Keys = false;               // check --keys: only the table of keys and cheats
  bool Details = false;            // show --details
  std::string Output;              // format --output; empty: the file itself
  bool List = false;               // restore --list
  DamagedDecision Damaged = DamagedDecision::Undecided;  // restore --damaged
  InstallOptions Install;                                // install; restore uses only GameFolder
};

struct ParsedArguments {
  bool Ok = false;    // false: wrong usage, Error says why
  std::string Error;  // one German sentence, without the program's name
  CliOptions Options;
};

// Reads the arguments after the program's name.
ParsedArguments ParseArguments(const std::vector<std::string>& args);

// The short usage text shown after a wrong usage, lines ending in "\n".
std::string UsageText();
// The full help text for --help, lines ending in "\n".
std::string HelpText();

}  // namespace wavoria::cli
