#include <windows.h>

#include "platform/FileSystem.h"
#include "platform/Process_win32.h"

namespace platform {
namespace {

// A started process's handle and the job object it was put in (none where that failed); both
// closed once nobody waits for it any more. Closing the job leaves its processes running.
class HandleProcess : public Process {
 public:
  HandleProcess(HANDLE handle, HANDLE job) : handle_(handle), job_(job) {}
  ~HandleProcess() override {
    CloseHandle(handle_);
    if (job_) CloseHandle(job_);
  }
  HandleProcess(const HandleProcess&) = delete;
  HandleProcess& operator=(const HandleProcess&) = delete;

  bool WaitFor(int milliseconds) override {
    const DWORD timeout = milliseconds < 0 ? INFINITE : static_cast<DWORD>(milliseconds);
    return WaitForSingleObject(handle_, timeout) != WAIT_TIMEOUT;
  }

  std::optional<int> ExitStatus() const override {
    DWORD code = 0;
    if (!GetExitCodeProcess(handle_, &code) || code == STILL_ACTIVE) return std::nullopt;
    return static_cast<int>(code);
  }

  // Windows has no request to close that every program heeds: the job ends at once.
  bool End() override {
    if (job_) return TerminateJobObject(job_, 1) != 0;
    return TerminateProcess(handle_, 1) != 0;
  }

 private:
  HANDLE handle_;
  HANDLE job_;
};

// A job object holding `process`, or none when the system refuses (a job that forbids nesting).
HANDLE JobFor(HANDLE process) {
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  if (job && !AssignProcessToJobObject(job, process)) {
    CloseHandle(job);
    job = nullptr;
  }
  return job;
}

// One argument as a program's start-up code splits it back: quoted when it holds a blank or a
// quote or is empty, a quote escaped by a backslash, and backslashes before a quote doubled.
std::string QuotedArgument(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
  std::string quoted = "\"";
  size_t slashes = 0;
  for (const char c : arg) {
    if (c == '\\') {
      ++slashes;
      continue;
    }
    quoted.append(c == '"' ? slashes * 2 + 1 : slashes, '\\');
    slashes = 0;
    quoted += c;
  }
  quoted.append(slashes * 2, '\\');
  return quoted + "\"";
}

}  // namespace

std::unique_ptr<Process> AdoptProcessHandle(HANDLE handle) {
  return std::make_unique<HandleProcess>(handle, JobFor(handle));
}

SpawnResult SpawnProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder) {
  // The program's name is taken up to its closing quote, with no escapes.
  std::string commandLine = "\"" + (args.empty() ? program : args[0]) + "\"";
  for (size_t i = 1; i < args.size(); ++i) commandLine += " " + QuotedArgument(args[i]);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  SpawnResult result;
  // Started suspended, so that it is in its job before it can start anything itself.
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_SUSPENDED, nullptr, folder.empty() ? nullptr : folder.c_str(),
                      &startup, &started)) {
    result.error = LastErrorText();
    return result;
  }
  result.process = AdoptProcessHandle(started.hProcess);
  ResumeThread(started.hThread);
  CloseHandle(started.hThread);
  return result;
}

// Windows has no signal for a file size limit: a failed write already comes back as an error.
void PrepareProcess() {}

}  // namespace platform
