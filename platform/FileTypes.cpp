#include "platform/FileTypes.h"

#include "base/AsciiCase.h"
namespace platform {

ScriptType LaunchScriptTypeOf(const std::string& file) {
  const auto nameStart = file.find_last_of("\\/");
  const auto dot = file.find_last_of('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
    return ScriptType::None;
  const std::string extension = AsciiLowered(file.substr(dot));
  if (extension == ".bat") return ScriptType::Bat;
  if (extension == ".vbs") return ScriptType::Vbs;
  return ScriptType::None;
}

}  // namespace platform
