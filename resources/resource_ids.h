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
#define IDM_UNDO 10021
#define IDM_REDO 10022
#define IDM_CUT 10023
#define IDM_COPY 10024
#define IDM_PASTE 10025
#define IDM_UNDO_INSTALLATION 10030  // "Installation &rückgängig machen…"
#define IDM_SELECT_ALL 10040         // "Alle ausw&ählen"
#define IDM_DUPLICATE 10041          // "&Duplizieren"
#define IDM_FIND 10042               // "&Suchen…"
#define IDM_FIND_NEXT 10043          // "&Nächstes suchen"
#define IDM_FIND_PREVIOUS 10044      // "&Vorheriges suchen"
#define IDM_REPLACE 10045            // "Erse&tzen…"
#define IDM_GAME_OVERVIEW 10060      // "Spiel&übersicht…"

// The find and replace boxes of the main window: the system's, from these
// templates, whose controls bear the ids the system gives them (<dlgs.h>).
#define IDD_FIND 10050
#define IDD_REPLACE 10051
#define IDC_FIND_WHAT_CAPTION 10052     // "Suchen &nach:"
#define IDC_REPLACE_WITH_CAPTION 10053  // "Ersetzen &durch:"

// Main editor window: its keys (an accelerator table, numbered as its menu).
#define IDR_MAIN_KEYS 10000

// Game overview: dialog 7000 "Spielübersicht", a window that grows.
#define IDD_GAME_OVERVIEW 7000
#define IDC_OVERVIEW_COUNT 7001    // "12 Skripte, 48 Ereignisse, 3 Konflikte"
#define IDC_OVERVIEW_LIST 7002     // list view: one row per registration and clash
#define IDC_OVERVIEW_REFRESH 7003  // "&Aktualisieren" (F5)
#define IDC_OVERVIEW_CLOSE 7004    // "Schließen"

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

// Dialog "Maussupport aktivieren".
#define IDD_MOUSE_SUPPORT 4500
#define IDC_MOUSE_NEGATIVE 4501   // "Negativ"
#define IDC_MOUSE_ID 4502         // the mouse ID, digits only
#define IDC_MOUSE_AUTOMATIC 4503  // "Automatisch alle 0,5 Sekunden Mausposition senden"
#define IDC_MOUSE_CANCEL 4504
#define IDC_MOUSE_OK 4505
#define IDC_MOUSE_PROMPT 4506

// Dialog "Tastenereignis registrieren".
#define IDD_KEY_EVENT 5000
#define IDC_KEY_EVENT_CANCEL 5001
#define IDC_KEY_EVENT_OK 5002
#define IDC_KEY_EVENT_KEY 5003  // read-only key name
#define IDC_KEY_EVENT_PROMPT 5004
#define IDC_KEY_EVENT_EVENT 5005          // drop-down list "Drücken", "Loslassen"
#define IDC_KEY_EVENT_EVENT_CAPTION 5006  // "Ereignis:"
#define IDC_KEY_EVENT_KEY_CAPTION 5007    // "Taste:"
#define IDC_KEY_EVENT_CAPTURE 5008        // "...": opens the key-capture window
#define IDC_KEY_EVENT_VALUE_CAPTION 5009  // "Wert:"
#define IDC_KEY_EVENT_NEGATIVE 5010       // "Negativ"
#define IDC_KEY_EVENT_VALUE 5011          // digits only
#define IDC_KEY_EVENT_BLOCK 5012          // "Originalfunktion sperren"

// Dialog "Cheat-Eingabe registrieren".
#define IDD_CHEAT 5100
#define IDC_CHEAT_CANCEL 5101
#define IDC_CHEAT_OK 5102
#define IDC_CHEAT_NEGATIVE 5103       // "Negativ"
#define IDC_CHEAT_VALUE 5104          // digits only
#define IDC_CHEAT_TEXT 5107           // the cheat, upper case as typed
#define IDC_CHEAT_VALUE_CAPTION 5108  // "Wert:"
#define IDC_CHEAT_TEXT_CAPTION 5109   // "Cheat:"

