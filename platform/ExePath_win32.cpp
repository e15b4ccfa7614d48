#include <windows.h>

#include <vector>

#include "platform/ExePath.h"

namespace platform {

std::string ExecutablePath() {
  // GetModuleFileNameA truncates silently when the buffer is short: grow until it fits.
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace platform
