#include "wizard/game_clashes.h"

#include <algorithm>
#include <map>
#include <set>
#include <span>
#include <unordered_map>
#include <unordered_set>

#include "document/text.h"
#include "wizard/install_plan.h"

namespace wavoria {

namespace {

using Registrations = std::span<const Registration>;
using Group = std::vector<int>;  // indices of registrations

// How many events or cheats a sentence names before it ends with "…".
constexpr std::size_t kNamedInSentence = 3;

bool IsKeyEvent(const Registration& r) {
  return r.Kind == RegistrationKind::kKeyDown || r.Kind == RegistrationKind::kKeyUp;
}

std::string_view EventWord(RegistrationKind kind) {
  return kind == RegistrationKind::kKeyUp ? "Loslassen" : "Drücken";
}

// "Taste 'F5' drücken", "Cheat 'GELD'".
std::string EventText(const Registration& r) {
  if (r.Kind == RegistrationKind::kCheat) return "Cheat " + Quoted(NameShown(r));
  return "Taste " + Quoted(NameShown(r)) +
         (r.Kind == RegistrationKind::kKeyUp ? " loslassen" : " drücken");
}

// The texts joined with ", ", at most kNamedInSentence of them, then "…".
std::string Listed(const std::vector<std::string>& texts) {
  std::string list;
  for (std::size_t i = 0; i < texts.size() && i <= kNamedInSentence; ++i) {
    if (i > 0) list += ", ";
    list += i < kNamedInSentence ? texts[i] : "…";
  }
  return list;
}

// The registrations that include() takes, grouped by what key() gives them,
// each group in the order of the game; the groups in the order they first
// appear.
template <typename Key, typename Include, typename KeyOf>
std::vector<Group> GroupsOf(Registrations registrations, Include include, KeyOf key) {
  std::vector<Group> groups;
  std::unordered_map<Key, std::size_t> index;
  for (int i = 0; i < static_cast<int>(registrations.size()); ++i) {
    const Registration& r = registrations[static_cast<std::size_t>(i)];
    if (!include(r)) continue;
    const auto [at, added] = index.try_emplace(key(r), groups.size());
    if (added) groups.emplace_back();
    groups[at->second].push_back(i);
  }
  return groups;
}

class ClashFinder {
 public:
  ClashFinder(const GameModel& game, Registrations registrations)
      : game_(game), registrations_(registrations) {}

  std::vector<GameClash> clashes;

  // The clashes between registrations, in the order of their kinds.
  void AddRegistrationClashes() {
    SameKey();
    // The events by the value they send.
    const std::vector<Group> values = GroupsOf<std::int32_t>(
        registrations_, [](const auto& r) { return r.IsEvent(); },
        [](const auto& r) { return r.Number; });
    SameValue(values);
    ValueIsMouseId(values);
    const std::vector<Group> cheats = CheatGroups();
    CheatInCheat(cheats);
    SameCheat(cheats);
  }

  void MouseIds() {
    std::vector<int> ids;
    Group group;
    for (int i = 0; i < static_cast<int>(registrations_.size()); ++i) {
      const Registration& r = At(i);
      if (r.Kind != RegistrationKind::kMouseOn || !ScriptRunsAtStart(r.Script)) continue;
      group.push_back(i);
      if (std::find(ids.begin(), ids.end(), r.Number) == ids.end()) ids.push_back(r.Number);
    }
    if (ids.size() < 2) return;
    std::vector<std::string> texts;
    for (int id : ids) texts.push_back(DecimalText(id));
    Add(ClashKind::kMouseIds,
        "Die Skripte beim Start schalten den Maussupport mit verschiedenen Maus-IDs ein (" +
            Listed(texts) + "); gelten kann nur eine.",
        group);
  }

