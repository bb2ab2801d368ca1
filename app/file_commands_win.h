// The file side of the main window: the save prompt, New, Open, Save,
// Save As and editing the script in Notepad. Every box and chooser is owned
// by the window passed in. A file that cannot be read or written is reported
// with a warning naming it, and the document, its path and its modified flag
// then stay as they were.
#pragma once

#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <functional>
#include <string>

namespace wavoria {

// Before a command drops unsaved changes: the save prompt (Ja, Nein,
// Abbrechen) when the script has any. Returns true to go on: without changes,
// after Nein, or after Ja when the script was saved. Returns false to stop:
// after Abbrechen, a cancelled save chooser or a failed save.
bool MayDropChanges(HWND owner);

// Makes the document a new, empty script without a file and without changes.
// Touches no window.
void ResetToNewScript();

// Reads the script at path. On success it becomes the document, DocumentPath
// names it (made absolute against the current folder), its history is empty
// and the reader's warnings are shown; on failure a warning says so and
// nothing changes. A file that holds no script is opened only after the user
// says so, and Speichern then asks before replacing it. The caller refreshes
// the window.
bool OpenScriptFile(HWND owner, const std::string& path);

// The file to open from a drop on `owner`: the first dropped file, after
// telling the user that only it is opened when there are several; "" for
// none, for a folder (the user is told), and while the window waits for a
// dialog of its own.
std::string ScriptFromDrop(HWND owner, HDROP drop);

// A drop on the main window opens the first file as "Öffnen" does, after
// the save prompt when the script has changes.
void OpenDroppedScript(HWND window, HDROP drop);

// The menu commands of the main window.
void NewScript(HWND window);      // "&Neu"
void OpenScript(HWND window);     // "&Öffnen..."
bool SaveScript(HWND window);     // "&Speichern"; true when the script was written
bool SaveScriptAs(HWND window);   // "Speichern &unter..."; likewise
void EditInNotepad(HWND window);  // "Im &Editor öffnen"

// Test seam: while set, Notepad is "started" by calling it with the command
// line; it returns whether the start succeeded. An empty function brings the
// real start back.
using NotepadLauncher = std::function<bool(const std::string& commandLine)>;
void SetNotepadLauncher(NotepadLauncher launcher);

}  // namespace wavoria
