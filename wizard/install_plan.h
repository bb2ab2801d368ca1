// The installation of keyboard and/or mouse support into a game, as data:
// which folder to create, which files to copy over the game's, and which
// generated texts to write. Building the plan changes nothing; the executor
// (install_executor.h) carries it out.
//
// What a plan installs into the game folder:
//   harmony.dll, oldharmony.dll   from the RPG Maker folder (Klavato's library
//                                 and the library it replaced)
//   Sound\                        created when missing
//   Sound\*.*                     every file of the templates in common\,
//                                 Key\ (keyboard support) and Mouse\ (mouse
//                                 support)
//   Sound\MouseSupportON.script.wav  generated, with mouse support
//   autorun.script                generated: the scripts run at game start
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "wizard/wizard_settings.h"

namespace wavoria {

inline constexpr std::string_view kGameProgram = "RPG_RT.EXE";
inline constexpr std::string_view kMakerProgram = "RPG2000.EXE";
inline constexpr std::string_view kHarmonyDll = "harmony.dll";
inline constexpr std::string_view kOldHarmonyDll = "oldharmony.dll";
inline constexpr std::string_view kAutorunFile = "autorun.script";
inline constexpr std::string_view kGameSoundFolder = "Sound";
inline constexpr std::string_view kTemplateFolder = "scripts";  // beside the program
inline constexpr std::string_view kCommonTemplates = "common";
inline constexpr std::string_view kKeyTemplates = "Key";
inline constexpr std::string_view kMouseTemplates = "Mouse";
inline constexpr std::string_view kMidiTickOutputScript = "MidiTickOutput.script.wav";
inline constexpr std::string_view kMidiTickClearScript = "MidiTickClear.script.wav";
inline constexpr std::string_view kKeyListScript = "KeyList.script.wav";
inline constexpr std::string_view kKeySupportOnScript = "KeySupportON.script.wav";
inline constexpr std::string_view kMouseSupportOnScript = "MouseSupportON.script.wav";

// Where a game folder holds its key list once keyboard support is installed.
std::string GameKeyListPath(const std::string& gameFolder);

// The name under which folder holds an entry called name, as Windows finds
// it: the entry spelled exactly so, else one whose name differs only in the
// case of the letters A to Z; name itself when there is none. So a game
// copied from Windows with "SOUND" or "HARMONY.DLL" keeps its own entries.
std::string NameInFolder(const std::string& folder, std::string_view name);

// folder joined with name as NameInFolder finds it.
std::string EntryPath(const std::string& folder, std::string_view name);

enum class InstallStepKind {
  CreateFolder,  // Target: a folder, created when missing
  CopyFile,      // Source copied over Target
  WriteFile,     // Bytes written to Target, completely or not at all
};

struct InstallStep {
  InstallStepKind Kind = InstallStepKind::CopyFile;
  std::string Source;  // CopyFile: the file copied; empty otherwise
  std::string Target;  // the folder or file that the step creates or replaces
  std::string Bytes;   // WriteFile: the whole text of the file
  int After = -1;      // index of a step that must have succeeded first; -1: none

  bool operator==(const InstallStep&) const = default;
};

struct InstallPlan {
  std::string GameFolder;          // ends in the separator
  std::string MakerFolder;         // ends in the separator
  std::string Choices;             // what was chosen, as the record names it
  std::vector<InstallStep> Steps;  // in the order they are carried out
  std::string KeyListPath;         // the game's key list, empty without keyboard support
  // Template folders of the chosen functions that are missing or hold no
  // file, so that nothing was copied from them.
  std::vector<std::string> EmptyTemplateFolders;
};

// The lines of "autorun.script", relative to the game folder, in the order
// they are written: the two MidiTick scripts always; the key list with
// keyboard support; "KeySupportON" with keyboard support unless mouse support
// starts the game; "MouseSupportON" with mouse support unless keyboard support
// starts the game.
std::vector<std::string> AutorunLines(const WizardSettings& settings);

// The text of "autorun.script": every line ends with CR LF.
std::string AutorunText(const WizardSettings& settings);

// The text of the generated "Sound\MouseSupportON.script.wav": eight lines,
// each ending with CR LF, that switch mouse support on with the mouse ID and
// automatic sending of the settings.
std::string MouseSupportScriptText(const WizardSettings& settings);

// What settings choose, as an installation's record names it:
// "Tastatursupport und Maussupport, beim Start Maussupport; Maus-ID -5,
// Mausposition automatisch senden".
std::string ChoicesText(const WizardSettings& settings);

// Whether name ends in ".script.wav" (letters A to Z in any case).
bool IsScriptFileName(std::string_view name);

// The plan for settings. templateFolder holds the folders "common", "Key" and
// "Mouse" of template scripts (the "scripts" folder beside the program); every
// file found there is copied, and the four templates that
// "autorun.script" names are always part of the plan, found or not, so that
// the executor's check of the sources notices when one is missing. Names in
// the game folder are those NameInFolder finds.
//
// Steps: the "Sound" folder; "oldharmony.dll", then "harmony.dll" (only once
// "oldharmony.dll" is in place, since Klavato's library needs it); the common
// templates; the Key templates with keyboard support; the Mouse templates and
// the generated mouse script with mouse support (every file into "Sound" only
// once the folder is there); last "autorun.script".
InstallPlan BuildInstallPlan(const WizardSettings& settings, const std::string& templateFolder);

}  // namespace wavoria