  void AutorunProblems() {
    if (game_.AutorunUnreadable) {
      clashes.push_back({ClashKind::kMissingScript,
                         "Die Datei autorun.script kann nicht gelesen werden; welche Skripte beim "
                         "Start laufen, bleibt unbekannt.",
                         {{-1, 1, -1, 0}}});
    }
    for (const AutorunEntry& entry : game_.AutorunEntries) {
      if (entry.Script < 0) continue;
      const GameScript& script = game_.Scripts[static_cast<std::size_t>(entry.Script)];
      if (script.AutorunLine != entry.Line || script.State == ScriptState::kRead) continue;
      clashes.push_back(
          {ClashKind::kMissingScript,
           "autorun.script nennt " + Quoted(entry.Text) +
               (script.State == ScriptState::kMissing ? ", das es nicht gibt."
                                                      : ", das nicht gelesen werden kann."),
           {{-1, entry.Line, -1, 0}}});
    }
  }

  void Notes() {
    for (const AutorunEntry& entry : game_.AutorunEntries) {
      if (entry.Script < 0) {
        clashes.push_back({ClashKind::kOutsideGame,
                           "autorun.script nennt " + Quoted(entry.Text) +
                               " außerhalb des Spielordners; Wavoria prüft dieses Skript nicht.",
                           {{-1, entry.Line, -1, 0}}});
        continue;
      }
      const int first = game_.Scripts[static_cast<std::size_t>(entry.Script)].AutorunLine;
      if (first != entry.Line) {
        clashes.push_back({ClashKind::kNamedTwice,
                           "autorun.script nennt " + Quoted(entry.Text) + " schon in Zeile " +
                               DecimalText(first) + "; das Skript läuft beim Start zweimal.",
                           {{-1, entry.Line, -1, 0}}});
      }
    }
    NoKeySupport();
  }

  void Findings() {
    for (int s = 0; s < static_cast<int>(game_.Scripts.size()); ++s) {
      for (const GameFinding& f : game_.Scripts[static_cast<std::size_t>(s)].Findings) {
        clashes.push_back({ClashKind::kFinding, f.Message, {{s, f.Line, -1, f.Position}}});
      }
    }
  }

 private:
  const Registration& At(int i) const { return registrations_[static_cast<std::size_t>(i)]; }

  bool ScriptRunsAtStart(int script) const {
    return game_.Scripts[static_cast<std::size_t>(script)].RunsAtStart();
  }

  void Add(ClashKind kind, std::string sentence, const Group& group) {
    GameClash& clash = clashes.emplace_back();
    clash.Kind = kind;
    clash.Sentence = std::move(sentence);
    for (int i : group) clash.Places.push_back({At(i).Script, At(i).Line, i, At(i).Position});
  }

  void SameKey() {
    const auto groups = GroupsOf<std::string>(registrations_, IsKeyEvent, [](const auto& r) {
      return (r.Kind == RegistrationKind::kKeyUp ? "U" : "D") + NameShown(r);
    });
    for (const Group& group : groups) {
      if (group.size() < 2) continue;
      const Registration& r = At(group.front());
      Add(ClashKind::kSameKey,
          "Die Taste " + Quoted(NameShown(r)) + " ist mehr als einmal für " +
              std::string(EventWord(r.Kind)) + " registriert.",
          group);
    }
  }

  void SameValue(const std::vector<Group>& values) {
    for (const Group& group : values) {
      std::vector<std::string> events;  // each event once: its kind and its key or cheat
      Group distinct;
      for (int i : group) {
        const auto same = [&](int d) {
          return At(d).Kind == At(i).Kind && EqualsIgnoreCase(At(d).Name, At(i).Name);
        };
        if (std::none_of(distinct.begin(), distinct.end(), same)) {
          distinct.push_back(i);
          events.push_back(EventText(At(i)));
        }
      }
      if (events.size() < 2) continue;
      Add(ClashKind::kSameValue,
          "Den Wert " + DecimalText(At(group.front()).Number) +
              " senden verschiedene Ereignisse (" + Listed(events) +
              "); das Spiel kann sie nicht unterscheiden.",
          group);
    }
  }

