// The add-command chooser (dialog 3000): fifteen kinds of command.
#include "app/chooser_choices.h"
#include "app/command_dialog_table_win.h"
#include "app/editor_commands.h"
#include "app/editor_windows_win.h"
#include "resources/resource_ids.h"
#include "shell/app_state_win.h"

namespace wavoria {

static_assert(IDC_CHOOSER_CANCEL == kChooserCancel);

namespace {

void Cancel(HWND dialog) {
  CancelEditBuffer(App().Document);
  EndDialog(dialog, 0);
}

BOOL Choose(HWND dialog, const ChooserChoice& choice) {
  CommandTable& table = App().Document;
  ApplyChooserChoice(choice, table);
  ShowCommandDialog(dialog, choice.DialogId);
  if (ChooserClosesAfter(table)) EndDialog(dialog, 0);
  return TRUE;
}

}  // namespace

INT_PTR CALLBACK ChooserProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_CLOSE:
      Cancel(dialog);
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      if (id == IDC_CHOOSER_CANCEL) {
        Cancel(dialog);
        return TRUE;
      }
      const ChooserChoice* choice = FindChooserChoice(id);
      return choice != nullptr ? Choose(dialog, *choice) : FALSE;
    }
  }
  return FALSE;
}

void ShowChooser(HWND owner) {
  // Until a kind is chosen the buffer counts as cancelled, however the chooser ends.
  CancelEditBuffer(App().Document);
  DialogBoxA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CHOOSER), owner, ChooserProc);
}

}  // namespace wavoria
