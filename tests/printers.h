// How the records that tests compare print when a comparison fails: in words,
// field by field, instead of as raw bytes. A record alone prints the fields in
// which it differs from a new one ({Action="WriteToLog" Text="Start"}); a table
// prints its order and only the slots in use. Compared with another record of
// its kind (EXPECT_EQ), each side names the fields in which the two differ,
// then what they have alike.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "app/window_layout.h"
#include "dialogs/key_capture.h"
#include "document/command_table.h"
#include "document/line_range.h"
#include "document/list_diff.h"
#include "document/script_reader.h"
#include "wizard/install_plan.h"
#include "wizard/install_record.h"
#include "wizard/wizard_flow.h"

namespace wavoria {

namespace testing {

struct Field {
  std::string Name;
  std::string Value;  // as C++ would write it: strings quoted, numbers as numbers
};
using Fields = std::vector<Field>;

template <typename T>
void Add(Fields& fields, std::string name, const T& value) {
  if constexpr (std::is_enum_v<T> || std::is_same_v<T, std::uint8_t>) {
    fields.push_back({std::move(name), std::to_string(static_cast<long long>(value))});
  } else {
    fields.push_back({std::move(name), ::testing::PrintToString(value)});
  }
}

// The fields of r written as "r.A, r.B" (a macro's arguments), named A and B.
template <typename... T>
Fields Named(std::string_view names, const T&... values) {
  Fields fields;
  auto add = [&](const auto& value) {
    names.remove_prefix(names.find("r.") + 2);
    const std::string_view name = names.substr(0, names.find_first_of(", "));
    Add(fields, std::string(name), value);
  };
  (add(values), ...);
  return fields;
}

// "Name=value" for each of these whose value differs from other's field of that
// name (differing), or equals it there while differing from blank's.
inline std::string Listed(const Fields& these, const Fields& other, const Fields& blank,
                          bool differing) {
  auto valueIn = [](const Fields& list, std::size_t i, const std::string& name) {
    if (i < list.size() && list[i].Name == name) return &list[i].Value;
    for (const Field& f : list) {
      if (f.Name == name) return &f.Value;
    }
    return static_cast<const std::string*>(nullptr);
  };
  std::string out;
  for (std::size_t i = 0; i < these.size(); ++i) {
    const std::string* theirs = valueIn(other, i, these[i].Name);
    const std::string* unset = valueIn(blank, i, these[i].Name);
    const bool same = theirs != nullptr && *theirs == these[i].Value;
    if (same == differing || (!differing && unset != nullptr && *unset == these[i].Value)) continue;
    out += (out.empty() ? "" : " ") + these[i].Name + "=" + these[i].Value;
  }
  return out;
}

}  // namespace testing

inline testing::Fields FieldsOf(const ScriptCommand& r) {
  testing::Fields f = testing::Named("r.SlotIndex, r.SectionName, r.Action, r.Next", r.SlotIndex,
                                     r.SectionName, r.Action, r.Next);
  for (const ParameterKey& key : kParameterKeys)
    testing::Add(f, std::string(key.name), r.*key.field);
  testing::Add(f, "DialogType", r.DialogType);
  return f;
}

// A table: its name, the slots by display position, and each field of every
// slot and of the edit buffer ("Slot3.Text").
inline testing::Fields FieldsOf(const CommandTable& t) {
  testing::Fields f = testing::Named("r.ScriptName", t.ScriptName);
  std::string order;
  for (int p = 0; p <= t.LastPosition(); ++p) order += (p ? " " : "") + std::to_string(t.SlotAt(p));
  f.push_back({"Order", "[" + order + "]"});
  for (int s = -1; s < kSlotCount; ++s) {
    for (testing::Field& field : FieldsOf(t.Slot(s))) {
      f.push_back({(s < 0 ? "EditBuffer." : "Slot" + std::to_string(s) + ".") + field.Name,
                   std::move(field.Value)});
    }
  }
  return f;
}

// Equal as far as anybody can tell from outside: name, order, slots, edit buffer.
inline bool operator==(const CommandTable& a, const CommandTable& b) {
  if (a.ScriptName != b.ScriptName || a.Order() != b.Order()) return false;
  for (int s = -1; s < kSlotCount; ++s) {
    if (a.Slot(s) != b.Slot(s)) return false;
  }
  return true;
}

// GoogleTest prints a value through PrintTo, found beside its type.
inline void PrintTo(ReadWarning w, std::ostream* os) {
  *os << static_cast<int>(w);
}
#define WAVORIA_PRINTS(Type)                                                           \
  inline void PrintTo(const Type& value, std::ostream* os) {                           \
    *os << "{" << testing::Listed(FieldsOf(value), FieldsOf(Type{}), {}, true) << "}"; \
  }
#define WAVORIA_RECORD(Type, ...)                     \
  inline testing::Fields FieldsOf(const Type& r) {    \
    return testing::Named(#__VA_ARGS__, __VA_ARGS__); \
  }                                                   \
  WAVORIA_PRINTS(Type)
WAVORIA_PRINTS(ScriptCommand)
WAVORIA_PRINTS(CommandTable)
WAVORIA_RECORD(WizardSettings, r.GamePath, r.MakerPath, r.NextPage, r.KeyboardSupport,
               r.MouseSupport, r.StartFunction, r.MouseId, r.AutoSendPosition)
WAVORIA_RECORD(ScriptFinding, r.Line, r.Message, r.Warning)
WAVORIA_RECORD(ReadWarnings, r.CrossFileReference, r.UnknownCommands, r.UnknownKeysDropped,
               r.SectionsCut, r.ConvertedFromUtf8, r.ConvertedFromUtf16, r.CutInList,
               r.DuplicateKeys, r.NulBytes, r.ShownAsUnknown, r.ChainGaps, r.Lines)
WAVORIA_RECORD(InstallStep, r.Kind, r.Source, r.Target, r.Bytes, r.After)
WAVORIA_RECORD(InstallPlan, r.GameFolder, r.MakerFolder, r.Choices, r.Steps, r.KeyListPath,
               r.EmptyTemplateFolders)
WAVORIA_RECORD(FileStamp, r.Size, r.Crc)
WAVORIA_RECORD(RecordedFile, r.Path, r.Replaced, r.Before, r.After)
WAVORIA_RECORD(InstallRecord, r.Number, r.Kind, r.Date, r.Choices, r.UndoesNumber, r.UndoesFolder,
               r.CreatedFolders, r.Files, r.PutBack, r.Removed, r.KeptChanged, r.State, r.By)
WAVORIA_RECORD(PageResult, r.Closes, r.Icon, r.Message)
WAVORIA_RECORD(Prompt, r.Icon, r.Message)
WAVORIA_RECORD(ListEdit, r.What, r.Line)
WAVORIA_RECORD(LineRange, r.First, r.Last)
WAVORIA_RECORD(Area, r.Left, r.Top, r.Right, r.Bottom)
WAVORIA_RECORD(PaletteRgb, r.Red, r.Green, r.Blue)
WAVORIA_RECORD(CaptureColours, r.Foreground, r.Background)
#undef WAVORIA_RECORD
#undef WAVORIA_PRINTS

// EXPECT_EQ on two records of one kind formats each side with this, found
// beside the type, in place of GoogleTest's own, which prints each side alone.
template <typename T>
requires requires(const T& v) {
  FieldsOf(v);
}
std::string FormatForComparisonFailureMessage(const T& value, const T& other) {
  const testing::Fields these = FieldsOf(value), blank = FieldsOf(T{});
  std::string alike = testing::Listed(these, FieldsOf(other), blank, false);
  if (alike.size() > 400) alike = alike.substr(0, 400) + " …";
  return "differs in {" + testing::Listed(these, FieldsOf(other), blank, true) + "}" +
         (alike.empty() ? "" : ", alike in {" + alike + "}");
}

}  // namespace wavoria
