// The procedures of the command dialogs. Each reads its initial values from
// the edit buffer, writes Action and its fields back on OK, and marks the
// buffer "&NULL" on Cancel or close. Every dialog ends with result 0.
#pragma once

#include <windows.h>

namespace wavoria {

INT_PTR CALLBACK LogDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);  // 4000
// 4100 "Wert an Output-Liste anhängen"
INT_PTR CALLBACK OutputDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// 4200 "Funktion von 'Get Midi Pos.' ändern"
INT_PTR CALLBACK MidiTickDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// 4400 "Debuglevel setzen"
INT_PTR CALLBACK DebugLevelDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// 5400 "MCI-Befehl senden"
INT_PTR CALLBACK MciDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// 4500 "Maussupport aktivieren"
INT_PTR CALLBACK MouseSupportDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// 5000 "Tastenereignis registrieren"; its "..." button runs the key capture
INT_PTR CALLBACK KeyEventDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// 5100 "Cheat-Eingabe registrieren"
INT_PTR CALLBACK CheatDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// 5200 "Programm ausführen"; refuses an empty file name
INT_PTR CALLBACK ProgramDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// 5300 "Dokument öffnen"; refuses an empty file name
INT_PTR CALLBACK DocumentDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

// Dialog 6000 "Skript umbenennen" is no command dialog and is not in the
// registry: the main window opens it directly. It edits the document's
// ScriptName, not the edit buffer: OK stores the name, Cancel and close
// change nothing.
INT_PTR CALLBACK RenameDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace wavoria
