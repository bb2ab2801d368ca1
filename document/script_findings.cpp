#include "document/script_findings.h"

#include <algorithm>
#include <array>
#include <memory>
#include <unordered_map>

#include "document/command_kinds.h"
#include "document/ini_line.h"
#include "document/list_lines.h"
#include "document/script_encoding.h"
#include "document/text.h"

namespace wavoria {

using W = ReadWarning;

void ScriptLines::Start(std::size_t nulAt, std::size_t changedAt) {
  nulAt_ = nulAt;
  changedAt_ = changedAt;
}

void ScriptLines::Header(int line, std::string_view name, int slot) {
  if (slot == -1) {
    if (!beyondTable_) {
      Add(line,
          "Mehr als 511 Abschnitte: Der Editor lädt diesen und alle folgenden Abschnitte nicht.",
          W::kSectionsCut);
    }
    beyondTable_ = true;
    return;
  }
  sections_.push_back({line, std::string(name), {}, {}, {}});
}

void ScriptLines::KeyLine(int line, int slot, std::size_t key, std::string_view name,
                          std::string_view value, KeyUse use) {
  Section& section = sections_[static_cast<std::size_t>(slot - 1)];
  if (use == KeyUse::kCrossFile) {
    // The reader empties such a Next, so a later Next line still counts.
    Add(line,
        "Next=" + std::string(value) +
            " verweist auf eine andere Datei; das wird nicht unterstützt, die Kette endet hier.",
        W::kCrossFileReference);
  } else if (use == KeyUse::kIgnored) {
    // An ignored line follows the line that gave the key; an empty one loses nothing.
    const int first = section.KeyLines[key];
    if (value.empty() || first == 0) return;
    Add(line,
        Quoted(name) + " steht in diesem Abschnitt schon in Zeile " + DecimalText(first) +
            "; Spiel und Editor nehmen nur die erste Zeile.",
        W::kDuplicateKeys);
  } else {
    section.KeyLines[key] = line;
    if (DisplayedSize(value) > section.Longest) {
      section.Longest = DisplayedSize(value);
      section.LongestLine = line;
    }
  }
}

void ScriptLines::DroppedLine(int line, std::string_view text, Dropped why) {
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
    Add(line, "Unbekannter Schlüssel " + Quoted(ini.Name) + "; der Editor lädt diese Zeile nicht.",
        W::kUnknownKeysDropped);
  }
}

// The messages quote the document's text as the editor's controls show it.
void ScriptLines::Add(int line, std::string message, ReadWarning warning) {
  MakeDisplayable(message, std::string::npos);
  findings_.push_back({line, std::move(message), warning});
}

namespace {

bool IsHeadName(std::string_view name) {
  return EqualsIgnoreCase(name, kHeadName);
}

// A section name's hash and equality, letters A to Z in any case, as the
// table's lookups compare names.
struct NameHash {
  std::size_t operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037u;
    for (char c : name) hash = (hash ^ static_cast<unsigned char>(c & ~0x20)) * 1099511628211u;
    return hash;
  }
};
struct SameName {
  bool operator()(std::string_view a, std::string_view b) const { return EqualsIgnoreCase(a, b); }
};

}  // namespace

