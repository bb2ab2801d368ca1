#include "platform/file_error.h"

namespace wavoria {

namespace {

thread_local FileError lastError = FileError::None;

}  // namespace

FileError LastFileError() {
  return lastError;
}

void SetLastFileError(FileError error) {
  lastError = error;
}

std::string FileErrorCause(FileError error) {
  switch (error) {
    case FileError::None:
      return {};
    case FileError::NotFound:
      return "nicht gefunden";
    case FileError::Denied:
      return "schreibgeschützt oder keine Berechtigung";
    case FileError::InUse:
      return "wird gerade von einem anderen Programm verwendet (läuft das Spiel oder der RPG "
             "Maker noch?)";
    case FileError::DiskFull:
      return "Der Datenträger ist voll";
    case FileError::TooLong:
      return "der Pfad ist länger, als das System erlaubt";
    case FileError::Link:
      return "an ihrer Stelle oder auf dem Weg dorthin liegt eine Verknüpfung auf einen anderen "
             "Ort";
    case FileError::NotPlainFile:
      return "keine gewöhnliche Datei, sondern eine Pipe oder ein Gerät";
    case FileError::TooLarge:
      return "die Datei ist größer, als Wavoria eine solche Datei liest";
    case FileError::Other:
      break;
  }
  return "ein Fehler des Systems";
}

std::string WithCause(std::string_view sentence, FileError error) {
  std::string text(sentence);
  if (!text.empty() && text.back() == '.') text.pop_back();
  if (error == FileError::None) return text + ".";
  return text + ": " + FileErrorCause(error) + ".";
}

}  // namespace wavoria
