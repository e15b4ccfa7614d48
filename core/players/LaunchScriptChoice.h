#pragma once
#include <string>
#include <vector>

#include "core/players/WriteLaunchScripts.h"

// Refuses, before anything is written, a choice of videos whose run would write over a file:
// a chosen .bat or .vbs (any letter case) is a launch script, not a video; two left files that
// give one script would leave only the later one; and no script or companion may land on a
// chosen file. Paths compare with the file system's letter-case rule. Throws AppError
// "Cannot create file ..." naming the files concerned.
void CheckLaunchScriptChoice(const LaunchScriptRun& run, const std::vector<std::string>& leftFiles,
                             const std::vector<std::string>& rightFiles);
