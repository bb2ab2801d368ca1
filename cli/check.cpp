#include "cli/check.h"

#include <algorithm>
#include <memory>

#include "cli/platform.h"
#include "document/command_kinds.h"
#include "document/command_table.h"
#include "document/file_io.h"
#include "document/script_reader.h"
#include "document/text.h"
#include "document/utf8_text.h"
#include "wizard/install_plan.h"

namespace wavoria::cli {

namespace {

// What the reader reports about the lines of one file: every line it drops,
// and where each section's header, Action and Next stand.
class LineFindings final : public ReadObserver {
 public:
  struct SectionLines {
    int Header{};      // line of the "[...]" header
    std::string Name;  // the name as the header writes it
    int ActionLine{};  // line that gave a non-empty Action (read only when there is one)
    int NextLine{};    // line that gave a non-empty Next (likewise)
  };

  std::vector<SectionLines> sections;  // slot s is sections[s - 1]
  std::vector<std::pair<int, std::string>> findings;

  void Header(int line, std::string_view text, std::string_view name, int slot) override {
    if (slot == -1) {
      if (!beyondTable_) {
        Add(line,
            "Mehr als 511 Abschnitte: Der Editor lädt diesen und alle folgenden Abschnitte "
            "nicht.");
      }
      beyondTable_ = true;
      return;
    }
    if (text.size() < 2 || text.back() != ']') {
      // The reader drops the last character of a header, whatever it is.
      Add(line, "Die Zeile endet nicht mit ']'; der Editor nimmt [" + std::string(name) +
                    "] als Namen des Abschnitts.");
    }
    sections.push_back({line, std::string(name), {}, {}});
  }

  void KeyLine(int line, int slot, const ParameterKey& key, std::string_view value,
               KeyUse use) override {
    SectionLines& section = sections[slot - 1];
    if (use == KeyUse::kCrossFile) {
      // The reader empties such a Next, so a later Next line still counts.
      Add(line, "Next=" + std::string(value) +
                    " verweist auf eine andere Datei; das wird nicht unterstützt, die Kette "
                    "endet hier.");
    } else if (use == KeyUse::kIgnored) {
      if (!value.empty()) {
        Add(line, Quoted(key.name) +
                      " hat in diesem Abschnitt schon einen Wert; der Editor ignoriert diese "
                      "Zeile.");
      }
    } else if (!value.empty()) {
      if (key.field == &ScriptCommand::Action) section.ActionLine = line;
      if (key.field == &ScriptCommand::Next) section.NextLine = line;
    }
  }

  void DroppedLine(int line, std::string_view text, Dropped why) override {
    const std::size_t eq = text.find('=');
    if (why == Dropped::kBeforeFirstSection) {
      Add(line,
          "Der Eintrag steht vor dem ersten Abschnitt und gehört zu keinem Kommando; der Editor "
          "lädt ihn nicht.");
    } else if (eq == std::string_view::npos) {
      Add(line, "Die Zeile ist kein Eintrag der Form Schlüssel=Wert; der Editor lädt sie nicht.");
    } else {
      Add(line, "Unbekannter Schlüssel " + Quoted(StripBlanks(text.substr(0, eq))) +
                    "; der Editor lädt diese Zeile nicht.");
    }
  }

  void Add(int line, std::string message) { findings.emplace_back(line, std::move(message)); }

