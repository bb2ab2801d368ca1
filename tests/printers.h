// How the records that tests compare print when a comparison fails: in words,
// "{Name=value ...}", instead of as raw bytes. A command prints the fields it
// has; a table prints its name, its order and the slots in use.
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
#include "wizard/install_plan.h"
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

inline void PrintPairs(std::ostream*) {}
// Prints " Name=value" for each name and value given in turn.
template <typename T, typename... Rest>
void PrintPairs(std::ostream* os, std::string_view name, const T& value, const Rest&... rest) {
  *os << " " << name << "=" << Shown(value);
  PrintPairs(os, rest...);
}

// Prints "{Name=value Name=value}" for the names and values given in turn.
template <typename... Pairs>
void PrintFields(std::ostream* os, const Pairs&... pairs) {
  *os << "{";
  PrintPairs(os, pairs...);
  *os << " }";
}

}  // namespace testing

inline void PrintTo(const ScriptCommand& c, std::ostream* os) {
  *os << "{SlotIndex=" << c.SlotIndex;
  if (!c.SectionName.empty()) testing::PrintPairs(os, "SectionName", c.SectionName);
  if (!c.Action.empty()) testing::PrintPairs(os, "Action", c.Action);
  if (!c.Next.empty()) testing::PrintPairs(os, "Next", c.Next);
  for (const ParameterKey& key : kParameterKeys) {
    if (!(c.*key.field).empty()) testing::PrintPairs(os, key.name, c.*key.field);
  }
  if (c.DialogType != -1) testing::PrintPairs(os, "DialogType", c.DialogType);
  *os << "}";
}

// The name, the order and the slots in use, the edit buffer first.
inline void PrintTo(const CommandTable& t, std::ostream* os) {
  *os << "{ScriptName=" << testing::Shown(t.ScriptName) << " Order=[";
  for (int p = 0; p <= t.LastPosition(); ++p) *os << (p ? " " : "") << t.SlotAt(p);
  *os << "]";
  for (int s = -1; s < kSlotCount; ++s) {
    ScriptCommand blank;
    blank.SlotIndex = s;
    if (t.Slot(s) == blank) continue;
    *os << " " << (s < 0 ? "EditBuffer" : "Slot" + std::to_string(s)) << "=";
    PrintTo(t.Slot(s), os);
  }
  *os << "}";
}

// Equal as far as anybody can tell from outside: name, order, slots, edit buffer.
inline bool operator==(const CommandTable& a, const CommandTable& b) {
  if (a.ScriptName != b.ScriptName || a.Order() != b.Order()) return false;
  for (int s = -1; s < kSlotCount; ++s) {
    if (a.Slot(s) != b.Slot(s)) return false;
  }
  return true;
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
inline void PrintTo(const InstallStep& r, std::ostream* os) {
  testing::PrintFields(os, "Kind", r.Kind, "Source", r.Source, "Target", r.Target, "Bytes", r.Bytes,
                       "After", r.After);
}
inline void PrintTo(const InstallPlan& r, std::ostream* os) {
  testing::PrintFields(os, "GameFolder", r.GameFolder, "MakerFolder", r.MakerFolder, "Choices",
                       r.Choices, "Steps", r.Steps, "KeyListPath", r.KeyListPath,
                       "EmptyTemplateFolders", r.EmptyTemplateFolders);
}
inline void PrintTo(const FileStamp& r, std::ostream* os) {
  testing::PrintFields(os, "Size", r.Size, "Crc", r.Crc);
}
inline void PrintTo(const RecordedFile& r, std::ostream* os) {
  testing::PrintFields(os, "Path", r.Path, "Replaced", r.Replaced, "Before", r.Before, "After",
                       r.After);
}
inline void PrintTo(const InstallRecord& r, std::ostream* os) {
  testing::PrintFields(os, "Number", r.Number, "Kind", r.Kind, "Date", r.Date, "Choices", r.Choices,
                       "UndoesNumber", r.UndoesNumber, "UndoesFolder", r.UndoesFolder,
                       "CreatedFolders", r.CreatedFolders, "Files", r.Files, "PutBack", r.PutBack,
                       "Removed", r.Removed, "KeptChanged", r.KeptChanged, "Reasons", r.Reasons,
                       "State", r.State, "By", r.By);
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
