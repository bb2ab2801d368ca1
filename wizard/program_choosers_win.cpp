#include "wizard/program_choosers_win.h"

#include <commdlg.h>

#include <algorithm>
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
  const char* Title;
  const char* Filter;
};

ChooserText TextFor(ProgramFile which) {
  if (which == ProgramFile::GameRuntime) {
    static constexpr char kFilter[] = "RPG Runtime (rpg_rt.exe)\0rpg_rt.exe\0";
    return {"RPG Runtime-Pfad finden", kFilter};
  }
  static constexpr char kFilter[] = "RPG Maker 2000 (rpg2000.exe)\0rpg2000.exe\0";
  return {"RPG Maker-Pfad finden", kFilter};
}

}  // namespace

std::string ChooseProgramFile(HWND owner, ProgramFile which, const std::string& preset) {
  if (Seam()) return Seam()(owner, which, preset);

  std::vector<char> file(std::max(kFileBufferSize, preset.size() + 1), '\0');
  std::copy(preset.begin(), preset.end(), file.begin());

  const ChooserText text = TextFor(which);
  OPENFILENAMEA settings = {};
  settings.lStructSize = sizeof settings;
  settings.hwndOwner = owner;
  settings.hInstance = GetModuleHandleA(nullptr);
  settings.lpstrFilter = text.Filter;
  settings.nFilterIndex = 1;
  settings.lpstrFile = file.data();
  settings.nMaxFile = static_cast<DWORD>(file.size());
  settings.lpstrTitle = text.Title;
  settings.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!GetOpenFileNameA(&settings)) return {};
  return std::string(file.data());
}

void SetProgramChooser(ProgramChooser chooser) {
  Seam() = std::move(chooser);
}

}  // namespace wavoria