  void ValueIsMouseId(const std::vector<Group>& values) {
    std::multimap<std::int32_t, int> mice;  // mouse ID to the registrations that switch it on
    for (int i = 0; i < static_cast<int>(registrations_.size()); ++i) {
      if (At(i).Kind == RegistrationKind::kMouseOn) mice.emplace(At(i).Number, i);
    }
    for (Group group : values) {
      const std::int32_t id = At(group.front()).Number;
      if (!mice.contains(id)) continue;
      for (auto [at, end] = mice.equal_range(id); at != end; ++at) group.push_back(at->second);
      std::sort(group.begin(), group.end());
      Add(ClashKind::kValueIsMouseId,
          "Der Wert " + DecimalText(id) +
              " ist auch eine Maus-ID; das Spiel hält das Ereignis, das ihn sendet, für eine "
              "Meldung der Maus.",
          group);
    }
  }

  // The cheats by their text in upper case, each with its registrations.
  std::vector<Group> CheatGroups() const {
    return GroupsOf<std::string>(
        registrations_,
        [](const auto& r) { return r.Kind == RegistrationKind::kCheat && !r.Name.empty(); },
        [](const auto& r) { return NameShown(r); });
  }

  void CheatInCheat(const std::vector<Group>& cheats) {
    std::unordered_map<std::string, std::size_t> byText;
    std::set<std::size_t> lengths;
    for (std::size_t c = 0; c < cheats.size(); ++c) {
      const std::string text = NameShown(At(cheats[c].front()));
      lengths.insert(text.size());
      byText.emplace(text, c);
    }
    // For each cheat, the longer ones it stands in: every shorter piece of a
    // cheat that is a cheat itself.
    std::vector<std::vector<std::size_t>> containers(cheats.size());
    for (std::size_t c = 0; c < cheats.size(); ++c) {
      const std::string text = NameShown(At(cheats[c].front()));
      for (std::size_t length : lengths) {
        if (length >= text.size()) break;
        std::unordered_set<std::size_t> found;
        for (std::size_t at = 0; at + length <= text.size(); ++at) {
          const auto inner = byText.find(text.substr(at, length));
          if (inner != byText.end() && found.insert(inner->second).second) {
            containers[inner->second].push_back(c);
          }
        }
      }
    }
    for (std::size_t c = 0; c < cheats.size(); ++c) {
      if (containers[c].empty()) continue;
      Group group = cheats[c];
      std::vector<std::string> longer;
      for (std::size_t outer : containers[c]) {
        group.insert(group.end(), cheats[outer].begin(), cheats[outer].end());
        longer.push_back(Quoted(NameShown(At(cheats[outer].front()))));
      }
      std::sort(group.begin(), group.end());
      Add(ClashKind::kCheatInCheat,
          "Der Cheat " + Quoted(NameShown(At(cheats[c].front()))) + " steckt in " + Listed(longer) +
              " und wird schon beim Eintippen davon ausgelöst.",
          group);
    }
  }

  void SameCheat(const std::vector<Group>& cheats) {
    for (const Group& group : cheats) {
      if (group.size() < 2) continue;
      Add(ClashKind::kSameCheat,
          "Der Cheat " + Quoted(NameShown(At(group.front()))) + " ist mehr als einmal registriert.",
          group);
    }
  }

  void NoKeySupport() {
    Group firstKeyEvents;  // the first key event of each script
    int lastScript = -1;
    for (int i = 0; i < static_cast<int>(registrations_.size()); ++i) {
      const Registration& r = At(i);
      if (r.Kind == RegistrationKind::kKeySupportOn && ScriptRunsAtStart(r.Script)) return;
      if (IsKeyEvent(r) && r.Script != lastScript) {
        firstKeyEvents.push_back(i);
        lastScript = r.Script;
      }
    }
    if (firstKeyEvents.empty()) return;
    Add(ClashKind::kNoKeySupport,
        "Es sind Tastenereignisse registriert, aber kein Skript beim Start schaltet den "
        "Tastensupport ein.",
        firstKeyEvents);
  }

