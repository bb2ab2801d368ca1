#include "wizard/game_model.h"

#include <algorithm>
#include <array>
#include <memory>

#include "document/command_table.h"
#include "document/ini_line.h"
#include "document/script_findings.h"
#include "document/text.h"
#include "platform/cli_platform.h"
#include "platform/file_io.h"
#include "wizard/install_plan.h"

namespace wavoria {

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

std::string AsFolder(std::string folder) {
  if (!folder.empty() && !IsSeparator(folder.back())) folder += kPathSeparator;
  return folder;
}

bool IsTrue(std::string_view field) {
  return EqualsIgnoreCase(field, "TRUE");
}

// A path of "autorun.script" as names below the game folder, or nothing when
// it leads out of it: an absolute path, one with a drive, or one whose ".."
// climbs above the game folder.
std::optional<std::vector<std::string>> NamesBelowGame(std::string_view path) {
  if (path.empty() || IsSeparator(path.front()) || path.find(':') != std::string_view::npos) {
    return std::nullopt;
  }
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    const std::string_view name = path.substr(start, end - start);
    if (name == "..") {
      if (names.empty()) return std::nullopt;
      names.pop_back();
    } else if (!name.empty() && name != ".") {
      names.emplace_back(name);
    }
    start = end + 1;
  }
  if (names.empty()) return std::nullopt;
  return names;
}

// Reads one script into the model: its findings and, from its chain, what it
// registers.
void ReadScriptOf(GameModel& game, int index, const ActionTable& actions) {
  GameScript& script = game.Scripts[static_cast<std::size_t>(index)];
  const cli::PathKind kind = cli::KindOf(script.Path);
  std::string bytes;
  if (kind != cli::PathKind::File || !ReadWholeFile(script.Path, bytes)) {
    script.State =
        kind == cli::PathKind::Missing ? ScriptState::kMissing : ScriptState::kUnreadable;
    return;
  }
  // One table of 512 slots per thread, kept: a read empties only the slots
  // the last one used.
  thread_local const std::unique_ptr<CommandTable> table = std::make_unique<CommandTable>();
  std::vector<int> headerLines;
  const std::vector<ScriptFinding> findings = FindingsOf(bytes, actions, *table, headerLines);

  std::vector<int> positionOfSlot(headerLines.size() + 1, 0);
  for (int p = 1; p <= table->LastPosition(); ++p) {
    const int slot = table->SlotAt(p);
    positionOfSlot[static_cast<std::size_t>(slot)] = p;
    const std::optional<Registration> registration = RegistrationOf(*table->CommandAt(p));
    if (!registration) continue;
    Registration& added = game.Registrations.emplace_back(*registration);
    added.Script = index;
    added.Line = headerLines[static_cast<std::size_t>(slot - 1)];
    added.Position = p;
  }
  for (const ScriptFinding& finding : findings) {
    // The command whose section holds the line: the last header above it.
    const auto header = std::upper_bound(headerLines.begin(), headerLines.end(), finding.Line);
    const auto slot = static_cast<std::size_t>(header - headerLines.begin());
    script.Findings.push_back({finding.Line, positionOfSlot[slot], finding.Message});
  }
}

// The script at path, shown as name, added when it is new; its index.
int ScriptAt(GameModel& game, const std::string& path, std::string name) {
  for (std::size_t i = 0; i < game.Scripts.size(); ++i) {
    if (game.Scripts[i].Path == path) return static_cast<int>(i);
  }
  game.Scripts.push_back({std::move(name), path, 0, ScriptState::kRead, {}});
  return static_cast<int>(game.Scripts.size()) - 1;
}

// The script at names below the game folder, each name as the folder spells it.
int ScriptAt(GameModel& game, const std::vector<std::string>& names) {
  std::string path = game.Folder;
  std::string shown;
  for (const std::string& name : names) {
    const std::string found = NameInFolder(path, name);
    path = AsFolder(path) + found;
    shown += (shown.empty() ? "" : "\\") + found;
  }
  return ScriptAt(game, path, std::move(shown));
}

// The lines of "autorun.script": each path it names.
void ReadAutorun(GameModel& game) {
  game.AutorunPath = EntryPath(game.Folder, kAutorunFile);
  const cli::PathKind kind = cli::KindOf(game.AutorunPath);
  std::string text;
  if (kind == cli::PathKind::Missing) return;
  if (kind != cli::PathKind::File || !ReadWholeFile(game.AutorunPath, text)) {
    game.AutorunUnreadable = true;
    return;
  }
  int line = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    ++line;
    const std::string_view path = TrimIniBlanks(std::string_view(text).substr(start, end - start));
    if (!path.empty() && path.front() != ';') {
      AutorunEntry entry{line, std::string(path), -1};
      if (const auto names = NamesBelowGame(path)) {
        entry.Script = ScriptAt(game, *names);
        GameScript& script = game.Scripts[static_cast<std::size_t>(entry.Script)];
        if (script.AutorunLine == 0) script.AutorunLine = line;
      }
      game.AutorunEntries.push_back(std::move(entry));
    }
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
}

}  // namespace