// Dialog "Programm ausführen".
#define IDD_PROGRAM 5200
#define IDC_PROGRAM_CANCEL 5201
#define IDC_PROGRAM_OK 5202
#define IDC_PROGRAM_PRIORITY 5203          // drop-down list of the priorities
#define IDC_PROGRAM_RESULT 5204            // result file
#define IDC_PROGRAM_RESULT_CAPTION 5205    // "Ergebnisdatei:"
#define IDC_PROGRAM_PRIORITY_CAPTION 5206  // "Priorität:"
#define IDC_PROGRAM_FILE 5207              // program and parameters
#define IDC_PROGRAM_MODE_CAPTION 5208      // "Modus:"
#define IDC_PROGRAM_MODE 5209              // drop-down list of the window modes
#define IDC_PROGRAM_FILE_CAPTION 5210      // "Datei:"
#define IDC_PROGRAM_PROMPT 5211
#define IDC_PROGRAM_WAIT 5212       // "Auf Beenden des Programms warten"
#define IDC_PROGRAM_PATH_NOTE 5213  // about %path%

// Dialog "Dokument öffnen".
#define IDD_DOCUMENT 5300
#define IDC_DOCUMENT_CANCEL 5301
#define IDC_DOCUMENT_OK 5302
#define IDC_DOCUMENT_WAIT 5303         // "Auf Beenden des Programms warten"
#define IDC_DOCUMENT_SHOW_ERRORS 5304  // "Eventuelle Fehlermeldungen anzeigen"
#define IDC_DOCUMENT_PATH_NOTE 5305    // about %path%
#define IDC_DOCUMENT_FILE 5310
#define IDC_DOCUMENT_FILE_CAPTION 5311  // "Datei:"
#define IDC_DOCUMENT_PROMPT 5312

// Start screen: dialog 2000, its icons and its picture.
#define IDI_START_WIZARD 101  // image of "Assist."
#define IDI_START_NEW 102     // image of "Neu"
#define IDI_START_OPEN 103    // image of "Öffnen"
#define IDB_START_STRIP 200   // picture along the start screen's left edge
#define IDD_START 2000
#define IDC_START_WIZARD 2001       // "Assist."
#define IDC_START_NEW 2002          // "Neu"
#define IDC_START_OPEN 2003         // "Öffnen"
#define IDC_START_CANCEL 2004       // "Abbrechen"
#define IDC_START_WIZARD_TEXT 2005  // text beside "Assist."
#define IDC_START_NEW_TEXT 2006     // text beside "Neu"
#define IDC_START_OPEN_TEXT 2007    // text beside "Öffnen"
#define IDC_START_INTRO 2008        // text at the top
#define IDC_START_PICTURE 2009      // bitmap 200
#define IDC_START_LINE 2010         // etched line under the top text

// Add-command chooser: dialog 3000 "Kommando hinzufügen".
#define IDD_CHOOSER 3000
#define IDC_CHOOSER_PROMPT 3001
#define IDC_CHOOSER_LINE 3002
#define IDC_CHOOSER_GENERAL 3003         // group "Allgemein"
#define IDC_CHOOSER_LOG 3004             // "In Logdatei schreiben"
#define IDC_CHOOSER_OUTPUT 3005          // "Wert an Output-Liste anhängen"
#define IDC_CHOOSER_MIDI_TICK 3006       // "Funktion von 'Get Midi Pos.' ändern"
#define IDC_CHOOSER_DEBUG_LEVEL 3007     // "Debug-Level setzen"
#define IDC_CHOOSER_KEYS 3008            // group "Tasten"
#define IDC_CHOOSER_KEY_ON 3009          // "Tastensupport aktivieren"
#define IDC_CHOOSER_KEY_OFF 3010         // "Tastensupport deaktivieren"
#define IDC_CHOOSER_KEY_EVENT 3011       // "Tastenereignis registrieren"
#define IDC_CHOOSER_CHEAT 3012           // "Cheat-Eingabe registrieren"
#define IDC_CHOOSER_MOUSE 3013           // group "Maus"
#define IDC_CHOOSER_MOUSE_ON 3014        // "Maussupport aktivieren"
#define IDC_CHOOSER_MOUSE_OFF 3015       // "Maussupport deaktivieren"
#define IDC_CHOOSER_MOUSE_POSITION 3016  // "Maus-/Tastenstatus senden"
#define IDC_CHOOSER_CLEAR_OUTPUT 3017    // "Output-Liste löschen"
#define IDC_CHOOSER_OTHER 3018           // group "Sonstiges"
#define IDC_CHOOSER_PROGRAM 3019         // "Programm ausführen"
#define IDC_CHOOSER_DOCUMENT 3020        // "Dokument öffnen"
#define IDC_CHOOSER_MCI 3021             // "MCI-Befehl senden"
#define IDC_CHOOSER_CANCEL 3022          // "Abbrechen"

