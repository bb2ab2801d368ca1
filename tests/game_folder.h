// Hand-made game folders: scripts written as a few words per command, a game
// folder holding them, and a game and an RPG Maker to install from.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_io.h"

namespace wavoria::testing {

// A script of one five-line section per command, so that the n-th command
// (from 0) has its header at line 1 + 5n; the first is "[Execute]", each
// names the next. A command is words: "down F5 7", "up F5 7", "cheat GELD 3",
// "mouse 3" (on, with that ID), "keys" (key support on), "output 4".
inline std::string HandMadeScript(const std::vector<std::string>& commands) {
  std::string text;
  for (std::size_t n = 0; n < commands.size(); ++n) {
    std::istringstream words(commands[n]);
    std::string kind, name, value;
    words >> kind >> name >> value;
    const std::string action = kind == "down"    ? "RegisterKeyDownEvent\r\nKey=" + name
                               : kind == "up"    ? "RegisterKeyUpEvent\r\nKey=" + name
                               : kind == "cheat" ? "RegisterCheatEvent\r\nCheat=" + name
                               : kind == "mouse" ? "EnableMouseSupport\r\nEnable=True\r\nID=" + name
                               : kind == "keys"  ? "EnableKeySupport\r\nEnable=True\r\nLevel=0"
                                                 : "AddOutput\r\nValue=" + name + "\r\nLevel=0";
    text += (n == 0 ? "[Execute]" : "[S" + std::to_string(n) + "]") + "\r\nAction=" + action;
    if (!value.empty()) text += "\r\nValue=" + value;
    text += "\r\nNext=" + (n + 1 < commands.size() ? "S" + std::to_string(n + 1) : "") + "\r\n";
  }
  return text;
}

// A game in folder: "RPG_RT.EXE" and each file (relative, "/" between
// names) with its text.
inline void WriteGame(const std::string& folder,
                      const std::vector<std::pair<std::string, std::string>>& files) {
  std::filesystem::create_directories(folder);
  WriteFileAtomically(folder + kPathSeparator + "RPG_RT.EXE", "");
  for (const auto& [name, text] : files) {
    const std::filesystem::path path = std::filesystem::path(folder) / name;
    std::filesystem::create_directories(path.parent_path());
    WriteFileAtomically(path.string(), text);
  }
}

// A game to install into and an RPG Maker to install from, in the folders
// game and maker: the game holds RPG_RT.EXE and a harmony.dll of its own, the
// maker RPG2000.EXE, oldharmony.dll and Klavato's harmony.dll. Klavato's holds
// "Klavato", every other file its folder and name as given ("game/harmony.dll").
inline void WriteGameAndMaker(const std::string& game, const std::string& maker) {
  const std::pair<std::string, const char*> files[] = {{game, "RPG_RT.EXE"},
                                                       {game, "harmony.dll"},
                                                       {maker, "RPG2000.EXE"},
                                                       {maker, "oldharmony.dll"}};
  for (const auto& [folder, name] : files) {
    std::filesystem::create_directories(folder);
    WriteFileAtomically((std::filesystem::path(folder) / name).string(), folder + "/" + name);
  }
  WriteFileAtomically((std::filesystem::path(maker) / "harmony.dll").string(), "Klavato");
}

}  // namespace wavoria::testing
