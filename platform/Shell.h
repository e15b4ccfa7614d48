#pragma once
#include <memory>
#include <optional>
#include <string>

namespace platform {

// A process started for a show item.
class Process {
 public:
  virtual ~Process() = default;
  // Waits at most `milliseconds` (negative: without limit); true once the process has ended.
  virtual bool WaitFor(int milliseconds) = 0;
  // How it ended, once WaitFor has returned true: the exit code, or for a POSIX process killed
  // by a signal 128 plus the signal's number. None when the system does not say.
  virtual std::optional<int> ExitStatus() const { return std::nullopt; }
};

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

// The system's own shell: ShellExecuteEx on Windows; on other systems programs run directly,
// launch scripts by the built-in runner, other files by the desktop's default application.
std::unique_ptr<Shell> MakeSystemShell();

}  // namespace platform