// Wizard pages 8000 to 8500, all titled "Wavoria". Every page has the picture
// along its left edge and the etched line above its buttons.
#define IDB_WIZARD_PICTURE 201  // the pages' picture, 120 x 226 pixels
#define IDC_WIZ_PICTURE 8900    // bitmap 201 along the left edge
#define IDC_WIZ_LINE 8901       // etched line above the buttons

// Wizard page 8000: game and RPG Maker folders.
#define IDD_WIZ_PATHS 8000
#define IDC_WIZ_PATHS_INTRO 8001
#define IDC_WIZ_PATHS_GAME 8002           // read-only: the game's RPG_RT.EXE
#define IDC_WIZ_PATHS_GAME_BROWSE 8003    // "..."
#define IDC_WIZ_PATHS_GAME_CAPTION 8004   // "Spiel:"
#define IDC_WIZ_PATHS_MAKER_CAPTION 8005  // "RPG Maker:"
#define IDC_WIZ_PATHS_MAKER 8006          // read-only: the RPG Maker's RPG2000.EXE
#define IDC_WIZ_PATHS_MAKER_BROWSE 8007   // "..."
#define IDC_WIZ_PATHS_CANCEL 8008         // "Abbrechen"
#define IDC_WIZ_PATHS_NEXT 8011           // "Weiter >"

// Wizard page 8100: which support.
#define IDD_WIZ_FUNCTIONS 8100
#define IDC_WIZ_FUNCTIONS_CANCEL 8101    // "Abbrechen"
#define IDC_WIZ_FUNCTIONS_NEXT 8102      // "Weiter >"
#define IDC_WIZ_FUNCTIONS_KEYBOARD 8104  // "Tastatursupport"
#define IDC_WIZ_FUNCTIONS_MOUSE 8105     // "Maussupport"
#define IDC_WIZ_FUNCTIONS_INTRO 8110
#define IDC_WIZ_FUNCTIONS_BACK 8112  // "< Zurück"

// Wizard page 8200: the support active at game start.
#define IDD_WIZ_START_FUNCTION 8200
#define IDC_WIZ_START_FUNCTION_CANCEL 8201  // "Abbrechen"
#define IDC_WIZ_START_FUNCTION_NEXT 8202    // "Weiter >"
#define IDC_WIZ_START_FUNCTION_BACK 8203    // "< Zurück"
#define IDC_WIZ_START_FUNCTION_LIST 8205    // "Tastatursupport", "Maussupport"
#define IDC_WIZ_START_FUNCTION_INTRO 8207

// Wizard page 8400: mouse settings.
#define IDD_WIZ_MOUSE 8400
#define IDC_WIZ_MOUSE_CANCEL 8401     // "Abbrechen"
#define IDC_WIZ_MOUSE_NEXT 8402       // "Weiter >"
#define IDC_WIZ_MOUSE_BACK 8403       // "< Zurück"
#define IDC_WIZ_MOUSE_AUTOMATIC 8405  // "Automatisch alle 0,5 Sekunden Mausposition senden"
#define IDC_WIZ_MOUSE_INTRO 8406
#define IDC_WIZ_MOUSE_NEGATIVE 8408  // "Negativ"
#define IDC_WIZ_MOUSE_ID 8409        // the mouse ID without sign, digits only

// Wizard page 8500: finish.
#define IDD_WIZ_FINISH 8500
#define IDC_WIZ_FINISH_INTRO 8501
#define IDC_WIZ_FINISH_CANCEL 8503  // "Abbrechen"
#define IDC_WIZ_FINISH_FINISH 8504  // "Fertig stellen"
#define IDC_WIZ_FINISH_BACK 8505    // "< Zurück"
#define IDC_WIZ_FINISH_TASKS 8507   // what Wavoria takes over
#define IDC_WIZ_FINISH_KEY_LIST \
  8508  // the key list opens afterwards; empty without keyboard support

#endif  // WAVORIA_RESOURCES_RESOURCE_IDS_H
