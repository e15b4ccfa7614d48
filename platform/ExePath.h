#pragma once
#include <string>

namespace platform {
// The full path of the running executable, links resolved, with no length limit.
std::string ExecutablePath();
}  // namespace platform
