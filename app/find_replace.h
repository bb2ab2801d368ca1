// Suchen and Ersetzen: where a search looks, in which order it goes through
// the commands, what Ersetzen may change, and what the user is told.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/command_table.h"
#include "document/data_files.h"
#include "document/line_range.h"

namespace wavoria {

// What the find or replace box asks for.
struct FindRequest {
  std::string Text;        // what is looked for; an empty text is found nowhere
  bool MatchCase = false;  // "Groß-/Kleinschreibung beachten"; otherwise letters of
                           // Windows-1252 match in either case (ä finds Ä)
  bool Down = true;        // "Abwärts"
};

// Where a search looks in a command.
enum class FindIn {
  kShown,   // its list line and its details text, as the window shows them: Suchen
  kValues,  // its parameter values, which Ersetzen changes
};

struct FindResult {
  int Line = 0;          // the command found
  bool Wrapped = false;  // the search went on from the other end of the script to find it
};

// The next command that holds the text, from the selected lines on:
// downwards from the line below them to the last command, then on from the
// first one; upwards from the line above them to the first command, then on
// from the last one; the selected commands come last. `lines` are the
// list's lines as it shows them. Nothing when no command holds the text.
std::optional<FindResult> FindCommand(const CommandTable& table,
                                      const std::vector<std::string>& lines,
                                      const FindRequest& request, FindIn where, LineRange selected);

// "„…“ wurde nicht gefunden."
std::string NotFoundMessage(std::string_view text);

// That a search went on from the other end of the script. It is said once
// for a text: again only when the text or its case option changes.
class WrapNotice {
 public:
  // Whether to say it now, after a search for `request` wrapped.
  bool Due(const FindRequest& request);
  static std::string Message(bool down);

 private:
  std::optional<std::pair<std::string, bool>> said_;
};

// What Ersetzen or Alle ersetzen did.
struct ReplaceOutcome {
  std::optional<LineRange> Lines;    // to select afterwards; nothing when nothing changed
  int Values = 0;                    // the values changed
  int Commands = 0;                  // the commands with a changed value
  std::vector<std::string> Refused;  // per command whose dialog would refuse a new value, why
};

// Alle ersetzen: request.Text becomes `replacement` everywhere in the
// parameter values (never in Action, Next or a section name) of the
// selected range, or of every command when one line is selected, as one
// step. A value that its command's dialog would refuse (DialogRefusal) stays
// as it was; each command with such a value is named by its line in
// `lines`, the list's lines as it shows them.
ReplaceOutcome ReplaceAll(CommandTable& table, const KeyNameTable& keys,
                          const std::vector<std::string>& lines, const FindRequest& request,
                          std::string_view replacement, LineRange selected);

// Ersetzen: the same in the one selected command.
ReplaceOutcome ReplaceInSelected(CommandTable& table, const KeyNameTable& keys,
                                 const std::vector<std::string>& lines, const FindRequest& request,
                                 std::string_view replacement, LineRange selected);

// What Alle ersetzen tells: how many values in how many commands it changed,
// and each command whose dialog refused a value.
std::string ReplacedMessage(const ReplaceOutcome& outcome);

}  // namespace wavoria
