#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "base/AppError.h"
#include "core/players/LaunchScriptReader.h"
#include "platform/FileSystem.h"
#include "platform/FileTypes.h"
#include "platform/FileTypes_posix.h"
#include "platform/Shell.h"

extern char** environ;

namespace platform {
namespace {

std::string ErrnoText(int code) {
  return std::strerror(code);
}

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

// A started child of ours, reaped exactly once.
class ChildProcess : public Process {
 public:
  explicit ChildProcess(pid_t pid) : pid_(pid), pidfd_(OpenPidDescriptor(pid)) {}
  ~ChildProcess() override {
    if (!ended_) ReapInBackground(pid_);
    if (pidfd_ >= 0) ::close(pidfd_);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool WaitFor(int milliseconds) override {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (!ended_) {
      int status = 0;
      const pid_t reaped = ::waitpid(pid_, &status, milliseconds < 0 ? 0 : WNOHANG);
      if (reaped == pid_) {
        ended_ = true;
        if (WIFEXITED(status))
          status_ = WEXITSTATUS(status);
        else if (WIFSIGNALED(status))
          status_ = 128 + WTERMSIG(status);
        break;
      }
      if (reaped < 0 && errno == ECHILD) {
        ended_ = true;
        break;
      }
      if (reaped < 0 && errno == EINTR) continue;
      if (milliseconds < 0) continue;
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0) return false;
      if (pidfd_ >= 0) {
        pollfd ready{pidfd_, POLLIN, 0};
        ::poll(&ready, 1, static_cast<int>(left.count()));
      } else {
        std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(5)));
      }
    }
    return true;
  }

  std::optional<int> ExitStatus() const override { return status_; }

 private:
  pid_t pid_;
  int pidfd_;
  bool ended_ = false;
  std::optional<int> status_;
};

// Starts `program` with `args` in `folder`: no shell, default signal handling, and no open
// descriptor of ours beyond the standard three. Returns the child, or sets `error`.
std::unique_ptr<ChildProcess> Spawn(const std::string& program,
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
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  pid_t pid = 0;
  error = ::posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return nullptr;
  return std::make_unique<ChildProcess>(pid);
}

struct ResolvedCommand {
  std::string program;
  std::vector<std::string> args;
  bool wait;
};

// A launch script being run: one command after another, each waited for when the script says so.
class ScriptProcess : public Process {
 public:
  ScriptProcess(std::vector<ResolvedCommand> commands, std::string folder)
      : commands_(std::move(commands)), folder_(std::move(folder)) {}

  // Runs commands up to the first one to wait for; returns the first failure's text.
  std::string Start() {
    std::string firstError;
    while (!current_ && next_ < commands_.size()) {
      const ResolvedCommand& command = commands_[next_++];
      int error = 0;
      auto child = Spawn(command.program, command.args, folder_, error);
      if (!child) {
        const std::string text = CannotOpenFileText(command.args[0], ErrnoText(error));
        if (firstError.empty()) firstError = text;
        std::fprintf(stderr, "%s\n", text.c_str());
        continue;
      }
      if (command.wait) current_ = std::move(child);
    }
    return firstError;
  }

  bool Running() const { return current_ != nullptr; }

  bool WaitFor(int milliseconds) override {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (current_) {
      int left = -1;
      if (milliseconds >= 0)
        left = static_cast<int>(std::max<long long>(
            0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                   .count()));
      if (!current_->WaitFor(left)) return false;
      status_ = current_->ExitStatus();
      current_.reset();
      Start();
    }
    return true;
  }

  // The script's result is that of the last command it waited for, as the interpreter's is.
  std::optional<int> ExitStatus() const override { return status_; }

 private:
  std::optional<int> status_;
  std::vector<ResolvedCommand> commands_;
  std::string folder_;
  size_t next_ = 0;
  std::unique_ptr<ChildProcess> current_;
};

