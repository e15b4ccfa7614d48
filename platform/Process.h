#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

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
  // Ends the process and the processes it started, without waiting: on POSIX SIGTERM to its
  // process group, then SIGKILL to whatever of the group remains kEndGraceMs later; on Windows
  // its job object is terminated. From then on WaitFor returns true only once all of it is gone.
  // False where this process cannot be ended (nothing was done).
  virtual bool End() { return false; }

  // How long the processes of an ended item have to close before they are killed.
  static constexpr int kEndGraceMs = 3000;
};

// A started program, or the system's text for why it could not be started.
struct SpawnResult {
  std::unique_ptr<Process> process;
  std::string error;
};

// Starts `program` (a path to the program file itself) with `args` (args[0] included) in
// `folder` (none: the current one), without any shell: nothing in an argument is interpreted.
// It runs in a process group (on Windows a job object) of its own, so that End reaches what it
// starts. A process nobody waits for any more leaves nothing behind.
SpawnResult SpawnProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder);

// Settles how the process meets the system before anything else runs. On POSIX a file size
// limit must not kill the program in the middle of a save: with SIGXFSZ ignored the write fails
// instead, and the save reports "Stream write error" with the old file kept.
void PrepareProcess();

}  // namespace platform
