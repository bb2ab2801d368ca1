#include "shell/win_util_win.h"

#include <map>
#include <tuple>

#include "app/file_commands.h"

namespace wavoria {

std::string GetWindowString(HWND window) {
  int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

std::string GetItemText(HWND dialog, int id) {
  return GetWindowString(GetDlgItem(dialog, id));
}

void SetItemText(HWND dialog, int id, std::string_view text) {
  SetDlgItemTextA(dialog, id, std::string(text).c_str());
}

bool IsButtonChecked(HWND dialog, int id) {
  return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void SetButtonChecked(HWND dialog, int id, bool checked) {
  CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void AddDropDownItem(HWND dialog, int id, std::string_view item) {
  SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(std::string(item).c_str()));
}

void SelectDropDownItem(HWND dialog, int id, int item) {
  SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

void FillDropDown(HWND dialog, int id, std::span<const std::string_view> items, int selected) {
  for (std::string_view item : items) AddDropDownItem(dialog, id, item);
  SelectDropDownItem(dialog, id, selected);
}

int DropDownSelection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

void ShowWarning(HWND owner, std::string_view text) {
  ShowPrompt(owner, MessageIcon::Warning, text);
}

void ShowNote(HWND owner, std::string_view text) {
  MessageBoxA(owner, std::string(text).c_str(), kProgramTitle, MB_OK | MB_ICONINFORMATION);
}

namespace {

void SystemSound() {
  MessageBeep(MB_OK);
}

void (*refusal)() = SystemSound;

}  // namespace

void RefuseWithSound() {
  refusal();
}

void SetRefusalHandler(void (*handler)()) {
  refusal = handler ? handler : SystemSound;
}

namespace {

UINT BoxStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning:
      return MB_OK | MB_ICONEXCLAMATION;
    case MessageIcon::Question:
      return MB_YESNO | MB_ICONQUESTION;
    case MessageIcon::Error:
      return MB_OK | MB_ICONERROR;
    case MessageIcon::Choice:
      return MB_YESNOCANCEL | MB_ICONQUESTION;
    case MessageIcon::None:
      break;
  }
  return MB_OK;
}

}  // namespace

Answer ShowPrompt(HWND owner, MessageIcon icon, std::string_view text) {
  if (icon == MessageIcon::None) return Answer::kCancel;
  switch (MessageBoxA(owner, std::string(text).c_str(), kProgramTitle, BoxStyle(icon))) {
    case IDYES:
      return Answer::kYes;
    case IDNO:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

bool AskYesNo(HWND owner, std::string_view text, const char* title) {
  return MessageBoxA(owner, std::string(text).c_str(), title,
                     MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

namespace {

std::string CurrentFolder() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  if (size == 0) return {};
  std::string folder(size, '\0');
  const DWORD length = GetCurrentDirectoryA(size, folder.data());
  folder.resize(length < size ? length : 0);
  return folder;
}

}  // namespace

const std::string& StartFolder() {
  static const std::string folder = CurrentFolder();
  return folder;
}

namespace {

// Fixes the start folder when the program is loaded, before any code can
// change the current folder.
[[maybe_unused]] const std::string& startFolderAtLoad = StartFolder();

}  // namespace

std::string FullPath(const std::string& path) {
  return AbsolutePath(path, CurrentFolder());
}

namespace {

// Bitmap resource `id` scaled to width x height with the system's smooth
// (halftone) stretching, once per size for the life of the program.
HBITMAP ScaledBitmap(int id, int width, int height) {
  static std::map<std::tuple<int, int, int>, HBITMAP> scaled;
  HBITMAP& result = scaled[{id, width, height}];
  if (result != nullptr) return result;
  const auto source = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
  BITMAP size{};
  GetObjectA(source, sizeof size, &size);
  HDC screen = GetDC(nullptr);
  HDC from = CreateCompatibleDC(screen), to = CreateCompatibleDC(screen);
  result = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ oldFrom = SelectObject(from, source), oldTo = SelectObject(to, result);
  SetStretchBltMode(to, HALFTONE);
  SetBrushOrgEx(to, 0, 0, nullptr);
  StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  SelectObject(from, oldFrom), SelectObject(to, oldTo);
  DeleteDC(from), DeleteDC(to), ReleaseDC(nullptr, screen);
  DeleteObject(source);
  return result;
}

}  // namespace

void FitPicture(HWND dialog, int control, int bitmap) {
  HWND picture = GetDlgItem(dialog, control);
  RECT place{};
  GetClientRect(picture, &place);
  HBITMAP fitted = ScaledBitmap(bitmap, place.right, place.bottom);
  // The control loaded the bitmap at its own size from the template.
  const auto loaded = reinterpret_cast<HBITMAP>(
      SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(fitted)));
  if (loaded != nullptr && loaded != fitted) DeleteObject(loaded);
}

HICON LoadProgramIcon(int id, int size) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                       size, size, size == 0 ? LR_DEFAULTSIZE : 0));
}

std::vector<std::string> DroppedFiles(HDROP drop) {
  std::vector<std::string> files(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0));
  for (UINT i = 0; i < files.size(); ++i) {
    files[i].resize(DragQueryFileA(drop, i, nullptr, 0));
    DragQueryFileA(drop, i, files[i].data(), static_cast<UINT>(files[i].size() + 1));
  }
  DragFinish(drop);
  return files;
}

void SetSmallIcon(HWND window, int id) {
  HICON icon = LoadProgramIcon(id, GetSystemMetrics(SM_CXSMICON));
  if (icon != nullptr) SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

}  // namespace wavoria
