// Entry of the Windows program: shows the main editor window (dialog 1000).
// For now the window only opens and closes; its commands come with the editor.

#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

#include "resources/resource_ids.h"

namespace {

// Sets icon 100 as the window's small icon; does nothing while the program
// carries no such icon.
void SetSmallIcon(HWND window) {
  HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_WAVORIA), IMAGE_ICON,
                           GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0);
  if (icon != nullptr) SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
  switch (message) {
    case WM_INITDIALOG:
      SetSmallIcon(window);
      return TRUE;  // the list box, the first control with a tab stop, gets the focus
    case WM_CLOSE:
      EndDialog(window, 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDM_EXIT) {
        EndDialog(window, 0);
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command_line*/,
                   int /*show*/) {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);

  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainWindowProc, 0);
  return 0;
}
