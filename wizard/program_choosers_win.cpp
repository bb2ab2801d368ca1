#include "wizard/program_choosers_win.h"

#include <commdlg.h>

#include <algorithm>
#include <string_view>
#include <vector>

namespace wavoria {

namespace {

ProgramChooser& Seam() {
  static ProgramChooser seam;
  return seam;
}

// Room for the longest path Windows knows, so a chosen path is never cut.
constexpr std::size_t kFileBufferSize = 32768;

// Title and filter of each chooser; the filter's pair is ended by a zero, the
// list by another.
struct ChooserText {
  std::wstring_view Title;
  std::wstring_view Filter;
};

ChooserText TextFor(ProgramFile which) {
  if (which == ProgramFile::GameRuntime) {
    static constexpr wchar_t kFilter[] = L"RPG Runtime (rpg_rt.exe)\0rpg_rt.exe\0";
    return {L"RPG Runtime-Pfad finden", {kFilter, std::size(kFilter)}};
  }
  static constexpr wchar_t kFilter[] = L"RPG Maker 2000 (rpg2000.exe)\0rpg2000.exe\0";
  return {L"RPG Maker-Pfad finden", {kFilter, std::size(kFilter)}};
}

// A path of the program (ANSI code page) for the chooser, and back.
std::wstring Widened(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), int(wide.size()));
  wide.resize(n > 0 ? n - 1 : 0);
  return wide;
}

// A character the code page lacks becomes "?", never a look-alike ("Ł" as
// "L" would name another folder); the checks of the installation and the
// restore then say what is wrong with the path.
std::string Narrowed(const wchar_t* wide) {
  const int n =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, "?", nullptr);
  std::string text(std::max(n, 1), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, text.data(), n, "?", nullptr);
  text.resize(text.size() - 1);
  return text;
}

}  // namespace

std::string ChooseProgramFile(HWND owner, ProgramFile which, const std::string& preset) {
  if (Seam()) return Seam()(owner, which, preset);

  const std::wstring presetWide = Widened(preset);
  std::vector<wchar_t> file(std::max(kFileBufferSize, presetWide.size() + 1), L'\0');
  std::copy(presetWide.begin(), presetWide.end(), file.begin());

  const ChooserText text = TextFor(which);
  const std::wstring title(text.Title), filter(text.Filter);
  OPENFILENAMEW settings = {};
  settings.lStructSize = sizeof settings;
  settings.hwndOwner = owner;
  settings.hInstance = GetModuleHandleW(nullptr);
  settings.lpstrFilter = filter.c_str();
  settings.lpstrFile = file.data();
  settings.nMaxFile = static_cast<DWORD>(file.size());
  settings.lpstrTitle = title.c_str();
  settings.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!GetOpenFileNameW(&settings)) return {};
  return Narrowed(file.data());
}

void SetProgramChooser(ProgramChooser chooser) {
  Seam() = std::move(chooser);
}

}  // namespace wavoria
