// How the records that tests compare print when a comparison fails: in words,
// "{Name=value ...}", instead of as raw bytes; a command and a record print as
// the text a file holds of them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>

#include "app/window_layout.h"
#include "dialogs/key_capture.h"
#include "document/command_table.h"
#include "document/line_range.h"
#include "document/list_diff.h"
#include "document/prompt.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "wizard/install_record.h"
#include "wizard/wizard_flow.h"

namespace wavoria {

namespace testing {

// A value as C++ would write it: strings quoted, numbers and enums as numbers.
template <typename T>
std::string Shown(const T& value) {
  if constexpr (std::is_enum_v<T> || std::is_same_v<T, std::uint8_t>) {
    return std::to_string(static_cast<long long>(value));
  } else {
    return ::testing::PrintToString(value);
  }
}

// Prints " Name=value" for each name and value given in turn.
template <typename T, typename... Rest>
void PrintPairs(std::ostream* os, std::string_view name, const T& value, const Rest&... rest) {
  *os << " " << name << "=" << Shown(value);
  if constexpr (sizeof...(rest) > 0) PrintPairs(os, rest...);
}

// Prints "{Name=value Name=value}" for the names and values given in turn.
template <typename... Pairs>
void PrintFields(std::ostream* os, const Pairs&... pairs) {
  *os << "{";
  PrintPairs(os, pairs...);
  *os << " }";
}

}  // namespace testing

// A command prints its slot, and its fields as its section in a file.
inline void PrintTo(const ScriptCommand& c, std::ostream* os) {
  *os << "{SlotIndex=" << c.SlotIndex << " " << ::testing::PrintToString(SectionText(c, true))
      << "}";
}

inline void PrintTo(ReadWarning w, std::ostream* os) {
  *os << static_cast<int>(w);
}
inline void PrintTo(const WizardSettings& r, std::ostream* os) {
  testing::PrintFields(os, "GamePath", r.GamePath, "MakerPath", r.MakerPath, "NextPage", r.NextPage,
                       "KeyboardSupport", r.KeyboardSupport, "MouseSupport", r.MouseSupport,
                       "StartFunction", r.StartFunction, "MouseId", r.MouseId, "AutoSendPosition",
                       r.AutoSendPosition);
}
inline void PrintTo(const ScriptFinding& r, std::ostream* os) {
  testing::PrintFields(os, "Line", r.Line, "Message", r.Message, "Warning", r.Warning);
}
inline void PrintTo(const ReadWarnings& r, std::ostream* os) {
  testing::PrintFields(os, "CrossFileReference", r.CrossFileReference, "UnknownCommands",
                       r.UnknownCommands, "UnknownKeysDropped", r.UnknownKeysDropped, "SectionsCut",
                       r.SectionsCut, "ConvertedFromUtf8", r.ConvertedFromUtf8,
                       "ConvertedFromUtf16", r.ConvertedFromUtf16, "CutInList", r.CutInList,
                       "DuplicateKeys", r.DuplicateKeys, "NulBytes", r.NulBytes, "ShownAsUnknown",
                       r.ShownAsUnknown, "ChainGaps", r.ChainGaps, "Lines", r.Lines);
}
inline void PrintTo(const FileStamp& r, std::ostream* os) {
  testing::PrintFields(os, "Size", r.Size, "Crc", r.Crc);
}
// A record prints as the text it is written in.
inline void PrintTo(const InstallRecord& r, std::ostream* os) {
  *os << "\n" << RecordText(r);
}
inline void PrintTo(const PageResult& r, std::ostream* os) {
  testing::PrintFields(os, "Closes", r.Closes, "Icon", r.Icon, "Message", r.Message);
}
inline void PrintTo(const Prompt& r, std::ostream* os) {
  testing::PrintFields(os, "Icon", r.Icon, "Message", r.Message);
}
inline void PrintTo(const ListEdit& r, std::ostream* os) {
  testing::PrintFields(os, "What", r.What, "Line", r.Line);
}
inline void PrintTo(const LineRange& r, std::ostream* os) {
  testing::PrintFields(os, "First", r.First, "Last", r.Last);
}
inline void PrintTo(const Area& r, std::ostream* os) {
  testing::PrintFields(os, "Left", r.Left, "Top", r.Top, "Right", r.Right, "Bottom", r.Bottom);
}
inline void PrintTo(const PaletteRgb& r, std::ostream* os) {
  testing::PrintFields(os, "Red", r.Red, "Green", r.Green, "Blue", r.Blue);
}
inline void PrintTo(const CaptureColours& r, std::ostream* os) {
  testing::PrintFields(os, "Foreground", r.Foreground, "Background", r.Background);
}

}  // namespace wavoria
