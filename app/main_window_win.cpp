// The main editor window (dialog 1000): the command list with its commands
// on one line or a range, the details panel, find and replace, the file
// commands of the menu, About, the wizard hand-off, and exit.
#include "app/clipboard_win.h"
#include "app/command_dialog_table_win.h"
#include "app/command_list_view_win.h"
#include "app/editor_commands.h"
#include "app/editor_keys_win.h"
#include "app/editor_rules.h"
#include "app/editor_windows_win.h"
#include "app/file_commands_win.h"
#include "app/find_replace_win.h"
#include "app/game_overview_win.h"
#include "app/installation_undo_win.h"
#include "app/list_selection.h"
#include "app/top_level_flow.h"
#include "app/window_layout_win.h"
#include "dialogs/command_dialogs_win.h"
#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"

namespace wavoria {

namespace {

// True while a list command runs: the list's own notifications (the focus
// coming back to it) then refresh nothing, the command refreshes once.
bool inListCommand = false;

// Ends a list command that changed the document: the lines that changed are
// updated and the lines to select are selected.
BOOL FinishListCommand(HWND window, LineRange lines) {
  UpdateCommandList(window, lines);
  return TRUE;
}

// Runs a list command. Every one, also one that does nothing, ends with the
// focus on the list, so that the arrow keys move the selection again.
BOOL RunListCommand(HWND window, BOOL (*command)(HWND)) {
  inListCommand = true;
  const BOOL done = command(window);
  SendMessageA(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window, IDC_MAIN_LIST)),
               TRUE);
  inListCommand = false;
  return done;
}

BOOL AddCommand(HWND window) {
  CommandTable& table = App().Document;
  if (!CanAddAt(table, SelectedLines(window))) return FALSE;
  if (!HasRoomForCommand(table)) {
    ShowWarning(window, ScriptFullMessage());
    return FALSE;
  }
  ShowChooser(window);
  // The selection is read again: it is what the command is inserted before.
  const std::optional<LineRange> lines = AddFromEditBuffer(table, SelectedLines(window));
  if (!lines) return FALSE;
  return FinishListCommand(window, *lines);
}

BOOL EditCommand(HWND window) {
  CommandTable& table = App().Document;
  const LineRange selected = SelectedLines(window);
  const EditTarget target = EditTargetAt(table, selected);
  const int line = selected.First;
  switch (target.What) {
    case EditTarget::kRename:
      BeginEdit(table, line, target);
      DialogBoxA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_RENAME), window, RenameDialogProc);
      break;
    case EditTarget::kDialog:
      BeginEdit(table, line, target);
      ShowCommandDialog(window, target.DialogId);
      break;
    case EditTarget::kNothing:
      return FALSE;
  }
  const std::optional<LineRange> after = FinishEdit(table, line, target);
  if (!after) return FALSE;
  return FinishListCommand(window, *after);
}

// Delete, move up and move down: the core says which lines follow, or that
// the command does not apply to the selected lines.
template <std::optional<LineRange> (*change)(CommandTable&, LineRange)>
BOOL ChangeAtSelection(HWND window) {
  const std::optional<LineRange> lines = change(App().Document, SelectedLines(window));
  if (!lines) return FALSE;  // the table's operations rebuild the order themselves
  return FinishListCommand(window, *lines);
}

// Undo, redo, the clipboard's commands and Duplizieren: likewise.
template <std::optional<LineRange> (*change)(HWND)>
BOOL ChangeThroughWindow(HWND window) {
  const std::optional<LineRange> lines = change(window);
  if (!lines) return FALSE;
  return FinishListCommand(window, *lines);
}
std::optional<LineRange> Undo(HWND) {
  return UndoStep(App().Document);
}
std::optional<LineRange> Redo(HWND) {
  return RedoStep(App().Document);
}
std::optional<LineRange> Duplicate(HWND window) {
  const PasteOutcome duplicated = DuplicateAt(App().Document, SelectedLines(window));
  if (!duplicated.Refusal.empty()) ShowWarning(window, duplicated.Refusal);
  return duplicated.Lines;
}

BOOL SelectAll(HWND window) {
  const std::optional<LineRange> lines = AllCommands(App().Document);
  if (!lines) return FALSE;
  SelectLines(window, *lines);
  return TRUE;
}

