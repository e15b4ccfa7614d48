#include "platform/Foreground.h"

namespace platform {

// The window manager gives the focus back when the player's window closes; taking it here would
// steal it from a window the operator chose meanwhile.
void TakeKeyboardBack(std::uintptr_t /*nativeWindow*/) {}

}  // namespace platform
