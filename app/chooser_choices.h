// What each button of the add-command chooser (dialog 3000) puts into the
// edit buffer: kinds without parameters are written at once, the others are
// filled by their command dialog.
#pragma once

#include <array>
#include <string_view>

#include "document/command_table.h"
#include "resources/resource_ids.h"

namespace wavoria {

// The "Abbrechen" button of the chooser.
inline constexpr int kChooserCancel = IDC_CHOOSER_CANCEL;

struct ChooserChoice {
  int ButtonId;              // the chooser's button
  int DialogId;              // the command dialog that fills the buffer; 0: none
  std::string_view Action;   // written at once when there is no dialog
  std::string_view Command;  // likewise, "" for none
  std::string_view Enable;   // likewise, "" for none
};

// The fifteen command buttons.
inline constexpr std::array<ChooserChoice, 15> kChooserChoices = {{
    {IDC_CHOOSER_MOUSE_POSITION, 0, "GetMousePosition", "", ""},  // "Maus-/Tastenstatus senden"
    {IDC_CHOOSER_LOG, IDD_LOG, "", "", ""},                       // "In Logdatei schreiben"
    {IDC_CHOOSER_OUTPUT, IDD_OUTPUT, "", "", ""},        // "Wert an Output-Liste anhängen"
    {IDC_CHOOSER_MIDI_TICK, IDD_MIDI_TICK, "", "", ""},  // "Funktion von 'Get Midi Pos.' ändern"
    {IDC_CHOOSER_CLEAR_OUTPUT, 0, "MidiTickFunction", "Clear", ""},  // "Output-Liste löschen"
    {IDC_CHOOSER_DEBUG_LEVEL, IDD_DEBUG_LEVEL, "", "", ""},          // "Debug-Level setzen"
    {IDC_CHOOSER_MOUSE_ON, IDD_MOUSE_SUPPORT, "", "", ""},           // "Maussupport aktivieren"
    {IDC_CHOOSER_MOUSE_OFF, 0, "EnableMouseSupport", "", "False"},   // "Maussupport deaktivieren"
    {IDC_CHOOSER_KEY_ON, 0, "EnableKeySupport", "", "True"},         // "Tastensupport aktivieren"
    {IDC_CHOOSER_KEY_OFF, 0, "EnableKeySupport", "", "False"},       // "Tastensupport deaktivieren"
    {IDC_CHOOSER_KEY_EVENT, IDD_KEY_EVENT, "", "", ""},  // "Tastenereignis registrieren"
    {IDC_CHOOSER_CHEAT, IDD_CHEAT, "", "", ""},          // "Cheat-Eingabe registrieren"
    {IDC_CHOOSER_PROGRAM, IDD_PROGRAM, "", "", ""},      // "Programm ausführen"
    {IDC_CHOOSER_DOCUMENT, IDD_DOCUMENT, "", "", ""},    // "Dokument öffnen"
    {IDC_CHOOSER_MCI, IDD_MCI, "", "", ""},              // "MCI-Befehl senden"
}};

// The choice behind a button, or nullptr for any other id.
const ChooserChoice* FindChooserChoice(int buttonId);

// Empties the edit buffer (names, Next and every field; slot index -1)
// and, for a kind without dialog, writes its fields. Every press starts from
// an empty buffer, so a cancelled dialog leaves nothing.
void ApplyChooserChoice(const ChooserChoice& choice, CommandTable& table);

// Whether the chooser closes once a choice was carried out: unless its
// dialog was cancelled, which brings the user back to the chooser. A kind
// without dialog has filled the buffer and closes it at once.
bool ChooserClosesAfter(const CommandTable& table);

}  // namespace wavoria
