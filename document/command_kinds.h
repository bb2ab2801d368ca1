// The kinds of command the editor can present: for each, how it is recognised
// (its Action and, for some, one field), its line in the command list, the
// dialog that edits it, its icon and its lines in the details panel. A command
// the editor cannot present shows its raw key lines (the "unknown form").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/script_command.h"

namespace wavoria {

// Icon resources of the command kinds and of the two lines that are no command.
enum CommandIcon : int {
  kIconWriteToLog = 151,
  kIconExecProgram = 152,
  kIconMciCommand = 153,
  kIconMidiTick = 154,
  kIconAddOutput = 155,
  kIconKeySupport = 156,
  kIconKeyEvent = 157,
  kIconCheatEvent = 158,
  kIconMouseSupport = 159,
  kIconMousePosition = 160,
  kIconDebugLevel = 161,
  kIconUnknown = 162,
  kIconScriptHead = 163,
  kIconNoCommand = 164,
};

enum class KindTest {
  kAny,       // every command with the action
  kFieldIs,   // Field, in upper case, equals Value
  kFieldSet,  // Field is not empty
};

struct CommandKind {
  std::string_view Action;  // as the dialogs store it; empty in the last row: any other action
  KindTest Test = KindTest::kAny;
  // The field the test reads; in the unknown form, the key line shown.
  std::string ScriptCommand::*Field = nullptr;
  std::string_view Value;        // for kFieldIs, upper case
  std::int32_t DialogType = -1;  // template id / 100 of the editing dialog; -1: none
  int Icon = kIconUnknown;
  // Appends the list text (after "<> "); gives the details text. Null for the
  // unknown form.
  void (*ListText)(std::string& line, const ScriptCommand&) = nullptr;
  std::string (*DetailsText)(const ScriptCommand&) = nullptr;

  bool IsUnknownForm() const { return ListText == nullptr; }
};

// The first kind that fits cmd (actions and values compared ignoring case).
const CommandKind& KindOf(const ScriptCommand& cmd);

// The list text of cmd (without the leading "<> "): "???" for the unknown form.
std::string ListTextOf(const CommandKind& kind, const ScriptCommand& cmd);
void AppendListText(std::string& line, const CommandKind& kind, const ScriptCommand& cmd);

// The key lines the unknown form shows: "Action=" with the kind's action (the
// stored one for an action no row names) and, for a kind with a field, that
// field's key line.
std::string UnknownFormLines(const CommandKind& kind, const ScriptCommand& cmd,
                             std::string_view separator);

// The details text of cmd: its lines joined with CR LF.
std::string DetailsTextOf(const CommandKind& kind, const ScriptCommand& cmd);

}  // namespace wavoria
