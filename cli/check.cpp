#include "cli/check.h"

#include "document/script_findings.h"
#include "document/text.h"
#include "platform/cli_platform.h"
#include "platform/file_io.h"
#include "wizard/install_plan.h"

namespace wavoria::cli {

namespace {

void CheckFolder(const std::string& folder, const ActionTable& actions,
                 const std::function<void(const Finding&)>& report) {
  const FolderListing listing = ListFolder(folder);
  if (!listing.Readable) {
    report({PathText(folder), 1, "Der Ordner kann nicht gelesen werden."});
    return;
  }
  const bool hasSeparator = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
  const std::string base = hasSeparator ? folder : folder + kPathSeparator;
  // Files and subfolders in the order of their names, as a listing shows them.
  std::size_t f = 0;
  std::size_t d = 0;
  while (f < listing.Files.size() || d < listing.Folders.size()) {
    const bool takeFile = d == listing.Folders.size() ||
                          (f < listing.Files.size() && listing.Files[f] < listing.Folders[d]);
    if (takeFile) {
      const std::string& name = listing.Files[f++];
      if (IsScriptFileName(name)) CheckPath(base + name, actions, report);
    } else {
      CheckFolder(base + listing.Folders[d++], actions, report);
    }
  }
}

}  // namespace

std::string FindingLine(const Finding& finding) {
  return finding.File + ":" + DecimalText(finding.Line) + ": " + finding.Message;
}

std::vector<Finding> CheckScriptText(std::string_view text, const ActionTable& actions,
                                     const std::string& file) {
  std::vector<Finding> findings;
  for (ScriptFinding& f : FindingsOf(text, actions)) {
    findings.push_back({file, f.Line, std::move(f.Message)});
  }
  return findings;
}

void CheckPath(const std::string& path, const ActionTable& actions,
               const std::function<void(const Finding&)>& report) {
  switch (KindOf(path)) {
    case PathKind::Folder:
      CheckFolder(path, actions, report);
      return;
    case PathKind::File: {
      std::string bytes;
      if (ReadWholeFile(path, bytes)) {
        const std::vector<Finding> findings = CheckScriptText(bytes, actions, PathText(path));
        for (const Finding& finding : findings) report(finding);
        return;
      }
      break;
    }
    case PathKind::Missing:
      report({PathText(path), 1, "Die Datei wurde nicht gefunden."});
      return;
    case PathKind::Other:
      break;
  }
  report({PathText(path), 1, "Die Datei kann nicht gelesen werden."});
}

}  // namespace wavoria::cli
