// The lines of the main window's command list: the script line, one line per
// command in chain order, and the end line "<>"; plus the caption above the
// list and the window title.
#pragma once

#include <string>
#include <vector>

#include "document/command_table.h"

namespace wavoria {

inline constexpr std::size_t kListLineLimit = 510;

// All lines of the list, top to bottom, as the list shows them (Displayable:
// bytes a control must not get are escaped), each cut to kListLineLimit.
std::vector<std::string> BuildListLines(const CommandTable& table);
// The same into `lines`, whose strings are written over: lines made again and
// again (as the main window does after every change) reuse their memory.
void BuildListLines(const CommandTable& table, std::vector<std::string>& lines);

// Whether the list line of a command (not the head), as the list shows it, is
// longer than kListLineLimit, so that the list shows it cut short.
bool ListLineIsCut(const ScriptCommand& cmd);

// "Kommandos in Datei <path>:" and "Wavoria - <path>", with "Unbenannt" for a
// document without a path. The title marks unsaved changes as Windows
// editors do: "Wavoria - *<path>".
std::string ListCaption(const std::string& documentPath);
std::string WindowTitle(const std::string& documentPath, bool modified = false);

}  // namespace wavoria
