#include <windows.h>

#include "platform/InstanceLock.h"

namespace platform {
namespace {

// A named mutex of this logon session; the system closes the handle when the process ends.
class MutexLock : public InstanceLock {
 public:
  explicit MutexLock(HANDLE handle) : handle_(handle) {}
  ~MutexLock() override {
    if (handle_) CloseHandle(handle_);
  }
  MutexLock(const MutexLock&) = delete;
  MutexLock& operator=(const MutexLock&) = delete;

 private:
  HANDLE handle_;
};

}  // namespace

std::unique_ptr<InstanceLock> LockProgramFiles(const std::string& filesBase) {
  const std::string name = "Local\\" + InstanceLockName(filesBase);
  HANDLE handle = CreateMutexA(nullptr, FALSE, name.c_str());
  if (handle && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(handle);
    return nullptr;
  }
  return std::make_unique<MutexLock>(handle);
}

}  // namespace platform
