#include "dialogs/key_capture.h"

#include <array>

namespace wavoria {

bool IsCloseRequest(std::string_view key) {
  return key == kCloseRequest;
}

std::optional<int> TakenScanCode(const std::function<bool(int)>& isHeld, const KeyNameTable& keys) {
  for (int code = 0; code < kCaptureScanCodes; ++code) {
    if (keys[static_cast<std::size_t>(code)].Name.empty()) continue;
    if (isHeld(code)) return code;
  }
  return std::nullopt;
}

PaletteRgb PaletteColour(int index) {
  static constexpr std::array<PaletteRgb, 16> kPalette = {{
      {0, 0, 0},
      {0, 0, 170},
      {0, 170, 0},
      {0, 170, 170},
      {170, 0, 0},
      {170, 0, 170},
      {170, 85, 0},
      {170, 170, 170},
      {85, 85, 85},
      {85, 85, 255},
      {85, 255, 85},
      {85, 255, 255},
      {255, 85, 85},
      {255, 85, 255},
      {255, 255, 85},
      {255, 255, 255},
  }};
  if (index < 0 || index >= static_cast<int>(kPalette.size())) return {};
  return kPalette[static_cast<std::size_t>(index)];
}

CaptureColours BlinkColoursAt(std::int64_t tick) {
  if (tick < 0) tick = 0;
  if ((tick / kBlinkTicks) % 2 == 0) return {kPaletteBlack, kPaletteWhite};
  return {kPaletteWhite, kPaletteBlack};
}

}  // namespace wavoria
