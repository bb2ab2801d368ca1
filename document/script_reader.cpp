#include "document/script_reader.h"

#include <array>
#include <unordered_set>

#include "document/file_io.h"
#include "document/text.h"

namespace wavoria {

namespace {

constexpr std::string_view kNameMarker = ";WIZDESC$";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The seventeen keys the reader takes.
bool IsKnownKeyLine(std::string_view line) {
  static constexpr std::array<std::string_view, 2> kLinks = {"Action", "Next"};
  auto matches = [&](std::string_view key) {
    if (line.size() <= key.size() || !StartsWithIgnoreCase(line, key)) return false;
    char after = line[key.size()];
    return (after == '=' || after == ' ') && line.find('=') != std::string_view::npos;
  };
  for (auto key : kLinks) {
    if (matches(key)) return true;
  }
  for (const auto& p : kParameterKeys) {
    if (matches(p.name)) return true;
  }
  return false;
}

// Splits text into lines at CR LF, LF or CR and hands each to f.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      f(text.substr(start));
      return;
    }
    f(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

class ScriptParser {
 public:
  ScriptParser(const ActionTable& actions, CommandTable& table)
      : actions_(actions), table_(table) {}

  void Line(std::string_view raw) {
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

  void Finish() { CheckCurrentAction(); }

  // Names borne by headers anywhere in the file, in upper case: a generated
  // name must not be one that a later section of the file brings along.
  std::unordered_set<std::string> fileNames;

  ReadWarnings warnings;

 private:
  // The smallest "WIZ" name that no slot read so far and no header of the
  // file bears.
  // Names only get taken while the file is read, so the search goes on from
  // where the last one ended.
  std::string GeneratedName() {
    for (;; ++nextNumber_) {
      std::string name = "WIZ" + DecimalText(nextNumber_);
      if (fileNames.count(name) == 0 && !table_.SectionExists(name)) return name;
    }
  }

  void CheckCurrentAction() {
    if (current_ > 0 && !IsKnownAction(table_.Slot(current_).Action, actions_)) {
      warnings.UnknownCommands = true;
    }
  }

  void Header(std::string_view line) {
    CheckCurrentAction();
    ++sections_;
    if (sections_ >= kSlotCount) {
      // No slot is left: the rest of the file is not taken in.
      warnings.SectionsCut = true;
      current_ = -1;
      return;
    }
    current_ = sections_;
    ScriptCommand& cmd = table_.Slot(current_);
    std::string name(line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string_view{});
    if (EqualsIgnoreCase(name, kHeadName)) {
      cmd.SectionName = GeneratedName();
      table_.Head().Next = cmd.SectionName;
    } else if (name.empty()) {
      // A nameless section would count as a free slot and lose its lines;
      // it keeps them under a generated name instead.
      cmd.SectionName = GeneratedName();
    } else {
      cmd.SectionName = std::move(name);
    }
  }

  void KeyLine(std::string_view line) {
    if (!IsKnownKeyLine(line)) {
      if (current_ != -1) warnings.UnknownKeysDropped = true;
      return;
    }
    if (current_ == 0) {
      // A key line above the first header belongs to no command.
      warnings.UnknownKeysDropped = true;
      return;
    }
    if (current_ < 0) return;
    ScriptCommand& cmd = table_.Slot(current_);
    if (cmd.Action.empty()) cmd.Action = ParseKeyLine(line, "Action");
    if (cmd.Next.empty()) cmd.Next = ParseKeyLine(line, "Next");
    if (cmd.Next.find(';') != std::string::npos) {
      cmd.Next.clear();
      warnings.CrossFileReference = true;
    }
    for (const auto& p : kParameterKeys) {
      std::string& field = cmd.*p.field;
      if (field.empty()) field = ParseKeyLine(line, p.name);
    }
  }

  const ActionTable& actions_;
  CommandTable& table_;
  int sections_ = 0;
  int current_ = 0;  // 0 before the first header, -1 once the slots ran out
  std::int64_t nextNumber_ = 0;
};

}  // namespace

std::string ParseKeyLine(std::string_view line, std::string_view key) {
  std::string_view t = StripBlanks(line);
  if (t.size() < key.size() + 1) return {};
  if (!StartsWithIgnoreCase(t, key)) return {};
  if (t[key.size()] != '=' && t[key.size()] != ' ') return {};
  std::size_t eq = t.find('=');
  // A line without "=" has no value (rather than the whole line as one).
  if (eq == std::string_view::npos || eq + 1 == t.size()) return {};
  return std::string(StripBlanks(t.substr(eq + 1)));
}

bool IsKnownAction(std::string_view action, const ActionTable& actions) {
  if (action.empty()) return false;
  for (const auto& entry : actions) {
    if (!entry.Name.empty() && EqualsIgnoreCase(entry.Name, action)) return true;
  }
  return false;
}

ReadWarnings ParseScript(std::string_view text, const ActionTable& actions, CommandTable& table) {
  table.Clear();
  if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
    text.remove_prefix(kUtf8ByteOrderMark.size());
  }
  ScriptParser parser(actions, table);
  ForEachLine(text, [&](std::string_view raw) {
    std::string_view line = StripBlanks(raw);
    if (!line.empty() && line[0] == '[' && line.size() >= 2) {
      parser.fileNames.insert(ToUpperAscii(line.substr(1, line.size() - 2)));
    }
  });
  ForEachLine(text, [&](std::string_view line) { parser.Line(line); });
  parser.Finish();
  table.RebuildOrder();
  return parser.warnings;
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
  return texts;
}

}  // namespace wavoria