  const GameModel& game_;
  Registrations registrations_;
};

}  // namespace

ClashWeight WeightOf(ClashKind kind) {
  switch (kind) {
    case ClashKind::kOutsideGame:
    case ClashKind::kNamedTwice:
    case ClashKind::kNoKeySupport:
      return ClashWeight::kNote;
    case ClashKind::kFinding:
      return ClashWeight::kFinding;
    default:
      return ClashWeight::kConflict;
  }
}

std::vector<GameClash> FindClashes(const GameModel& game) {
  ClashFinder finder(game, game.Registrations);
  finder.AddRegistrationClashes();
  finder.MouseIds();
  finder.AutorunProblems();
  finder.Notes();
  finder.Findings();
  return std::move(finder.clashes);
}

bool AnyConflictOrFinding(const std::vector<GameClash>& clashes) {
  return std::any_of(clashes.begin(), clashes.end(),
                     [](const GameClash& c) { return c.Weight() != ClashWeight::kNote; });
}

std::string PlaceText(const GameModel& game, const ClashPlace& place) {
  const std::string file = place.Script < 0
                               ? std::string(kAutorunFile)
                               : game.Scripts[static_cast<std::size_t>(place.Script)].Name;
  return file + ", Zeile " + DecimalText(place.Line);
}

std::string PlacesText(const GameModel& game, const std::vector<ClashPlace>& places,
                       std::size_t limit, const ClashPlace* except) {
  std::string text;
  std::size_t shown = 0;
  std::size_t next = 0;
  bool passed = false;  // the place left out came before the end of the text
  for (; next < places.size() && shown < limit; ++next) {
    if (except != nullptr && places[next] == *except) {
      passed = true;
      continue;
    }
    text += (shown++ > 0 ? "; " : "") + PlaceText(game, places[next]);
  }
  std::size_t more = places.size() - next;
  if (except != nullptr && !passed && more > 0) --more;  // the place left out is among them
  if (more > 0) text += "; … und " + DecimalText(static_cast<std::int64_t>(more)) + " weitere";
  return text;
}

std::vector<GameClash> ClashesOfCommand(const GameModel& game, const std::string& scriptPath,
                                        const ScriptCommand& command) {
  std::optional<Registration> candidate = RegistrationOf(command);
  if (!candidate || !candidate->IsEvent()) return {};
  GameModel others = game;
  others.Registrations.clear();
  const auto self = std::find_if(game.Scripts.begin(), game.Scripts.end(), [&](const auto& s) {
    return EqualsIgnoreCase(s.Path, scriptPath);
  });
  candidate->Script = static_cast<int>(self - game.Scripts.begin());
  if (self == game.Scripts.end()) others.Scripts.push_back({"", scriptPath, 0, {}, {}});
  for (const Registration& r : game.Registrations) {
    if (r.Script != candidate->Script) others.Registrations.push_back(r);
  }
  const int own = static_cast<int>(others.Registrations.size());
  others.Registrations.push_back(*candidate);

  ClashFinder finder(others, others.Registrations);
  finder.AddRegistrationClashes();
  std::vector<GameClash> found;
  for (GameClash& clash : finder.clashes) {
    const auto mine = std::find_if(clash.Places.begin(), clash.Places.end(),
                                   [&](const ClashPlace& p) { return p.Registration == own; });
    if (mine == clash.Places.end()) continue;
    clash.Places.erase(mine);
    for (ClashPlace& place : clash.Places) place.Registration = -1;
    found.push_back(std::move(clash));
  }
  return found;
}

std::string ClashQuestion(const GameModel& game, const std::vector<GameClash>& clashes) {
  constexpr std::size_t kPlacesShown = 5;
  std::string text;
  for (const GameClash& clash : clashes) {
    AppendAll(text, {clash.Sentence, LineBreak, "Schon in: ",
                     PlacesText(game, clash.Places, kPlacesShown), LineBreak, LineBreak});
  }
  return text + "Trotzdem übernehmen?";
}

}  // namespace wavoria
