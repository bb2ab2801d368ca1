// The start screen (dialog 2000): the wizard, a new script or an existing one.
#include "app/editor_windows_win.h"
#include "app/file_choosers_win.h"
#include "app/file_commands_win.h"
#include "app/top_level_flow.h"
#include "resources/resource_ids.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"

namespace wavoria {

static_assert(IDC_START_WIZARD == kStartWizard && IDC_START_NEW == kStartNew &&
              IDC_START_OPEN == kStartOpen);

namespace {

// The three images at the system's icon size, loaded once for every showing
// of the start screen.
void SetButtonIcon(HWND dialog, int button, int icon) {
  static HICON icons[3] = {};
  HICON& image = icons[icon - IDI_START_WIZARD];
  if (image == nullptr) image = LoadProgramIcon(icon);
  SendDlgItemMessageA(dialog, button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(image));
}

void Close(HWND dialog, int choice) {
  App().StartChoice = choice;
  EndDialog(dialog, 0);
}

// "Öffnen" with a chosen or dropped script: the editor opens it; without one
// the start screen stays.
void OpenScriptFrom(HWND dialog, std::string path) {
  if (path.empty()) return;
  App().ScriptToOpen = std::move(path);  // a full path, as every chooser and drop gives
  Close(dialog, IDC_START_OPEN);
}

}  // namespace

INT_PTR CALLBACK StartScreenProc(HWND dialog, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  switch (message) {
    case WM_INITDIALOG:
      App().StartChoice = 0;
      SetSmallIcon(dialog, IDI_WAVORIA);
      SetButtonIcon(dialog, IDC_START_WIZARD, IDI_START_WIZARD);
      SetButtonIcon(dialog, IDC_START_NEW, IDI_START_NEW);
      SetButtonIcon(dialog, IDC_START_OPEN, IDI_START_OPEN);
      FitPicture(dialog, IDC_START_PICTURE, IDB_START_STRIP);
      return TRUE;
    case WM_DROPFILES:
      OpenScriptFrom(dialog, ScriptFromDrop(dialog, reinterpret_cast<HDROP>(wparam)));
      return TRUE;
    case WM_CLOSE:
      Close(dialog, 0);
      EndProgram();
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_START_WIZARD:
        case IDC_START_NEW:
          Close(dialog, LOWORD(wparam));
          return TRUE;
        case IDC_START_OPEN:
          OpenScriptFrom(dialog, ChooseScriptToOpen(dialog));
          return TRUE;
        case IDC_START_CANCEL:
          Close(dialog, 0);
          EndProgram();
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

void ShowStartScreen() {
  DialogBoxA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_START), nullptr, StartScreenProc);
}

}  // namespace wavoria
