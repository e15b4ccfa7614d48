#pragma once
#include <cstdint>

namespace platform {

// Gives the keyboard back to `nativeWindow` (the show window's native handle) once an item it
// started has ended. On Windows the started program's window had the foreground, and when it
// closes the system may hand it to no window at all (Wine does): the operator's next key would
// go nowhere until a click. Elsewhere the window manager returns the focus itself.
void TakeKeyboardBack(std::uintptr_t nativeWindow);

}  // namespace platform
