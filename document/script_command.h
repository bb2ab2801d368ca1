// One command of a script: one section of a "*.script.wav" file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace wavoria {

struct ScriptCommand {
  std::int32_t SlotIndex = -1;  // own slot number, 0 to 511; -1 in the edit buffer
  std::string SectionName;      // empty means the slot is free
  std::string Action;           // the command, e.g. "WriteToLog"
  std::string Next;             // section that runs next; empty ends the chain
  std::string Value;
  std::string Text;
  std::string Command;
  std::string Type;
  std::string Wait;
  std::string Display;
  std::string Priority;
  std::string Result;
  std::string Enable;
  std::string Key;
  std::string Cheat;
  std::string ID;
  std::string Automatic;
  std::string Level;
  std::string BlockKey;

  bool operator==(const ScriptCommand&) const = default;
};

// A parameter key as spelled in the file, with the field that holds it.
struct ParameterKey {
  std::string_view name;
  std::string ScriptCommand::*field;
};

// The fifteen parameters in the order the writer emits them.
inline constexpr std::array<ParameterKey, 15> kParameterKeys = {{
    {"Value", &ScriptCommand::Value},
    {"Text", &ScriptCommand::Text},
    {"Command", &ScriptCommand::Command},
    {"Type", &ScriptCommand::Type},
    {"Wait", &ScriptCommand::Wait},
    {"Display", &ScriptCommand::Display},
    {"Priority", &ScriptCommand::Priority},
    {"Result", &ScriptCommand::Result},
    {"Enable", &ScriptCommand::Enable},
    {"Key", &ScriptCommand::Key},
    {"Cheat", &ScriptCommand::Cheat},
    {"ID", &ScriptCommand::ID},
    {"Automatic", &ScriptCommand::Automatic},
    {"Level", &ScriptCommand::Level},
    {"BlockKey", &ScriptCommand::BlockKey},
}};

}  // namespace wavoria
