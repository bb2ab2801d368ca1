#include "cli/options.h"

#include <cstdint>
#include <optional>

#include "document/text.h"

namespace wavoria::cli {

namespace {

bool IsOption(const std::string& arg) {
  return arg.size() > 1 && arg[0] == '-';
}

ParsedArguments Wrong(std::string error) {
  ParsedArguments parsed;
  parsed.Error = std::move(error);
  return parsed;
}

// A whole argument as a 32-bit number: an optional sign and decimal digits,
// in the range the "Negativ" rule of the wizard stores (SignedNumberOf).
bool ReadMouseId(std::string_view text, std::int32_t& id) {
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  if (text.empty()) return false;
  std::int64_t n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
    if (n > std::int64_t{1} << 31) return false;
  }
  const std::int32_t stored = SignedNumberOf(text, negative);
  if (stored != (negative ? -n : n)) return false;  // 2^31 without "-"
  id = stored;
  return true;
}

// The arguments of one command: options (with their values) and paths.
class ArgumentList {
 public:
  ArgumentList(const std::vector<std::string>& args, std::size_t first)
      : args_(args), pos_(first) {}

  bool AtEnd() const { return pos_ >= args_.size(); }

  // The next argument; an option of the form --name=value is split, and
  // every argument after "--" is a path.
  const std::string& Next() {
    const std::string& arg = args_[pos_++];
    separator_ = !pathsOnly_ && arg == "--";
    if (separator_) pathsOnly_ = true;
    isOption_ = !pathsOnly_ && IsOption(arg);
    const std::size_t eq = isOption_ && arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
    current_ = arg.substr(0, eq);
    pendingValue_ = eq == std::string::npos ? std::nullopt : std::optional(arg.substr(eq + 1));
    return current_;
  }

  bool IsOptionArgument() const { return isOption_; }
  bool WasSeparator() const { return separator_; }

  // The value of the option just read; false when there is none.
  bool Value(std::string& value) {
    if (pendingValue_) {
      value = *pendingValue_;
      pendingValue_.reset();
    } else if (pos_ < args_.size()) {
      value = args_[pos_++];
    } else {
      return false;
    }
    return !value.empty();
  }

  // An option given as --name=value that takes no value.
  bool HasUnusedValue() const { return pendingValue_.has_value(); }

