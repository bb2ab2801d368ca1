#include <algorithm>

#include "document/text.h"
#include "platform/file_error.h"
#include "platform/file_io.h"
#include "platform/file_io_shared.h"
#include "platform/file_ops.h"
#include "wizard/game_entries.h"
#include "wizard/install_backup.h"
#include "wizard/install_plan.h"
#include "wizard/install_undo.h"
#include "wizard/install_undo_parts.h"

namespace wavoria {

using Kind = UndoAction::Kind;
using namespace undo_parts;

std::string undo_parts::AsFolder(std::string folder) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += kPathSeparator;
  return folder;
}

std::string undo_parts::Capitalised(std::string text) {
  if (!text.empty()) text[0] = ToUpperAscii(text.substr(0, 1))[0];
  return text;
}

// title, then the names one per line, indented: a message box breaks a long
// line anywhere, a backslash included.
std::string undo_parts::Listed(std::string_view title, const std::vector<std::string>& names) {
  std::string text(title);
  for (const std::string& name : names) AppendAll(text, {LineBreak, "    ", name});
  return text;
}

std::string undo_parts::HeadlineOf(const RestoreChoice& choice) {
  const BackupEntry& target = choice.History.Backups[*choice.Target];
  switch (choice.Job) {
    case RestoreJob::Undo:
      return Capitalised(RunName(target)) + " wurde rückgängig gemacht.";
    case RestoreJob::UndoEarlier:
      return Capitalised(RunName(target)) + " wurde zurückgelegt.";
    case RestoreJob::RollBack:
      return Capitalised(RunName(target)) +
             " war unterbrochen und wurde zurückgenommen; das Spiel ist wieder wie vor ihr.";
    case RestoreJob::Finish:
      return Capitalised(RunName(choice.History.Backups[*choice.Resume])) + " (für " +
             RunName(target) + ") war unterbrochen und wurde zu Ende geführt.";
    case RestoreJob::Damaged:
      return Capitalised(RunName(target)) +
             (choice.Decision == DamagedDecision::PutBack
                  ? " wurde zurückgelegt."
                  : " wurde übergangen; am Spiel wurde nichts verändert.");
    default:
      break;
  }
  return {};
}

std::string DamagedRecordText(const RestoreChoice& choice) {
  if (choice.Job != RestoreJob::Damaged) return {};
  const BackupEntry& entry = choice.History.Backups[*choice.Target];
  std::string text = "Das Inhaltsverzeichnis " + Quoted(PathInBackup(entry.Folder, kRecordFile)) +
                     " ist beschädigt (" + DamageText(*entry.Damage) +
                     "); was diese Installation am Spiel verändert hat, lässt sich deshalb nicht "
                     "genau rückgängig machen.";
  AppendAll(text, {LineBreak, LineBreak});
  if (entry.GameFiles.empty()) return text + "Ihr Ordner enthält keine Datei des Spiels.";
  return text + Listed("Ihr Ordner enthält diese Dateien des Spiels:", entry.GameFiles);
}

bool TakeRestoreAnswer(RestoreChoice& choice, Answer answer) {
  if (choice.Job == RestoreJob::Damaged && choice.Problems.empty() && answer != Answer::kCancel) {
    choice.Decision =
        answer == Answer::kYes ? DamagedDecision::PutBack : DamagedDecision::LeaveGame;
    return true;
  }
  return answer == Answer::kYes;
}

Prompt RestoreQuestion(const RestoreChoice& choice) {
  if (!choice.Problems.empty()) {
    InstallReport refused;
    refused.Refused = true;
    refused.Problems = choice.Problems;
    return {MessageIcon::Warning, refused.WarningText("Das Rückgängigmachen")};
  }
  if (choice.Job == RestoreJob::Nothing) {
    return {MessageIcon::Warning, std::string(kNothingToUndoText)};
  }
  std::string text;
  MessageIcon icon = MessageIcon::Question;
  switch (choice.Job) {
    case RestoreJob::Damaged:
      icon = MessageIcon::Choice;
      AppendAll(text, {DamagedRecordText(choice), LineBreak, LineBreak,
                       "Ja: genau diese Dateien zurücklegen (was an ihrer Stelle liegt, wird "
                       "vorher in einer neuen Sicherung aufbewahrt).",
                       LineBreak,
                       "Nein: das Spiel lassen, wie es ist; danach lassen sich ältere "
                       "Installationen wieder rückgängig machen.",
                       LineBreak, "Abbrechen: nichts tun."});
      break;
    case RestoreJob::CleanUp:
      text =
          "Ein unterbrochener Lauf von Wavoria hat einen angefangenen Sicherungsordner "
          "hinterlassen, am Spiel aber noch nichts verändert. Soll der Ordner entfernt werden?";
      break;
    case RestoreJob::UndoEarlier:
      text = "Soll " + RunName(choice.History.Backups[*choice.Target]) + " zurückgelegt werden?";
      break;
    case RestoreJob::Undo:
      text =
          "Soll " + RunName(choice.History.Backups[*choice.Target]) + " rückgängig gemacht werden?";
      break;
    case RestoreJob::Finish:
      text = "Ein Lauf von Wavoria wurde unterbrochen: " +
             RunName(choice.History.Backups[*choice.Resume]) +
             ". Soll er jetzt zu Ende geführt werden?";
      break;
    case RestoreJob::RollBack:
      text = "Ein Lauf von Wavoria wurde unterbrochen: " +
             RunName(choice.History.Backups[*choice.Target]) +
             ". Soll er jetzt zurückgenommen werden?";
      break;
    case RestoreJob::Nothing:  // answered above
      break;
  }
  auto section = [&](std::string_view title, const std::vector<std::string>& files) {
    if (!files.empty()) AppendAll(text, {LineBreak, LineBreak, Listed(title, files)});
  };
  if (choice.Job != RestoreJob::Damaged) {
    section("Zurückgelegt werden:", choice.Files(Kind::PutBack));
    section("Entfernt werden:", choice.Files(Kind::Remove));
    section("Seit der Installation geändert (wird vorher in einer neuen Sicherung aufbewahrt):",
            choice.ChangedFiles());
  }
  for (const auto* notes : {&choice.Skipped, &choice.Notes}) {
    for (const std::string& note : *notes) AppendAll(text, {LineBreak, LineBreak, note});
  }
  return {icon, text};
}

Prompt ReopenQuestion(const InstallReport& report, const std::string& documentPath, bool modified) {
  auto among = [&](const std::vector<std::string>& files) {
    return !documentPath.empty() && std::ranges::any_of(files, [&](const std::string& f) {
      return EqualsIgnoreCase(f, documentPath);
    });
  };
  const std::string script = "Das im Editor geöffnete Skript " + Quoted(documentPath);
  if (among(report.PutBack)) {
    return {
        MessageIcon::Question,
        script +
            " wurde dabei durch die gesicherte Fassung ersetzt. Soll es neu geöffnet "
            "werden?" +
            (modified ? " Ihre nicht gespeicherten Änderungen daran gehen dabei verloren." : "")};
  }
  if (among(report.Removed)) {
    return {MessageIcon::Warning,
            script +
                " wurde dabei entfernt, weil die Installation es hinzugefügt hatte. Der "
                "Editor zeigt es weiter; mit 'Speichern' legen Sie es wieder an."};
  }
  return {};
}

}  // namespace wavoria
