// The editor's messages and the small rules of its file commands that are not
// list commands: what the boxes say, how Notepad is started, and whether the
// script counts as changed after it came back from Notepad.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/command_table.h"
#include "platform/file_error.h"

namespace wavoria {

// The save prompt, asked before a command drops unsaved changes.
inline constexpr std::string_view kSavePromptText =
    "An der Datei wurden Änderungen vorgenommen. Jetzt speichern?";

// The question before a script without a file goes to Notepad.
inline constexpr std::string_view kUntitledNotepadPromptText =
    "Die Datei hat noch keinen Namen. Jetzt speichern?";

// The box that waits while Notepad runs.
inline constexpr std::string_view kNotepadWaitTitle = "Im Editor öffnen";
inline constexpr std::string_view kNotepadWaitText =
    "Die Datei wird nun im Editor geöffnet. Wenn Sie fertig sind, klicken Sie auf OK.";

// The file a script goes to Notepad in when the user does not save it first;
// it lies in the folder that was current when the program started.
inline constexpr std::string_view kNotepadTempFile = "~wiz.script.wav";

// The About box.
inline constexpr std::string_view kAboutTitle = "Über Wavoria";
inline constexpr std::string_view kAboutText =
    "Wavoria 1.0\r\n\r\nFreie Software unter der MIT-Lizenz (MIT License):\r\n"
    "Sie dürfen sie nutzen, verändern und weitergeben.\r\n"
    "Sie wird ohne jede Gewährleistung bereitgestellt.";

// The question asked before the script goes to Notepad: the untitled form
// when it has no file yet, the save prompt otherwise.
std::string_view NotepadPromptText(const std::string& documentPath);

// Whether the script can go to Notepad as it is, without asking: it has a
// file and no unsaved changes.
bool NotepadNeedsNoPrompt(const std::string& documentPath, bool modified);

// The command line that starts Notepad on a file: the file name in quotes, so
// that blanks and other characters in it reach Notepad as one name.
std::string NotepadCommandLine(std::string_view file);

// Warnings about files that could not be read or written, with the cause the
// file layer gave, and about Notepad.
std::string CannotOpenMessage(std::string_view path, FileError cause = FileError::None);
std::string CannotSaveMessage(std::string_view path, FileError cause = FileError::None);
std::string NotepadFailedMessage(std::string_view path);

// Files dropped on a window are opened as "Öffnen" opens a file, only the
// first of them: for several files, what the user is told before.
std::optional<std::string> DroppedFilesNote(const std::vector<std::string>& files);

// A dropped folder: what the user is told instead of opening anything.
std::string DroppedFolderMessage(std::string_view path);

// Whether a file, read as `table`, holds no script: it has text, but no
// section with an Action (a text file dropped by mistake). Opening it asks
// first, and Speichern asks before replacing it; an empty file is no loss.
bool HoldsNoScript(std::string_view bytes, const CommandTable& table);
// The two questions, with the file's path.
std::string OpenNonScriptQuestion(std::string_view path);
std::string ReplaceNonScriptQuestion(std::string_view path);

// Whether another command fits into the script, and what is said when not.
bool HasRoomForCommand(const CommandTable& table);
std::string ScriptFullMessage();

// The commands the script holds, those its chain does not reach included:
// each takes one of the 511 slots.
int CommandCount(const CommandTable& table);

// Einfügen without a command on the clipboard.
inline constexpr std::string_view kNoCommandsOnClipboardText =
    "Die Zwischenablage enthält keine Kommandos.";
// Einfügen of more commands than fit: the script holds `inScript`, the
// clipboard `onClipboard` (-1: more than a script can hold).
std::string PasteTooLargeMessage(int inScript, int onClipboard);
// Duplizieren of `copied` commands that do not fit beside the `inScript` ones.
std::string DuplicateTooLargeMessage(int inScript, int copied);

// The clipboard could not be opened: another program holds it.
inline constexpr std::string_view kClipboardBusyText =
    "Die Zwischenablage wird gerade von einem anderen Programm benutzt. Bitte versuchen Sie es "
    "gleich noch einmal.";

// The save chooser's question before it replaces a file.
std::string OverwriteQuestion(std::string_view path);

}  // namespace wavoria
