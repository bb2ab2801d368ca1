#include "cli/check.h"

#include <algorithm>
#include <memory>

#include "cli/platform.h"
#include "dialogs/details_text.h"
#include "document/command_table.h"
#include "document/file_io.h"
#include "document/list_lines.h"
#include "document/script_reader.h"
#include "document/text.h"
#include "document/utf8_text.h"
#include "wizard/install_plan.h"

namespace wavoria::cli {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr int kCommandSlots = kSlotCount - 1;  // slot 0 is the head

// Whether line is a line of key as the reader takes it: the key name, "=" or
// a blank right after it, and an "=" somewhere. ParseKeyLine gives the value
// of such a line, which may be empty; with one more character behind the
// line, the value is never empty for a line of key, and a line of any other
// kind still gives none.
bool IsLineOfKey(std::string_view line, std::string_view key) {
  return !ParseKeyLine(std::string(line) + "x", key).empty();
}

// What the scan learned about one section: where its lines are.
struct SectionLines {
  int Header = 0;        // line of the "[...]" header
  std::string Name;      // the name as the header writes it
  int ActionLine = 0;    // line that gave Action, 0 when none did
  int NextLine = 0;      // line that gave Next, 0 when none did
  ScriptCommand Fields;  // Action, Next and the parameters as the reader fills them
};

// One pass over the lines of a script by the rules of the reader, noting
// every line the reader drops and the lines that give each section its
// Action and Next.
class LineScan {
 public:
  explicit LineScan(const ActionTable& actions) : actions_(actions) {}

  void Line(int number, std::string_view raw) {
    const std::string_view line = StripBlanks(raw);
    if (line.empty() || line[0] == ';') return;
    if (line[0] == '[') {
      Header(number, line);
    } else {
      KeyLine(number, line);
    }
  }

  void Finish() { CheckAction(); }

  std::vector<SectionLines> sections;  // the sections that fit the table, in file order
  std::vector<std::pair<int, std::string>> findings;

 private:
  void Add(int line, std::string message) { findings.emplace_back(line, std::move(message)); }

  void CheckAction() {
    if (current_ == nullptr) return;
    if (current_->Fields.Action.empty()) {
      Add(current_->Header, "Der Abschnitt [" + current_->Name + "] hat keine Action.");
    } else if (!IsKnownAction(current_->Fields.Action, actions_)) {
      Add(current_->ActionLine, "Unbekannte Action " + Quoted(current_->Fields.Action) + ".");
    }
  }

  void Header(int number, std::string_view line) {
    CheckAction();
    current_ = nullptr;
    ++headers_;
    if (headers_ > kCommandSlots) {
      beyondTable_ = true;
      if (headers_ == kCommandSlots + 1) {
        Add(number,
            "Mehr als 511 Abschnitte: Der Editor lädt diesen und alle folgenden Abschnitte "
            "nicht.");
      }
      return;
    }
    SectionLines section;
    section.Header = number;
    if (line.size() >= 2) section.Name = line.substr(1, line.size() - 2);
    if (line.back() != ']' || line.size() < 2) {
      // The reader drops the last character of a header, whatever it is.
      Add(number, "Die Zeile endet nicht mit ']'; der Editor nimmt [" + section.Name +
                      "] als Namen des Abschnitts.");
    }
    sections.push_back(std::move(section));
    current_ = &sections.back();
  }

  void KeyLine(int number, std::string_view line) {
    if (beyondTable_) return;  // the finding at the 512th header covers these lines
    const std::string_view key = KeyOf(line);
    if (key.empty()) {
      const std::size_t eq = line.find('=');
      if (eq == std::string_view::npos) {
        Add(number,
            "Die Zeile ist kein Eintrag der Form Schlüssel=Wert; der Editor lädt sie nicht.");
      } else {
        Add(number, "Unbekannter Schlüssel " + Quoted(StripBlanks(line.substr(0, eq))) +
                        "; der Editor lädt diese Zeile nicht.");
      }
      return;
    }
    if (current_ == nullptr) {
      Add(number,
          "Der Eintrag steht vor dem ersten Abschnitt und gehört zu keinem Kommando; der Editor "
          "lädt ihn nicht.");
      return;
    }
    const std::string value = ParseKeyLine(line, key);
    std::string& field = FieldOf(current_->Fields, key);
    if (!field.empty()) {
      if (!value.empty()) {
        Add(number, Quoted(key) +
                        " hat in diesem Abschnitt schon einen Wert; der Editor "
                        "ignoriert diese Zeile.");
      }
      return;
    }
    field = value;
    if (value.empty()) return;
    if (&field == &current_->Fields.Action) current_->ActionLine = number;
    if (&field == &current_->Fields.Next) {
      if (value.find(';') != std::string::npos) {
        // The reader empties such a Next, so a later Next line still counts.
        Add(number, "Next=" + value +
                        " verweist auf eine andere Datei; das wird nicht unterstützt, die Kette "
                        "endet hier.");
        field.clear();
      } else {
        current_->NextLine = number;
      }
    }
  }

