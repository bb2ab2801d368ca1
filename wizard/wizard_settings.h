// What the setup wizard collects, one record for the whole process: the two
// folders, the chosen support, the mouse settings and the page to show next.
// Values survive from one wizard run to the next.
#pragma once

#include <cstdint>
#include <string>

#include "resources/resource_ids.h"

namespace wavoria {

// Page ids (the dialog template ids of the wizard pages) and the two ends.
inline constexpr std::int32_t kPagePaths = IDD_WIZ_PATHS;          // game and RPG Maker folders
inline constexpr std::int32_t kPageFunctions = IDD_WIZ_FUNCTIONS;  // keyboard and/or mouse support
inline constexpr std::int32_t kPageStartFunction =
    IDD_WIZ_START_FUNCTION;                                  // support active at game start
inline constexpr std::int32_t kPageMouse = IDD_WIZ_MOUSE;    // mouse ID and automatic sending
inline constexpr std::int32_t kPageFinish = IDD_WIZ_FINISH;  // "Fertig stellen"
inline constexpr std::int32_t kWizardCancelled = -1;         // back to the start screen
inline constexpr std::int32_t kWizardInstall = -2;           // run the installation

struct WizardSettings {
  std::string GamePath;               // folder of RPG_RT.EXE, ends in a separator once set
  std::string MakerPath;              // folder of RPG2000.EXE, ends in a separator once set
  std::int32_t NextPage = 0;          // page to show next, or kWizardCancelled / kWizardInstall
  std::uint8_t KeyboardSupport = 0;   // 1: "Tastatursupport" chosen
  std::uint8_t MouseSupport = 0;      // 1: "Maussupport" chosen
  std::int32_t StartFunction = 0;     // active at game start: 0 keyboard, 1 mouse support
  std::int32_t MouseId = 0;           // negative when "Negativ" was ticked
  std::uint8_t AutoSendPosition = 0;  // 1: send the mouse position every half second

  bool operator==(const WizardSettings&) const = default;
};

}  // namespace wavoria