 private:
  const std::vector<std::string>& args_;
  std::size_t pos_;
  bool pathsOnly_ = false;
  bool separator_ = false;
  bool isOption_ = false;
  std::string current_;
  std::optional<std::string> pendingValue_;
};

ParsedArguments ParsePathCommand(const std::vector<std::string>& args, CliCommand command) {
  ParsedArguments parsed;
  parsed.Options.Command = command;
  ArgumentList list(args, 1);
  while (!list.AtEnd()) {
    const std::string arg = list.Next();
    if (list.WasSeparator()) continue;
    if (!list.IsOptionArgument()) {
      parsed.Options.Paths.push_back(arg);
    } else if (command == CliCommand::Show && arg == "--details" && !list.HasUnusedValue()) {
      parsed.Options.Details = true;
    } else if ((command == CliCommand::Format && arg == "--output") ||
               (command == CliCommand::Check && arg == "--game")) {
      if (!list.Value(arg == "--game" ? parsed.Options.Game : parsed.Options.Output)) {
        return Wrong("Die Option " + Quoted(arg) + " braucht einen Wert.");
      }
    } else if (command == CliCommand::Check && arg == "--keys" && !list.HasUnusedValue()) {
      parsed.Options.Keys = true;
    } else {
      return Wrong("Unbekannte Option " + Quoted(arg) + ".");
    }
  }
  const std::size_t count = parsed.Options.Paths.size();
  if (parsed.Options.Keys && parsed.Options.Game.empty()) {
    return Wrong("--keys gilt nur zusammen mit --game.");
  }
  if (!parsed.Options.Game.empty() && count > 0) {
    return Wrong(
        "Mit --game wird das ganze Spiel geprüft; bitte geben Sie keine weiteren Pfade "
        "an.");
  }
  if (command == CliCommand::Check && count == 0 && parsed.Options.Game.empty()) {
    return Wrong("Bitte geben Sie mindestens eine Datei oder einen Ordner an.");
  }
  if (command != CliCommand::Check && count != 1) {
    return Wrong(count == 0 ? "Bitte geben Sie die Datei an."
                            : "Bitte geben Sie nur eine Datei an.");
  }
  parsed.Ok = true;
  return parsed;
}

ParsedArguments ParseInstall(const std::vector<std::string>& args) {
  ParsedArguments parsed;
  parsed.Options.Command = CliCommand::Install;
  InstallOptions& o = parsed.Options.Install;
  ArgumentList list(args, 1);
  while (!list.AtEnd()) {
    const std::string arg = list.Next();
    if (list.WasSeparator()) continue;
    if (!list.IsOptionArgument()) return Wrong("Unerwartetes Argument " + Quoted(arg) + ".");
    std::string* folder = arg == "--game"        ? &o.GameFolder
                          : arg == "--maker"     ? &o.MakerFolder
                          : arg == "--templates" ? &o.TemplateFolder
                                                 : nullptr;
    if (folder != nullptr || arg == "--start" || arg == "--mouse-id") {
      std::string value;
      if (!list.Value(value)) return Wrong("Die Option " + Quoted(arg) + " braucht einen Wert.");
      if (folder != nullptr) {
        *folder = value;
      } else if (arg == "--start") {
        if (value != "keyboard" && value != "mouse") {
          return Wrong("Für --start ist nur keyboard oder mouse möglich, nicht " + Quoted(value) +
                       ".");
        }
        o.StartFunction = value == "mouse" ? 1 : 0;
        o.StartGiven = true;
      } else {
        if (!ReadMouseId(value, o.MouseId)) {
          return Wrong("Die Maus-ID " + Quoted(value) +
                       " ist keine ganze Zahl von -2147483648 bis 2147483647.");
        }
        o.MouseIdGiven = true;
      }
      continue;
    }
    bool* flag = arg == "--keyboard"        ? &o.Keyboard
                 : arg == "--mouse"         ? &o.Mouse
                 : arg == "--auto-position" ? &o.AutoPosition
                 : arg == "--force"         ? &o.Force
                                            : nullptr;
    if (flag == nullptr || list.HasUnusedValue()) {
      return Wrong("Unbekannte Option " + Quoted(arg) + ".");
    }
    *flag = true;
  }
  if (o.GameFolder.empty()) return Wrong("Bitte geben Sie mit --game den Ordner Ihres Spiels an.");
  if (o.MakerFolder.empty()) {
    return Wrong("Bitte geben Sie mit --maker den Ordner des RPG Makers an.");
  }
  if (!o.Keyboard && !o.Mouse) {
    return Wrong("Bitte wählen Sie mindestens eine Funktion: --keyboard und/oder --mouse.");
  }
  if (o.StartGiven && o.StartFunction == 0 && !o.Keyboard) {
    return Wrong("--start keyboard gilt nur zusammen mit --keyboard.");
  }
  if (o.StartGiven && o.StartFunction == 1 && !o.Mouse) {
    return Wrong("--start mouse gilt nur zusammen mit --mouse.");
  }
  if (o.MouseIdGiven && !o.Mouse) return Wrong("--mouse-id gilt nur zusammen mit --mouse.");
  if (o.AutoPosition && !o.Mouse) return Wrong("--auto-position gilt nur zusammen mit --mouse.");
  parsed.Ok = true;
  return parsed;
}

ParsedArguments ParseRestore(const std::vector<std::string>& args) {
  ParsedArguments parsed;
  parsed.Options.Command = CliCommand::Restore;
  ArgumentList list(args, 1);
  while (!list.AtEnd()) {
    const std::string arg = list.Next();
    if (list.WasSeparator()) continue;
    if (!list.IsOptionArgument()) return Wrong("Unerwartetes Argument " + Quoted(arg) + ".");
    if (arg == "--list" && !list.HasUnusedValue()) {
      parsed.Options.List = true;
      continue;
    }
    if (arg != "--game" && arg != "--damaged") {
      return Wrong("Unbekannte Option " + Quoted(arg) + ".");
    }
    std::string value;
    if (!list.Value(arg == "--game" ? parsed.Options.Install.GameFolder : value)) {
      return Wrong("Die Option " + Quoted(arg) + " braucht einen Wert.");
    }
    if (arg == "--damaged") {
      if (value != "keep" && value != "put-back") {
        return Wrong("--damaged nimmt 'keep' oder 'put-back', nicht " + Quoted(value) + ".");
      }
      parsed.Options.Damaged =
          value == "keep" ? DamagedDecision::LeaveGame : DamagedDecision::PutBack;
    }
  }
  if (parsed.Options.Install.GameFolder.empty()) {
    return Wrong("Bitte geben Sie mit --game den Ordner Ihres Spiels an.");
  }
  parsed.Ok = true;
  return parsed;
}

}  // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
  // --help and --version win wherever they stand before "--".
  CliCommand early = CliCommand::Check;
  for (const std::string& arg : args) {
    if (arg == "--") break;
    if (arg == "--help" || arg == "-h") {
      early = CliCommand::Help;
      break;
    }
    if (arg == "--version") early = CliCommand::Version;
  }
  if (early != CliCommand::Check) {
    ParsedArguments parsed;
    parsed.Ok = true;
    parsed.Options.Command = early;
    return parsed;
  }
  if (args.empty()) return Wrong("Es wurde kein Befehl angegeben.");
  const std::string& command = args[0];
  if (command == "check") return ParsePathCommand(args, CliCommand::Check);
  if (command == "show") return ParsePathCommand(args, CliCommand::Show);
  if (command == "format") return ParsePathCommand(args, CliCommand::Format);
  if (command == "install") return ParseInstall(args);
  if (command == "restore") return ParseRestore(args);
  if (IsOption(command)) return Wrong("Unbekannte Option " + Quoted(command) + ".");
  return Wrong("Unbekannter Befehl " + Quoted(command) + ".");
}

