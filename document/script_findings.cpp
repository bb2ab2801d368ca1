#include "document/script_findings.h"

#include <algorithm>
#include <memory>

#include "document/command_kinds.h"
#include "document/ini_line.h"
#include "document/list_lines.h"
#include "document/script_encoding.h"
#include "document/text.h"

namespace wavoria {

namespace {

using W = ReadWarning;

// What the reader reports about the lines of one file: every line it drops,
// and where each section's header and keys stand.
class LineFindings final : public ReadObserver {
 public:
  struct SectionLines {
    int Header{};      // line of the "[...]" header
    std::string Name;  // the section's name as the header gives it
    int ActionLine{};  // line that gave the Action
    int NextLine{};    // line that gave the Next
    std::vector<std::pair<std::string ScriptCommand::*, int>> Keys;  // each key's counting line
    std::size_t Longest{};                                           // the longest value
    int LongestLine{};                                               // and its line
  };

  std::vector<SectionLines> sections;  // slot s is sections[s - 1]
  std::vector<ScriptFinding> findings;

  void Header(int line, std::string_view, std::string_view name, int slot) override {
    if (slot == -1) {
      if (!beyondTable_) {
        Add(line,
            "Mehr als 511 Abschnitte: Der Editor lädt diesen und alle folgenden Abschnitte "
            "nicht.",
            W::kSectionsCut);
      }
      beyondTable_ = true;
      return;
    }
    sections.push_back({line, std::string(name), {}, {}, {}, {}, {}});
  }

  void KeyLine(int line, int slot, const ParameterKey& key, std::string_view value,
               KeyUse use) override {
    SectionLines& section = sections[slot - 1];
    if (use == KeyUse::kCrossFile) {
      // The reader empties such a Next, so a later Next line still counts.
      Add(line,
          "Next=" + std::string(value) +
              " verweist auf eine andere Datei; das wird nicht unterstützt, die Kette endet hier.",
          W::kCrossFileReference);
    } else if (use == KeyUse::kIgnored) {
      const auto first = std::find_if(section.Keys.begin(), section.Keys.end(),
                                      [&](const auto& k) { return k.first == key.field; });
      if (value.empty() || first == section.Keys.end()) return;
      Add(line,
          Quoted(key.name) + " steht in diesem Abschnitt schon in Zeile " +
              DecimalText(first->second) + "; Spiel und Editor nehmen nur die erste Zeile.",
          W::kDuplicateKeys);
    } else {
      section.Keys.emplace_back(key.field, line);
      if (key.field == &ScriptCommand::Action) section.ActionLine = line;
      if (key.field == &ScriptCommand::Next) section.NextLine = line;
      if (DisplayedSize(value) > section.Longest) {
        section.Longest = DisplayedSize(value);
        section.LongestLine = line;
      }
    }
  }

  void DroppedLine(int line, std::string_view text, Dropped why) override {
    const IniLine ini = ReadIniLine(text);
    if (why == Dropped::kBeforeFirstSection) {
      Add(line,
          "Der Eintrag steht vor dem ersten Abschnitt und gehört zu keinem Kommando; der Editor "
          "lädt ihn nicht.",
          W::kUnknownKeysDropped);
    } else if (text.starts_with('[')) {
      Add(line,
          "Die Zeile beginnt mit '[', hat aber kein ']' und ist deshalb kein Abschnitt: Was ihr "
          "folgt, gehört im Spiel wie im Editor zum Abschnitt davor.",
          W::kUnknownKeysDropped);
    } else if (!ini.HasEquals) {
      Add(line, "Die Zeile ist kein Eintrag der Form Schlüssel=Wert; der Editor lädt sie nicht.",
          W::kUnknownKeysDropped);
    } else {
      Add(line,
          "Unbekannter Schlüssel " + Quoted(ini.Name) + "; der Editor lädt diese Zeile nicht.",
          W::kUnknownKeysDropped);
    }
  }

  // The messages quote the document's text as the editor's controls show it.
  void Add(int line, const std::string& message, ReadWarning warning) {
    findings.push_back({line, Displayable(message), warning});
  }

