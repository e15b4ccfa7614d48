#include "platform/InstanceLock.h"

#include <cstdint>
#include <cstdio>

#include "base/AsciiCase.h"
#include "platform/PathStyle.h"

namespace platform {

std::string InstanceLockName(const std::string& filesBase) {
  // FNV-1a: paths have no length limit, the names of system objects do.
  const bool ignoreCase = FolderNamesIgnoreCase();
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : filesBase) {
    if (ignoreCase) c = AsciiUpper(c);
    if (ignoreCase && c == '/') c = '\\';
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  char name[40];
  std::snprintf(name, sizeof name, "quadrel-%016llx", static_cast<unsigned long long>(hash));
  return name;
}

}  // namespace platform
