#include <windows.h>

#include <memory>

#include "platform/Screen.h"

namespace platform {
namespace {

class WindowsScreen : public Screen {
 public:
  ScreenSize Size() override {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
};

}  // namespace

std::unique_ptr<Screen> MakeSystemScreen() {
  return std::make_unique<WindowsScreen>();
}

}  // namespace platform
