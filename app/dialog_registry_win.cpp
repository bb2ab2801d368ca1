#include "app/dialog_registry_win.h"

#include "dialogs/command_dialogs_win.h"

namespace wavoria {

namespace {

struct Entry {
  int TemplateId;
  DLGPROC Procedure;
};

// Every dialog that the chooser, the main window or the wizard opens by id.
const Entry kRegistry[] = {
    {4000, LogDialogProc},  // "In Logdatei schreiben"
};

}  // namespace

DLGPROC DialogProcFor(int templateId) {
  for (const Entry& e : kRegistry) {
    if (e.TemplateId == templateId) return e.Procedure;
  }
  return nullptr;
}

void ShowRegisteredDialog(HWND owner, int templateId) {
  DLGPROC procedure = DialogProcFor(templateId);
  if (procedure == nullptr) return;
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, procedure, 0);
}

}  // namespace wavoria