void ShowAbout(HWND window) {
  MessageBoxA(window, std::string(kAboutText).c_str(), std::string(kAboutTitle).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

// Exit and close: after the save prompt the window ends with the program.
BOOL LeaveProgram(HWND window) {
  if (!MayDropChanges(window)) return FALSE;
  EndEditor(false, App().Wizard);
  EndDialog(window, 0);
  EndProgram();
  return TRUE;
}

BOOL HandOverToWizard(HWND window) {
  if (!MayDropChanges(window)) return FALSE;
  EndEditor(true, App().Wizard);
  EndDialog(window, 0);
  return TRUE;
}

BOOL Initialise(HWND window) {
  AppState& app = App();
  app.MainWindow = window;
  SetSmallIcon(window, IDI_WAVORIA);
  StartEditorKeys(window);
  RememberStartLayout(window);
  if (!app.ScriptToOpen.empty()) {
    const std::string path = std::move(app.ScriptToOpen);
    app.ScriptToOpen.clear();
    OpenScriptFile(window, path);
  }
  PrepareForEditor(app.Document);
  RefreshCommandList(window);
  return TRUE;  // the list box, the first control with a tab stop, gets the focus
}

BOOL OnCommand(HWND window, int id, int code) {
  switch (id) {
    case IDC_MAIN_LIST:
      // A double-click on a line edits it; a selection made by the user
      // becomes a range; focus changes only refresh the details.
      if (code == LBN_DBLCLK && DoubleClickOnLine(window))
        return RunListCommand(window, EditCommand);
      if (inListCommand) return TRUE;
      if (code == LBN_SELCHANGE) {
        FollowSelection(window);
      } else {
        RefreshDetails(window);
      }
      return TRUE;
    case IDOK:  // Enter edits the selected line when the list has the focus
      if (GetFocus() != GetDlgItem(window, IDC_MAIN_LIST)) return FALSE;
      return RunListCommand(window, EditCommand);
    case IDM_UNDO:
      return RunListCommand(window, ChangeThroughWindow<Undo>);
    case IDM_REDO:
      return RunListCommand(window, ChangeThroughWindow<Redo>);
    case IDM_CUT:
      return RunListCommand(window, ChangeThroughWindow<CutToClipboard>);
    case IDM_COPY:
      return RunListCommand(window, ChangeThroughWindow<CopyToClipboard>);
    case IDM_PASTE:
      return RunListCommand(window, ChangeThroughWindow<PasteFromClipboard>);
    case IDM_DUPLICATE:
      return RunListCommand(window, ChangeThroughWindow<Duplicate>);
    case IDM_SELECT_ALL:
      return RunListCommand(window, SelectAll);
    case IDM_FIND:
      ShowFindBox(window, false);
      return TRUE;
    case IDM_REPLACE:
      ShowFindBox(window, true);
      return TRUE;
    case IDM_FIND_NEXT:
    case IDM_FIND_PREVIOUS:  // the focus stays, in the list or in the find box it opens
      FindAgain(window, id == IDM_FIND_NEXT);
      return TRUE;
    case IDC_MAIN_ADD:
    case IDM_ADD_COMMAND:
      return RunListCommand(window, AddCommand);
    case IDC_MAIN_EDIT:
    case IDC_MAIN_DETAILS_BUTTON:
    case IDM_EDIT_COMMAND:
      return RunListCommand(window, EditCommand);
    case IDC_MAIN_DELETE:
    case IDM_DELETE_COMMAND:
      return RunListCommand(window, ChangeAtSelection<DeleteAt>);
    case IDC_MAIN_UP:
    case IDM_MOVE_UP:
      return RunListCommand(window, ChangeAtSelection<MoveUpAt>);
    case IDC_MAIN_DOWN:
    case IDM_MOVE_DOWN:
      return RunListCommand(window, ChangeAtSelection<MoveDownAt>);
    // The file commands refresh the window themselves; like the list
    // commands they end with the focus on the list.
    case IDM_NEW:
      return RunListCommand(window, [](HWND w) { return NewScript(w), TRUE; });
    case IDM_OPEN:
      return RunListCommand(window, [](HWND w) { return OpenScript(w), TRUE; });
    case IDM_SAVE:
      return RunListCommand(window, [](HWND w) { return SaveScript(w), TRUE; });
    case IDM_SAVE_AS:
      return RunListCommand(window, [](HWND w) { return SaveScriptAs(w), TRUE; });
    case IDM_OPEN_IN_NOTEPAD:
      return RunListCommand(window, [](HWND w) { return EditInNotepad(w), TRUE; });
    case IDM_ABOUT:
      ShowAbout(window);
      return TRUE;
    case IDM_WIZARD:
      return HandOverToWizard(window);
    case IDM_UNDO_INSTALLATION:
      UndoInstallation(window);
      return TRUE;
    case IDM_GAME_OVERVIEW:
      return RunListCommand(window, [](HWND w) { return ShowGameOverview(w), TRUE; });
    case IDM_EXIT:
      return LeaveProgram(window);
  }
  return FALSE;  // Escape (IDCANCEL) does nothing
}

}  // namespace

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      return Initialise(window);
    case WM_GETMINMAXINFO:
      LimitToStartSize(window, *reinterpret_cast<MINMAXINFO*>(lparam));
      return TRUE;
    case WM_SIZE:
      FollowWindowSize(window);
      return TRUE;
    case WM_DROPFILES:
      OpenDroppedScript(window, reinterpret_cast<HDROP>(wparam));
      return TRUE;
    case WM_CLOSE:
      LeaveProgram(window);
      return TRUE;
    case WM_DESTROY:
      StopEditorKeys();
      ForgetFindBox();
      return FALSE;
    case WM_CONTEXTMENU:
      return ShowEditMenu(window, reinterpret_cast<HWND>(wparam), lparam);
    case WM_COMMAND:
      return OnCommand(window, LOWORD(wparam), HIWORD(wparam));
  }
  if (IsFindBoxMessage(message)) {
    OnFindBoxMessage(window, *reinterpret_cast<const FINDREPLACEA*>(lparam));
    return TRUE;
  }
  return FALSE;
}

void ShowMainWindow() {
  DialogBoxA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainWindowProc);
  App().MainWindow = nullptr;
}

}  // namespace wavoria
