#include <windows.h>

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

Screen& SystemScreen() {
  static WindowsScreen screen;
  return screen;
}

}  // namespace platform
