#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include "platform/Shell.h"

namespace platform {
namespace {

// The process handle the shell returned; closed once nobody waits for it any more.
class ShellProcess : public Process {
 public:
  explicit ShellProcess(HANDLE handle) : handle_(handle) {}
  ~ShellProcess() override { CloseHandle(handle_); }
  ShellProcess(const ShellProcess&) = delete;
  ShellProcess& operator=(const ShellProcess&) = delete;

  bool WaitFor(int milliseconds) override {
    const DWORD timeout = milliseconds < 0 ? INFINITE : static_cast<DWORD>(milliseconds);
    return WaitForSingleObject(handle_, timeout) != WAIT_TIMEOUT;
  }

  std::optional<int> ExitStatus() const override {
    DWORD code = 0;
    if (!GetExitCodeProcess(handle_, &code) || code == STILL_ACTIVE) return std::nullopt;
    return static_cast<int>(code);
  }

 private:
  HANDLE handle_;
};

class Win32Shell : public Shell {
 public:
  OpenResult Open(const std::string& file, const std::string& folder) override {
    SHELLEXECUTEINFOA launch{};
    launch.cbSize = sizeof launch;
    launch.fMask = SEE_MASK_NOCLOSEPROCESS;
    launch.hwnd = nullptr;
    launch.lpVerb = "open";
    launch.lpFile = file.c_str();
    launch.lpParameters = nullptr;
    launch.lpDirectory = folder.c_str();
    launch.nShow = SW_SHOWMAXIMIZED;
    // The shell reports a failure to the operator itself, and starts no process when it hands
    // the item to a program that is already running: both leave no handle to wait for.
    ShellExecuteExA(&launch);
    OpenResult result;
    if (launch.hProcess) result.process = std::make_unique<ShellProcess>(launch.hProcess);
    return result;
  }
};

}  // namespace

std::unique_ptr<Shell> MakeSystemShell() {
  return std::make_unique<Win32Shell>();
}

}  // namespace platform
