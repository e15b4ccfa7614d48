#pragma once
#include <cstdint>

namespace platform {

enum class SystemColour { HotLight, GrayText };

// The system's colour of a role as 0xRRGGBB.
uint32_t SystemColourRgb(SystemColour colour);

}  // namespace platform