  // The key a line gives a value for, or "" for a line the reader drops.
  static std::string_view KeyOf(std::string_view line) {
    if (IsLineOfKey(line, "Action")) return "Action";
    if (IsLineOfKey(line, "Next")) return "Next";
    for (const auto& p : kParameterKeys) {
      if (IsLineOfKey(line, p.name)) return p.name;
    }
    return {};
  }

  static std::string& FieldOf(ScriptCommand& cmd, std::string_view key) {
    if (key == "Action") return cmd.Action;
    if (key == "Next") return cmd.Next;
    for (const auto& p : kParameterKeys) {
      if (p.name == key) return cmd.*p.field;
    }
    return cmd.Action;  // not reached: KeyOf names only these keys
  }

  const ActionTable& actions_;
  SectionLines* current_ = nullptr;  // null before the first header and past the table
  int headers_ = 0;
  bool beyondTable_ = false;
};

// Splits text into numbered lines at CR LF, LF or CR, as the reader does.
template <typename F>
void ForEachNumberedLine(std::string_view text, F&& f) {
  int number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    ++number;
    if (end == std::string_view::npos) {
      f(number, text.substr(start));
      return;
    }
    f(number, text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

// The raw key lines the editor shows for a command it can only show as "???",
// joined with commas; empty if its details show something else.
std::string UnknownFormOf(const ScriptCommand& cmd) {
  auto scratch = std::make_unique<CommandTable>();
  scratch->Clear();
  const int slot = scratch->InsertCommand(1);
  ScriptCommand& copy = scratch->Slot(slot);
  copy.Action = cmd.Action;
  for (const auto& p : kParameterKeys) copy.*p.field = cmd.*p.field;
  const std::string text = DetailsOf(*scratch, 1, {}).Text;
  constexpr std::string_view kUnknownTitle = "Unbekanntes Kommando";
  if (text.substr(0, kUnknownTitle.size()) != kUnknownTitle) return {};
  std::string form;
  std::size_t start = kUnknownTitle.size();
  while (start < text.size()) {
    start += LineBreak.size();
    std::size_t end = text.find(LineBreak, start);
    if (end == std::string::npos) end = text.size();
    if (!form.empty()) form += ", ";
    form += text.substr(start, end - start);
    start = end;
  }
  return form;
}

bool IsHeadName(std::string_view name) {
  return EqualsIgnoreCase(name, kHeadName);
}

// The findings about the chain, judged on the document as the reader loads
// it. Slot s holds the s-th section of the file.
void CheckChain(const std::vector<SectionLines>& sections, const CommandTable& table,
                const ActionTable& actions, std::vector<std::pair<int, std::string>>& findings) {
  auto add = [&](int line, std::string message) {
    findings.emplace_back(line, std::move(message));
  };
  const int count = static_cast<int>(sections.size());
  auto lineOf = [&](int slot) { return sections[slot - 1].Header; };
  auto nameOf = [&](int slot) { return sections[slot - 1].Name; };

  if (count > 0 && table.Head().Next.empty()) {
    add(1, "Die Datei hat keinen Abschnitt [Execute]; der Editor zeigt keines ihrer Kommandos.");
  }

  std::vector<bool> inChain(kSlotCount, false);
  for (int p = 1; p <= table.LastPosition(); ++p) inChain[table.SlotAt(p)] = true;

  for (int s = 1; s <= count; ++s) {
    const ScriptCommand& cmd = table.Slot(s);
    // Every lookup finds the first slot of a name; a later one is shadowed.
    const int first = table.FindSection(cmd.SectionName);
    bool shadowed = false;
    if (first != s && first > 0) {
      shadowed = true;
      add(lineOf(s), "Ein Abschnitt namens [" + nameOf(s) + "] steht schon in Zeile " +
                         DecimalText(lineOf(first)) + "; die Kette erreicht nur den ersten.");
    } else if (IsHeadName(nameOf(s))) {
      // Each "[Execute]" gets a name of its own; the chain starts at the last.
      for (int e = 1; e < s; ++e) {
        if (IsHeadName(nameOf(e))) {
          add(lineOf(s), "Ein Abschnitt [Execute] steht schon in Zeile " + DecimalText(lineOf(e)) +
                             "; die Kette beginnt erst hier.");
          break;
        }
      }
    }
    if (!inChain[s] && !shadowed && !table.Head().Next.empty()) {
      add(lineOf(s), "Der Abschnitt [" + nameOf(s) + "] wird von der Kette nie erreicht.");
    }
    if (!cmd.Next.empty() && table.FindSuccessor(cmd) < 0) {
      add(sections[s - 1].NextLine,
          "Next=" + cmd.Next + " verweist auf keinen Abschnitt; die Kette endet hier.");
    }
    if (IsKnownAction(cmd.Action, actions) && DescribeCommand(cmd).Text == "???") {
      const std::string form = UnknownFormOf(cmd);
      add(lineOf(s),
          "Der Editor kann dieses Kommando nur als '\?\?\?' zeigen und nicht bearbeiten" +
              (form.empty() ? std::string() : " (" + form + ")") + ".");
    }
  }

  // The walk stops before a command already placed: a loop shows as a last
  // command whose Next still finds a section.
  const int last = table.LastPosition();
  if (last > 0) {
    const int lastSlot = table.SlotAt(last);
    const int target = table.FindSuccessor(table.Slot(lastSlot));
    if (target >= 0 && lastSlot <= count) {
      const std::string next = "Next=" + table.Slot(lastSlot).Next;
      add(sections[lastSlot - 1].NextLine,
          target == 0
              ? "Die Kette läuft hier in sich zurück: " + next +
                    " führt an ihren Anfang; der Editor zeigt die Kette nur bis hier."
              : "Die Kette läuft hier in sich zurück: " + next + " führt zum Abschnitt in Zeile " +
                    DecimalText(lineOf(target)) + "; der Editor zeigt die Kette nur bis hier.");
    }
  }
}

void CheckFolder(const std::string& folder, const ActionTable& actions,
                 const std::function<void(const Finding&)>& report, bool& found) {
  const FolderListing listing = ListFolder(folder);
  if (!listing.Readable) {
    report({PathText(folder), 1, "Der Ordner kann nicht gelesen werden."});
    found = true;
    return;
  }
  const bool hasSeparator = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
  const std::string base = hasSeparator ? folder : folder + kPathSeparator;
  // Files and subfolders in the order of their names, as a listing shows them.
  std::size_t f = 0;
  std::size_t d = 0;
  while (f < listing.Files.size() || d < listing.Folders.size()) {
    const bool takeFile = d == listing.Folders.size() ||
                          (f < listing.Files.size() && listing.Files[f] < listing.Folders[d]);
    if (takeFile) {
      const std::string& name = listing.Files[f++];
      if (IsScriptFileName(name)) found = CheckPath(base + name, actions, report) || found;
    } else {
      CheckFolder(base + listing.Folders[d++], actions, report, found);
    }
  }
}

}  // namespace

std::string FindingLine(const Finding& finding) {
  return finding.File + ":" + DecimalText(finding.Line) + ": " + finding.Message;
}

std::vector<Finding> CheckScriptText(std::string_view text, const ActionTable& actions,
                                     const std::string& file) {
  // The reader skips a byte-order mark; the line it stands on still counts.
  std::string_view body = text;
  if (body.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
    body.remove_prefix(kUtf8ByteOrderMark.size());
  }
  LineScan scan(actions);
  ForEachNumberedLine(body, [&](int number, std::string_view line) { scan.Line(number, line); });
  scan.Finish();

  auto table = std::make_unique<CommandTable>();
  ParseScript(text, actions, *table);
  CheckChain(scan.sections, *table, actions, scan.findings);

  std::stable_sort(scan.findings.begin(), scan.findings.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Finding> findings;
  for (auto& [line, message] : scan.findings) findings.push_back({file, line, std::move(message)});
  return findings;
}

bool CheckPath(const std::string& path, const ActionTable& actions,
               const std::function<void(const Finding&)>& report) {
  switch (KindOf(path)) {
    case PathKind::Folder: {
      bool found = false;
      CheckFolder(path, actions, report, found);
      return found;
    }
    case PathKind::File: {
      std::string bytes;
      if (ReadWholeFile(path, bytes)) {
        const int utf8Line = FirstUtf8Line(bytes);
        if (utf8Line > 0) report({PathText(path), utf8Line, std::string(kUtf8FindingText)});
        const std::vector<Finding> findings = CheckScriptText(bytes, actions, PathText(path));
        for (const Finding& finding : findings) report(finding);
        return utf8Line > 0 || !findings.empty();
      }
      break;
    }
    case PathKind::Missing:
      report({PathText(path), 1, "Die Datei wurde nicht gefunden."});
      return true;
    case PathKind::Other:
      break;
  }
  report({PathText(path), 1, "Die Datei kann nicht gelesen werden."});
  return true;
}

}  // namespace wavoria::cli
