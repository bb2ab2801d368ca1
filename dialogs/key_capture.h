// The rules of the key-capture window, apart from any window: which key a
// capture takes, and how its text blinks.
//
// The window polls the keyboard by scan code, 0 to 127 in ascending order.
// The first held key whose entry in the key table has a name is taken, so of
// several held keys the lowest scan code wins; held keys without a name are
// passed over. The window shows one text, black on white and white on black
// in turn, changing every 200 ticks (a tick is one millisecond of waiting).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "document/data_files.h"

namespace wavoria {

inline constexpr std::string_view kCaptureTitle = "Bitte Taste drücken";
inline constexpr std::string_view kCaptureText = "Bitte Taste druecken...";
inline constexpr int kCaptureWidth = 100;  // client area in pixels
inline constexpr int kCaptureHeight = 16;
inline constexpr int kCaptureScanCodes = 128;     // codes 0 to 127 are polled
inline constexpr int kCaptureStartDelayMs = 100;  // before the first poll
inline constexpr std::int64_t kBlinkTicks = 200;  // ticks between two colour changes

// What the key buffer of the capture window reports when its close box is
// pressed: the character 255 followed by "k".
inline constexpr std::string_view kCloseRequest = "\xFFk";
bool IsCloseRequest(std::string_view key);

// The scan code a poll takes: the lowest code from 0 to 127 that is held and
// has a name in keys, or nothing.
std::optional<int> TakenScanCode(const std::function<bool(int)>& isHeld, const KeyNameTable& keys);

// Colours are indices into the 16-colour palette.
inline constexpr int kPaletteBlack = 0;
inline constexpr int kPaletteWhite = 15;

struct PaletteRgb {
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;
  bool operator==(const PaletteRgb&) const = default;
};

// The colour of a palette index: white for kPaletteWhite, black for any other.
PaletteRgb PaletteColour(int index);

struct CaptureColours {
  int Foreground = kPaletteBlack;
  int Background = kPaletteWhite;
  bool operator==(const CaptureColours&) const = default;
};

// The colours of the text after `tick` ticks of polling: black on white for
// the first 200 ticks, white on black for the next 200, and so on.
CaptureColours BlinkColoursAt(std::uint32_t tick);

}  // namespace wavoria
