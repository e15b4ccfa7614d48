#include "platform/KeyCode.h"

namespace platform {
int VirtualKeyFromNative(std::uint32_t, std::uint32_t nativeKey) {
  // Windows hands the virtual-key code over as it is: layout and keypad already decided.
  if (nativeKey == 0) return -1;
  return static_cast<int>(nativeKey & 0xFFFF);
}
}  // namespace platform
