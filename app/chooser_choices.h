// What each button of the add-command chooser (dialog 3000) puts into the
// edit buffer: kinds without parameters are written at once, the others are
// filled by their command dialog.
#pragma once

#include <array>
#include <string_view>

#include "document/command_table.h"

namespace wavoria {

// The "Abbrechen" button of the chooser.
inline constexpr int kChooserCancel = 3022;

struct ChooserChoice {
  int ButtonId;              // the chooser's button
  int DialogId;              // the command dialog that fills the buffer; 0: none
  std::string_view Action;   // written at once when there is no dialog
  std::string_view Command;  // likewise, "" for none
  std::string_view Enable;   // likewise, "" for none
};

// The fifteen command buttons.
inline constexpr std::array<ChooserChoice, 15> kChooserChoices = {{
    {3016, 0, "GetMousePosition", "", ""},         // "Maus-/Tastenstatus senden"
    {3004, 4000, "", "", ""},                      // "In Logdatei schreiben"
    {3005, 4100, "", "", ""},                      // "Wert an Output-Liste anhängen"
    {3006, 4200, "", "", ""},                      // "Funktion von 'Get Midi Pos.' ändern"
    {3017, 0, "MidiTickFunction", "Clear", ""},    // "Output-Liste löschen"
    {3007, 4400, "", "", ""},                      // "Debug-Level setzen"
    {3014, 4500, "", "", ""},                      // "Maussupport aktivieren"
    {3015, 0, "EnableMouseSupport", "", "False"},  // "Maussupport deaktivieren"
    {3009, 0, "EnableKeySupport", "", "True"},     // "Tastensupport aktivieren"
    {3010, 0, "EnableKeySupport", "", "False"},    // "Tastensupport deaktivieren"
    {3011, 5000, "", "", ""},                      // "Tastenereignis registrieren"
    {3012, 5100, "", "", ""},                      // "Cheat-Eingabe registrieren"
    {3019, 5200, "", "", ""},                      // "Programm ausführen"
    {3020, 5300, "", "", ""},                      // "Dokument öffnen"
    {3021, 5400, "", "", ""},                      // "MCI-Befehl senden"
}};

// The choice behind a button, or nullptr for any other id.
const ChooserChoice* FindChooserChoice(int buttonId);

// Empties the edit buffer (names, Next and every field; slot index and
// DialogType -1) and, for a kind without dialog, writes its fields. Every
// press starts from an empty buffer, so a cancelled dialog leaves nothing.
void ApplyChooserChoice(const ChooserChoice& choice, CommandTable& table);

}  // namespace wavoria
