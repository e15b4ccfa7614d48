#pragma once
#include <memory>
#include <string>

namespace platform {

// Held for as long as one copy of the program runs on the files named after its executable;
// the system lets it go when the process ends, however it ends, so no stale lock survives.
class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
};

// Takes the lock for the program files whose common name (full path, no extension) is
// `filesBase`. Null when another running copy holds it. Where the system offers no lock, a lock
// that guards nothing is returned: a show is never refused for that.
std::unique_ptr<InstanceLock> LockProgramFiles(const std::string& filesBase);

// The name the lock goes by for `filesBase`: the same for every spelling the file system takes
// as one path (letter case on Windows), short enough for any system's object names.
std::string InstanceLockName(const std::string& filesBase);

}  // namespace platform
