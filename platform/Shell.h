#pragma once
#include <memory>
#include <string>

#include "platform/Process.h"

namespace platform {

// What opening an item gave: the process to wait for, or none. `error` holds why the system
// could not open the item; `shownBySystem` says the system has already told the operator so
// (the Windows shell shows its own box), so no second box is due.
struct OpenResult {
  std::unique_ptr<Process> process;
  std::string error;
  bool shownBySystem = false;
};

// Opens files by their type, as the system's shell does.
class Shell {
 public:
  virtual ~Shell() = default;
  // Opens `file` with `folder` as its working folder (both full native paths).
  virtual OpenResult Open(const std::string& file, const std::string& folder) = 0;
};

// The system's own shell: ShellExecuteEx on Windows; on other systems programs run directly and
// other files by the desktop's default application. Launch scripts where the system has no
// script host are the core's to run (ItemShell).
std::unique_ptr<Shell> MakeSystemShell();

}  // namespace platform
