#include <windows.h>

#include "platform/SystemColours.h"

namespace platform {

uint32_t SystemColourRgb(SystemColour colour) {
  const DWORD bgr = GetSysColor(colour == SystemColour::HotLight ? COLOR_HOTLIGHT : COLOR_GRAYTEXT);
  return (GetRValue(bgr) << 16) | (GetGValue(bgr) << 8) | GetBValue(bgr);
}

}  // namespace platform
