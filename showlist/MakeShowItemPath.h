#pragma once
#include <string>

enum class FolderCase { Insensitive, Sensitive };

// The show item path of the file `filePath` for the program `exePath` (both full paths with '\'):
// relative to the program's folder, or `filePath` unchanged on another drive or share.
std::string MakeShowItemPath(const std::string& exePath, const std::string& filePath,
                             FolderCase folderCase = FolderCase::Insensitive);

// The same for native paths of this system, with its separators and letter-case rule.
std::string MakeNativeShowItemPath(const std::string& exePath, const std::string& filePath);
