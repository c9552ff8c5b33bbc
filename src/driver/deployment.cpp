// Deployment into the profile's server folder, in this order: the copies
// (system folder, then included binaries), "Ready :-)", the JavaScript file,
// the page. With ServerPath /srv/shop/ and ApplicationName "shop" the script
// goes to /srv/shop/shop.js and src="#application#" becomes src="shop.js".
// Copy and write failures are silent: the run goes on to the end.
#include "driver/deployment.h"

#include "driver/text_files.h"
#include "common/text.h"

namespace korvex::driver {
namespace {

// A system folder nested deeper than this is a link that leads back into
// itself; its listing stops there instead of running forever.
constexpr int kMaxFolderDepth = 64;

void CollectFilesAt(RunState& run, std::string folder, std::vector<std::string>& files, int depth) {
  if (folder.empty() || folder.back() != platform::kPathSeparator) folder += RunState::Sep();
  std::vector<DirEntry> entries;
  if (!run.platform.ListFolder(folder, entries)) return;
  for (const DirEntry& entry : entries) {
    if (entry.Name == "." || entry.Name == "..") continue;
    if (!entry.IsFolder)
      files.push_back(folder + entry.Name);
    else if (depth < kMaxFolderDepth)
      CollectFilesAt(run, folder + entry.Name, files, depth + 1);
  }
}

// Copies one file, making its folder first. A file copied onto itself (the
// server folder is the source's folder) is left alone: it is already there.
void CopyInto(RunState& run, const std::string& from, const std::string& to) {
  if (from == to) return;
  run.platform.CreatePath(FolderPart(to));
  run.platform.CopyFile(from, to);
}

// A file name from the source may separate its folders with "\" even where
// the system uses "/".
std::string SystemSeparators(const std::string& name) {
  if (platform::kPathSeparator == '\\') return name;
  return ReplaceAll(name, "\\", RunState::Sep());
}

}  // namespace

void CollectFiles(RunState& run, const std::string& folder, std::vector<std::string>& files) {
  CollectFilesAt(run, folder, files, 0);
}

void CopySystemFolder(RunState& run) {
  const std::string& serverPath = run.ActiveSettings.ServerPath;
  std::vector<std::string> files;
  CollectFiles(run, run.SystemDir, files);
  for (const std::string& file : files)
    CopyInto(run, file, serverPath + ReplaceAll(file, run.SystemDir, ""));
  std::string sourceDir = FolderPart(run.SourceFile);
  for (const std::string& binary : run.IncludedBinaries) {
    std::string name = SystemSeparators(binary);
    CopyInto(run, sourceDir + name, serverPath + name);
  }
}

std::string FillPage(const Settings& settings, const std::string& page) {
  std::string filled = ReplaceAll(page, "<!-- #JQueryUiCss# -->", settings.JQueryUiCss);
  filled = ReplaceAll(filled, "<!-- #JQueryJs# -->", settings.JQueryJs);
  filled = ReplaceAll(filled, "<!-- #JQueryUiJs# -->", settings.JQueryUiJs);
  return ReplaceAll(filled, "#application#", settings.ApplicationName + ".js");
}

void Deploy(RunState& run, const std::string& script) {
  const Settings& s = run.ActiveSettings;
  if (s.DoNotCopy == 0) {
    run.PrintLine("");
    run.PrintLine("Copying...");
    CopySystemFolder(run);
  }
  run.PrintLine("");
  run.PrintLine("Ready :-)");
  run.PrintLine("");
  WriteTextFile(run, script, s.ServerPath + s.ApplicationName + ".js");
  std::string page = ReadTextFile(run, s.ServerPath + "index.html");
  WriteTextFile(run, FillPage(s, page), s.ServerPath + "index.html");
}

}  // namespace korvex::driver
