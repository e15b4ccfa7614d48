#include "platform/SystemMetrics.h"

namespace platform {

// X11 and Wayland have no such calls; the windows ask Qt.
std::optional<PixelSize> PrimaryScreenSize() {
  return std::nullopt;
}

std::optional<uint32_t> SystemColourRgb(SystemColour) {
  return std::nullopt;
}

}  // namespace platform
