#include "platform/PointerCounter.h"

namespace platform {

std::unique_ptr<PointerCounter> MakeSystemPointerCounter(
    std::function<void(bool visible)> onVisibilityChange) {
  return std::make_unique<CountingPointerCounter>(std::move(onVisibilityChange));
}

}  // namespace platform
