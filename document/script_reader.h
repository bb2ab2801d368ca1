// Reading "*.script.wav" files into a CommandTable.
//
// A script is INI-like text: "[Name]" headers start sections, each section is
// one command, and key lines "Key=Value" give its fields. The game reads a
// script with Windows' INI reader, and the editor reads each line as that
// reader does (document/ini_line.h): within a section the first line of a key
// counts, and of two sections of one name the first. Comments are ignored,
// except ";WIZDESC$Name", which names the script. The first section
// "[Execute]" (any case) is the first command; it receives a generated name.
// Files with a UTF-16 or UTF-8 byte-order mark, and UTF-8 files, are
// converted to Windows-1252 (document/script_encoding.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/action_names.h"
#include "document/command_table.h"

namespace wavoria {

// The warnings shown when a script is opened or pasted, one for each kind of
// finding.
enum class ReadWarning {
  kCrossFileReference,  // a Next named a section in another file
  kUnknownCommands,     // a section with an unknown or no Action
  kSectionsCut,         // sections beyond the 511 command slots
  kUnknownKeysDropped,  // lines with keys the reader does not know
  kConverted,           // a UTF-8 or UTF-16 text, read as Windows-1252
  kCutInList,           // a value too long for its command's list line
  kDuplicateKeys,       // a key given again in a section: only its first line counts
  kNulBytes,            // a NUL byte ends a line's name, key or value early
  kShownAsUnknown,      // a command the editor can only show as "???"
  kChainGaps,           // sections the chain from [Execute] does not reach as written
};

// Something about one line of a script: what the checker says, and the
// warning on opening or pasting that names it.
struct ScriptFinding {
  int Line = 0;         // counted from 1 as the reader splits lines (CR LF, LF or CR)
  std::string Message;  // one German sentence or two
  ReadWarning Warning{};

  bool operator==(const ScriptFinding&) const = default;
};

// What a read noticed that the editor shows differently from the file, or
// that saving the document would lose or change.
struct ReadWarnings {
  bool CrossFileReference = false;  // a Next named a section in another file
  bool UnknownCommands = false;     // a section with an unknown or no Action
  bool UnknownKeysDropped = false;  // lines with keys the reader does not know
  bool SectionsCut = false;         // sections beyond the 511 command slots
  bool ConvertedFromUtf8 = false;   // a UTF-8 text, read as Windows-1252
  bool ConvertedFromUtf16 = false;  // a UTF-16 text, read as Windows-1252
  bool CutInList = false;           // the list shows a command cut short
  bool DuplicateKeys = false;       // a key given a second value in a section
  bool NulBytes = false;            // a line with a NUL byte
  bool ShownAsUnknown = false;      // a known action the editor shows as "???"
  bool ChainGaps = false;           // sections the chain does not reach as written
  // The lines each warning comes from, in the order of the file: every
  // finding of FindingsOf (document/script_findings.h).
  std::vector<ScriptFinding> Lines;

  bool operator==(const ReadWarnings&) const = default;
  // Whether the warning is raised.
  bool Has(ReadWarning warning) const;
  bool Any() const;
};

// Whether action names one of the table's actions (case of A to Z ignored).
bool IsKnownAction(std::string_view action, const ActionTable& actions);

// Replaces the document with the script in text (the bytes of a file, or
// any text: a mark or UTF-8 is converted). The display order is rebuilt; the
// list lines are the caller's business. The lines of every warning are found
// in the same reading.
ReadWarnings ParseScript(std::string_view text, const ActionTable& actions, CommandTable& table);

// Reads the file at path into the document. Returns false, leaving the
// document untouched, when the file cannot be read.
bool ReadScriptFile(const std::string& path, const ActionTable& actions, CommandTable& table,
                    ReadWarnings& warnings);

// How many lines one warning shows at most before "... und N weitere": a
// message box stays within a screen.
inline constexpr std::size_t kWarningLinesShown = 10;

// Where a text that was read came from, as its warnings speak of it.
enum class ReadSource { kFile, kClipboard };

// The warnings to show after reading path, one text each, in the order they
// are shown: the warning's sentence and, below an empty line, its lines
// ("Zeile 12: ..."), at most lineLimit of them. A path of exactly "tmp.dat"
// shows none of the warnings about lost content except the one about cut
// sections. The sentences speak of the opened file, or of the clipboard.
std::vector<std::string> WarningTexts(const ReadWarnings& warnings, std::string_view path,
                                      std::size_t lineLimit = kWarningLinesShown,
                                      ReadSource source = ReadSource::kFile);

}  // namespace wavoria
