#include "core/players/LaunchScriptChoice.h"

#include <algorithm>
#include <map>

#include "base/AppError.h"
#include "base/AsciiCase.h"
#include "core/players/LaunchScript.h"
#include "platform/PathStyle.h"

namespace {

// One spelling per file: both separators as one, and letter case folded where the file
// system ignores it (Windows), so "C:\V\A.BAT" and "c:/v/a.bat" are the same file there.
std::string FileKey(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  if (platform::FolderNamesIgnoreCase()) path = AsciiLowered(path);
  return path;
}

bool IsLaunchScriptName(const std::string& path) {
  const std::string name = AsciiLowered(VideoFileName(path));
  return name.ends_with(".bat") || name.ends_with(".vbs");
}

const char kNothingWritten[] = "; nothing of this choice was written";

}  // namespace

void CheckLaunchScriptChoice(const LaunchScriptRun& run, const std::vector<std::string>& leftFiles,
                             const std::vector<std::string>& rightFiles) {
  const ScriptKind kind = ScriptKindFromIndex(run.scriptKind);
  std::map<std::string, const std::string*> chosen;  // every chosen video by its key
  for (size_t i = 0; i < leftFiles.size(); ++i) {
    const bool hasRight = run.separateLeftRight && i < rightFiles.size();
    for (const std::string* video : {&leftFiles[i], hasRight ? &rightFiles[i] : nullptr}) {
      if (!video) continue;
      if (IsLaunchScriptName(*video))
        throw AppError(CannotCreateFileText(
            LaunchScriptPath(leftFiles[i], kind),
            "The chosen file " + *video + " is a launch script, not a video" + kNothingWritten));
      chosen.emplace(FileKey(*video), video);
    }
  }

  std::map<std::string, const std::string*> scripts;  // each script path with its left video
  for (const std::string& left : leftFiles) {
    const std::string script = LaunchScriptPath(left, kind);
    const auto [earlier, isNew] = scripts.emplace(FileKey(script), &left);
    if (!isNew)
      throw AppError(CannotCreateFileText(script, "The chosen files " + *earlier->second + " and " +
                                                      left + " would both get this launch script" +
                                                      kNothingWritten));
    std::vector<std::string> written{script};
    if (run.companion) {
      // A name the companion cannot carry is reported in its turn by the run itself.
      try {
        written.push_back(run.companion(left).path);
      } catch (const AppError&) {
      }
    }
    for (const std::string& path : written)
      if (const auto hit = chosen.find(FileKey(path)); hit != chosen.end())
        throw AppError(CannotCreateFileText(path, "It is the chosen file " + *hit->second +
                                                      ", which the launch script of " + left +
                                                      " would replace" + kNothingWritten));
  }
}
