#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/host/FileDialogs.h"

// Builds one command line from the left name, the right name and the quote mark.
using CommandLineBuilder = std::function<std::string(
    const std::string& leftName, const std::string& rightName, const std::string& quote)>;

// A file a script needs beside it (Bino 2's command file).
struct CompanionFile {
  std::string path;  // native full path
  std::string text;  // the bytes to write
};
// Makes the companion of the script for one left video (native full path); throws AppError to
// stop the run at that video.
using CompanionBuilder = std::function<CompanionFile(const std::string& leftVideo)>;

// What a script run takes from its window.
struct LaunchScriptRun {
  bool separateLeftRight = false;  // input item "separate left-right (left first)"
  int scriptKind = 0;              // item index of the "File types" group
  bool addToList = false;          // "Add file(s) to the list"
  std::string exePath;             // the program's executable, for the show item paths
  CommandLineBuilder buildCommandLine;
  CompanionBuilder companion;  // empty: the script stands alone
  std::function<void(const std::string& showItem)> appendToList;
};

// Writes one script beside each left file (native full paths, in the order the dialog returned
// them), pairing the i-th left file with the i-th right file, and appends each script's show
// item path when asked. A choice that would write over a chosen file or give two videos one
// script is refused whole first (CheckLaunchScriptChoice). A script's companion, if any, is
// written just before it, so a listed script always finds it. Each script is written and listed
// before the next one. Throws AppError "List index out of bounds (i)" when a left file has no
// right partner and "Cannot create file ..." when a script cannot be written; earlier scripts
// and list entries remain.
void WriteChosenLaunchScripts(const LaunchScriptRun& run, const std::vector<std::string>& leftFiles,
                              const std::vector<std::string>& rightFiles);

// The whole script run of a player window: sets the video dialogs' titles, asks for the left
// videos (cancel ends the run, nothing written), with separate left-right input for the right
// videos as well (cancel leaves them empty), then writes the scripts as above.
void WriteLaunchScripts(host::FileDialogs& dialogs, host::FileDialogRequest& leftDialog,
                        host::FileDialogRequest& rightDialog, const LaunchScriptRun& run);
