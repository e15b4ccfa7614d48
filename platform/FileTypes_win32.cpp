#include <windows.h>
// After windows.h, which it builds on.
#include <shlwapi.h>

#include <vector>

#include "base/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/FileTypes.h"

namespace platform {
namespace {

// The extension of the file name, from its last '.', or empty.
std::string ExtensionOf(const std::string& path) {
  const auto nameStart = path.find_last_of("\\/:");
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) return {};
  return path.substr(dot);
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// An association string of `extension` for the "open" verb, or empty when there is none.
std::string AssociationText(ASSOCSTR what, const std::string& extension) {
  DWORD size = 0;
  const ASSOCF flags = ASSOCF_INIT_IGNOREUNKNOWN | ASSOCF_NOTRUNCATE;
  // Windows answers the size query with S_FALSE, Wine with S_OK.
  const HRESULT sized = AssocQueryStringA(flags, what, extension.c_str(), "open", nullptr, &size);
  if ((sized != S_OK && sized != S_FALSE) || size == 0) return {};
  std::vector<char> buffer(size);
  if (AssocQueryStringA(flags, what, extension.c_str(), "open", buffer.data(), &size) != S_OK)
    return {};
  return std::string(buffer.data());
}

}  // namespace

PathState StateOfPath(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return {PathKind::Missing, LastErrorText()};
  return {attributes & FILE_ATTRIBUTE_DIRECTORY ? PathKind::Folder : PathKind::File, {}};
}

bool SystemRunsLaunchScripts() {
  return true;
}

// The shell starts programs and batch files itself; everything else, .vbs included, by its
// association.
FileOpening HowSystemOpens(const std::string& file) {
  if (IsProgramFile(file)) return {OpenWay::Program, {}, {}, {}};
  const std::string extension = ExtensionOf(file);
  FileOpening opening{OpenWay::ByType, extension, {}, {}};
  if (extension.empty()) return opening;
  opening.description = AssociationText(ASSOCSTR_FRIENDLYDOCNAME, extension);
  if (!AssociationText(ASSOCSTR_COMMAND, extension).empty()) {
    opening.application = AssociationText(ASSOCSTR_FRIENDLYAPPNAME, extension);
    if (opening.application.empty()) opening.application = "(unnamed application)";
  }
  return opening;
}

bool IsProgramFile(const std::string& path) {
  const std::string extension = AsciiLowered(ExtensionOf(path));
  const bool started = extension == ".exe" || extension == ".com" || extension == ".bat" ||
                       extension == ".cmd" || extension == ".pif";
  return started && IsFile(path);
}

std::optional<std::string> ScriptVariable(const std::string& name) {
  std::vector<char> buffer(256);
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    const DWORD n =
        GetEnvironmentVariableA(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) {
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(n);
  }
}

}  // namespace platform
