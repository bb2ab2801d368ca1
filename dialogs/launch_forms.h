// What the dialogs "Programm ausführen" and "Dokument öffnen" show for an
// ExecProgram command and what they store on OK. Both write Action
// "ExecProgram"; Type tells them apart: empty for a program, "Document" for a
// document. Unlike the other command dialogs, both refuse an empty file name.
// Text boxes show their fields as Displayable and store them with FromBox
// (document/text.h).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "document/script_command.h"

namespace wavoria {

// One item of a drop-down list and the field value it stands for.
struct LaunchChoice {
  std::string_view Item;    // the text in the list
  std::string_view Stored;  // what the field holds when this item is chosen
};

// "Modus:", the window mode, stored in Display. The pairing is by position:
// "Minimiert und im Hintergrund" goes with "MinimizedActive".
inline constexpr std::array<LaunchChoice, 6> kLaunchModes = {{
    {"Nicht festgelegt", ""},
    {"Normal", "Normal"},
    {"Minimiert", "Minimized"},
    {"Maximiert", "Maximized"},
    {"Minimiert und im Hintergrund", "MinimizedActive"},
    {"Im Hintergrund", "NotActivated"},
}};
inline constexpr int kDefaultLaunchMode = 0;  // "Nicht festgelegt"

// "Priorität:", stored in Priority. High priority is stored as "Hight", the
// form the add-on reads; normal priority is an empty field.
inline constexpr std::array<LaunchChoice, 4> kLaunchPriorities = {{
    {"Niedrig", "Idle"},
    {"Normal", ""},
    {"Hoch", "Hight"},
    {"Echtzeit", "Realtime"},
}};
inline constexpr int kDefaultLaunchPriority = 1;  // "Normal"

// The item a stored Display or Priority selects: the item whose stored value
// equals it in any letter case; anything else selects the default item.
int LaunchModeSelection(std::string_view display);
int LaunchPrioritySelection(std::string_view priority);

inline constexpr std::string_view kDocumentType = "Document";
inline constexpr std::string_view kShowErrors = "ShowErrors";

// The message box of a refused file name: its caption (the same for both
// dialogs) and its texts.
inline constexpr std::string_view kLaunchRefusalCaption = "Programm ausführen";
inline constexpr std::string_view kMissingProgramMessage = "Bitte geben Sie ein Programm an!";
inline constexpr std::string_view kMissingDocumentMessage = "Bitte geben Sie eine Datei an!";

// Whether a file text counts as no file at all: empty or blanks only.
bool IsMissingFileName(std::string_view file);

// Dialog "Programm ausführen".
struct ProgramLaunchForm {
  std::string File;                       // program path and parameters, as typed
  std::string ResultFile;                 // "Ergebnisdatei:", may be empty
  bool Wait = false;                      // "Auf Beenden des Programms warten"
  int Mode = kDefaultLaunchMode;          // index into kLaunchModes; -1: none selected
  int Priority = kDefaultLaunchPriority;  // index into kLaunchPriorities; -1: none selected
};

ProgramLaunchForm ShowProgramLaunch(const ScriptCommand& cmd);

// Stores the form into cmd. Action and Type are written first; then a
// missing file name refuses the form (returns false) and leaves every other
// field as it was. A mode or priority of -1 keeps its field.
bool StoreProgramLaunch(const ProgramLaunchForm& form, ScriptCommand& cmd);

// Dialog "Dokument öffnen".
struct DocumentLaunchForm {
  std::string File;         // document path, as typed
  bool ShowErrors = false;  // "Eventuelle Fehlermeldungen anzeigen"
  bool Wait = false;        // "Auf Beenden des Programms warten"
};

DocumentLaunchForm ShowDocumentLaunch(const ScriptCommand& cmd);

// As StoreProgramLaunch, for a document launch (Type "Document").
bool StoreDocumentLaunch(const DocumentLaunchForm& form, ScriptCommand& cmd);

}  // namespace wavoria
