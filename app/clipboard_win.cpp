#include "app/clipboard_win.h"

#include <cstring>
#include <string>

#include "app/command_list_view_win.h"
#include "app/editor_commands.h"
#include "app/editor_rules.h"
#include "shell/app_state_win.h"
#include "shell/win_util_win.h"

namespace wavoria {

namespace {

// Another program may hold the clipboard for a moment: a few tries, then
// the user is told.
bool OpenClipboardFor(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt, Sleep(20)) {
    if (OpenClipboard(owner)) return true;
  }
  ShowWarning(owner, kClipboardBusyText);
  return false;
}

bool PutText(HWND owner, const std::string& text) {
  if (!OpenClipboardFor(owner)) return false;
  bool put = false;
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    char* bytes = static_cast<char*>(GlobalLock(memory));
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    put = EmptyClipboard() && SetClipboardData(CF_TEXT, memory) != nullptr;
    if (!put) GlobalFree(memory);
  }
  CloseClipboard();
  if (!put) ShowWarning(owner, kClipboardBusyText);
  return put;
}

// The clipboard's text, "" when it holds none; nothing when it cannot be read.
std::optional<std::string> TextOnClipboard(HWND owner) {
  if (!OpenClipboardFor(owner)) return std::nullopt;
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
      text.assign(bytes, strnlen(bytes, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

std::optional<LineRange> CopyToClipboard(HWND window) {
  const std::optional<std::string> text = CopiedText(App().Document, SelectedLines(window));
  if (text) PutText(window, *text);
  return std::nullopt;
}

std::optional<LineRange> CutToClipboard(HWND window) {
  const LineRange lines = SelectedLines(window);
  const std::optional<std::string> text = CutText(App().Document, lines);
  if (!text || !PutText(window, *text)) return std::nullopt;
  return DeleteAt(App().Document, lines);
}

std::optional<LineRange> PasteFromClipboard(HWND window) {
  const std::optional<std::string> text = TextOnClipboard(window);
  if (!text) return std::nullopt;
  const PasteOutcome pasted =
      PasteText(App().Document, SelectedLines(window), *text, App().Tables.Actions);
  if (!pasted.Refusal.empty()) ShowWarning(window, pasted.Refusal);
  for (const std::string& warning : pasted.Warnings) ShowWarning(window, warning);
  return pasted.Lines;
}

}  // namespace wavoria