OpenResult RunLaunchScript(const std::string& file, const std::string& folder, bool vbs) {
  const std::string content = ReadWholeFile(file);
  const auto commands = vbs ? ParseVbsScript(content, file, ScriptVariable)
                            : ParseBatScript(content, file, ScriptVariable);
  std::vector<ResolvedCommand> resolved;
  for (const auto& command : commands) {
    std::string program = FindScriptProgram(command.args[0], folder);
    if (program.empty())
      throw AppError("Cannot run launch script \"" + file + "\". The program \"" + command.args[0] +
                     "\" was not found");
    resolved.push_back({std::move(program), command.args, command.wait});
  }
  auto script = std::make_unique<ScriptProcess>(std::move(resolved), folder);
  OpenResult result;
  result.error = script->Start();
  if (script->Running()) result.process = std::move(script);
  return result;
}

void SetWorkingFolder(gpointer folder) {
  // Runs in the child between fork and exec: chdir is async-signal-safe.
  if (::chdir(static_cast<const char*>(folder)) != 0) _exit(127);
}

void StorePid(GDesktopAppInfo*, GPid pid, gpointer target) {
  *static_cast<GPid*>(target) = pid;
}

// The desktop's default application for the file's type, started so that its process is known.
// The application is the one the show check finds, refused for the same reasons.
OpenResult OpenWithDefaultApplication(const std::string& file, const std::string& folder) {
  const TypeOpening decided = OpeningByType(file);
  if (!decided.app) return {nullptr, CannotOpenFileText(file, decided.opening.reason)};
  GAppInfo* app = decided.app;

  const GioApi* gio = Gio();
  GFile* gfile = gio->file_new_for_path(file.c_str());
  gchar* uri = gio->file_get_uri(gfile);
  GList uris{uri, nullptr, nullptr};
  GError* failure = nullptr;
  GPid pid = 0;
  gboolean launched = FALSE;
  if (gio->IsDesktopAppInfo(app)) {
    launched = gio->desktop_app_info_launch_uris_as_manager(
        reinterpret_cast<GDesktopAppInfo*>(app), &uris, nullptr,
        static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD), SetWorkingFolder,
        const_cast<char*>(folder.c_str()), StorePid, &pid, &failure);
  } else {
    launched = gio->app_info_launch_uris(app, &uris, nullptr, &failure);
  }
  OpenResult result;
  if (!launched) {
    result.error = CannotOpenFileText(file, failure ? failure->message : "It could not be started");
  } else if (pid > 0) {
    result.process = std::make_unique<ChildProcess>(pid);
  }
  if (failure) gio->error_free(failure);
  gio->free(uri);
  gio->object_unref(app);
  gio->object_unref(gfile);
  return result;
}

class PosixShell : public Shell {
 public:
  OpenResult Open(const std::string& file, const std::string& folder) override {
    try {
      return OpenItem(file, folder);
    } catch (const AppError& error) {
      return {nullptr, error.what()};
    }
  }

 private:
  static OpenResult OpenItem(const std::string& file, const std::string& folder) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
      return {nullptr, CannotOpenFileText(file, ErrnoText(errno))};
    if (S_ISDIR(st.st_mode)) return {nullptr, CannotOpenFileText(file, ErrnoText(EISDIR))};

    const ScriptType script = LaunchScriptTypeOf(file);
    if (script != ScriptType::None) return RunLaunchScript(file, folder, script == ScriptType::Vbs);

    if (IsProgramFile(file)) {
      const FileOpening program = ProgramOpening(file);
      if (program.problem != StartProblem::None)
        return {nullptr, CannotOpenFileText(file, program.reason)};
      int error = 0;
      auto child = Spawn(file, {file}, folder, error);
      if (child) return {std::move(child), {}};
      // A file that only carries the execute bit (as on many mounted Windows drives) is
      // opened by its type instead.
      if (error != ENOEXEC) return {nullptr, CannotOpenFileText(file, ErrnoText(error))};
    }
    return OpenWithDefaultApplication(file, folder);
  }
};

}  // namespace

std::unique_ptr<Shell> MakeSystemShell() {
  return std::make_unique<PosixShell>();
}

}  // namespace platform
