#pragma once
#include <string>

// The title of the standard error report: the executable's name without folder, cut at its
// first '.', every letter after the first in lower case ("SHOW.EXE" gives "Show").
std::string ErrorReportTitle(const std::string& exePath);
// The message as shown: a full stop is added when its last character sorts after '.'.
std::string ErrorReportText(const std::string& message);
