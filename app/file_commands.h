// The rules of the editor's file commands, apart from the windows that ask
// and choose: where a path the program learns points to, when unsaved
// changes may be dropped, and the round trip of a script through Notepad.
// The shell answers the questions and does the file work through the
// functions it passes in.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "document/prompt.h"

namespace wavoria {

// The path made absolute against the absolute folder `base`, in Windows
// fashion: "C:\x" and "\\server\share\x" stay as they are, "\x" lies on the
// drive of base, "C:x" in base when base is on drive C: (else at the root of
// C:), anything else below base. "." and ".." steps are resolved (never above
// the root). The separator is the backslash when either path uses one or
// names a drive, otherwise "/". An empty path stays empty; with an empty
// base a relative path is returned as it is.
std::string AbsolutePath(std::string_view path, std::string_view base);

// The name the save chooser writes for the name chosen in it: while its
// first filter ("Klavato-Skript", index 1; 0 before any was chosen) is
// active, a name without extension gets ".script.wav", which the add-on
// needs to run it; a name with any extension, or one chosen under
// "Alle Dateien", stays as it is.
std::string SavedScriptName(std::string_view chosen, unsigned filterIndex);

// The save prompt before a command drops unsaved changes: nothing is asked
// without changes; Nein goes on, Ja goes on only when `save` saved the script,
// Abbrechen stops. Returns whether the command may go on.
bool MayDropChanges(bool modified, const std::function<Answer()>& ask,
                    const std::function<bool()>& save);

// The shell's side of editing the script in Notepad. Every function that can
// fail has already told the user why when it returns false or nothing.
struct NotepadSteps {
  std::function<Answer(std::string_view question)> Ask;
  // Saves the script in its own file (choosing one when it has none) and
  // returns that file, or nothing when the script was not saved.
  std::function<std::optional<std::string>()> Save;
  std::function<bool(const std::string& file)> Write;  // the script into file
  std::function<std::optional<std::string>(const std::string& file)> Contents;
  std::function<bool(const std::string& file)> Start;  // Notepad on file
  std::function<void()> Wait;                          // until the user is done
  std::function<bool(const std::string& file)> Read;   // file becomes the script
};

// Hands the script to Notepad and reads it back. The script goes as it is
// when it has a file and no changes; otherwise the user is asked first: Ja
// saves it in its own file, Nein writes it to `tempFile`, Abbrechen stops.
// A file that Notepad left as it was is not read back: nothing changes.
// Returns whether the script counts as changed afterwards: not after its own
// file came back; after the temporary file, when it was changed before or
// Notepad changed the file. A step that fails ends the round trip there.
bool EditInNotepad(const std::string& documentPath, bool modified, const std::string& tempFile,
                   const NotepadSteps& steps);

}  // namespace wavoria
