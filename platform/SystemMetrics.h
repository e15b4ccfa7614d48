#pragma once
#include <cstdint>
#include <optional>

namespace platform {

struct PixelSize {
  int width = 0;
  int height = 0;
};

// The primary screen's size as the system reports it; none where the system has no such call
// (Linux: the windowing toolkit knows it there).
std::optional<PixelSize> PrimaryScreenSize();

enum class SystemColour { HotLight, GrayText };

// The system's colour of a role as 0xRRGGBB; none where the system has no colour roles.
std::optional<uint32_t> SystemColourRgb(SystemColour colour);

}  // namespace platform
