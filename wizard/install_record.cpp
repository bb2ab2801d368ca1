#include "wizard/install_record.h"

#include <array>
#include <charconv>
#include <tuple>

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

// The state and the number after it ("... durch Nr. 3").
std::optional<std::pair<RecordState, int>> ParseState(std::string_view text) {
  if (text == "läuft") return std::pair(RecordState::Running, 0);
  if (text == "vollständig") return std::pair(RecordState::Complete, 0);
  for (auto [state, prefix] :
       {std::pair{RecordState::Undone, std::string_view("rückgängig gemacht durch Nr. ")},
        {RecordState::Undone, "zurückgelegt durch Nr. "},
        {RecordState::RolledBack, "abgebrochen und zurückgenommen durch Nr. "}}) {
    if (const auto number = After(text, prefix)) {
      if (const auto by = NumberOf<int>(*number); by && *by > 0) return std::pair(state, *by);
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
  const std::string by = DecimalText(record.By);
  switch (record.State) {
    case RecordState::Running:
      return "läuft";
    case RecordState::Complete:
      return "vollständig";
    case RecordState::Undone:
      return (record.Kind == RecordKind::EarlierBackup ? "zurückgelegt durch Nr. "
                                                       : "rückgängig gemacht durch Nr. ") +
             by;
    case RecordState::RolledBack:
      return "abgebrochen und zurückgenommen durch Nr. " + by;
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
  AddLine(text, kStateKey, StateText(record));
  return text;
}

std::optional<InstallRecord> ParseRecord(std::string_view text) {
  InstallRecord record;
  bool haveKind = false;
  bool haveState = false;
  // Whether the last file has its stamps: "nachher" always, "vorher" when replaced.
  bool haveBefore = true;
  bool haveAfter = true;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const bool indented = line.starts_with(kIndent);
    if (indented) line.remove_prefix(kIndent.size());
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, colon);
    const std::string_view value = line.substr(colon + 2);
    if (indented) {
      if (record.Files.empty() || (key != kBeforeKey && key != kAfterKey)) continue;
      const auto stamp = ParseStamp(value);
      if (!stamp) return std::nullopt;
      (key == kBeforeKey ? record.Files.back().Before : record.Files.back().After) = *stamp;
      (key == kBeforeKey ? haveBefore : haveAfter) = true;
    } else if (key == kNumberKey) {
      const auto number = NumberOf<int>(value);
      if (!number || *number <= 0) return std::nullopt;
      record.Number = *number;
    } else if (key == kKindKey) {
      std::size_t kind = 0;
      while (kind < kKindNames.size() && kKindNames[kind] != value) ++kind;
      if (kind == kKindNames.size()) return std::nullopt;
      record.Kind = static_cast<RecordKind>(kind);
      haveKind = true;
    } else if (key == kDateKey) {
      record.Date = value;
    } else if (key == kChoicesKey) {
      record.Choices = value;
    } else if (key == kUndoesKey) {
      if (const auto number = After(value, kNumberPrefix)) {
        const auto n = NumberOf<int>(*number);
        if (!n || *n <= 0) return std::nullopt;
        record.UndoesNumber = *n;
      } else if (const auto folder = After(value, kBackupPrefix); folder && folder->size() > 2 &&
                                                                  folder->front() == '\'' &&
                                                                  folder->back() == '\'') {
        record.UndoesFolder = folder->substr(1, folder->size() - 2);
      } else {
        return std::nullopt;
      }
    } else if (key == kCreatedKey) {
      record.CreatedFolders.emplace_back(value);
    } else if (key == kReplacedKey || key == kAddedKey) {
      if (!haveBefore || !haveAfter) return std::nullopt;
      record.Files.push_back({std::string(value), key == kReplacedKey, {}, {}});
      haveBefore = key == kAddedKey;
      haveAfter = false;
    } else if (key == kPutBackKey) {
      record.PutBack.emplace_back(value);
    } else if (key == kRemovedKey) {
      record.Removed.emplace_back(value);
    } else if (key == kKeptKey) {
      record.KeptChanged.emplace_back(value);
    } else if (key == kStateKey) {
      const auto state = ParseState(value);
      if (!state) return std::nullopt;
      std::tie(record.State, record.By) = *state;
      haveState = true;
    }
  }
  const bool numbered = record.Kind == RecordKind::EarlierBackup || record.Number > 0;
  const bool undoes =
      record.Kind != RecordKind::Undo || record.UndoesNumber > 0 || !record.UndoesFolder.empty();
  if (!haveKind || !haveState || !numbered || !undoes || !haveBefore || !haveAfter) {
    return std::nullopt;
  }
  return record;
}

}  // namespace wavoria
