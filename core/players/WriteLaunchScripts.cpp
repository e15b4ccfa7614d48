#include "core/players/WriteLaunchScripts.h"

#include "base/AppError.h"
#include "core/players/LaunchScript.h"
#include "core/players/LaunchScriptChoice.h"
#include "core/showlist/MakeShowItemPath.h"
#include "platform/BatchText.h"
#include "platform/FileSystem.h"

void WriteChosenLaunchScripts(const LaunchScriptRun& run, const std::vector<std::string>& leftFiles,
                              const std::vector<std::string>& rightFiles) {
  // Neither script format can carry a double quote in a name (legal on Linux): it would end the
  // quoted name early. Such a choice is refused whole, before anything is written or listed.
  const ScriptKind scriptKind = ScriptKindFromIndex(run.scriptKind);
  for (size_t i = 0; i < leftFiles.size(); ++i) {
    const bool hasRight = run.separateLeftRight && i < rightFiles.size();
    for (const std::string* video : {&leftFiles[i], hasRight ? &rightFiles[i] : nullptr})
      if (video && VideoFileName(*video).find('"') != std::string::npos)
        throw AppError(CannotCreateFileText(
            LaunchScriptPath(leftFiles[i], scriptKind),
            "The video file name " + *video +
                " holds a double quote (\"), which a launch script cannot carry"));
  }
  CheckLaunchScriptChoice(run, leftFiles, rightFiles);
  for (size_t i = 0; i < leftFiles.size(); ++i) {
    const std::string& left = leftFiles[i];
    std::string rightName;
    if (run.separateLeftRight) {
      if (i >= rightFiles.size())
        throw AppError(ListIndexOutOfBoundsText(static_cast<long long>(i)));
      rightName = VideoFileName(rightFiles[i]);
    }
    const ScriptKind kind = ScriptKindFromIndex(run.scriptKind);
    const std::string scriptPath = LaunchScriptPath(left, kind);
    // A script holds its command on one line: a line break in a name (possible on Linux) would
    // end the command there and make the rest of the name a command of its own.
    if ((VideoFileName(left) + rightName).find_first_of("\r\n") != std::string::npos)
      throw AppError(CannotCreateFileText(scriptPath, "The video's file name holds a line break"));
    const std::string commandLine =
        run.buildCommandLine(ScriptFileName(VideoFileName(left), kind),
                             ScriptFileName(rightName, kind), QuoteMark(kind));
    // The script's text first: a name the console code page cannot hold stops the run before
    // anything of this video is written.
    std::string text = LaunchScriptText(commandLine, kind);
    if (kind == ScriptKind::Bat) text = platform::ToBatchFileText(text, scriptPath);
    if (run.companion) {
      const CompanionFile companion = run.companion(left);
      platform::WriteFileAtomically(companion.path, companion.text);
    }
    platform::WriteFileAtomically(scriptPath, text);
    if (run.addToList) run.appendToList(MakeNativeShowItemPath(run.exePath, scriptPath));
  }
}

void WriteLaunchScripts(host::FileDialogs& dialogs, host::FileDialogRequest& leftDialog,
                        host::FileDialogRequest& rightDialog, const LaunchScriptRun& run) {
  if (run.separateLeftRight) {
    leftDialog.title = "Select left video clip(s)";
    rightDialog.title = "Select right video clip(s)";
  } else {
    leftDialog.title = "Select video clip(s)";
  }
  const std::vector<std::string> leftFiles = dialogs.Choose(leftDialog);
  if (leftFiles.empty()) return;
  std::vector<std::string> rightFiles;
  if (run.separateLeftRight) rightFiles = dialogs.Choose(rightDialog);
  WriteChosenLaunchScripts(run, leftFiles, rightFiles);
}
