#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/InstanceLock.h"

namespace platform {
namespace {

// A socket bound to a name in the abstract namespace: no file to leave behind or to find
// unwritable, and the kernel frees the name with the last descriptor, also after a crash.
class SocketLock : public InstanceLock {
 public:
  explicit SocketLock(int fd) : fd_(fd) {}
  ~SocketLock() override {
    if (fd_ >= 0) ::close(fd_);
  }
  SocketLock(const SocketLock&) = delete;
  SocketLock& operator=(const SocketLock&) = delete;

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<InstanceLock> LockProgramFiles(const std::string& filesBase) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return std::make_unique<SocketLock>(-1);
  const std::string name = InstanceLockName(filesBase);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  // sun_path[0] stays '\0': the abstract namespace.
  std::memcpy(address.sun_path + 1, name.data(), name.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0)
    return std::make_unique<SocketLock>(fd);
  const int error = errno;
  ::close(fd);
  if (error == EADDRINUSE) return nullptr;
  return std::make_unique<SocketLock>(-1);
}

}  // namespace platform
