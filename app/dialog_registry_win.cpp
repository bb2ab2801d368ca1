#include "app/dialog_registry_win.h"

#include "dialogs/command_dialogs_win.h"
#include "shell/dialog_registry_win.h"
#include "wizard/wizard_pages_win.h"

namespace wavoria {

namespace {

using Entry = RegisteredDialog;

// Every dialog that the chooser, the main window or the wizard opens by id.
const Entry kRegistry[] = {
    {4000, LogDialogProc},           // "In Logdatei schreiben"
    {4100, OutputDialogProc},        // "Wert an Output-Liste anhängen"
    {4200, MidiTickDialogProc},      // "Funktion von 'Get Midi Pos.' ändern"
    {4400, DebugLevelDialogProc},    // "Debuglevel setzen"
    {4500, MouseSupportDialogProc},  // "Maussupport aktivieren"
    {5000, KeyEventDialogProc},      // "Tastenereignis registrieren"
    {5100, CheatDialogProc},         // "Cheat-Eingabe registrieren"
    {5200, ProgramDialogProc},       // "Programm ausführen"
    {5300, DocumentDialogProc},      // "Dokument öffnen"
    {5400, MciDialogProc},           // "MCI-Befehl senden"
    {8000, PathsPageProc},           // wizard: game and RPG Maker folders
    {8100, FunctionsPageProc},       // wizard: keyboard and/or mouse support
    {8200, StartFunctionPageProc},   // wizard: support active at game start
    {8400, MousePageProc},           // wizard: mouse ID
    {8500, FinishPageProc},          // wizard: "Fertig stellen"
};

}  // namespace

void RegisterDialogs() {
  SetDialogRegistry(kRegistry);
}

}  // namespace wavoria
