#include "app/dialog_registry_win.h"

#include "app/clash_warning_win.h"
#include "dialogs/command_dialogs_win.h"
#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "shell/dialog_registry_win.h"
#include "wizard/wizard_pages_win.h"

namespace wavoria {

namespace {

// Every dialog that the chooser, the main window or the wizard opens by id.
const RegisteredDialog kRegistry[] = {
    {IDD_LOG, LogDialogProc},                         // "In Logdatei schreiben"
    {IDD_OUTPUT, OutputDialogProc},                   // "Wert an Output-Liste anhängen"
    {IDD_MIDI_TICK, MidiTickDialogProc},              // "Funktion von 'Get Midi Pos.' ändern"
    {IDD_DEBUG_LEVEL, DebugLevelDialogProc},          // "Debuglevel setzen"
    {IDD_MOUSE_SUPPORT, MouseSupportDialogProc},      // "Maussupport aktivieren"
    {IDD_KEY_EVENT, KeyEventDialogProc},              // "Tastenereignis registrieren"
    {IDD_CHEAT, CheatDialogProc},                     // "Cheat-Eingabe registrieren"
    {IDD_PROGRAM, ProgramDialogProc},                 // "Programm ausführen"
    {IDD_DOCUMENT, DocumentDialogProc},               // "Dokument öffnen"
    {IDD_MCI, MciDialogProc},                         // "MCI-Befehl senden"
    {IDD_WIZ_PATHS, PathsPageProc},                   // wizard: game and RPG Maker folders
    {IDD_WIZ_FUNCTIONS, FunctionsPageProc},           // wizard: keyboard and/or mouse support
    {IDD_WIZ_START_FUNCTION, StartFunctionPageProc},  // wizard: support active at game start
    {IDD_WIZ_MOUSE, MousePageProc},                   // wizard: mouse ID
    {IDD_WIZ_FINISH, FinishPageProc},                 // wizard: "Fertig stellen"
};

}  // namespace

void RegisterDialogs() {
  SetDialogRegistry(kRegistry);
  App().MayKeepRegistration = MayKeepRegistration;
}

}  // namespace wavoria
