#include "dialogs/key_capture.h"

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
  // Of the 16-colour palette the window is drawn with, it uses only black and white.
  return index == kPaletteWhite ? PaletteRgb{255, 255, 255} : PaletteRgb{};
}

CaptureColours BlinkColoursAt(std::uint32_t tick) {
  if (tick / kBlinkTicks % 2 == 0) return {kPaletteBlack, kPaletteWhite};
  return {kPaletteWhite, kPaletteBlack};
}

}  // namespace wavoria
