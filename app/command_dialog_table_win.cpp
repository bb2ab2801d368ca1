#include "app/command_dialog_table_win.h"

#include <algorithm>
#include <iterator>

#include "app/clash_warning_win.h"
#include "dialogs/command_dialogs_win.h"
#include "dialogs/dialog_common_win.h"
#include "resources/resource_ids.h"

namespace wavoria {

namespace {

struct CommandDialogEntry {
  int TemplateId;
  DLGPROC Procedure;
};

constexpr CommandDialogEntry kCommandDialogs[] = {
    {IDD_LOG, LogDialogProc},                     // "In Logdatei schreiben"
    {IDD_OUTPUT, OutputDialogProc},               // "Wert an Output-Liste anhängen"
    {IDD_MIDI_TICK, MidiTickDialogProc},          // "Funktion von 'Get Midi Pos.' ändern"
    {IDD_DEBUG_LEVEL, DebugLevelDialogProc},      // "Debuglevel setzen"
    {IDD_MOUSE_SUPPORT, MouseSupportDialogProc},  // "Maussupport aktivieren"
    {IDD_KEY_EVENT, KeyEventDialogProc},          // "Tastenereignis registrieren"
    {IDD_CHEAT, CheatDialogProc},                 // "Cheat-Eingabe registrieren"
    {IDD_PROGRAM, ProgramDialogProc},             // "Programm ausführen"
    {IDD_DOCUMENT, DocumentDialogProc},           // "Dokument öffnen"
    {IDD_MCI, MciDialogProc},                     // "MCI-Befehl senden"
};

}  // namespace

void ShowCommandDialog(HWND owner, int templateId) {
  const auto* dialog =
      std::ranges::find(kCommandDialogs, templateId, &CommandDialogEntry::TemplateId);
  if (dialog == std::end(kCommandDialogs)) return;
  const RegistrationCheck check = MayKeepRegistration;
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, dialog->Procedure,
                  reinterpret_cast<LPARAM>(check));
}

}  // namespace wavoria
