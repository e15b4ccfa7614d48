#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <string>

#include "base/AppError.h"
#include "platform/Process_win32.h"
#include "platform/Shell.h"

namespace platform {
namespace {

// The system's own text for an error code, without its trailing line end.
std::string SystemErrorText(DWORD code) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = length && buffer ? std::string(buffer, length) : std::string();
  if (buffer) LocalFree(buffer);
  while (!text.empty() &&
         (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' || text.back() == '.'))
    text.pop_back();
  if (text.empty()) text = "System error " + std::to_string(code);
  return text;
}

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
    // The shell reports a failure to the operator itself; the show still has to know of it, so
    // the journal does not count a failed start as a played item. Handing the item to a program
    // that is already running succeeds without a process: nothing to wait for then.
    OpenResult result;
    if (!ShellExecuteExA(&launch)) {
      result.error = CannotOpenFileText(file, SystemErrorText(GetLastError()));
      result.shownBySystem = true;
      return result;
    }
    if (launch.hProcess) result.process = AdoptProcessHandle(launch.hProcess);
    return result;
  }
};

}  // namespace

std::unique_ptr<Shell> MakeSystemShell() {
  return std::make_unique<Win32Shell>();
}

}  // namespace platform
