#include "app/find_replace.h"

#include <algorithm>
#include <utility>

#include "app/list_selection.h"
#include "dialogs/details_text.h"
#include "dialogs/dialog_refusal.h"
#include "document/edit_history.h"
#include "document/script_reader.h"
#include "document/text.h"

namespace wavoria {

namespace {

// A letter of Windows-1252 in upper case: a to z, the accented small letters
// and š, œ, ž, ÿ; every other byte as it is.
unsigned char Folded(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
    return static_cast<unsigned char>(byte - 0x20);
  }
  if (byte == 0x9A || byte == 0x9C || byte == 0x9E) return static_cast<unsigned char>(byte - 0x10);
  return byte == 0xFF ? 0x9F : byte;
}

// Where `text` holds the request's text from `from` on, or npos.
std::size_t Find(std::string_view text, const FindRequest& request, std::size_t from = 0) {
  if (request.Text.empty() || from > text.size()) return std::string_view::npos;
  if (request.MatchCase) return text.find(request.Text, from);
  const auto found = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                                 request.Text.begin(), request.Text.end(),
                                 [](char a, char b) { return Folded(a) == Folded(b); });
  return found == text.end() ? std::string_view::npos
                             : static_cast<std::size_t>(found - text.begin());
}

bool Holds(const CommandTable& table, const std::vector<std::string>& lines, int position,
           const FindRequest& request, FindIn where) {
  if (where == FindIn::kShown) {
    return Find(lines.at(static_cast<std::size_t>(position)), request) != std::string::npos ||
           Find(DetailsOf(table, position, {}).Text, request) != std::string::npos;
  }
  const ScriptCommand& cmd = *table.CommandAt(position);
  return std::any_of(kParameterKeys.begin(), kParameterKeys.end(), [&](const ParameterKey& key) {
    return Find(cmd.*key.field, request) != std::string::npos;
  });
}

// Replaces every occurrence of the request's text in value; false when there is none.
bool ReplaceIn(std::string& value, const FindRequest& request, std::string_view replacement) {
  std::size_t at = Find(value, request);
  if (at == std::string::npos) return false;
  std::string replaced;
  std::size_t from = 0;
  for (; at != std::string::npos; at = Find(value, request, from)) {
    replaced.append(value, from, at - from).append(replacement);
    from = at + request.Text.size();
  }
  replaced.append(value, from);
  value = std::move(replaced);
  return true;
}

// Replaces in the commands of `scope`, as one step that starts with `selected`.
ReplaceOutcome ReplaceInRange(CommandTable& table, const KeyNameTable& keys,
                              const std::vector<std::string>& lines, const FindRequest& request,
                              std::string_view replacement, LineRange scope, LineRange selected) {
  ReplaceOutcome outcome;
  if (!HoldsOnlyCommands(table, scope)) return outcome;
  BeginStep(table, selected);
  for (int p = scope.First; p <= scope.Last; ++p) {
    const ScriptCommand& before = *table.CommandAt(p);
    ScriptCommand after = before;
    std::string refusals;
    int values = 0;
    for (const ParameterKey& key : kParameterKeys) {
      std::string value = after.*key.field;
      if (!ReplaceIn(value, request, replacement)) continue;
      ScriptCommand changed = after;
      changed.*key.field = std::move(value);
      if (const auto refusal = DialogRefusal(before, changed, key, keys)) {
        refusals += (refusals.empty() ? "" : "; ") + *refusal;
      } else {
        after = std::move(changed);
        ++values;
      }
    }
    if (!refusals.empty()) {
      constexpr std::size_t kNamed = 80;  // of the command's list line
      const std::string& line = lines.at(static_cast<std::size_t>(p));
      outcome.Refused.push_back(CutTo(line, kNamed) + (line.size() > kNamed ? "…" : "") + ": " +
                                refusals);
    }
    if (values == 0) continue;
    *table.ChangeAt(p) = std::move(after);
    outcome.Values += values;
    ++outcome.Commands;
  }
  EndStep(table, selected);
  if (outcome.Values > 0) outcome.Lines = selected;
  return outcome;
}

}  // namespace

std::optional<FindResult> FindCommand(const CommandTable& table,
                                      const std::vector<std::string>& lines,
                                      const FindRequest& request, FindIn where,
                                      LineRange selected) {
  const int n = table.LastPosition();
  if (n == 0 || request.Text.empty()) return std::nullopt;
  // Steps from the line next to the selection, through the commands; past
  // the script's end (or start) the search has wrapped.
  const int start =
      request.Down ? std::clamp(selected.Last + 1, 1, n + 1) : std::clamp(selected.First - 1, 0, n);
  for (int step = 0; step < n; ++step) {
    const int offset = request.Down ? start - 1 + step : start - 1 - step;
    const int position = (offset % n + n) % n + 1;
    if (Holds(table, lines, position, request, where)) {
      return FindResult{position, request.Down ? offset >= n : offset < 0};
    }
  }
  return std::nullopt;
}

std::string NotFoundMessage(std::string_view text) {
  return "„" + std::string(text) + "“ wurde nicht gefunden.";
}

bool WrapNotice::Due(const FindRequest& request) {
  std::pair<std::string, bool> searched{request.Text, request.MatchCase};
  if (said_ == searched) return false;
  said_ = std::move(searched);
  return true;
}

std::string WrapNotice::Message(bool down) {
  return down ? "Die Suche hat das Ende des Skripts erreicht und am Anfang weitergesucht."
              : "Die Suche hat den Anfang des Skripts erreicht und am Ende weitergesucht.";
}

ReplaceOutcome ReplaceAll(CommandTable& table, const KeyNameTable& keys,
                          const std::vector<std::string>& lines, const FindRequest& request,
                          std::string_view replacement, LineRange selected) {
  const LineRange scope = selected.IsOneLine() ? LineRange{1, table.LastPosition()} : selected;
  return ReplaceInRange(table, keys, lines, request, replacement, scope, selected);
}

ReplaceOutcome ReplaceInSelected(CommandTable& table, const KeyNameTable& keys,
                                 const std::vector<std::string>& lines, const FindRequest& request,
                                 std::string_view replacement, LineRange selected) {
  if (!selected.IsOneLine()) return {};
  return ReplaceInRange(table, keys, lines, request, replacement, selected, selected);
}

std::string ReplacedMessage(const ReplaceOutcome& outcome) {
  const bool one = outcome.Values == 1;
  std::string text = outcome.Values == 0
                         ? std::string("Kein Wert wurde ersetzt.")
                         : DecimalText(outcome.Values) + (one ? " Wert in " : " Werte in ") +
                               DecimalText(outcome.Commands) +
                               (outcome.Commands == 1 ? " Kommando" : " Kommandos") +
                               (one ? " wurde ersetzt." : " wurden ersetzt.");
  if (outcome.Refused.empty()) return text;
  AppendAll(text, {LineBreak, LineBreak,
                   "Nicht ersetzt, weil der Dialog des Kommandos den neuen Wert nicht annähme:"});
  const std::size_t shown = std::min(outcome.Refused.size(), kWarningLinesShown);
  for (std::size_t i = 0; i < shown; ++i) AppendAll(text, {LineBreak, outcome.Refused[i]});
  if (outcome.Refused.size() > shown) {
    AppendAll(text,
              {LineBreak, AndMoreText(static_cast<std::int64_t>(outcome.Refused.size() - shown))});
  }
  return text;
}

}  // namespace wavoria
