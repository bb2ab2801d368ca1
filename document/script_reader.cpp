#include "document/script_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "document/command_kinds.h"
#include "document/ini_line.h"
#include "document/list_lines.h"
#include "document/script_encoding.h"
#include "document/script_findings.h"
#include "document/text.h"
#include "platform/file_io.h"

namespace wavoria {

namespace {

constexpr std::string_view kNameMarker = ";WIZDESC$";
// More than any kind of command writes into its list line besides its values.
constexpr std::size_t kLongestListWords = 128;

// The seventeen keys the reader takes, with the fields that hold them.
constexpr std::array<ParameterKey, 17> KnownKeys() {
  std::array<ParameterKey, 17> keys{
      {{"Action", &ScriptCommand::Action}, {"Next", &ScriptCommand::Next}}};
  for (std::size_t i = 0; i < kParameterKeys.size(); ++i) keys[i + 2] = kParameterKeys[i];
  return keys;
}
constexpr std::array<ParameterKey, 17> kKnownKeys = KnownKeys();

// The index in kKnownKeys of a key line's key, or -1 for any other key.
int KnownKeyIndex(std::string_view key) {
  for (std::size_t i = 0; i < kKnownKeys.size(); ++i) {
    if (key.size() == kKnownKeys[i].name.size() && EqualsIgnoreCase(key, kKnownKeys[i].name)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// Splits text into lines at CR LF, LF or CR and hands each to f, with the
// offset at which it starts.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
  const char* const data = text.data();
  const std::size_t size = text.size();
  std::size_t start = 0;
  while (start < size) {
    std::size_t end = start;
    while (end < size && data[end] != '\r' && data[end] != '\n') ++end;
    f(std::string_view(data + start, end - start), start);
    if (end == size) return;
    start = end + 1;
    if (data[end] == '\r' && start < size && data[start] == '\n') ++start;
  }
}

// The number n of a section named "WIZ" + n as NewSectionName writes it
// (case of the letters ignored), or -1 for any other name.
std::int64_t GeneratedNumberOf(std::string_view name) {
  if (name.size() < 4 || !StartsWithIgnoreCase(name, "WIZ")) return -1;
  const std::string_view digits = name.substr(3);
  if (digits[0] == '0' && digits.size() > 1) return -1;
  std::int64_t n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9' || n > (std::numeric_limits<std::int64_t>::max() - 9) / 10) return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

// Reads a script's lines into a table, telling lines what it does with each.
class ScriptParser {
 public:
  ScriptParser(const ActionTable& actions, CommandTable& table, ScriptLines& lines)
      : actions_(actions), table_(table), lines_(lines) {}

  void Line(std::string_view raw, std::size_t start) {
    lines_.Line(++lineNumber_, start, start + raw.size());
    // The script's name: a comment to the game, read as it always was.
    const std::string_view stripped = StripBlanks(raw);
    if (stripped.size() > kNameMarker.size() && stripped.starts_with(kNameMarker)) {
      table_.ScriptName = stripped.substr(kNameMarker.size());
      return;
    }
    const IniLine line = ReadIniLine(raw);
    if (line.Kind == IniLineKind::kHeader) {
      Header(line);
    } else if (line.Kind == IniLineKind::kKey) {
      KeyLine(line);
    }
  }

  void Finish() {
    CheckCurrentAction();
    NameUnnamedSections();
    for (int slot = 1; slot <= SlotsRead(); ++slot) {
      const ScriptCommand& cmd = table_.Slot(slot);
      if (KindOf(cmd).IsUnknownForm() && IsKnownAction(cmd.Action, actions_)) {
        warnings.ShownAsUnknown = true;
      }
    }
  }

  // The sections read into slots.
  int SlotsRead() const { return std::min(sections_, kSlotCount - 1); }

  // The most bytes of values that one section gave.
  std::size_t LongestSection() const { return std::max(longestSection_, sectionBytes_); }

  ReadWarnings warnings;

 private:
  // The "[Execute]" and nameless sections get generated names once the whole
  // file is read: a generated name must not be one that a later section of
  // the file brings along, nor one that a Next names, which would then lead
  // there in the editor while the game finds no such section. In the order
  // the sections came, each gets the smallest "WIZ" name that no header, no
  // Next of the file and no slot bears; names only get taken, so the search
  // goes on from where the last one ended.
  void NameUnnamedSections() {
    std::sort(fileNumbers_.begin(), fileNumbers_.end());
    for (int slot : unnamed_) {
      for (;; ++nextNumber_) {
        if (std::binary_search(fileNumbers_.begin(), fileNumbers_.end(), nextNumber_)) continue;
        std::string name = "WIZ" + DecimalText(nextNumber_);
        if (table_.SectionExists(name)) continue;
        table_.Change(slot).SectionName = std::move(name);
        break;
      }
    }
    // The first "[Execute]" of the file starts the chain, as the game finds it.
    if (executeSlot_ > 0) table_.Change(0).Next = table_.Slot(executeSlot_).SectionName;
  }

  void CheckCurrentAction() {
    if (current_ > 0 && !IsKnownAction(table_.Slot(current_).Action, actions_)) {
      warnings.UnknownCommands = true;
    }
  }

  void Header(const IniLine& line) {
    CheckCurrentAction();
    const std::string_view name = line.Name;
    // Every header counts for the generated names, the ones past the slots too.
    const std::int64_t number = GeneratedNumberOf(name);
    if (number >= 0) fileNumbers_.push_back(number);
    ++sections_;
    longestSection_ = LongestSection();
    sectionBytes_ = 0;
    seenKeys_ = 0;
    if (sections_ >= kSlotCount) {
      // No slot is left: the rest of the file is not taken in.
      warnings.SectionsCut = true;
      current_ = -1;
      lines_.Header(lineNumber_, name, -1);
      return;
    }
    current_ = sections_;
    lines_.Header(lineNumber_, name, current_);
    if (EqualsIgnoreCase(name, kHeadName)) {
      unnamed_.push_back(current_);
      if (executeSlot_ == 0) executeSlot_ = current_;
    } else if (name.empty()) {
      // A nameless section would count as a free slot and lose its lines;
      // it keeps them under a generated name instead.
      unnamed_.push_back(current_);
    } else {
      table_.Change(current_).SectionName = name;
    }
  }

  void KeyLine(const IniLine& line) {
    if (current_ < 0) return;
    const int index = KnownKeyIndex(line.Name);
    if (index < 0 || current_ == 0) {
      // A key line above the first header belongs to no command.
      warnings.UnknownKeysDropped = true;
      lines_.DroppedLine(lineNumber_, line.Text,
                         index < 0 ? ScriptLines::Dropped::kNoKnownKey
                                   : ScriptLines::Dropped::kBeforeFirstSection);
      return;
    }
    const ParameterKey& key = kKnownKeys[static_cast<std::size_t>(index)];
    const bool isNext = key.field == &ScriptCommand::Next;
    // The game looks a section up without blanks around its name.
    const std::string_view value = isNext ? TrimIniBlanks(line.Value) : line.Value;
    // The first line of a key counts, an empty one too.
    const std::uint32_t bit = std::uint32_t{1} << index;
    if ((seenKeys_ & bit) != 0) {
      if (!value.empty()) warnings.DuplicateKeys = true;
      TellKeyLine(index, key, value, ScriptLines::KeyUse::kIgnored);
      return;
    }
    seenKeys_ |= bit;
    if (isNext && value.find(';') != std::string_view::npos) {
      // A section in another file: dropped, and a later Next line still counts.
      seenKeys_ &= ~bit;
      warnings.CrossFileReference = true;
      TellKeyLine(index, key, value, ScriptLines::KeyUse::kCrossFile);
      return;
    }
    table_.Change(current_).*key.field = value;
    sectionBytes_ += DisplayedSize(value);
    const std::int64_t number = isNext ? GeneratedNumberOf(value) : -1;
    if (number >= 0) fileNumbers_.push_back(number);
    TellKeyLine(index, key, value, ScriptLines::KeyUse::kTaken);
  }

  void TellKeyLine(int index, const ParameterKey& key, std::string_view value,
                   ScriptLines::KeyUse use) {
    lines_.KeyLine(lineNumber_, current_, static_cast<std::size_t>(index), key.name, value, use);
  }

  const ActionTable& actions_;
  CommandTable& table_;
  ScriptLines& lines_;
  int lineNumber_ = 0;
  int sections_ = 0;
  int current_ = 0;                        // 0 before the first header, -1 once the slots ran out
  std::vector<int> unnamed_;               // slots that get a generated name, in file order
  int executeSlot_ = 0;                    // slot of the first "[Execute]", 0 for none
  std::vector<std::int64_t> fileNumbers_;  // n of every header and Next "WIZ" + n in the file
  std::int64_t nextNumber_ = 0;
  std::uint32_t seenKeys_ = 0;      // bit i: key kKnownKeys[i] had a line in this section
  std::size_t sectionBytes_ = 0;    // bytes of the values of this section, as the list shows them
  std::size_t longestSection_ = 0;  // the most of any section before it
};

ReadWarnings Parse(std::string_view text, const ActionTable& actions, CommandTable& table,
                   ScriptLines& lines) {
  ScriptParser parser(actions, table, lines);
  ForEachLine(text, [&](std::string_view line, std::size_t start) { parser.Line(line, start); });
  parser.Finish();
  table.RebuildOrder();
  // Every section is in the chain, and the last one's Next leads nowhere else.
  const int last = table.LastPosition();
  if (parser.SlotsRead() > 0 &&
      (last != parser.SlotsRead() || !table.CommandAt(last)->Next.empty())) {
    parser.warnings.ChainGaps = true;
  }
  // Only a section with that many bytes of values can fill a list line.
  if (parser.LongestSection() + kLongestListWords > kListLineLimit) {
    for (int p = 1; p <= table.LastPosition(); ++p) {
      if (ListLineIsCut(*table.CommandAt(p))) parser.warnings.CutInList = true;
    }
  }
  return parser.warnings;
}

// The warnings in the order they are shown.
constexpr ReadWarning kWarningsInOrder[] = {
    ReadWarning::kCrossFileReference, ReadWarning::kUnknownCommands, ReadWarning::kSectionsCut,
    ReadWarning::kUnknownKeysDropped, ReadWarning::kDuplicateKeys,   ReadWarning::kNulBytes,
    ReadWarning::kShownAsUnknown,     ReadWarning::kChainGaps,       ReadWarning::kConverted,
    ReadWarning::kCutInList};

// The sentence above a warning's lines, speaking of the opened file or of the
// clipboard.
std::string WarningSentence(const ReadWarnings& warnings, ReadWarning warning, ReadSource source) {
  const bool file = source == ReadSource::kFile;
  const std::string subject = file ? "Die geöffnete Datei" : "Die Zwischenablage";
  const std::string loss = file ? " Das Speichern kann zu Datenverlust führen." : "";
  switch (warning) {
    case ReadWarning::kCrossFileReference:
      return subject + " beinhaltet Verweise zu anderen Dateien. Dies wird nicht unterstützt." +
             (file ? loss : " Die Verweise werden nicht eingefügt.");
    case ReadWarning::kUnknownCommands:
      return subject +
             " beinhaltet unbekannte Kommandos. Das Speichern kann zu Datenverlust führen.";
    case ReadWarning::kSectionsCut:
      return subject + " beinhaltet mehr als 511 Kommandos. Nur die ersten 511 wurden geladen." +
             loss;
    case ReadWarning::kUnknownKeysDropped:
      return subject + " beinhaltet unbekannte Einträge. Diese " +
             (file ? "wurden nicht geladen." + loss : "werden nicht eingefügt.");
    case ReadWarning::kDuplicateKeys:
      return subject +
             " gibt Schlüssel in einem Abschnitt mehrmals an. Spiel und Editor nehmen nur die "
             "erste Zeile; die übrigen " +
             (file ? "schreibt das Speichern nicht mehr." : "werden nicht eingefügt.");
    case ReadWarning::kNulBytes:
      return subject +
             " beinhaltet Nullzeichen. Spiel und Editor lesen diese Zeilen nur bis dorthin." + loss;
    case ReadWarning::kShownAsUnknown:
      return subject +
             " beinhaltet Kommandos, die der Editor nur als '\?\?\?' zeigen und nicht "
             "bearbeiten kann.";
    case ReadWarning::kChainGaps:
      return "Die Kette der Kommandos (von [Execute] über Next) ist in " +
             std::string(file ? "der geöffneten Datei" : "der Zwischenablage") +
             " nicht vollständig. " +
             (file ? "Die Kommandoliste zeigt sie so, wie das Spiel sie ausführt; das "
                     "Speichern behält alle Abschnitte."
                   : "Eingefügt wird sie so, wie das Spiel sie ausführt.");
    case ReadWarning::kConverted:
      return (file ? "Die Datei war " : "Der Text der Zwischenablage war ") +
             std::string(warnings.ConvertedFromUtf8 ? "UTF-8" : "UTF-16") +
             "-kodiert und wurde nach Windows-1252 umgewandelt" +
             (file ? "; beim Speichern wird sie in Windows-1252 geschrieben." : ".");
    case ReadWarning::kCutInList:
      break;
  }
  return "Die Kommandoliste zeigt Kommandos mit sehr langen Werten gekürzt. Das Spiel liest die "
         "ganzen Werte, und das Speichern behält sie.";
}

}  // namespace

bool IsKnownAction(std::string_view action, const ActionTable& actions) {
  if (action.empty()) return false;
  for (const auto& entry : actions) {
    if (entry.Name.size() == action.size() && EqualsIgnoreCase(entry.Name, action)) return true;
  }
  return false;
}

ReadWarnings ParseScript(std::string_view text, const ActionTable& actions, CommandTable& table,
                         ScriptLines& lines) {
  table.Clear();
  const TextConversion conversion = ConvertScriptBytes(text);
  const std::string_view script = TextOf(conversion, text);
  const std::size_t nul = script.find('\0');
  lines.Start(nul, conversion.Converted ? conversion.FirstChanged : script.npos);
  ReadWarnings warnings = Parse(script, actions, table, lines);
  warnings.ConvertedFromUtf8 = conversion.Converted && conversion.From == TextEncoding::kUtf8;
  warnings.ConvertedFromUtf16 = conversion.From == TextEncoding::kUtf16;
  warnings.NulBytes = nul != std::string_view::npos;
  if (warnings.Any()) warnings.Lines = lines.Findings(text, conversion, table, actions, warnings);
  return warnings;
}

ReadWarnings ParseScript(std::string_view text, const ActionTable& actions, CommandTable& table) {
  ScriptLines lines;
  return ParseScript(text, actions, table, lines);
}

bool ReadWarnings::Has(ReadWarning warning) const {
  switch (warning) {
    case ReadWarning::kCrossFileReference:
      return CrossFileReference;
    case ReadWarning::kUnknownCommands:
      return UnknownCommands;
    case ReadWarning::kSectionsCut:
      return SectionsCut;
    case ReadWarning::kUnknownKeysDropped:
      return UnknownKeysDropped;
    case ReadWarning::kConverted:
      return ConvertedFromUtf8 || ConvertedFromUtf16;
    case ReadWarning::kCutInList:
      return CutInList;
    case ReadWarning::kDuplicateKeys:
      return DuplicateKeys;
    case ReadWarning::kNulBytes:
      return NulBytes;
    case ReadWarning::kShownAsUnknown:
      return ShownAsUnknown;
    case ReadWarning::kChainGaps:
      return ChainGaps;
  }
  return false;
}

bool ReadWarnings::Any() const {
  for (const ReadWarning warning : kWarningsInOrder) {
    if (Has(warning)) return true;
  }
  return false;
}

bool ReadScriptFile(const std::string& path, const ActionTable& actions, CommandTable& table,
                    ReadWarnings& warnings) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return false;
  warnings = ParseScript(bytes, actions, table);
  return true;
}

std::vector<std::string> WarningTexts(const ReadWarnings& warnings, std::string_view path,
                                      std::size_t lineLimit, ReadSource source) {
  const bool quiet = path == "tmp.dat";
  std::vector<std::string> texts;
  for (const ReadWarning warning : kWarningsInOrder) {
    if (!warnings.Has(warning) || (quiet && warning != ReadWarning::kSectionsCut)) continue;
    std::string text = WarningSentence(warnings, warning, source);
    std::size_t count = 0;
    for (const ScriptFinding& line : warnings.Lines) {
      if (line.Warning != warning) continue;
      if (count == 0) text.append(LineBreak);
      if (count++ < lineLimit) {
        AppendAll(text, {LineBreak, "Zeile ", DecimalText(line.Line), ": ", line.Message});
      }
    }
    if (count > lineLimit) {
      AppendAll(text, {LineBreak, "… und ",
                       DecimalText(static_cast<std::int64_t>(count - lineLimit)), " weitere"});
    }
    texts.push_back(std::move(text));
  }
  return texts;
}

}  // namespace wavoria
