#include "platform/Process_posix.h"

#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include "platform/Process.h"

extern char** environ;

namespace platform {
namespace {

// A child nobody waits for any more is reaped in the background, so it leaves no zombie.
void ReapInBackground(pid_t pid) {
  std::thread([pid] {
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

// A descriptor that becomes readable when the process ends, or -1 where the kernel has none.
int OpenPidDescriptor(pid_t pid) {
#ifdef SYS_pidfd_open
  return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
  (void)pid;
  return -1;
#endif
}

using Clock = std::chrono::steady_clock;

// Whether any process of the group `group` is still there (a zombie not yet reaped counts).
bool GroupRemains(pid_t group) {
  return ::kill(-group, 0) == 0 || errno == EPERM;
}

// What is left of an ended group once nobody waits for it: killed at `deadline` if anything of
// it remains, and its leader reaped.
void FinishEndingInBackground(pid_t pid, bool reaped, Clock::time_point deadline) {
  std::thread([pid, reaped, deadline] {
    while (Clock::now() < deadline && GroupRemains(pid))
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (GroupRemains(pid)) ::kill(-pid, SIGKILL);
    if (!reaped) {
      while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
      }
    }
  }).detach();
}

// A child that leads a process group of its own (its process group id is its pid).
class ChildProcess : public Process {
 public:
  explicit ChildProcess(pid_t pid) : pid_(pid), pidfd_(OpenPidDescriptor(pid)) {}
  ~ChildProcess() override {
    if (ending_ && !Gone())
      FinishEndingInBackground(pid_, reaped_, killAt_);
    else if (!reaped_)
      ReapInBackground(pid_);
    if (pidfd_ >= 0) ::close(pidfd_);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool WaitFor(int milliseconds) override {
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
      if (!reaped_) Reap(milliseconds < 0 && !ending_);
      if (ending_ && !killed_ && Clock::now() >= killAt_ && GroupRemains(pid_)) {
        ::kill(-pid_, SIGKILL);
        killed_ = true;
      }
      if (Gone()) return true;
      auto left = std::chrono::milliseconds(1000);
      if (milliseconds >= 0) {
        left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
      }
      if (ending_) {
        // The group's other processes give no sign of their end: they are looked for often.
        std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(5)));
      } else if (pidfd_ >= 0) {
        pollfd ready{pidfd_, POLLIN, 0};
        ::poll(&ready, 1, static_cast<int>(left.count()));
      } else {
        std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(5)));
      }
    }
  }

  std::optional<int> ExitStatus() const override { return status_; }

  bool End() override {
    if (ending_) return true;
    ending_ = true;
    killAt_ = Clock::now() + std::chrono::milliseconds(kEndGraceMs);
    if (!Gone()) ::kill(-pid_, SIGTERM);
    return true;
  }

 private:
  // Reaps the child if it has ended (`block`: waits until it has).
  void Reap(bool block) {
    for (;;) {
      int status = 0;
      const pid_t reaped = ::waitpid(pid_, &status, block ? 0 : WNOHANG);
      if (reaped == pid_) {
        reaped_ = true;
        if (WIFEXITED(status))
          status_ = WEXITSTATUS(status);
        else if (WIFSIGNALED(status))
          status_ = 128 + WTERMSIG(status);
        return;
      }
      if (reaped < 0 && errno == ECHILD) {
        reaped_ = true;
        return;
      }
      if (reaped < 0 && errno == EINTR) continue;
      return;
    }
  }

  // Waited for to the end: the child alone, or once it was ended all of its group. Killed, the
  // group's members die at once, also those a parent that never reaps would keep as zombies.
  bool Gone() const { return reaped_ && (!ending_ || killed_ || !GroupRemains(pid_)); }

  pid_t pid_;
  int pidfd_;
  bool reaped_ = false;
  bool ending_ = false;
  bool killed_ = false;
  Clock::time_point killAt_;
  std::optional<int> status_;
};

}  // namespace

std::unique_ptr<Process> AdoptChild(pid_t pid) {
  return std::make_unique<ChildProcess>(pid);
}

std::unique_ptr<Process> SpawnChild(const std::string& program,
                                    const std::vector<std::string>& args, const std::string& folder,
                                    int& error) {
  std::vector<char*> argv;
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t signals;
  sigemptyset(&signals);
  posix_spawnattr_setsigmask(&attributes, &signals);
  sigfillset(&signals);
  posix_spawnattr_setsigdefault(&attributes, &signals);
  // A process group of its own, so that ending the item reaches the processes it starts.
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);

  pid_t pid = 0;
  error = ::posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return nullptr;
  return AdoptChild(pid);
}

SpawnResult SpawnProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder) {
  int error = 0;
  SpawnResult result;
  result.process = SpawnChild(program, args, folder, error);
  if (!result.process) result.error = std::strerror(error);
  return result;
}

void PrepareProcess() {
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace platform