 private:
  bool beyondTable_ = false;
};

bool IsHeadName(std::string_view name) {
  return EqualsIgnoreCase(name, kHeadName);
}

// The findings about the chain, judged on the document as the reader loads
// it. Slot s holds the s-th section of the file.
void CheckChain(LineFindings& lines, const CommandTable& table, const ActionTable& actions) {
  const std::vector<LineFindings::SectionLines>& sections = lines.sections;
  const int count = static_cast<int>(sections.size());
  auto lineOf = [&](int slot) { return sections[slot - 1].Header; };
  auto nameOf = [&](int slot) { return sections[slot - 1].Name; };

  for (int s = 1; s <= count; ++s) {
    const std::string& action = table.Slot(s).Action;
    if (action.empty()) {
      lines.Add(lineOf(s), "Der Abschnitt [" + nameOf(s) + "] hat keine Action.",
                W::kUnknownCommands);
    } else if (!IsKnownAction(action, actions)) {
      lines.Add(sections[s - 1].ActionLine, "Unbekannte Action " + Quoted(action) + ".",
                W::kUnknownCommands);
    }
  }

  if (count > 0 && table.Head().Next.empty()) {
    lines.Add(1,
              "Die Datei hat keinen Abschnitt [Execute]; der Editor zeigt keines ihrer Kommandos.",
              W::kChainGaps);
  }

  std::vector<bool> inChain(kSlotCount, false);
  for (int p = 1; p <= table.LastPosition(); ++p) inChain[table.SlotAt(p)] = true;

  for (int s = 1; s <= count; ++s) {
    const ScriptCommand& cmd = table.Slot(s);
    // Every lookup finds the first slot of a name; a later one is shadowed.
    // A later "[Execute]" was given a name of its own: the chain starts at the
    // first, as the game finds it.
    int first = table.FindSection(cmd.SectionName);
    if (IsHeadName(nameOf(s))) {
      first = s;
      for (int e = 1; e < s && first == s; ++e) {
        if (IsHeadName(nameOf(e))) first = e;
      }
    }
    const bool shadowed = first != s;
    if (shadowed) {
      lines.Add(lineOf(s),
                "Ein Abschnitt namens [" + nameOf(s) + "] steht schon in Zeile " +
                    DecimalText(lineOf(first)) + "; die Kette erreicht nur den ersten.",
                W::kChainGaps);
    }
    if (!inChain[s] && !shadowed && !table.Head().Next.empty()) {
      lines.Add(lineOf(s), "Der Abschnitt [" + nameOf(s) + "] wird von der Kette nie erreicht.",
                W::kChainGaps);
    }
    if (!cmd.Next.empty() && table.FindSuccessor(cmd) < 0) {
      lines.Add(sections[s - 1].NextLine,
                "Next=" + cmd.Next + " verweist auf keinen Abschnitt; die Kette endet hier.",
                W::kChainGaps);
    }
    const CommandKind& kind = KindOf(cmd);
    if (IsKnownAction(cmd.Action, actions) && kind.IsUnknownForm()) {
      lines.Add(lineOf(s),
                "Der Editor kann dieses Kommando nur als '\?\?\?' zeigen und nicht bearbeiten (" +
                    UnknownFormLines(kind, cmd, ", ") + ").",
                W::kShownAsUnknown);
    }
    if (inChain[s] && ListLineIsCut(cmd)) {
      lines.Add(sections[s - 1].LongestLine,
                "Der Wert ist zu lang für die Kommandoliste: Sie zeigt dieses Kommando gekürzt, "
                "das Spiel liest den ganzen Wert.",
                W::kCutInList);
    }
  }

  // The walk stops before a command already placed: a loop shows as a last
  // command whose Next still finds a section (an empty chain has no last
  // command, and the head's Next then finds none).
  const int lastSlot = table.SlotAt(table.LastPosition());
  const int target = table.FindSuccessor(table.Slot(lastSlot));
  if (target >= 0 && lastSlot <= count) {
    const std::string next = "Next=" + table.Slot(lastSlot).Next;
    lines.Add(sections[lastSlot - 1].NextLine,
              target == 0 ? "Die Kette läuft hier in sich zurück: " + next +
                                " führt an ihren Anfang; der Editor zeigt die Kette nur bis hier."
                          : "Die Kette läuft hier in sich zurück: " + next +
                                " führt zum Abschnitt in Zeile " + DecimalText(lineOf(target)) +
                                "; der Editor zeigt die Kette nur bis hier.",
              W::kChainGaps);
  }
}

// The line of text[offset], counted as the reader splits lines.
int LineAt(std::string_view text, std::size_t offset) {
  int line = 1;
  for (std::size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
      ++line;
    }
  }
  return line;
}

// The findings about the file's bytes: a conversion, and NUL bytes.
void CheckBytes(std::string_view bytes, LineFindings& lines) {
  const TextConversion conversion = ConvertScriptBytes(bytes);
  const std::string_view text = TextOf(conversion, bytes);
  if (conversion.From == TextEncoding::kUtf16) {
    lines.Add(1,
              "Die Datei ist UTF-16-kodiert; der Editor wandelt sie beim Öffnen nach "
              "Windows-1252 um.",
              W::kConverted);
  } else if (conversion.Converted) {
    lines.Add(LineAt(text, conversion.FirstChanged),
              bytes.starts_with("\xEF\xBB\xBF")
                  ? "Die Datei ist UTF-8-kodiert; der Editor wandelt sie beim Öffnen nach "
                    "Windows-1252 um."
                  : "Die Datei ist UTF-8-kodiert, ohne Byte-Order-Mark: Das Spiel liest sie als "
                    "Windows-1252 und zeigt Zeichen wie diese falsch; der Editor wandelt sie beim "
                    "Öffnen nach Windows-1252 um, nach dem Speichern stimmen sie auch im Spiel.",
              W::kConverted);
  }
  const std::size_t nul = text.find('\0');
  if (nul != std::string_view::npos) {
    lines.Add(LineAt(text, nul),
              "Die Zeile enthält ein Nullzeichen; Spiel und Editor lesen Namen, Schlüssel und "
              "Werte nur bis dorthin.",
              W::kNulBytes);
  }
}

}  // namespace

std::vector<ScriptFinding> FindingsOf(std::string_view text, const ActionTable& actions) {
  LineFindings lines;
  CheckBytes(text, lines);
  // One table of 512 slots per thread, kept: a read empties only the slots
  // the last one used.
  thread_local const std::unique_ptr<CommandTable> table = std::make_unique<CommandTable>();
  ParseScript(text, actions, *table, &lines);
  CheckChain(lines, *table, actions);
  std::stable_sort(lines.findings.begin(), lines.findings.end(),
                   [](const auto& a, const auto& b) { return a.Line < b.Line; });
  return std::move(lines.findings);
}

}  // namespace wavoria
