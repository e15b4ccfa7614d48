#pragma once
#include <string>

// Everything up to and including the last '\' or ':' (also '/' for native paths); empty if none.
std::string FolderPart(const std::string& path);
// The rest of the path after FolderPart.
std::string NamePart(const std::string& path);
// `path` with the extension of its file name (from its last '.') replaced by `extension`, or
// with `extension` appended when the name has no '.'.
std::string ChangeExtension(const std::string& path, const std::string& extension);
// The file beside the executable that carries `extension` (".INI", ".LNG", ".LST").
std::string ProgramFileName(const std::string& exePath, const std::string& extension);
