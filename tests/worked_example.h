// Test data shared by the core and the Win32 tests: the action names of the
// shipped actions.dat, commands from a line of fields and the worked example
// of the script writer.
#pragma once

#include <algorithm>
#include <string_view>

#include "document/command_table.h"
#include "document/data_files.h"

namespace wavoria::testing {

// The actions the editor creates, as the shipped actions.dat lists them.
inline ActionTable EditorActions() {
  return ParseActionNames(
      "WriteToLog,1\nExecProgram,2\nMCICommand,3\nMidiTickFunction,4\nAddOutput,5\n"
      "EnableKeySupport,6\nRegisterKeyDownEvent,7\nRegisterKeyUpEvent,8\n"
      "RegisterCheatEvent,9\nEnableMouseSupport,10\nGetMousePosition,11\nSetDebugLevel,12\n");
}

// A command with fields given as "Key=Value|Key=Value", keys as the file spells
// them (Action, SectionName and Next among them); a later value wins.
inline ScriptCommand Command(std::string_view action, std::string_view fields = "") {
  ScriptCommand c;
  c.Action = action;
  while (!fields.empty()) {
    const std::string_view item = fields.substr(0, fields.find('|'));
    fields.remove_prefix(std::min(fields.size(), item.size() + 1));
    const std::string_view key = item.substr(0, item.find('=')),
                           value = item.substr(std::min(item.size(), key.size() + 1));
    if (key == "Action") c.Action = value;
    if (key == "SectionName") c.SectionName = value;
    if (key == "Next") c.Next = value;
    for (const auto& p : kParameterKeys) {
      if (p.name == key) c.*p.field = value;
    }
  }
  return c;
}

// The file of the worked example: New, rename to Testskript, WriteToLog
// "Start", SetDebugLevel 2 at the end, EnableKeySupport at position 1.
inline constexpr char kWorkedExample[] =
    ";Diese Datei wurde von Wavoria erstellt oder bearbeitet.\r\n"
    ";Namen von Sections wurden nicht berücksichtigt.\r\n\r\n;WIZDESC$Testskript\r\n"
    "[WIZ0]\r\nAction=WriteToLog\r\nText=Start\r\nNext=WIZ1\r\n\r\n"
    "[WIZ1]\r\nAction=SetDebugLevel\r\nLevel=2\r\nNext=\r\n\r\n"
    "[Execute]\r\nAction=EnableKeySupport\r\nEnable=True\r\nNext=WIZ0\r\n\r\n";

}  // namespace wavoria::testing
