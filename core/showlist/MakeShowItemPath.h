#pragma once
#include <string>

#include "platform/PathStyle.h"

enum class FolderCase { Insensitive, Sensitive };

// The show item path of the file `filePath` for the program `exePath` (both full paths with '\'):
// relative to the program's folder, or `filePath` unchanged on another drive or share. Under
// POSIX rules there are no drives and ':' is an ordinary character of a name.
std::string MakeShowItemPath(const std::string& exePath, const std::string& filePath,
                             FolderCase folderCase = FolderCase::Insensitive,
                             platform::PathRules rules = platform::PathRules::Windows);

// The same for native paths of this system, with its separators and letter-case rule.
std::string MakeNativeShowItemPath(const std::string& exePath, const std::string& filePath);