// The findings about the chain, judged on the document as the reader loads
// it, with what the reader noticed. Slot s holds the s-th section of the file.
void ScriptLines::CheckChain(const CommandTable& table, const ActionTable& actions,
                             const ReadWarnings& read) {
  const std::vector<Section>& sections = sections_;
  const int count = static_cast<int>(sections.size());
  auto lineOf = [&](int slot) { return sections[slot - 1].Header; };
  auto nameOf = [&](int slot) -> const std::string& { return sections[slot - 1].Name; };

  // The reader tells whether any section has no known Action.
  for (int s = 1; s <= count && read.UnknownCommands; ++s) {
    const std::string& action = table.Slot(s).Action;
    if (action.empty()) {
      Add(lineOf(s), "Der Abschnitt [" + nameOf(s) + "] hat keine Action.", W::kUnknownCommands);
    } else if (!IsKnownAction(action, actions)) {
      Add(sections[s - 1].KeyLines[0], "Unbekannte Action " + Quoted(action) + ".",
          W::kUnknownCommands);
    }
  }

  if (count > 0 && table.Head().Next.empty()) {
    Add(1, "Die Datei hat keinen Abschnitt [Execute]; der Editor zeigt keines ihrer Kommandos.",
        W::kChainGaps);
  }

  std::vector<bool> inChain(kSlotCount, false);
  for (int p = 1; p <= table.LastPosition(); ++p) inChain[table.SlotAt(p)] = true;

  // The slot each name leads to, as the table's lookups find it (the first
  // of the name, letters A to Z in any case): indexed once, when the first
  // section outside the chain asks. A section in the chain was found by its
  // name, and so was the next one of every command in it but the last.
  std::unordered_map<std::string_view, int, NameHash, SameName> firstOfName;
  auto slotNamed = [&](std::string_view name) {
    if (firstOfName.empty()) {
      firstOfName.reserve(static_cast<std::size_t>(table.SlotsInUse()));
      for (int s = 0; s < table.SlotsInUse(); ++s) {
        const std::string& section = table.Slot(s).SectionName;
        if (!section.empty()) firstOfName.try_emplace(section, s);
      }
    }
    const auto found = name.empty() ? firstOfName.end() : firstOfName.find(name);
    return found == firstOfName.end() ? -1 : found->second;
  };
  const int lastSlot = table.SlotAt(table.LastPosition());

  for (int s = 1; s <= count; ++s) {
    const ScriptCommand& cmd = table.Slot(s);
    // Every lookup finds the first slot of a name; a later one is shadowed.
    // A later "[Execute]" was given a name of its own: the chain starts at the
    // first, as the game finds it.
    int first = inChain[s] ? s : slotNamed(cmd.SectionName);
    if (IsHeadName(nameOf(s))) {
      first = 1;  // the first "[Execute]": s at the latest
      while (!IsHeadName(nameOf(first))) ++first;
    }
    const bool shadowed = first != s;
    if (shadowed) {
      Add(lineOf(s),
          "Ein Abschnitt namens [" + nameOf(s) + "] steht schon in Zeile " +
              DecimalText(lineOf(first)) + "; die Kette erreicht nur den ersten.",
          W::kChainGaps);
    }
    if (!inChain[s] && !shadowed && !table.Head().Next.empty()) {
      Add(lineOf(s), "Der Abschnitt [" + nameOf(s) + "] wird von der Kette nie erreicht.",
          W::kChainGaps);
    }
    const bool leadsOn = inChain[s] && s != lastSlot;
    if (!cmd.Next.empty() && !leadsOn && slotNamed(cmd.Next) < 0) {
      Add(sections[s - 1].KeyLines[1],
          "Next=" + cmd.Next + " verweist auf keinen Abschnitt; die Kette endet hier.",
          W::kChainGaps);
    }
    const CommandKind& kind = KindOf(cmd);
    if (kind.IsUnknownForm() && IsKnownAction(cmd.Action, actions)) {
      Add(lineOf(s),
          "Der Editor kann dieses Kommando nur als '\?\?\?' zeigen und nicht bearbeiten (" +
              UnknownFormLines(kind, cmd, ", ") + ").",
          W::kShownAsUnknown);
    }
    if (read.CutInList && inChain[s] && ListLineIsCut(cmd)) {
      Add(sections[s - 1].LongestLine,
          "Der Wert ist zu lang für die Kommandoliste: Sie zeigt dieses Kommando gekürzt, "
          "das Spiel liest den ganzen Wert.",
          W::kCutInList);
    }
  }

  // The walk stops before a command already placed: a loop shows as a last
  // command whose Next still finds a section (an empty chain has no last
  // command, and the head's Next then finds none).
  const int target = table.FindSuccessor(table.Slot(lastSlot));
  if (target >= 0 && lastSlot <= count) {
    const std::string next = "Next=" + table.Slot(lastSlot).Next;
    Add(sections[lastSlot - 1].KeyLines[1],
        target == 0
            ? "Die Kette läuft hier in sich zurück: " + next +
                  " führt an ihren Anfang; der Editor zeigt die Kette nur bis hier."
            : "Die Kette läuft hier in sich zurück: " + next + " führt zum Abschnitt in Zeile " +
                  DecimalText(lineOf(target)) + "; der Editor zeigt die Kette nur bis hier.",
        W::kChainGaps);
  }
}

std::vector<ScriptFinding> ScriptLines::Findings(std::string_view bytes,
                                                 const TextConversion& conversion,
                                                 const CommandTable& table,
                                                 const ActionTable& actions,
                                                 const ReadWarnings& read) {
  if (conversion.From == TextEncoding::kUtf16) {
    Add(1, "Die Datei ist UTF-16-kodiert; der Editor wandelt sie beim Öffnen nach Windows-1252 um.",
        W::kConverted);
  } else if (conversion.Converted) {
    Add(changedLine_,
        bytes.starts_with("\xEF\xBB\xBF")
            ? "Die Datei ist UTF-8-kodiert; der Editor wandelt sie beim Öffnen nach "
              "Windows-1252 um."
            : "Die Datei ist UTF-8-kodiert, ohne Byte-Order-Mark: Das Spiel liest sie als "
              "Windows-1252 und zeigt Zeichen wie diese falsch; der Editor wandelt sie beim "
              "Öffnen nach Windows-1252 um, nach dem Speichern stimmen sie auch im Spiel.",
        W::kConverted);
  }
  if (read.NulBytes) {
    Add(nulLine_,
        "Die Zeile enthält ein Nullzeichen; Spiel und Editor lesen Namen, Schlüssel und Werte "
        "nur bis dorthin.",
        W::kNulBytes);
  }
  CheckChain(table, actions, read);
  std::stable_sort(findings_.begin(), findings_.end(),
                   [](const auto& a, const auto& b) { return a.Line < b.Line; });
  return std::move(findings_);
}

std::vector<ScriptFinding> FindingsOf(std::string_view text, const ActionTable& actions,
                                      CommandTable& table, std::vector<int>& headerLines) {
  ScriptLines lines;
  ReadWarnings read = ParseScript(text, actions, table, lines);
  headerLines.clear();
  for (const ScriptLines::Section& section : lines.Sections())
    headerLines.push_back(section.Header);
  return std::move(read.Lines);
}

std::vector<ScriptFinding> FindingsOf(std::string_view text, const ActionTable& actions) {
  // One table of 512 slots per thread, kept: a read empties only the slots
  // the last one used.
  thread_local const std::unique_ptr<CommandTable> table = std::make_unique<CommandTable>();
  return ParseScript(text, actions, *table).Lines;
}

}  // namespace wavoria
