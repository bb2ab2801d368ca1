#include "dialogs/dialog_common_win.h"

#include "app/app_state_win.h"

namespace wavoria {

ScriptCommand& DialogBuffer() { return App().Document.EditBuffer(); }

void CancelCommandDialog(HWND dialog) {
  DialogBuffer().SectionName = kCancelMarker;
  EndDialog(dialog, 0);
}

void ConfirmCommandDialog(HWND dialog) { EndDialog(dialog, 0); }

}  // namespace wavoria
