#include "app/editor_rules.h"

#include "document/text.h"

namespace wavoria {

std::string_view NotepadPromptText(const std::string& documentPath) {
  return documentPath.empty() ? kUntitledNotepadPromptText : kSavePromptText;
}

bool NotepadNeedsNoPrompt(const std::string& documentPath, bool modified) {
  return !modified && !documentPath.empty();
}

std::string NotepadCommandLine(std::string_view file) {
  return "notepad.exe \"" + std::string(file) + "\"";
}

std::string CannotOpenMessage(std::string_view path, FileError cause) {
  return WithCause("Die Datei '" + std::string(path) + "' konnte nicht geöffnet werden.", cause);
}

std::string CannotSaveMessage(std::string_view path, FileError cause) {
  return WithCause("Die Datei '" + std::string(path) + "' konnte nicht gespeichert werden.", cause);
}

std::string NotepadFailedMessage(std::string_view path) {
  return "Der Editor (Notepad) konnte nicht gestartet werden. Die Datei '" + std::string(path) +
         "' wurde nicht geöffnet.";
}

std::optional<std::string> DroppedFilesNote(const std::vector<std::string>& files) {
  if (files.size() < 2) return std::nullopt;
  return "Sie haben " + DecimalText(static_cast<std::int64_t>(files.size())) +
         " Dateien abgelegt. Wavoria öffnet nur eine Datei auf einmal, die erste: '" +
         files.front() + "'.";
}

std::string DroppedFolderMessage(std::string_view path) {
  return Quoted(path) + " ist ein Ordner. Wavoria öffnet Skriptdateien, keine Ordner.";
}

bool HoldsNoScript(std::string_view bytes, const CommandTable& table) {
  if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) return false;
  for (int s = 1; s < table.SlotsInUse(); ++s) {
    if (!table.Slot(s).Action.empty()) return false;
  }
  return true;
}

std::string OpenNonScriptQuestion(std::string_view path) {
  return "Die Datei " + Quoted(path) + " enthält kein Skript. Trotzdem öffnen?";
}

std::string ReplaceNonScriptQuestion(std::string_view path) {
  return "Die Datei " + Quoted(path) +
         " enthält kein Skript. Soll sie trotzdem durch dieses Skript ersetzt werden?";
}

bool HasRoomForCommand(const CommandTable& table) {
  return table.FindFreeSlot() != -1;
}

std::string ScriptFullMessage() {
  return "Das Skript enthält bereits " + DecimalText(kSlotCount - 1) +
         " Kommandos. Weitere Kommandos können nicht hinzugefügt werden.";
}

int CommandCount(const CommandTable& table) {
  int count = 0;
  for (int s = 1; s < table.SlotsInUse(); ++s) count += table.Slot(s).SectionName.empty() ? 0 : 1;
  return count;
}

namespace {

// "Das Skript kann höchstens 511 Kommandos enthalten; es enthält schon N, "
// followed by where more would come from.
std::string TooLargeMessage(int inScript, const std::string& more) {
  return "Das Skript kann höchstens " + DecimalText(kSlotCount - 1) +
         " Kommandos enthalten; es enthält schon " + DecimalText(inScript) + ", " + more;
}

}  // namespace

std::string PasteTooLargeMessage(int inScript, int onClipboard) {
  return TooLargeMessage(inScript, "aus der Zwischenablage kämen " +
                                       (onClipboard < 0 ? "mehr als " + DecimalText(kSlotCount - 1)
                                                        : DecimalText(onClipboard)) +
                                       " dazu.");
}

std::string DuplicateTooLargeMessage(int inScript, int copied) {
  return TooLargeMessage(inScript, "die Kopie brächte " + DecimalText(copied) + " dazu.");
}

std::string OverwriteQuestion(std::string_view path) {
  return "Die Datei " + Quoted(path) + " ist bereits vorhanden. Möchten Sie sie ersetzen?";
}

}  // namespace wavoria
