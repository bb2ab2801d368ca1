// The rules of the wizard pages: what each page shows when it opens, what its
// buttons store in WizardSettings, which page follows, and which message a
// page raises. The page procedures read their controls into the small forms
// below, call these functions and show the message a result names; nothing
// here opens a window.
//
// Page sequences: keyboard only 8000, 8100, 8500; mouse only 8000, 8100,
// 8400, 8500; both 8000, 8100, 8200, 8400, 8500.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "document/prompt.h"
#include "platform/file_io.h"
#include "wizard/wizard_settings.h"

namespace wavoria {

// The file test the checks of page 8000 use; FileExists in the program.
using FileExistsFunction = std::function<bool(const std::string&)>;

inline constexpr std::string_view kGamePathMissingText =
    "Bitte geben Sie den Pfad Ihres Spiels an!";
inline constexpr std::string_view kAlreadyInstalledText =
    "Ihr Spiel scheint bereits Tastatur- oder Maussupport zu enthalten. Die vorhandenen Dateien "
    "werden ersetzt; die, die sich von den neuen unterscheiden, werden vorher in einem "
    "Sicherungsordner (Wavoria-Sicherung) aufbewahrt. Trotzdem fortfahren?";
inline constexpr std::string_view kMakerPathMissingText =
    "Bitte geben Sie den Pfad des RPG Makers an!";
inline constexpr std::string_view kOldHarmonyMissingText =
    "Die Datei 'oldharmony.dll' wurde nicht gefunden. Möglicherweise ist der Klavato nicht "
    "installiert.";
inline constexpr std::string_view kNoFunctionText = "Bitte wählen Sie mindestens eine Funktion!";

// What a button of a page leads to.
struct PageResult {
  bool Closes = false;                   // the page closes; NextPage names what follows
  MessageIcon Icon = MessageIcon::None;  // the box to show first, None for none; the page
                                         // stays open after it
  std::string Message;                   // its text
  bool operator==(const PageResult&) const = default;
};

// Whether id names one of the five pages. The wizard loop ends on any other
// id instead of trying to show a page that does not exist.
bool IsWizardPage(std::int32_t id);

// The navigation table: the page "Weiter >" leads to and the page "< Zurück"
// leads to from page, given the choices stored in settings. Page 8500 leads
// on to kWizardInstall; page 8100 without a chosen function and page 8000's
// missing back button stay on the page; an unknown page gives kWizardCancelled.
std::int32_t PageAfter(std::int32_t page, const WizardSettings& settings);
std::int32_t PageBefore(std::int32_t page, const WizardSettings& settings);

// "Abbrechen" and the close box of every page: NextPage := -1, nothing stored.
void CancelWizard(WizardSettings& settings);

// The wizard loop's step after page `shown` closed and left NextPage at
// `next`: `next` when it names another page or one of the two ends;
// kWizardCancelled when it names no page, or still names `shown` because the
// page could not be shown or closed without naming where to go. So the loop
// never shows one page over and over.
std::int32_t WizardLoopNext(std::int32_t shown, std::int32_t next);

// ---- Page 8000: game and RPG Maker folders ----

struct PathsForm {
  std::string GameFile;   // field 8002: the game's RPG_RT.EXE
  std::string MakerFile;  // field 8006: the RPG Maker's RPG2000.EXE
};

// The fields on opening: the stored folders with "RPG_RT.EXE" and
// "RPG2000.EXE" appended, empty for a folder not yet chosen.
PathsForm ShowPaths(const WizardSettings& settings);

// The folder of a file path: the text up to and including its last
// separator ("\" or "/"); empty when there is none.
std::string FolderOf(std::string_view file);

// "Weiter >". Checks, in order: a game path is given; when the game folder
// already holds "autorun.script" or "Sound\MidiTickOutput.script.wav", the
// question whether to continue (pass continueConfirmed = true once the user
// answered Ja, and call again); the game folder is stored in GamePath; an
// RPG Maker path is given; its folder holds "oldharmony.dll". Only then are
// MakerPath and NextPage = 8100 stored and the page closes. A path without
// any folder counts as no path.
PageResult ConfirmPaths(WizardSettings& settings, const PathsForm& form, bool continueConfirmed,
                        const FileExistsFunction& exists = FileExists);

// ---- Page 8100: which support ----

// "Weiter >": at least one box ticked, else the warning and the page stays.
PageResult ConfirmFunctions(WizardSettings& settings, bool keyboard, bool mouse);
// "< Zurück": both boxes are stored as they are, then page 8000.
void BackFromFunctions(WizardSettings& settings, bool keyboard, bool mouse);

// ---- Page 8200: support active at game start ----

inline constexpr std::array<std::string_view, 2> kStartFunctionItems = {"Tastatursupport",
                                                                        "Maussupport"};

// The list entry selected on opening: StartFunction, or 0 when it names no entry.
int StartFunctionSelection(const WizardSettings& settings);
// "Weiter >" and "< Zurück": the selected entry is stored (0 when none is).
void ConfirmStartFunction(WizardSettings& settings, int selected);
void BackFromStartFunction(WizardSettings& settings, int selected);

// ---- Page 8400: mouse settings ----

struct MouseForm {
  std::string IdDigits;   // field 8409: the mouse ID without sign
  bool Negative = false;  // 8408 "Negativ"
  bool AutoSend = false;  // 8405 "Automatisch alle 0,5 Sekunden Mausposition senden"
};

MouseForm ShowMouseSettings(const WizardSettings& settings);

// The mouse ID a form stores follows the Negativ rule of SignedNumberOf.

// "Weiter >" (then 8500) and "< Zurück" (then 8200 with keyboard support,
// else 8100) store the form alike.
void ConfirmMouseSettings(WizardSettings& settings, const MouseForm& form);
void BackFromMouseSettings(WizardSettings& settings, const MouseForm& form);

// ---- Page 8500: finish ----

// Whether text 8508 (the key list opens afterwards) is shown.
bool ShowsKeyListNote(const WizardSettings& settings);
// "Fertig stellen": NextPage := -2, the top-level flow installs.
void ConfirmFinish(WizardSettings& settings);
void BackFromFinish(WizardSettings& settings);

}  // namespace wavoria