bool Registration::IsEvent() const {
  return Kind == RegistrationKind::kKeyDown || Kind == RegistrationKind::kKeyUp ||
         Kind == RegistrationKind::kCheat;
}

std::optional<Registration> RegistrationOf(const ScriptCommand& command) {
  using K = RegistrationKind;
  // The action in upper case, compared with each name at once; an action
  // longer than any of them stays empty.
  const std::string& action = command.Action;
  std::array<char, 24> upper{};
  std::string_view name;
  if (action.size() < upper.size()) {
    for (std::size_t i = 0; i < action.size(); ++i) {
      upper[i] = action[i] >= 'a' && action[i] <= 'z' ? char(action[i] - 'a' + 'A') : action[i];
    }
    name = {upper.data(), action.size()};
  }
  auto made = [](K kind, std::string key = {}, std::string value = {}, bool option = false) {
    const std::int32_t number = IntegerOf(value);
    return Registration{.Kind = kind,
                        .Name = std::move(key),
                        .Value = std::move(value),
                        .Number = number,
                        .Option = option};
  };
  if (name == "REGISTERKEYDOWNEVENT" || name == "REGISTERKEYUPEVENT") {
    return made(name == "REGISTERKEYUPEVENT" ? K::kKeyUp : K::kKeyDown, command.Key, command.Value,
                IsTrue(command.BlockKey));
  }
  if (name == "REGISTERCHEATEVENT") return made(K::kCheat, command.Cheat, command.Value);
  if (name == "ADDOUTPUT") return made(K::kOutput, {}, command.Value);
  if (name == "SETDEBUGLEVEL") return made(K::kDebugLevel, {}, command.Level);
  const bool mouse = name == "ENABLEMOUSESUPPORT";
  if (!mouse && name != "ENABLEKEYSUPPORT") return std::nullopt;
  const bool on = IsTrue(command.Enable);
  if (!on && !EqualsIgnoreCase(command.Enable, "FALSE")) return std::nullopt;
  if (mouse) {
    return on ? made(K::kMouseOn, {}, command.ID, IsTrue(command.Automatic)) : made(K::kMouseOff);
  }
  return made(on ? K::kKeySupportOn : K::kKeySupportOff);
}

std::string_view KindText(RegistrationKind kind) {
  switch (kind) {
    case RegistrationKind::kKeyDown:
      return "Taste drücken";
    case RegistrationKind::kKeyUp:
      return "Taste loslassen";
    case RegistrationKind::kCheat:
      return "Cheat";
    case RegistrationKind::kMouseOn:
      return "Maussupport an";
    case RegistrationKind::kMouseOff:
      return "Maussupport aus";
    case RegistrationKind::kOutput:
      return "Output-Wert";
    case RegistrationKind::kKeySupportOn:
      return "Tastensupport an";
    case RegistrationKind::kKeySupportOff:
      return "Tastensupport aus";
    case RegistrationKind::kDebugLevel:
      return "Debuglevel";
  }
  return {};
}

std::string_view OptionText(const Registration& registration) {
  if (!registration.Option) return {};
  return registration.Kind == RegistrationKind::kMouseOn ? "Position automatisch"
                                                         : "Originalfunktion gesperrt";
}

std::string NameShown(const Registration& registration) {
  return ToUpperAscii(registration.Name);
}

std::string ValueShown(const Registration& registration) {
  const bool valueless = registration.Kind == RegistrationKind::kMouseOff ||
                         registration.Kind == RegistrationKind::kKeySupportOn ||
                         registration.Kind == RegistrationKind::kKeySupportOff;
  return valueless ? std::string() : DecimalText(registration.Number);
}

GameModel ReadGame(const std::string& gameFolder, const ActionTable& actions) {
  GameModel game;
  game.Folder = AsFolder(gameFolder);
  ReadAutorun(game);
  const std::string sound = NameInFolder(game.Folder, kGameSoundFolder);
  for (const std::string& name : cli::ListFolder(game.Folder + sound).Files) {
    if (IsScriptFileName(name))
      ScriptAt(game, AsFolder(game.Folder + sound) + name, sound + "\\" + name);
  }
  for (int i = 0; i < static_cast<int>(game.Scripts.size()); ++i) ReadScriptOf(game, i, actions);
  return game;
}

std::string GameFolderOfScript(std::string_view scriptPath) {
  const std::size_t file = scriptPath.find_last_of("\\/");
  if (file == std::string_view::npos || file == 0) return {};
  const std::size_t sound = scriptPath.find_last_of("\\/", file - 1);
  if (sound == std::string_view::npos) return {};
  if (!EqualsIgnoreCase(scriptPath.substr(sound + 1, file - sound - 1), kGameSoundFolder)) {
    return {};
  }
  std::string folder(scriptPath.substr(0, sound + 1));
  return cli::KindOf(GameProgramPath(folder)) == cli::PathKind::File ? folder : std::string();
}

std::string GameProgramPath(const std::string& gameFolder) {
  return EntryPath(gameFolder, kGameProgram);
}

}  // namespace wavoria