std::string UsageText() {
  return "Aufruf: wavoria-cli check PFAD...\n"
         "       wavoria-cli check --game ORDNER [--keys]\n"
         "       wavoria-cli show DATEI [--details]\n"
         "       wavoria-cli format DATEI [--output AUSGABE]\n"
         "       wavoria-cli install --game ORDNER --maker ORDNER [--keyboard] [--mouse]\n"
         "                   [--start keyboard|mouse] [--mouse-id N] [--auto-position]\n"
         "                   [--templates ORDNER] [--force]\n"
         "       wavoria-cli restore --game ORDNER [--list] [--damaged keep|put-back]\n"
         "       wavoria-cli --help | --version\n";
}

std::string HelpText() {
  return std::string(kVersionText) +
         ": Klavato-Skripte (*.script.wav) prüfen und anzeigen, Tastatur- und\n"
         "Maussupport in ein Spiel installieren.\n"
         "\n"
         "wavoria-cli check PFAD...\n"
         "  Prüft jede Datei und jeden Ordner (mit allen *.script.wav darunter) und\n"
         "  meldet jeden Fund in einer Zeile \"DATEI:ZEILE: Meldung\".\n"
         "\n"
         "wavoria-cli check --game ORDNER [--keys]\n"
         "  Zeigt für jedes Skript des Spiels (die aus autorun.script zuerst, dann alle\n"
         "  *.script.wav in Sound), was es registriert, und danach die Konflikte:\n"
         "  doppelte Tasten und Cheats, gleiche Werte verschiedener Ereignisse, Werte\n"
         "  gleich einer Maus-ID, Cheats in längeren Cheats, verschiedene Maus-IDs beim\n"
         "  Start, fehlende Skripte in autorun.script und jeden Fund von check.\n"
         "  --keys                   Nur die Tabelle der Tasten und Cheats mit ihren\n"
         "                           Werten, nach Taste sortiert.\n"
         "\n"
         "wavoria-cli show DATEI [--details]\n"
         "  Zeigt die Kommandoliste des Skripts wie das Hauptfenster; mit --details\n"
         "  steht unter jeder Zeile, um vier Leerzeichen eingerückt, der Text des\n"
         "  Felds \"Details\".\n"
         "\n"
         "wavoria-cli format DATEI [--output AUSGABE]\n"
         "  Schreibt das Skript so, wie \"Speichern\" im Editor es schreibt (ohne\n"
         "  --output in die Datei selbst), und meldet dieselben Warnungen wie das\n"
         "  Öffnen im Editor.\n"
         "\n"
         "wavoria-cli install --game ORDNER --maker ORDNER [Optionen]\n"
         "  Fügt dem Spiel Tastatur- und/oder Maussupport hinzu, wie der Assistent.\n"
         "  --game ORDNER            Ordner des Spiels (mit RPG_RT.EXE)\n"
         "  --maker ORDNER           Ordner des RPG Makers (mit RPG2000.EXE, harmony.dll\n"
         "                           und oldharmony.dll)\n"
         "  --keyboard               Tastatursupport\n"
         "  --mouse                  Maussupport\n"
         "  --start keyboard|mouse   Funktion nach dem Start des Spiels, wenn beide\n"
         "                           gewählt sind (Vorgabe: keyboard)\n"
         "  --mouse-id N             Maus-ID (Vorgabe: 0)\n"
         "  --auto-position          Automatisch alle 0,5 Sekunden Mausposition senden\n"
         "  --templates ORDNER       Ordner der Vorlagen (Vorgabe: \"scripts\" neben dem\n"
         "                           Programm)\n"
         "  --force                  Auch installieren, wenn das Spiel schon Tastatur-\n"
         "                           oder Maussupport enthält (ersetzt autorun.script\n"
         "                           und die Skripte im Ordner Sound)\n"
         "  Jede vorhandene Datei, die sich von der neuen unterscheidet, wird vorher\n"
         "  im Ordner \"Wavoria-Sicherung\\JJJJ-MM-TT HH.MM.SS\" des Spiels aufbewahrt;\n"
         "  dort steht in \"Inhalt.txt\", was die Installation ersetzt und hinzugefügt hat.\n"
         "\n"
         "wavoria-cli restore --game ORDNER [--list] [--damaged keep|put-back]\n"
         "  Macht die neueste Installation rückgängig, die noch gilt: legt die ersetzten\n"
         "  Dateien zurück und entfernt die hinzugefügten. Seither geänderte Dateien\n"
         "  kommen vorher in eine neue Sicherung. Jedes weitere restore macht die\n"
         "  Installation davor rückgängig. Eine unterbrochene Installation wird\n"
         "  zurückgenommen, ein unterbrochenes restore zu Ende geführt.\n"
         "  --list                   Zeigt alle Installationen mit Datum, Auswahl,\n"
         "                           Stand und Dateien; ändert nichts.\n"
         "  --damaged keep|put-back  Für eine Sicherung mit beschädigtem Inhalts-\n"
         "                           verzeichnis: das Spiel lassen, wie es ist, oder\n"
         "                           genau die Dateien ihres Ordners zurücklegen.\n"
         "\n"
         "wavoria-cli --help | --version\n"
         "\n"
         "Läuft im Spiel schon eine Installation oder ein restore, ändern install und\n"
         "restore nichts und melden es.\n"
         "\n"
         "Rückgabewert: 0 alles in Ordnung bzw. nichts gefunden, 1 etwas gefunden oder\n"
         "fehlgeschlagen, 2 falscher Aufruf oder die Datei 'actions.dat' fehlt.\n";
}

}  // namespace wavoria::cli
