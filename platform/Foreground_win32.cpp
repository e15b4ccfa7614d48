#include <windows.h>

#include "platform/Foreground.h"

namespace platform {

void TakeKeyboardBack(std::uintptr_t nativeWindow) {
  const HWND window = reinterpret_cast<HWND>(nativeWindow);
  if (!window || GetForegroundWindow() == window) return;
  // The item this program started was the foreground process, so Windows lets us take the
  // foreground back; the focus then follows the activation.
  SetForegroundWindow(window);
  SetActiveWindow(window);
  SetFocus(window);
}

}  // namespace platform
