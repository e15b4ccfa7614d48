#include "platform/FileTypes.h"

namespace platform {

ScriptType LaunchScriptTypeOf(const std::string& file) {
  const auto nameStart = file.find_last_of("\\/");
  const auto dot = file.find_last_of('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
    return ScriptType::None;
  std::string extension = file.substr(dot);
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (extension == ".bat") return ScriptType::Bat;
  if (extension == ".vbs") return ScriptType::Vbs;
  return ScriptType::None;
}

}  // namespace platform
