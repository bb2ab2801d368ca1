#include "app/file_commands.h"

#include <algorithm>
#include <vector>

#include "app/editor_rules.h"
#include "document/text.h"

namespace wavoria {

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

bool HasDrive(std::string_view path) {
  return path.size() > 1 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

bool IsAbsolute(std::string_view path) {
  return (HasDrive(path) && path.size() > 2 && IsSeparator(path[2])) ||
         (!path.empty() && IsSeparator(path[0]));
}

// An absolute path split into its root ("C:", "\\server\share" or "" for a
// path that starts at "/") and the steps below it.
struct RootedPath {
  std::string Root;
  std::string Rest;
};

bool IsUncPath(std::string_view path) {
  return path.size() > 1 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

RootedPath SplitRoot(std::string_view path) {
  if (HasDrive(path)) return {std::string(path.substr(0, 2)), std::string(path.substr(2))};
  if (IsUncPath(path)) {
    // \\server\share: the root ends after the second name.
    const std::size_t server = std::min(path.size(), path.find_first_of("\\/", 2));
    const std::size_t end = std::min(path.size(), path.find_first_of("\\/", server + 1));
    return {std::string(path.substr(0, end)), std::string(path.substr(end))};
  }
  return {"", std::string(path)};
}

// root, then every step of rest, "." and ".." resolved.
std::string Joined(const std::string& root, std::string_view rest, char separator) {
  std::vector<std::string_view> steps;
  for (std::string_view left = rest; !left.empty();) {
    std::size_t end = 0;
    while (end < left.size() && !IsSeparator(left[end])) ++end;
    const std::string_view step = left.substr(0, end);
    if (step == "..") {
      if (!steps.empty()) steps.pop_back();
    } else if (!step.empty() && step != ".") {
      steps.push_back(step);
    }
    left.remove_prefix(std::min(left.size(), end + 1));
  }
  std::string out = root;
  for (char& c : out) {
    if (IsSeparator(c)) c = separator;
  }
  if (steps.empty()) return out + separator;
  for (std::string_view step : steps) {
    out += separator;
    out += step;
  }
  return out;
}

}  // namespace

std::string AbsolutePath(std::string_view path, std::string_view base) {
  if (path.empty()) return {};
  const bool windows = HasDrive(path) || HasDrive(base) ||
                       path.find('\\') != std::string_view::npos ||
                       base.find('\\') != std::string_view::npos;
  const char separator = windows ? '\\' : '/';
  if ((HasDrive(path) && IsAbsolute(path)) || IsUncPath(path)) {
    const RootedPath p = SplitRoot(path);
    return Joined(p.Root, p.Rest, separator);
  }
  if (!IsAbsolute(base)) return std::string(path);
  const RootedPath b = SplitRoot(base);
  if (IsSeparator(path[0])) return Joined(b.Root, path, separator);  // on base's drive
  if (HasDrive(path)) {
    const bool sameDrive = HasDrive(b.Root) && EqualsIgnoreCase(b.Root, path.substr(0, 2));
    if (!sameDrive) return Joined(std::string(path.substr(0, 2)), path.substr(2), separator);
    path.remove_prefix(2);
  }
  return Joined(b.Root, b.Rest + separator + std::string(path), separator);
}

std::string SavedScriptName(std::string_view chosen, unsigned filterIndex) {
  if (chosen.empty()) return {};
  const std::size_t name = chosen.find_last_of("\\/:") + 1;  // npos + 1 is 0
  const bool hasExtension = chosen.find('.', name) != std::string_view::npos;
  if (filterIndex > 1 || hasExtension) return std::string(chosen);
  return std::string(chosen) + ".script.wav";
}

bool MayDropChanges(bool modified, const std::function<Answer()>& ask,
                    const std::function<bool()>& save) {
  if (!modified) return true;
  switch (ask()) {
    case Answer::kYes:
      return save();
    case Answer::kNo:
      return true;
    case Answer::kCancel:
      break;
  }
  return false;
}

bool EditInNotepad(const std::string& documentPath, bool modified, const std::string& tempFile,
                   const NotepadSteps& steps) {
  std::string file = documentPath;
  bool ownFile = true;
  if (!NotepadNeedsNoPrompt(documentPath, modified)) {
    switch (steps.Ask(NotepadPromptText(documentPath))) {
      case Answer::kYes: {
        const std::optional<std::string> saved = steps.Save();
        if (!saved) return modified;
        file = *saved;
        modified = false;
        break;
      }
      case Answer::kNo:
        file = tempFile;
        ownFile = false;
        if (!steps.Write(file)) return modified;
        break;
      case Answer::kCancel:
        return modified;
    }
  }
  // What the file held when Notepad started: a file Notepad left as it was
  // is not read back, so the script, its history and its selection stay.
  const std::optional<std::string> before = steps.Contents(file);
  if (!steps.Start(file)) return modified;
  steps.Wait();
  if (steps.Contents(file) == before) return modified;
  // A file that cannot be read back leaves the script as Notepad got it.
  if (!steps.Read(file)) return modified;
  // The script is now what its own file holds, or what it does not hold.
  return !ownFile;
}

}  // namespace wavoria
