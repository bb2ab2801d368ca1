#include "document/script_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "document/file_io.h"
#include "document/text.h"
#include "document/utf8_text.h"

namespace wavoria {

namespace {

constexpr std::string_view kNameMarker = ";WIZDESC$";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The seventeen keys the reader takes, with the fields that hold them.
constexpr std::array<ParameterKey, 17> KnownKeys() {
  std::array<ParameterKey, 17> keys{
      {{"Action", &ScriptCommand::Action}, {"Next", &ScriptCommand::Next}}};
  for (std::size_t i = 0; i < kParameterKeys.size(); ++i) keys[i + 2] = kParameterKeys[i];
  return keys;
}
constexpr std::array<ParameterKey, 17> kKnownKeys = KnownKeys();

// The known key of a stripped line, or nullptr when it is no key line: the key
// name runs up to the first "=" or blank, and an "=" must come at or after it.
const ParameterKey* KnownKeyOf(std::string_view line) {
  const std::size_t end = line.find_first_of("= ");
  if (end == std::string_view::npos) return nullptr;
  if (line[end] != '=' && line.find('=', end) == std::string_view::npos) return nullptr;
  const std::string_view name = line.substr(0, end);
  for (const ParameterKey& key : kKnownKeys) {
    if (name.size() == key.name.size() && EqualsIgnoreCase(name, key.name)) return &key;
  }
  return nullptr;
}

// The value of a key line: what follows the first "=", without blanks at
// either end; "" when nothing follows it.
std::string_view KeyValueOf(std::string_view line) {
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return {};
  return StripBlanks(line.substr(eq + 1));
}

// Splits text into lines at CR LF, LF or CR and hands each to f.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
  const char* const data = text.data();
  const std::size_t size = text.size();
  std::size_t start = 0;
  while (start < size) {
    std::size_t end = start;
    while (end < size && data[end] != '\r' && data[end] != '\n') ++end;
    f(std::string_view(data + start, end - start));
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

// The observer of a read without one: its calls compile to nothing.
struct NoObserver {
  void Header(int, std::string_view, std::string_view, int) {}
  void KeyLine(int, int, const ParameterKey&, std::string_view, ReadObserver::KeyUse) {}
  void DroppedLine(int, std::string_view, ReadObserver::Dropped) {}
};

template <typename Observer, bool kCountLines>
class ScriptParser {
 public:
  ScriptParser(const ActionTable& actions, CommandTable& table, Observer& observer)
      : actions_(actions), table_(table), observer_(observer) {}

  void Line(std::string_view raw) {
    if constexpr (kCountLines) ++lineNumber_;
    std::string_view line = StripBlanks(raw);
    if (line.empty()) {
      // nothing
    } else if (line[0] == ';') {
      if (line.size() > kNameMarker.size() && line.substr(0, kNameMarker.size()) == kNameMarker) {
        table_.ScriptName = line.substr(kNameMarker.size());
      }
    } else if (line[0] == '[') {
      Header(line);
    } else {
      KeyLine(line);
    }
  }

  void Finish() {
    CheckCurrentAction();
    NameUnnamedSections();
  }

  ReadWarnings warnings;

 private:
  // The "[Execute]" and nameless sections get generated names once the whole
  // file is read: a generated name must not be one that a later section of
  // the file brings along. In the order the sections came, each gets the
  // smallest "WIZ" name that no header of the file and no slot bears; names
  // only get taken, so the search goes on from where the last one ended.
  void NameUnnamedSections() {
    std::sort(fileNumbers_.begin(), fileNumbers_.end());
    for (int slot : unnamed_) {
      for (;; ++nextNumber_) {
        if (std::binary_search(fileNumbers_.begin(), fileNumbers_.end(), nextNumber_)) continue;
        std::string name = "WIZ" + DecimalText(nextNumber_);
        if (table_.SectionExists(name)) continue;
        table_.Slot(slot).SectionName = std::move(name);
        break;
      }
    }
    // The last "[Execute]" of the file starts the chain.
    if (executeSlot_ > 0) table_.Head().Next = table_.Slot(executeSlot_).SectionName;
  }

  void CheckCurrentAction() {
    if (current_ > 0 && !IsKnownAction(table_.Slot(current_).Action, actions_)) {
      warnings.UnknownCommands = true;
    }
  }

  void Header(std::string_view line) {
    CheckCurrentAction();
    const std::string_view name =
        line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string_view{};
    // Every header counts for the generated names, the ones past the slots too.
    const std::int64_t number = GeneratedNumberOf(name);
    if (number >= 0) fileNumbers_.push_back(number);
    ++sections_;
    if (sections_ >= kSlotCount) {
      // No slot is left: the rest of the file is not taken in.
      warnings.SectionsCut = true;
      current_ = -1;
      observer_.Header(lineNumber_, line, name, -1);
      return;
    }
    current_ = sections_;
    observer_.Header(lineNumber_, line, name, current_);
    if (EqualsIgnoreCase(name, kHeadName)) {
      unnamed_.push_back(current_);
      executeSlot_ = current_;
    } else if (name.empty()) {
      // A nameless section would count as a free slot and lose its lines;
      // it keeps them under a generated name instead.
      unnamed_.push_back(current_);
    } else {
      table_.Slot(current_).SectionName = name;
    }
  }

  void KeyLine(std::string_view line) {
    if (current_ < 0) return;
    const ParameterKey* key = KnownKeyOf(line);
    if (key == nullptr || current_ == 0) {
      // A key line above the first header belongs to no command.
      warnings.UnknownKeysDropped = true;
      observer_.DroppedLine(lineNumber_, line,
                            key == nullptr ? ReadObserver::Dropped::kNoKnownKey
                                           : ReadObserver::Dropped::kBeforeFirstSection);
      return;
    }
    ScriptCommand& cmd = table_.Slot(current_);
    // A key keeps the first non-empty value given for it.
    std::string& field = cmd.*key->field;
    const std::string_view value = KeyValueOf(line);
    if (!field.empty()) {
      observer_.KeyLine(lineNumber_, current_, *key, value, ReadObserver::KeyUse::kIgnored);
      return;
    }
    field = value;
    if (cmd.Next.find(';') != std::string::npos) {
      cmd.Next.clear();
      warnings.CrossFileReference = true;
      observer_.KeyLine(lineNumber_, current_, *key, value, ReadObserver::KeyUse::kCrossFile);
      return;
    }
    observer_.KeyLine(lineNumber_, current_, *key, value, ReadObserver::KeyUse::kTaken);
  }

  const ActionTable& actions_;
  CommandTable& table_;
  Observer& observer_;
  int lineNumber_ = 0;
  int sections_ = 0;
  int current_ = 0;                        // 0 before the first header, -1 once the slots ran out
  std::vector<int> unnamed_;               // slots that get a generated name, in file order
  int executeSlot_ = 0;                    // slot of the last "[Execute]", 0 for none
  std::vector<std::int64_t> fileNumbers_;  // n of every header "WIZ" + n in the file
  std::int64_t nextNumber_ = 0;
};

template <typename Observer, bool kCountLines>
ReadWarnings Parse(std::string_view text, const ActionTable& actions, CommandTable& table,
                   Observer& observer) {
  ScriptParser<Observer, kCountLines> parser(actions, table, observer);
  ForEachLine(text, [&](std::string_view line) { parser.Line(line); });
  parser.Finish();
  return parser.warnings;
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
                         ReadObserver* observer) {
  table.Clear();
  const Utf8Conversion utf8 = ConvertUtf8Text(text);
  if (utf8.Converted) text = utf8.Text;
  if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
    text.remove_prefix(kUtf8ByteOrderMark.size());
  }
  NoObserver none;
  ReadWarnings warnings = observer == nullptr
                              ? Parse<NoObserver, false>(text, actions, table, none)
                              : Parse<ReadObserver, true>(text, actions, table, *observer);
  table.RebuildOrder();
  warnings.ConvertedFromUtf8 = utf8.Converted;
  return warnings;
}

bool ReadScriptFile(const std::string& path, const ActionTable& actions, CommandTable& table,
                    ReadWarnings& warnings) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return false;
  warnings = ParseScript(bytes, actions, table);
  return true;
}

std::vector<std::string> WarningTexts(const ReadWarnings& warnings, std::string_view path) {
  std::vector<std::string> texts;
  const bool quiet = path == "tmp.dat";
  if (warnings.CrossFileReference && !quiet) {
    texts.emplace_back(
        "Die geöffnete Datei beinhaltet Verweise zu anderen Dateien. Dies wird nicht "
        "unterstützt. Das Speichern kann zu Datenverlust führen.");
  }
  if (warnings.UnknownCommands && !quiet) {
    texts.emplace_back(
        "Die geöffnete Datei beinhaltet unbekannte Kommandos. Das Speichern kann zu "
        "Datenverlust führen.");
  }
  if (warnings.SectionsCut) {
    texts.emplace_back(
        "Die geöffnete Datei beinhaltet mehr als 511 Kommandos. Nur die ersten 511 wurden "
        "geladen. Das Speichern kann zu Datenverlust führen.");
  }
  if (warnings.UnknownKeysDropped && !quiet) {
    texts.emplace_back(
        "Die geöffnete Datei beinhaltet unbekannte Einträge. Diese wurden nicht geladen. Das "
        "Speichern kann zu Datenverlust führen.");
  }
  if (warnings.ConvertedFromUtf8 && !quiet) {
    texts.emplace_back(
        "Die Datei war UTF-8-kodiert und wurde nach Windows-1252 umgewandelt; beim Speichern "
        "wird sie in Windows-1252 geschrieben.");
  }
  return texts;
}

}  // namespace wavoria
