// Why a file step failed, as the user is told it. The platform layers only
// classify the system's error; the words live here.
#pragma once

#include <string>
#include <string_view>

namespace wavoria {

enum class FileError {
  None,
  NotFound,      // the file or a folder on its path is not there
  Denied,        // read-only, or no permission
  InUse,         // held open by another program
  DiskFull,      // no room left on the drive
  TooLong,       // the path is longer than the system's file functions take
  Link,          // a link to another place stands where the file or a folder on its path should be
  NotPlainFile,  // a named pipe or a device, no file that can be read or replaced
  TooLarge,      // larger than the program reads such a file
  Other,         // any other error of the system
};

// The error of the last failed file call of this thread; None after a call
// that succeeded.
FileError LastFileError();
void SetLastFileError(FileError error);

// The cause in plain German, as it follows a colon: "nicht gefunden",
// "schreibgeschützt oder keine Berechtigung", ...
std::string FileErrorCause(FileError error);

// "<sentence>: <cause>." for a failed step, for example
// "Die Datei 'X' konnte nicht gespeichert werden: Der Datenträger ist voll."
std::string WithCause(std::string_view sentence, FileError error);

}  // namespace wavoria
