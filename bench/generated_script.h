// The scripts both benchmarks run on: generated scripts of any number of
// commands as Wavoria writes them, cycling through every kind of command, and
// the action names they need.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "document/data_files.h"

namespace wavoria::bench {

inline const ActionTable& Actions() {
  static const ActionTable actions = ParseActionNames(
      "WriteToLog,1\nExecProgram,2\nMCICommand,3\nMidiTickFunction,4\nAddOutput,5\n"
      "EnableKeySupport,6\nRegisterKeyDownEvent,7\nRegisterKeyUpEvent,8\n"
      "RegisterCheatEvent,9\nEnableMouseSupport,10\nGetMousePosition,11\nSetDebugLevel,12\n");
  return actions;
}

// The number of kinds of command that the generated scripts cycle through.
inline constexpr int kKinds = 11;

// The key lines of one command, cycling through every kind the editor makes.
inline std::string CommandLines(int i) {
  const std::string n = std::to_string(i);
  switch (i % kKinds) {
    case 0:
      return "Action=WriteToLog\r\nText=Schritt " + n + " erreicht, Spieler steht am Tor\r\n";
    case 1:
      return "Action=ExecProgram\r\nCommand=C:\\Spiele\\Werkzeuge\\karte" + n +
             ".exe /neu\r\nType=Program\r\nWait=True\r\nDisplay=1\r\nPriority=2\r\n"
             "Result=True\r\n";
    case 2:
      return "Action=MCICommand\r\nCommand=play Music\\thema" + n + ".mid from 0\r\n";
    case 3:
      return "Action=AddOutput\r\nValue=" + n + "\r\n";
    case 4:
      return "Action=RegisterKeyDownEvent\r\nValue=" + n + "\r\nKey=Space\r\nBlockKey=False\r\n";
    case 5:
      return "Action=RegisterCheatEvent\r\nValue=" + n + "\r\nCheat=geheim" + n + "\r\n";
    case 6:
      return "Action=EnableMouseSupport\r\nEnable=True\r\nID=" + n + "\r\nAutomatic=True\r\n";
    case 7:
      return "Action=SetDebugLevel\r\nLevel=2\r\n";
    case 8:
      return "Action=MidiTickFunction\r\nCommand=Output\r\n";
    case 9:
      return "Action=ExecProgram\r\nCommand=Handbuch\\Kapitel" + n +
             ".txt\r\nType=Document\r\nWait=False\r\nDisplay=1\r\n";
    default:
      return "Action=RegisterKeyUpEvent\r\nValue=" + n + "\r\nKey=Enter\r\nBlockKey=True\r\n";
  }
}

// A script of the given number of commands as Wavoria writes one: the header,
// then one block per command, the first under "[Execute]".
inline std::string GeneratedScript(int commands) {
  auto name = [](int i) { return "Schritt_" + std::to_string(1000 + i); };
  std::string text =
      ";Diese Datei wurde von Wavoria erstellt oder bearbeitet.\r\n"
      ";Namen von Sections wurden nicht berücksichtigt.\r\n\r\n"
      ";WIZDESC$Erzeugtes Skript\r\n";
  for (int i = 0; i < commands; ++i) {
    text += i == 0 ? std::string("[Execute]") : "[" + name(i) + "]";
    text += "\r\n" + CommandLines(i);
    text += "Next=" + (i + 1 < commands ? name(i + 1) : std::string()) + "\r\n\r\n";
  }
  return text;
}

// The scripts of a generated game: "Sound\Skript_NN.script.wav".
inline std::string GeneratedGameScript(int n) {
  return "Skript_" + std::to_string(10 + n) + ".script.wav";
}

// A game in folder, as a maker's game holds its scripts: "RPG_RT.EXE",
// "autorun.script" naming the first three scripts, and `scripts` generated
// scripts of `commands` commands each in "Sound".
inline void WriteGeneratedGame(const std::string& folder, int scripts, int commands) {
  const std::filesystem::path game(folder);
  std::filesystem::create_directories(game / "Sound");
  std::ofstream(game / "RPG_RT.EXE", std::ios::binary) << "";
  std::ofstream autorun(game / "autorun.script", std::ios::binary);
  const std::string script = GeneratedScript(commands);
  for (int n = 0; n < scripts; ++n) {
    if (n < 3) autorun << "Sound\\" << GeneratedGameScript(n) << "\r\n";
    std::ofstream(game / "Sound" / GeneratedGameScript(n), std::ios::binary) << script;
  }
}

}  // namespace wavoria::bench
