#include "platform/confinement_win.h"

#include <cstring>

#include "platform/confinement_shared.h"
#include "platform/file_io_shared.h"
#include "platform/file_ops.h"
#include "platform/system_error.h"

namespace wavoria {

namespace {

struct HeldHandle {
  HANDLE Handle = INVALID_HANDLE_VALUE;
  std::string Final;
};

using Confinement = detail::Confinement<HeldHandle>;

void Close(HeldHandle& folder) {
  CloseHandle(folder.Handle);
}

Confinement& Current() {
  static Confinement confinement;
  return confinement;
}

bool SameSpelling(const std::string& a, const std::string& b) {
  return _stricmp(a.c_str(), b.c_str()) == 0;
}

std::string Joined(std::string folder, const std::string& name) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return folder + name;
}

// Opens the folder at path to be held: read access, so that the sharing it
// denies counts, and no FILE_SHARE_DELETE, so that nobody renames or removes
// it while it is held.
HANDLE OpenHeld(const std::string& path, DWORD flags) {
  return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
}

// Holds the folders the names lead to from the confined folder, each opened
// without following a reparse point and checked to lie in its parent; the
// final path of the last, or error set.
bool Hold(const std::vector<std::string>& names, std::string& final, DWORD& error) {
  auto& c = Current();
  final = c.RootFolder.Final;
  std::string key;
  for (const std::string& name : names) {
    key = key.empty() ? name : key + "/" + name;
    auto held = c.Folders.find(key);
    if (held == c.Folders.end()) {
      const HANDLE h = OpenHeld(Joined(c.Root, key), FILE_FLAG_OPEN_REPARSE_POINT);
      if (h == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) error = ERROR_PATH_NOT_FOUND;  // a folder on the way
        return false;
      }
      BY_HANDLE_FILE_INFORMATION info{};
      const std::string own = detail::FinalPathOfHandle(h);
      const bool folder = GetFileInformationByHandle(h, &info) &&
                          (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      if (!folder || (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ||
          !SameSpelling(own, Joined(final, name))) {
        CloseHandle(h);
        error = !folder ? ERROR_PATH_NOT_FOUND : ERROR_CANT_RESOLVE_FILENAME;
        return false;
      }
      held = c.Folders.emplace(key, HeldHandle{h, own}).first;
    }
    final = held->second.Final;
  }
  return true;
}

detail::Held HoldBelow(const std::string& path, bool withLast) {
  detail::Held held;
  auto& c = Current();
  if (c.Users == 0) return held;
  detail::BelowRoot below = detail::SplitBelow(c.Root, path);
  if (!below.Below) return held;
  held.Confined = true;
  if (!below.Plain) {
    held.Error = ERROR_INVALID_NAME;
    return held;
  }
  if (withLast) below.Folders.push_back(below.Name);
  if (!Hold(below.Folders, held.FinalFolder, held.Error) && held.Error == 0) {
    held.Error = ERROR_PATH_NOT_FOUND;
  }
  return held;
}

}  // namespace

namespace detail {

std::string FinalPathOfHandle(HANDLE h) {
  std::string final(MAX_PATH + 8, '\0');
  DWORD n = GetFinalPathNameByHandleA(h, final.data(), DWORD(final.size()), 0);
  if (n >= final.size()) {
    final.resize(n + 1);
    n = GetFinalPathNameByHandleA(h, final.data(), DWORD(final.size()), 0);
  }
  final.resize(n < final.size() ? n : 0);
  return final;
}

Held HoldFoldersOf(const std::string& path) {
  return HoldBelow(path, false);
}

Held HoldFolder(const std::string& folder) {
  return HoldBelow(folder, true);
}

void ForgetFolder(const std::string& folder) {
  Current().Forget(folder, Close);
}

bool OpenedInPlace(HANDLE h, const Held& held, const std::string& path) {
  if (!held.Confined) return true;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(h, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    return false;
  }
  const std::size_t cut = path.find_last_of("\\/");
  return SameSpelling(
      FinalPathOfHandle(h),
      Joined(held.FinalFolder, cut == std::string::npos ? path : path.substr(cut + 1)));
}

}  // namespace detail

FolderConfinement::FolderConfinement(const std::string& folder) {
  auto& c = Current();
  if (c.Users > 0) {
    held_ = c.Share(folder);
    return;
  }
  const HANDLE h = OpenHeld(folder, 0);
  if (h == INVALID_HANDLE_VALUE) {
    FailWithSystemError(GetLastError());
    return;
  }
  c.RootFolder = {h, detail::FinalPathOfHandle(h)};
  c.Root = folder;
  c.Users = 1;
  held_ = true;
}

FolderConfinement::~FolderConfinement() {
  if (held_) Current().End(Close);
}

}  // namespace wavoria
