#include "wizard/install_record.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <tuple>

#include "document/script_encoding.h"
#include "document/text.h"

namespace wavoria {

namespace {

constexpr std::string_view kHeading = "Wavoria: Inhalt dieser Sicherung";
constexpr std::string_view kNumberKey = "Nummer";
constexpr std::string_view kKindKey = "Art";
constexpr std::string_view kDateKey = "Datum";
constexpr std::string_view kChoicesKey = "Auswahl";
constexpr std::string_view kUndoesKey = "Macht rückgängig";
constexpr std::string_view kCreatedKey = "Ordner angelegt";
constexpr std::string_view kReplacedKey = "Ersetzt";
constexpr std::string_view kAddedKey = "Hinzugefügt";
constexpr std::string_view kBeforeKey = "vorher";
constexpr std::string_view kAfterKey = "nachher";
constexpr std::string_view kPutBackKey = "Zurückgelegt";
constexpr std::string_view kRemovedKey = "Entfernt";
constexpr std::string_view kKeptKey = "Geändert, hier aufbewahrt";
constexpr std::string_view kReasonKey = "Grund";
constexpr std::string_view kStateKey = "Stand";
constexpr std::string_view kIndent = "  ";

constexpr std::array<std::string_view, 3> kKindNames = {"Installation", "Rückgängig",
                                                        "Sicherung einer früheren Version"};
constexpr std::string_view kNumberPrefix = "Nr. ";
constexpr std::string_view kBackupPrefix = "Sicherung ";

std::array<std::uint32_t, 256> CrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

void AddLine(std::string& text, std::string_view key, std::string_view value,
             std::string_view indent = {}) {
  AppendAll(text, {indent, key, ": ", value, LineBreak});
}

// The text after "prefix", or nothing when text does not begin with it.
std::optional<std::string_view> After(std::string_view text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return std::nullopt;
  return text.substr(prefix.size());
}

// A whole text of decimal digits as a number; nothing for anything else.
template <typename Number>
std::optional<Number> NumberOf(std::string_view text, int base = 10) {
  Number n{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || text[0] == '-' ||
      text[0] == '+') {
    return std::nullopt;
  }
  return n;
}

std::optional<FileStamp> ParseStamp(std::string_view text) {
  const std::size_t bytes = text.find(" Bytes, CRC-32 ");
  if (bytes == std::string_view::npos) return std::nullopt;
  const auto size = NumberOf<std::uint64_t>(text.substr(0, bytes));
  const std::string_view crc = text.substr(bytes + 15);
  const auto value = NumberOf<std::uint32_t>(crc, 16);
  if (!size || !value || crc.size() != 8) return std::nullopt;
  return FileStamp{*size, *value};
}

// The words of each state in the "Stand" line. A state undone or rolled
// back by a later run names it by number after its words. An undone backup of
// an earlier version reads "zurückgelegt"; both words of Undone are read for
// any kind.
struct StateWords {
  RecordState State;
  std::string_view Words;
  bool ByNumber;       // the number of the run that undid it follows
  bool EarlierBackup;  // the words of an earlier version's backup only
};
constexpr std::array<StateWords, 6> kStateWords = {{
    {RecordState::Running, "läuft", false, false},
    {RecordState::Complete, "vollständig", false, false},
    {RecordState::Aborted, "abgebrochen", false, false},
    {RecordState::Undone, "zurückgelegt durch Nr. ", true, true},
    {RecordState::Undone, "rückgängig gemacht durch Nr. ", true, false},
    {RecordState::RolledBack, "abgebrochen und zurückgenommen durch Nr. ", true, false},
}};

// The state and the number after it ("... durch Nr. 3").
std::optional<std::pair<RecordState, int>> ParseState(std::string_view text) {
  for (const StateWords& state : kStateWords) {
    if (!state.ByNumber) {
      if (text == state.Words) return std::pair(state.State, 0);
    } else if (const auto number = After(text, state.Words)) {
      if (const auto by = NumberOf<int>(*number); by && *by > 0) return std::pair(state.State, *by);
    }
  }
  return std::nullopt;
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes) {
  static const std::array<std::uint32_t, 256> table = CrcTable();
  std::uint32_t c = 0xFFFFFFFFu;
  for (unsigned char b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

FileStamp StampOf(std::string_view bytes) {
  return {bytes.size(), Crc32(bytes)};
}

std::string StampText(const FileStamp& stamp) {
  char crc[9] = {};
  constexpr char kDigits[] = "0123456789ABCDEF";
  for (int i = 0; i < 8; ++i) crc[i] = kDigits[(stamp.Crc >> (28 - 4 * i)) & 0xF];
  return DecimalText(static_cast<std::int64_t>(stamp.Size)) + " Bytes, CRC-32 " + crc;
}

std::string StateText(const InstallRecord& record) {
  const bool earlierBackup = record.Kind == RecordKind::EarlierBackup;
  for (const StateWords& state : kStateWords) {
    if (state.State != record.State || (state.EarlierBackup && !earlierBackup)) continue;
    return std::string(state.Words) + (state.ByNumber ? DecimalText(record.By) : "");
  }
  return {};
}

std::string RecordText(const InstallRecord& record) {
  std::string text(kHeading);
  text += LineBreak;
  if (record.Kind != RecordKind::EarlierBackup) {
    AddLine(text, kNumberKey, DecimalText(record.Number));
  }
  AddLine(text, kKindKey, kKindNames[static_cast<std::size_t>(record.Kind)]);
  if (!record.Date.empty()) AddLine(text, kDateKey, record.Date);
  if (!record.Choices.empty()) AddLine(text, kChoicesKey, record.Choices);
  if (record.Kind == RecordKind::Undo) {
    AddLine(text, kUndoesKey,
            record.UndoesFolder.empty()
                ? std::string(kNumberPrefix) + DecimalText(record.UndoesNumber)
                : std::string(kBackupPrefix) + Quoted(record.UndoesFolder));
  }
  for (const std::string& folder : record.CreatedFolders) AddLine(text, kCreatedKey, folder);
  for (const RecordedFile& file : record.Files) {
    AddLine(text, file.Replaced ? kReplacedKey : kAddedKey, file.Path);
    if (file.Replaced) AddLine(text, kBeforeKey, StampText(file.Before), kIndent);
    AddLine(text, kAfterKey, StampText(file.After), kIndent);
  }
  for (const std::string& file : record.PutBack) AddLine(text, kPutBackKey, file);
  for (const std::string& file : record.Removed) AddLine(text, kRemovedKey, file);
  for (const std::string& file : record.KeptChanged) AddLine(text, kKeptKey, file);
  for (std::string reason : record.Reasons) {
    std::ranges::replace_if(
        reason, [](char c) { return c == '\r' || c == '\n'; }, ' ');
    AddLine(text, kReasonKey, reason);
  }
  AddLine(text, kStateKey, StateText(record));
  return text;
}

std::string DamageText(const RecordDamage& damage) {
  if (damage.Line == 0) return damage.Cause;
  return "Zeile " + DecimalText(damage.Line) + ": " + damage.Cause;
}

namespace {

// One line of a record as its parts: whether it is indented, its key and its
// value, blanks and tabs around them taken off; a line ends at a NUL byte.
struct RecordLine {
  bool Indented = false;
  bool HasKey = false;
  std::string_view Key;
  std::string_view Value;
};

std::string_view TrimmedBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

RecordLine SplitLine(std::string_view line) {
  RecordLine parts;
  line = line.substr(0, line.find('\0'));
  if (line.ends_with('\r')) line.remove_suffix(1);
  parts.Indented = line.starts_with(' ') || line.starts_with('\t');
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) return parts;
  parts.HasKey = true;
  parts.Key = TrimmedBlanks(line.substr(0, colon));
  parts.Value = TrimmedBlanks(line.substr(colon + 1));
  return parts;
}

// Reads a record line by line; the first line that cannot be read is kept
// as the damage, and the lines after it are still read for what they tell.
class RecordParser {
 public:
  void Take(int number, const RecordLine& line) {
    lineNumber_ = number;
    if (!line.HasKey) return;
    auto is = [&](std::string_view key) { return EqualsIgnoreCase(line.Key, key); };
    const std::string_view value = line.Value;
    if (line.Indented) {
      if (record_.Files.empty() || (!is(kBeforeKey) && !is(kAfterKey))) return;
      const auto stamp = ParseStamp(value);
      if (!stamp)
        return Damage("Größe und Prüfsumme '" + std::string(value) + "' sind nicht lesbar");
      (is(kBeforeKey) ? record_.Files.back().Before : record_.Files.back().After) = *stamp;
      (is(kBeforeKey) ? haveBefore_ : haveAfter_) = true;
    } else if (is(kNumberKey)) {
      const auto n = NumberOf<int>(value);
      if (!n || *n <= 0)
        return Damage("die Nummer '" + std::string(value) + "' ist keine Zahl über 0");
      record_.Number = *n;
    } else if (is(kKindKey)) {
      std::size_t kind = 0;
      while (kind < kKindNames.size() && !EqualsIgnoreCase(kKindNames[kind], value)) ++kind;
      if (kind == kKindNames.size()) return Damage("unbekannte Art '" + std::string(value) + "'");
      record_.Kind = static_cast<RecordKind>(kind);
      haveKind_ = true;
    } else if (is(kDateKey)) {
      record_.Date = value;
    } else if (is(kChoicesKey)) {
      record_.Choices = value;
    } else if (is(kUndoesKey)) {
      TakeUndoes(value);
    } else if (is(kCreatedKey)) {
      record_.CreatedFolders.emplace_back(value);
    } else if (is(kReplacedKey) || is(kAddedKey)) {
      EndFile();
      record_.Files.push_back({std::string(value), is(kReplacedKey), {}, {}});
      fileLine_ = number;
      haveBefore_ = is(kAddedKey);
      haveAfter_ = false;
    } else if (is(kPutBackKey)) {
      record_.PutBack.emplace_back(value);
    } else if (is(kRemovedKey)) {
      record_.Removed.emplace_back(value);
    } else if (is(kKeptKey)) {
      record_.KeptChanged.emplace_back(value);
    } else if (is(kReasonKey)) {
      record_.Reasons.emplace_back(value);
    } else if (is(kStateKey)) {
      const auto state = ParseState(value);
      if (!state) return Damage("unbekannter Stand '" + std::string(value) + "'");
      std::tie(record_.State, record_.By) = *state;
      haveState_ = true;
    }
  }

  std::optional<InstallRecord> Finish(RecordDamage* damage) {
    EndFile();
    lineNumber_ = 0;
    if (!haveKind_) Damage("es fehlt die Zeile 'Art: …'");
    if (!haveState_) Damage("es fehlt die Zeile 'Stand: …'");
    if (record_.Kind != RecordKind::EarlierBackup && record_.Number <= 0) {
      Damage("es fehlt die Zeile 'Nummer: …'");
    }
    if (record_.Kind == RecordKind::Undo && record_.UndoesNumber <= 0 &&
        record_.UndoesFolder.empty()) {
      Damage("es fehlt die Zeile 'Macht rückgängig: …'");
    }
    if (!damage_) return record_;
    if (damage != nullptr) {
      *damage = *damage_;
      damage->Number = record_.Number;
      if (haveKind_) damage->Kind = record_.Kind;
    }
    return std::nullopt;
  }

 private:
  // The first damage found; the run's number and kind are added once the
  // whole record has been read.
  void Damage(std::string cause) {
    if (!damage_)
      damage_ = RecordDamage{.Line = lineNumber_, .Cause = std::move(cause), .Kind = std::nullopt};
  }

  void TakeUndoes(std::string_view value) {
    if (const auto number = After(value, kNumberPrefix)) {
      const auto n = NumberOf<int>(*number);
      if (n && *n > 0) {
        record_.UndoesNumber = *n;
        return;
      }
    } else if (const auto folder = After(value, kBackupPrefix);
               folder && folder->size() > 2 && folder->front() == '\'' && folder->back() == '\'') {
      record_.UndoesFolder = folder->substr(1, folder->size() - 2);
      return;
    }
    Damage("'" + std::string(value) + "' nennt weder 'Nr. N' noch 'Sicherung '…''");
  }

  // A file's lines end: "nachher" must have come, "vorher" too when it was replaced.
  void EndFile() {
    if (haveBefore_ && haveAfter_) return;
    const int at = lineNumber_;
    lineNumber_ = fileLine_;
    Damage(std::string("zu dieser Datei fehlt die Zeile '") +
           std::string(haveBefore_ ? kAfterKey : kBeforeKey) + ": …'");
    lineNumber_ = at;
    haveBefore_ = haveAfter_ = true;
  }

  InstallRecord record_;
  std::optional<RecordDamage> damage_;
  int lineNumber_ = 0;
  int fileLine_ = 0;
  bool haveKind_ = false;
  bool haveState_ = false;
  bool haveBefore_ = true;  // the last file has its stamps
  bool haveAfter_ = true;
};

}  // namespace

std::optional<InstallRecord> ParseRecord(std::string_view bytes, RecordDamage* damage) {
  const TextConversion conversion = ConvertScriptBytes(bytes);
  std::string_view text = TextOf(conversion, bytes);
  RecordParser parser;
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = text.find('\n');
    parser.Take(number, SplitLine(text.substr(0, end)));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return parser.Finish(damage);
}

}  // namespace wavoria
