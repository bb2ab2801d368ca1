#include "app/find_replace_win.h"

#include <dlgs.h>

#include <string>

#include "app/command_list_view_win.h"
#include "app/find_replace.h"
#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"

namespace wavoria {

namespace {

// The boxes' text fields hold what every text box of the program holds.
constexpr WORD kTextSize = 260;

struct FindState {
  char FindWhat[kTextSize] = {};
  char ReplaceWith[kTextSize] = {};
  FINDREPLACEA Request = {};  // lives as long as the box
  HWND Box = nullptr;
  bool Replacing = false;  // the box is the replace box
  bool MatchCase = false;
  bool Down = true;
  WrapNotice Wrap;
};

FindState& State() {
  static FindState state;
  return state;
}

// What the search says goes over the box when it is open, else over the window.
HWND Speaker(HWND window) {
  return State().Box != nullptr ? State().Box : window;
}

// Selects the next command that holds the text, or says that none does.
void FindNext(HWND window, const FindRequest& request, FindIn where) {
  const std::optional<FindResult> found =
      FindCommand(App().Document, ShownLines(), request, where, SelectedLines(window));
  if (!found) {
    ShowNote(Speaker(window), NotFoundMessage(request.Text));
    return;
  }
  SelectLines(window, found->Line);
  if (found->Wrapped && State().Wrap.Due(request)) {
    ShowNote(Speaker(window), WrapNotice::Message(request.Down));
  }
}

}  // namespace

void ShowFindBox(HWND window, bool replace) {
  FindState& s = State();
  if (s.Box != nullptr && s.Replacing != replace) ForgetFindBox();
  if (s.Box == nullptr) {
    s.Request = {.lStructSize = sizeof s.Request,
                 .hwndOwner = window,
                 .hInstance = GetModuleHandleA(nullptr),
                 .Flags = FR_ENABLETEMPLATE | FR_HIDEWHOLEWORD | (s.Down ? FR_DOWN : 0u) |
                          (s.MatchCase ? FR_MATCHCASE : 0u),
                 .lpstrFindWhat = s.FindWhat,
                 .lpstrReplaceWith = s.ReplaceWith,
                 .wFindWhatLen = kTextSize,
                 .wReplaceWithLen = kTextSize,
                 .lCustData = 0,
                 .lpfnHook = nullptr,
                 .lpTemplateName = MAKEINTRESOURCEA(replace ? IDD_REPLACE : IDD_FIND)};
    s.Box = replace ? ReplaceTextA(&s.Request) : FindTextA(&s.Request);
    s.Replacing = replace;
    // The system sets the direction in its find box only.
    if (s.Box != nullptr && replace) CheckRadioButton(s.Box, rad1, rad2, s.Down ? rad2 : rad1);
  }
  if (s.Box == nullptr) return;
  SetActiveWindow(s.Box);
  SendMessageA(s.Box, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(s.Box, edt1)), TRUE);
}

void FindAgain(HWND window, bool down) {
  FindState& s = State();
  if (s.FindWhat[0] == '\0') {
    ShowFindBox(window, false);
    return;
  }
  const bool replacing = s.Box != nullptr && s.Replacing;
  FindNext(window, {s.FindWhat, s.MatchCase, down}, replacing ? FindIn::kValues : FindIn::kShown);
}

HWND FindBox() {
  return State().Box;
}

void ForgetFindBox() {
  FindState& s = State();
  if (s.Box != nullptr && IsWindow(s.Box)) DestroyWindow(s.Box);
  s.Box = nullptr;
}

bool IsFindBoxMessage(UINT message) {
  static const UINT findMessage = RegisterWindowMessageA(FINDMSGSTRINGA);
  return message == findMessage;
}

void OnFindBoxMessage(HWND window, const FINDREPLACEA& request) {
  FindState& s = State();
  if (request.Flags & FR_DIALOGTERM) {
    s.Box = nullptr;
    return;
  }
  // While a dialog of the window is open, the document is in its hands.
  if (!IsWindowEnabled(window) || s.Box == nullptr) return;
  s.MatchCase = (request.Flags & FR_MATCHCASE) != 0;
  s.Down =
      s.Replacing ? IsDlgButtonChecked(s.Box, rad2) == BST_CHECKED : (request.Flags & FR_DOWN) != 0;
  const FindRequest find = {s.FindWhat, s.MatchCase, s.Down};
  CommandTable& table = App().Document;
  if (request.Flags & FR_FINDNEXT) {
    FindNext(window, find, s.Replacing ? FindIn::kValues : FindIn::kShown);
  } else if (request.Flags & FR_REPLACEALL) {
    const ReplaceOutcome replaced = ReplaceAll(table, App().Tables.Keys, ShownLines(), find,
                                               s.ReplaceWith, SelectedLines(window));
    if (replaced.Lines) UpdateCommandList(window, *replaced.Lines);
    if (replaced.Values == 0 && replaced.Refused.empty()) {
      ShowNote(s.Box, NotFoundMessage(find.Text));
    } else if (replaced.Refused.empty()) {
      ShowNote(s.Box, ReplacedMessage(replaced));
    } else {
      ShowWarning(s.Box, ReplacedMessage(replaced));
    }
  } else if (request.Flags & FR_REPLACE) {
    // The selected command first, when it holds the text; then on to the next.
    const ReplaceOutcome replaced = ReplaceInSelected(table, App().Tables.Keys, ShownLines(), find,
                                                      s.ReplaceWith, SelectedLines(window));
    if (replaced.Lines) UpdateCommandList(window, *replaced.Lines);
    if (!replaced.Refused.empty()) ShowWarning(s.Box, ReplacedMessage(replaced));
    FindNext(window, find, FindIn::kValues);
  }
}

}  // namespace wavoria
