// Resource ids shared by the resource script and the Win32 code. Plain
// #defines only: windres reads this file too.
#ifndef WAVORIA_RESOURCES_RESOURCE_IDS_H
#define WAVORIA_RESOURCES_RESOURCE_IDS_H

// Icons.
#define IDI_WAVORIA 100  // window icon (small icon of the main window, start screen, wizard)

// Main editor window: dialog 1000 and its controls.
#define IDD_MAIN 1000
#define IDC_MAIN_SECTION_CAPTION 1001  // "Section:"
#define IDC_MAIN_SECTION 1002          // section name of the selected line
#define IDC_MAIN_LABEL 1003            // "Kommandos in Datei ...:"
#define IDC_MAIN_LIST 1004             // the command list
#define IDC_MAIN_DETAILS_GROUP 1005    // "Details"
#define IDC_MAIN_DETAILS_BUTTON 1006   // icon button "Bearb."
#define IDC_MAIN_DETAILS_TEXT 1007     // read-only details text
#define IDC_MAIN_ADD 1008              // "&Hinzufügen"
#define IDC_MAIN_EDIT 1009             // "B&earbeiten"
#define IDC_MAIN_UP 1010               // "Nach &oben"
#define IDC_MAIN_DOWN 1011             // "Nach &unten"
#define IDC_MAIN_DELETE 1012           // "&Löschen"
#define IDC_MAIN_NEXT_CAPTION 1013     // "Next:"
#define IDC_MAIN_NEXT 1014             // Next of the selected line

// Main editor window: menu 10000 and its items.
#define IDR_MAIN_MENU 10000
#define IDM_NEW 10002
#define IDM_OPEN 10003
#define IDM_SAVE 10004
#define IDM_SAVE_AS 10005
#define IDM_WIZARD 10006
#define IDM_OPEN_IN_NOTEPAD 10007
#define IDM_EXIT 10009
#define IDM_EDIT_COMMAND 10011
#define IDM_ADD_COMMAND 10012
#define IDM_MOVE_UP 10013
#define IDM_MOVE_DOWN 10014
#define IDM_DELETE_COMMAND 10015
#define IDM_ABOUT 10017

// Dialog "In Logdatei schreiben".
#define IDD_LOG 4000
#define IDC_LOG_OK 4001
#define IDC_LOG_CANCEL 4002
#define IDC_LOG_PROMPT 4003
#define IDC_LOG_TEXT 4004

// Dialog "Wert an Output-Liste anhängen".
#define IDD_OUTPUT 4100
#define IDC_OUTPUT_OK 4101
#define IDC_OUTPUT_CANCEL 4102
#define IDC_OUTPUT_PROMPT 4103
#define IDC_OUTPUT_VALUE 4104     // the magnitude, digits only
#define IDC_OUTPUT_NEGATIVE 4105  // "Negativ"

// Dialog "Funktion von 'Get Midi Pos.' ändern".
#define IDD_MIDI_TICK 4200
#define IDC_MIDI_TICK_OK 4201
#define IDC_MIDI_TICK_CANCEL 4202
#define IDC_MIDI_TICK_PROMPT 4203
#define IDC_MIDI_TICK_FUNCTION 4204  // drop-down list of the two functions

// Dialog "Debuglevel setzen".
#define IDD_DEBUG_LEVEL 4400
#define IDC_DEBUG_LEVEL_PROMPT 4401   // the five lines about the levels
#define IDC_DEBUG_LEVEL_WARNING 4402  // the warning about level 3
#define IDC_DEBUG_LEVEL_LEVEL 4403    // drop-down list "Level 0" to "Level 3"
#define IDC_DEBUG_LEVEL_OK 4404
#define IDC_DEBUG_LEVEL_CANCEL 4405

// Dialog "MCI-Befehl senden".
#define IDD_MCI 5400
#define IDC_MCI_CANCEL 5401
#define IDC_MCI_OK 5402
#define IDC_MCI_COMMAND 5403
#define IDC_MCI_PROMPT 5404
#define IDC_MCI_PATH_NOTE 5405  // about %path%

// Dialog "Skript umbenennen".
#define IDD_RENAME 6000
#define IDC_RENAME_CANCEL 6001
#define IDC_RENAME_OK 6002
#define IDC_RENAME_NAME 6003
#define IDC_RENAME_PROMPT 6004

#endif  // WAVORIA_RESOURCES_RESOURCE_IDS_H
