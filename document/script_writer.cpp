#include "document/script_writer.h"

#include "document/ini_line.h"
#include "document/text.h"
#include "platform/file_io.h"

namespace wavoria {

namespace {

void AppendLine(std::string& out, std::string_view a, std::string_view b = {}) {
  out.append(a);
  out.append(b);
  out.append(LineBreak);
}

// A key line, its value written so that the game reads it as stored.
void AppendValueLine(std::string& out, std::string_view key, const std::string& value) {
  out.append(key);
  out.push_back('=');
  AppendIniValue(out, value);
  out.append(LineBreak);
}

// The key line of a parameter: written only when the value is not empty.
void AppendKeyLine(std::string& out, std::string_view key, const std::string& value) {
  if (!value.empty()) AppendValueLine(out, key, value);
}

// A command's block: the header, "Action=", its parameters, "Next=" when
// wanted, and the empty line that ends it.
void AppendBlock(std::string& out, const ScriptCommand& cmd, bool chainStart, bool withNext) {
  if (chainStart) {
    AppendLine(out, "[Execute]");
  } else {
    out.push_back('[');
    out.append(cmd.SectionName);
    AppendLine(out, "]");
  }
  AppendValueLine(out, "Action", cmd.Action);
  for (const auto& p : kParameterKeys) AppendKeyLine(out, p.name, cmd.*p.field);
  if (withNext) AppendValueLine(out, "Next", cmd.Next);
  AppendLine(out, "");
}

}  // namespace

std::string ScriptText(const CommandTable& table) {
  std::string out;
  AppendLine(out, ";Diese Datei wurde von Wavoria erstellt oder bearbeitet.");
  AppendLine(out, ";Namen von Sections wurden nicht berücksichtigt.");
  AppendLine(out, "");
  AppendLine(out, ";WIZDESC$", table.ScriptName);
  // The chain start is found as every lookup finds names: ignoring case. The
  // lowest matching slot is the one the chain reaches.
  const int first = table.Head().Next.empty() ? -1 : table.FindSection(table.Head().Next);
  for (int s = 1; s < table.SlotsInUse(); ++s) {
    const ScriptCommand& cmd = table.Slot(s);
    if (!cmd.SectionName.empty()) AppendBlock(out, cmd, s == first, true);
  }
  return out;
}

std::string SectionText(const ScriptCommand& cmd, bool withNext) {
  std::string out;
  AppendBlock(out, cmd, false, withNext);
  return out;
}

bool WriteScriptFile(const std::string& path, const CommandTable& table) {
  return WriteFileAtomically(path, ScriptText(table));
}

}  // namespace wavoria
