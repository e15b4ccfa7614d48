#pragma once
#include <string>

namespace platform {
// Show items are stored with '\' on every system so list files move between systems.
std::string ToItemSeparators(const std::string& nativePath);
std::string ToNativeSeparators(const std::string& itemPath);
// Folder names compare without letter case on Windows and with it elsewhere.
bool FolderNamesIgnoreCase();
// Whether programs and scripts carry an extension that says what they are (".exe", ".bat"):
// on Windows; on Linux a program is any file marked executable, with or without a dot.
bool ProgramsCarryExtensions();

// Which rules make a show item a full path and end its folder part: Windows (a drive "X:" or a
// share "\\server\share"; '\', '/' and ':' end a folder) or POSIX (a leading '\' or '/').
enum class PathRules { Windows, Posix };
PathRules NativePathRules();
}  // namespace platform
