#include "shell/dialog_registry_win.h"

namespace wavoria {

namespace {

std::span<const RegisteredDialog> g_registry;

}  // namespace

void SetDialogRegistry(std::span<const RegisteredDialog> dialogs) {
  g_registry = dialogs;
}

DLGPROC DialogProcFor(int templateId) {
  for (const RegisteredDialog& e : g_registry) {
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
