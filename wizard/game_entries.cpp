#include "wizard/game_entries.h"

#include "document/text.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "platform/file_io_shared.h"
#include "platform/file_ops.h"
#include "wizard/install_plan.h"

namespace wavoria {

namespace {

constexpr std::string_view kOutsideText =
    " ist eine Verknüpfung auf einen anderen Ort; Wavoria schreibt nur in den Spielordner.";

// The names of the path's last part, "\" as separator.
std::pair<std::string_view, std::string_view> SplitRelative(std::string_view relative) {
  const std::size_t cut = relative.find('\\');
  if (cut == std::string_view::npos) return {{}, relative};
  return {relative.substr(0, cut), relative.substr(cut + 1)};
}

std::string TooLongText(std::string_view what, const std::string& path, std::size_t limit) {
  return std::string(what) + Quoted(path) + " ist mit " + DecimalText(std::int64_t(path.size())) +
         " Zeichen länger, als das System erlaubt (höchstens " + DecimalText(std::int64_t(limit)) +
         " Zeichen); bitte verschieben Sie das Spiel in einen Ordner mit kürzerem Pfad.";
}

}  // namespace

std::string EntryProblem(const std::string& path, bool folder) {
  const std::string named = (folder ? "Der Ordner " : "Die Datei ") + Quoted(path);
  const std::string place = (folder ? "An der Stelle des Ordners " : "An der Stelle der Datei ") +
                            Quoted(path) + " liegt ";
  switch (KindOfEntry(path)) {
    case EntryKind::Missing:
      return {};
    case EntryKind::File:
      return folder ? place + "eine Datei." : std::string();
    case EntryKind::Folder:
      return folder ? std::string() : place + "ein Ordner.";
    case EntryKind::Link:
      return named + std::string(kOutsideText);
    case EntryKind::Other:
      return place +
             "weder eine Datei noch ein Ordner, sondern etwa eine Pipe oder ein Gerät; "
             "Wavoria liest und schreibt dort nichts.";
    case EntryKind::Unknown:
      break;
  }
  return WithCause(named + " kann nicht geprüft werden", LastFileError());
}

std::string WrittenFileProblem(const std::string& path) {
  std::string problem = EntryProblem(path, false);
  if (problem.empty()) problem = EntryProblem(detail::TemporaryNameFor(path), false);
  return problem;
}

std::string GameFileProblem(const std::string& gameFolder, std::string_view relative) {
  const auto [folder, name] = SplitRelative(relative);
  if (!folder.empty()) {
    std::string problem = EntryProblem(EntryPath(gameFolder, folder), true);
    if (!problem.empty()) return problem;
  }
  return WrittenFileProblem(PathInGame(gameFolder, relative));
}

std::string GamePathProblem(const std::string& gameFolder) {
  if (!PathFitsCodePage(gameFolder)) {
    return "Der Pfad des Spiels " + Quoted(gameFolder) +
           " enthält Zeichen, die Windows in der Codepage dieses Programms nicht darstellen kann "
           "(hier als '?' gezeigt); Wavoria kann diesen Ordner deshalb nicht öffnen. Bitte "
           "benennen Sie den Ordner so um, dass sein Pfad nur Zeichen aus Windows-1252 enthält.";
  }
  if (gameFolder.size() > MaxPathLength()) {
    return TooLongText("Der Pfad des Spiels ", gameFolder, MaxPathLength());
  }
  return {};
}

std::string PathLengthProblem(const std::string& path, bool folder) {
  // A folder leaves room for an 8.3 name in it, as CreateDirectory asks.
  const std::size_t limit = MaxPathLength() - (folder ? 12 : 0);
  if (path.size() <= limit) return {};
  return TooLongText("Der Pfad ", path, limit);
}

bool WindowsCanHoldName(std::string_view name) {
  if (name.empty() || name.ends_with('.') || name.ends_with(' ')) return false;
  const std::string_view stem = name.substr(0, name.find('.'));
  for (std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
    if (EqualsIgnoreCase(stem, device)) return false;
  }
  const bool numbered = stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9';
  return !numbered || (!EqualsIgnoreCase(stem.substr(0, 3), "COM") &&
                       !EqualsIgnoreCase(stem.substr(0, 3), "LPT"));
}

std::string WindowsNameProblem(std::string_view relative) {
  const std::string_view name = SplitRelative(relative).second;
  if (name.empty() || name == "." || name == ".." || WindowsCanHoldName(name)) return {};
  return "Der Name " + Quoted(relative) +
         " endet auf einen Punkt oder ein Leerzeichen oder ist ein Gerätename wie CON, NUL oder "
         "COM1; eine Datei dieses Namens kann Windows nicht führen, Wavoria übergeht sie.";
}

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || !WindowsCanHoldName(name)) return false;
  for (unsigned char c : name) {
    if (c < 32 || c == '\\' || c == '/' || c == ':') return false;
  }
  return true;
}

bool IsRestorablePath(std::string_view relative) {
  const auto [folder, name] = SplitRelative(relative);
  if (folder.empty() && relative.find('\\') == std::string_view::npos) {
    for (std::string_view file : {kHarmonyDll, kOldHarmonyDll, kAutorunFile}) {
      if (EqualsIgnoreCase(name, file)) return true;
    }
    return false;
  }
  return EqualsIgnoreCase(folder, kGameSoundFolder) && IsPlainFileName(name);
}

std::string RelativeInGame(const std::string& gameFolder, const std::string& path) {
  std::string relative = path.substr(std::min(gameFolder.size(), path.size()));
  for (char& c : relative) c = c == '/' ? '\\' : c;
  return relative;
}

std::string PathInGame(const std::string& gameFolder, std::string_view relative) {
  const auto [folder, name] = SplitRelative(relative);
  if (folder.empty()) return EntryPath(gameFolder, name);
  return EntryPath(EntryPath(gameFolder, folder), name);
}

}  // namespace wavoria
