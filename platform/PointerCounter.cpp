#include "platform/PointerCounter.h"

#include <climits>

namespace platform {

CountingPointerCounter::CountingPointerCounter(std::function<void(bool)> onVisibilityChange)
    : onVisibilityChange_(std::move(onVisibilityChange)) {}

int CountingPointerCounter::ShowCursor(bool show) {
  const bool wasVisible = value_ >= 0;
  if (show && value_ < INT_MAX) ++value_;
  if (!show && value_ > INT_MIN) --value_;
  const bool visible = value_ >= 0;
  if (visible != wasVisible && onVisibilityChange_) onVisibilityChange_(visible);
  return value_;
}

}  // namespace platform
