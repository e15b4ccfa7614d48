#include "core/players/ItemShell.h"

#include "base/AppError.h"
#include "core/players/LaunchScriptRunner.h"

namespace {

// The script type of `file` when the built-in runner starts it, or None.
ScriptType RunnerScriptType(const std::string& file) {
  if (platform::SystemRunsLaunchScripts()) return ScriptType::None;
  return LaunchScriptTypeOf(file);
}

}  // namespace

platform::FileOpening HowItemOpens(const std::string& file) {
  if (RunnerScriptType(file) == ScriptType::None) return platform::HowSystemOpens(file);
  platform::FileOpening opening;
  opening.way = platform::OpenWay::LaunchScript;
  return opening;
}

platform::OpenResult ItemShell::Open(const std::string& file, const std::string& folder) {
  const ScriptType script = RunnerScriptType(file);
  if (script == ScriptType::None || platform::StateOfPath(file).kind != platform::PathKind::File)
    return system_.Open(file, folder);
  try {
    return RunLaunchScript(file, folder, script);
  } catch (const AppError& error) {
    return {nullptr, error.what()};
  }
}
