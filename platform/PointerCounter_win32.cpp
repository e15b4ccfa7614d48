#include <windows.h>

#include "platform/PointerCounter.h"

namespace platform {
namespace {

// Windows keeps the counter and blanks the pointer itself.
class WindowsPointerCounter : public PointerCounter {
 public:
  int ShowCursor(bool show) override { return ::ShowCursor(show ? TRUE : FALSE); }
};

}  // namespace

std::unique_ptr<PointerCounter> MakeSystemPointerCounter(std::function<void(bool)>) {
  return std::make_unique<WindowsPointerCounter>();
}

}  // namespace platform
