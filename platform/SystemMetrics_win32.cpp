#include <windows.h>

#include "platform/SystemMetrics.h"

namespace platform {

std::optional<PixelSize> PrimaryScreenSize() {
  return PixelSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::optional<uint32_t> SystemColourRgb(SystemColour colour) {
  const DWORD bgr = GetSysColor(colour == SystemColour::HotLight ? COLOR_HOTLIGHT : COLOR_GRAYTEXT);
  return (GetRValue(bgr) << 16) | (GetGValue(bgr) << 8) | GetBValue(bgr);
}

}  // namespace platform