 private:
  bool beyondTable_ = false;
};

bool IsHeadName(std::string_view name) {
  return EqualsIgnoreCase(name, kHeadName);
}

// The findings about the chain, judged on the document as the reader loads
// it. Slot s holds the s-th section of the file.
void CheckChain(const std::vector<LineFindings::SectionLines>& sections, const CommandTable& table,
                const ActionTable& actions, std::vector<std::pair<int, std::string>>& findings) {
  auto add = [&](int line, std::string message) {
    findings.emplace_back(line, std::move(message));
  };
  const int count = static_cast<int>(sections.size());
  auto lineOf = [&](int slot) { return sections[slot - 1].Header; };
  auto nameOf = [&](int slot) { return sections[slot - 1].Name; };

  for (int s = 1; s <= count; ++s) {
    const std::string& action = table.Slot(s).Action;
    if (action.empty()) {
      add(lineOf(s), "Der Abschnitt [" + nameOf(s) + "] hat keine Action.");
    } else if (!IsKnownAction(action, actions)) {
      add(sections[s - 1].ActionLine, "Unbekannte Action " + Quoted(action) + ".");
    }
  }

  if (count > 0 && table.Head().Next.empty()) {
    add(1, "Die Datei hat keinen Abschnitt [Execute]; der Editor zeigt keines ihrer Kommandos.");
  }

  std::vector<bool> inChain(kSlotCount, false);
  for (int p = 1; p <= table.LastPosition(); ++p) inChain[table.SlotAt(p)] = true;

  for (int s = 1; s <= count; ++s) {
    const ScriptCommand& cmd = table.Slot(s);
    // Every lookup finds the first slot of a name; a later one is shadowed.
    // (A second [Execute] was given a name of its own, so it is never the head.)
    const int first = table.FindSection(cmd.SectionName);
    bool shadowed = false;
    if (first != s) {
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
    const CommandKind& kind = KindOf(cmd);
    if (IsKnownAction(cmd.Action, actions) && kind.IsUnknownForm()) {
      add(lineOf(s),
          "Der Editor kann dieses Kommando nur als '\?\?\?' zeigen und nicht bearbeiten (" +
              UnknownFormLines(kind, cmd, ", ") + ").");
    }
  }

  // The walk stops before a command already placed: a loop shows as a last
  // command whose Next still finds a section (an empty chain has no last
  // command, and the head's Next then finds none).
  const int lastSlot = table.SlotAt(table.LastPosition());
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

void CheckFolder(const std::string& folder, const ActionTable& actions,
                 const std::function<void(const Finding&)>& report) {
  const FolderListing listing = ListFolder(folder);
  if (!listing.Readable) {
    report({PathText(folder), 1, "Der Ordner kann nicht gelesen werden."});
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
      if (IsScriptFileName(name)) CheckPath(base + name, actions, report);
    } else {
      CheckFolder(base + listing.Folders[d++], actions, report);
    }
  }
}

}  // namespace

std::string FindingLine(const Finding& finding) {
  return finding.File + ":" + DecimalText(finding.Line) + ": " + finding.Message;
}

std::vector<Finding> CheckScriptText(std::string_view text, const ActionTable& actions,
                                     const std::string& file) {
  LineFindings lines;
  auto table = std::make_unique<CommandTable>();
  ParseScript(text, actions, *table, &lines);
  CheckChain(lines.sections, *table, actions, lines.findings);

  std::stable_sort(lines.findings.begin(), lines.findings.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Finding> findings;
  for (auto& [line, message] : lines.findings) findings.push_back({file, line, std::move(message)});
  return findings;
}

void CheckPath(const std::string& path, const ActionTable& actions,
               const std::function<void(const Finding&)>& report) {
  switch (KindOf(path)) {
    case PathKind::Folder:
      CheckFolder(path, actions, report);
      return;
    case PathKind::File: {
      std::string bytes;
      if (ReadWholeFile(path, bytes)) {
        const int utf8Line = FirstUtf8Line(bytes);
        if (utf8Line > 0) report({PathText(path), utf8Line, std::string(kUtf8FindingText)});
        const std::vector<Finding> findings = CheckScriptText(bytes, actions, PathText(path));
        for (const Finding& finding : findings) report(finding);
        return;
      }
      break;
    }
    case PathKind::Missing:
      report({PathText(path), 1, "Die Datei wurde nicht gefunden."});
      return;
    case PathKind::Other:
      break;
  }
  report({PathText(path), 1, "Die Datei kann nicht gelesen werden."});
}

}  // namespace wavoria::cli
