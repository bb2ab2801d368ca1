// The details panel beside the command list: a German description of the
// selected command with all its parameters, the icon of its kind and the
// "Section:" and "Next:" labels.
#pragma once

#include <string>

#include "document/command_kinds.h"
#include "document/command_table.h"

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

}  // namespace wavoria
