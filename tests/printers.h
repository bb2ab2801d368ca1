// How the records that tests compare print when a comparison fails: in words,
// field by field, instead of as raw bytes. A record prints the fields that
// differ from a new one ({Action="WriteToLog" Text="Start"}); a table prints
// its script name, its order and only the slots in use. Compared with another
// record of its kind (EXPECT_EQ), each side first names the fields in which
// the two differ, then what they have alike.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "app/window_layout.h"
#include "dialogs/key_capture.h"
#include "document/command_table.h"
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
  if constexpr (std::is_same_v<T, std::uint8_t>) {
    fields.push_back({std::move(name), std::to_string(value)});
  } else if constexpr (std::is_enum_v<T>) {
    fields.push_back({std::move(name), std::to_string(static_cast<long long>(value))});
  } else {
    fields.push_back({std::move(name), ::testing::PrintToString(value)});
  }
}

// The fields named in the comma-separated names, with their values.
template <typename... T>
Fields Named(std::string_view names, const T&... values) {
  Fields fields;
  auto add = [&](const auto& value) {
    const std::size_t comma = std::min(names.find(','), names.size());
    Add(fields, std::string(names.substr(0, comma)), value);
    names.remove_prefix(std::min(comma + 1, names.size()));
  };
  (add(values), ...);
  return fields;
}

// "Name=value" for each field of these whose value differs from the field of
// that name in other (differing) or equals it there while differing from blank's.
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

// A record as a failed comparison names it: what differs from other, then
// what the two have alike (cut short when long).
inline std::string Compared(const Fields& these, const Fields& other, const Fields& blank) {
  std::string alike = Listed(these, other, blank, false);
  if (alike.size() > 400) alike = alike.substr(0, 400) + " …";
  return "differs in {" + Listed(these, other, blank, true) + "}" +
         (alike.empty() ? "" : ", alike in {" + alike + "}");
}

}  // namespace testing

inline testing::Fields FieldsOf(const ScriptCommand& c) {
  testing::Fields f = testing::Named("SlotIndex,SectionName,Action,Next", c.SlotIndex,
                                     c.SectionName, c.Action, c.Next);
  for (const ParameterKey& key : kParameterKeys)
    testing::Add(f, std::string(key.name), c.*key.field);
  testing::Add(f, "DialogType", c.DialogType);
  return f;
}

// A table: its name, the slots by display position, and each field of every
// slot and of the edit buffer ("Slot3.Text").
inline testing::Fields FieldsOf(const CommandTable& t) {
  testing::Fields f = testing::Named("ScriptName", t.ScriptName);
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

inline testing::Fields FieldsOf(const WizardSettings& s) {
  return testing::Named(
      "GamePath,MakerPath,NextPage,KeyboardSupport,MouseSupport,StartFunction,MouseId,"
      "AutoSendPosition",
      s.GamePath, s.MakerPath, s.NextPage, s.KeyboardSupport, s.MouseSupport, s.StartFunction,
      s.MouseId, s.AutoSendPosition);
}
inline testing::Fields FieldsOf(const ScriptFinding& s) {
  return testing::Named("Line,Message,Warning", s.Line, s.Message, s.Warning);
}
inline testing::Fields FieldsOf(const ReadWarnings& w) {
  return testing::Named(
      "CrossFileReference,UnknownCommands,UnknownKeysDropped,SectionsCut,ConvertedFromUtf8,"
      "ConvertedFromUtf16,CutInList,Lines",
      w.CrossFileReference, w.UnknownCommands, w.UnknownKeysDropped, w.SectionsCut,
      w.ConvertedFromUtf8, w.ConvertedFromUtf16, w.CutInList, w.Lines);
}
inline testing::Fields FieldsOf(const InstallStep& s) {
  return testing::Named("Kind,Source,Target,Bytes,After", s.Kind, s.Source, s.Target, s.Bytes,
                        s.After);
}
inline testing::Fields FieldsOf(const InstallPlan& p) {
  return testing::Named("GameFolder,MakerFolder,Choices,Steps,KeyListPath,EmptyTemplateFolders",
                        p.GameFolder, p.MakerFolder, p.Choices, p.Steps, p.KeyListPath,
                        p.EmptyTemplateFolders);
}
inline testing::Fields FieldsOf(const FileStamp& s) {
  return testing::Named("Size,Crc", s.Size, s.Crc);
}
inline testing::Fields FieldsOf(const RecordedFile& r) {
  return testing::Named("Path,Replaced,Before,After", r.Path, r.Replaced, r.Before, r.After);
}
inline testing::Fields FieldsOf(const InstallRecord& r) {
  return testing::Named(
      "Number,Kind,Date,Choices,UndoesNumber,UndoesFolder,CreatedFolders,Files,PutBack,Removed,"
      "KeptChanged,State,By",
      r.Number, r.Kind, r.Date, r.Choices, r.UndoesNumber, r.UndoesFolder, r.CreatedFolders,
      r.Files, r.PutBack, r.Removed, r.KeptChanged, r.State, r.By);
}
inline testing::Fields FieldsOf(const PageResult& r) {
  return testing::Named("Closes,Icon,Message", r.Closes, r.Icon, r.Message);
}
inline testing::Fields FieldsOf(const ListEdit& e) {
  return testing::Named("What,Line,Text", e.What, e.Line, e.Text);
}
inline testing::Fields FieldsOf(const Area& a) {
  return testing::Named("Left,Top,Right,Bottom", a.Left, a.Top, a.Right, a.Bottom);
}
inline testing::Fields FieldsOf(const PaletteRgb& c) {
  return testing::Named("Red,Green,Blue", c.Red, c.Green, c.Blue);
}
inline testing::Fields FieldsOf(const CaptureColours& c) {
  return testing::Named("Foreground,Background", c.Foreground, c.Background);
}
// GoogleTest prints a value through PrintTo, found beside its type.
#define WAVORIA_PRINTS_FIELDS(Type)                                                    \
  inline void PrintTo(const Type& value, std::ostream* os) {                           \
    *os << "{" << testing::Listed(FieldsOf(value), FieldsOf(Type{}), {}, true) << "}"; \
  }
WAVORIA_PRINTS_FIELDS(ScriptCommand)
WAVORIA_PRINTS_FIELDS(CommandTable)
WAVORIA_PRINTS_FIELDS(WizardSettings)
WAVORIA_PRINTS_FIELDS(ScriptFinding)
WAVORIA_PRINTS_FIELDS(ReadWarnings)
WAVORIA_PRINTS_FIELDS(InstallStep)
WAVORIA_PRINTS_FIELDS(InstallPlan)
WAVORIA_PRINTS_FIELDS(FileStamp)
WAVORIA_PRINTS_FIELDS(RecordedFile)
WAVORIA_PRINTS_FIELDS(InstallRecord)
WAVORIA_PRINTS_FIELDS(PageResult)
WAVORIA_PRINTS_FIELDS(ListEdit)
WAVORIA_PRINTS_FIELDS(Area)
WAVORIA_PRINTS_FIELDS(PaletteRgb)
WAVORIA_PRINTS_FIELDS(CaptureColours)
#undef WAVORIA_PRINTS_FIELDS

// EXPECT_EQ on two records of one kind formats each side with this, found
// beside the type, in place of GoogleTest's own, which prints each side alone
// (should GoogleTest stop calling it, each side prints through PrintTo).
template <typename T>
requires requires(const T& v) {
  FieldsOf(v);
}
std::string FormatForComparisonFailureMessage(const T& value, const T& other) {
  return testing::Compared(FieldsOf(value), FieldsOf(other), FieldsOf(T{}));
}

}  // namespace wavoria
