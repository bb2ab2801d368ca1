// The details panel beside the command list: a German description of the
// selected command with all its parameters, the icon of its kind and the
// "Section:" and "Next:" labels.
#pragma once

#include <string>
#include <vector>

#include "document/command_kinds.h"
#include "document/command_table.h"
#include "document/line_range.h"

namespace wavoria {

inline constexpr std::size_t kDetailsTextLimit = 8191;

// Every text as the controls show it (Displayable: bytes a control must not
// get are escaped).
struct Details {
  std::string Text;           // lines joined with CR LF, at most 8191 characters
  int Icon = kIconNoCommand;  // icon resource id
  std::string SectionLabel;   // the name shown beside "Section:"
  std::string NextLabel;      // the name shown beside "Next:"
};

// The details of display position `position` (-1: no selection).
Details DetailsOf(const CommandTable& table, int position, const std::string& documentPath);

// The room of the details box: its lines, and the characters one line holds
// (of average width; a longer text line wraps onto more lines).
struct DetailsRoom {
  std::size_t Rows = 0;
  std::size_t Columns = 1;
};

// The details of a range of several commands: how many are selected, then
// the list line of each as `lines` (the whole list) shows it, as many as fit
// into the room and the text's limit, and how many more there are. No
// kind's icon, no labels.
Details DetailsOfRange(const std::vector<std::string>& lines, LineRange range, DetailsRoom room);

}  // namespace wavoria
