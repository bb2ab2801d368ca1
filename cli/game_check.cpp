#include "cli/game_check.h"

#include <algorithm>
#include <tuple>

#include "app/game_overview.h"
#include "document/text.h"
#include "platform/cli_platform.h"

namespace wavoria::cli {

namespace {

const std::string& PathOf(const GameModel& game, int script) {
  return script < 0 ? game.AutorunPath : game.Scripts[static_cast<std::size_t>(script)].Path;
}

// "FILE:LINE" of a place, the file as the system names it.
std::string Location(const GameModel& game, const ClashPlace& place) {
  return PathText(PathOf(game, place.Script)) + ":" + DecimalText(place.Line);
}

// "Taste drücken F5, Wert 7, Originalfunktion gesperrt".
std::string RegistrationLine(const Registration& r) {
  using K = RegistrationKind;
  std::string line(KindText(r.Kind));
  const std::string value = ValueShown(r);
  if (r.IsEvent()) {
    AppendAll(line, {" ", NameShown(r), ", Wert ", value});
  } else if (r.Kind == K::kMouseOn) {
    AppendAll(line, {", Maus-ID ", value});
  } else if (!value.empty()) {
    AppendAll(line, {" ", value});
  }
  if (const std::string_view option = OptionText(r); !option.empty()) {
    AppendAll(line, {", ", option});
  }
  return line;
}

std::string ScriptHeading(const GameScript& script) {
  std::string heading = PathText(script.Path);
  if (script.RunsAtStart()) {
    AppendAll(heading,
              {" (beim Start, autorun.script Zeile ", DecimalText(script.AutorunLine), ")"});
  }
  if (script.State == ScriptState::kMissing) return heading + ": fehlt";
  if (script.State == ScriptState::kUnreadable) return heading + ": kann nicht gelesen werden";
  return heading + ":";
}

// The clashes of one weight: each as "FILE:LINE: sentence" at its first
// place, its other places below it.
std::string ClashLines(const GameModel& game, const std::vector<GameClash>& clashes, bool notes) {
  std::string text;
  for (const GameClash& clash : clashes) {
    if ((clash.Weight() == ClashWeight::kNote) != notes) continue;
    AppendAll(text, {Location(game, clash.Places.front()), ": ", clash.Sentence, "\n"});
    for (std::size_t i = 1; i < clash.Places.size(); ++i) {
      AppendAll(text, {"  auch ", Location(game, clash.Places[i]), "\n"});
    }
  }
  return text;
}

}  // namespace

std::string GameOverviewText(const GameModel& game, const std::vector<GameClash>& clashes) {
  std::string text;
  std::size_t next = 0;  // registrations come script by script
  for (int s = 0; s < static_cast<int>(game.Scripts.size()); ++s) {
    const GameScript& script = game.Scripts[static_cast<std::size_t>(s)];
    AppendAll(text, {ScriptHeading(script), "\n"});
    const std::size_t first = next;
    for (; next < game.Registrations.size() && game.Registrations[next].Script == s; ++next) {
      const Registration& r = game.Registrations[next];
      AppendAll(text, {"  Zeile ", DecimalText(r.Line), ": ", RegistrationLine(r), "\n"});
    }
    if (next == first && script.State == ScriptState::kRead) text += "  keine Ereignisse\n";
  }
  if (const std::string conflicts = ClashLines(game, clashes, false); !conflicts.empty()) {
    AppendAll(text, {"\nKonflikte und Befunde:\n", conflicts});
  }
  if (const std::string notes = ClashLines(game, clashes, true); !notes.empty()) {
    AppendAll(text, {"\nHinweise:\n", notes});
  }
  AppendAll(text, {"\n", CountLine(game, clashes), "\n"});
  return text;
}

std::string KeyTableText(const GameModel& game) {
  // Key or cheat, the event's order (pressed, released, cheat), the value.
  std::vector<std::tuple<std::string, int, std::int32_t>> rows;
  for (const Registration& r : game.Registrations) {
    if (r.IsEvent()) rows.emplace_back(NameShown(r), static_cast<int>(r.Kind), r.Number);
  }
  if (rows.empty()) return "Das Spiel registriert keine Tasten und Cheats.\n";
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

  auto event = [](int kind) {
    switch (static_cast<RegistrationKind>(kind)) {
      case RegistrationKind::kKeyDown:
        return "Drücken";
      case RegistrationKind::kKeyUp:
        return "Loslassen";
      default:
        return "Cheat";
    }
  };
  const std::string titles[] = {"Taste/Cheat", "Ereignis", "Wert"};
  std::size_t widths[] = {titles[0].size(), titles[1].size(), titles[2].size()};
  for (const auto& [name, kind, value] : rows) {
    widths[0] = std::max(widths[0], name.size());
    widths[1] = std::max(widths[1], std::string_view(event(kind)).size());
    widths[2] = std::max(widths[2], DecimalText(value).size());
  }
  auto line = [&](std::string_view name, std::string_view what, std::string_view value) {
    return std::string(name) + std::string(widths[0] - name.size() + 2, ' ') + std::string(what) +
           std::string(widths[1] - what.size() + 2 + widths[2] - value.size(), ' ') +
           std::string(value) + "\n";
  };
  std::string text = line(titles[0], titles[1], titles[2]);
  text += std::string(widths[0] + widths[1] + widths[2] + 4, '-') + "\n";
  for (const auto& [name, kind, value] : rows) text += line(name, event(kind), DecimalText(value));
  return text;
}

int RunGameCheck(const std::string& folder, bool keys, const ActionTable& actions,
                 const CliOutput& output) {
  if (KindOf(folder) != PathKind::Folder) {
    output.Err("wavoria-cli: Der Ordner " + Quoted(PathText(folder)) + " wurde nicht gefunden.\n");
    return kExitFound;
  }
  const GameModel game = ReadGame(folder, actions);
  const std::vector<GameClash> clashes = FindClashes(game);
  if (keys) {
    output.Out(KeyTableText(game));
    if (AnyConflictOrFinding(clashes)) {
      output.Err("wavoria-cli: " + CountLine(game, clashes) +
                 "; Einzelheiten zeigt: wavoria-cli check --game \"" + PathText(folder) + "\"\n");
    }
  } else {
    output.Out(GameOverviewText(game, clashes));
  }
  return AnyConflictOrFinding(clashes) ? kExitFound : kExitOk;
}

}  // namespace wavoria::cli
