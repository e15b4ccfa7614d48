#pragma once
#include <cstdint>

namespace platform {
// The Windows virtual-key code of a key, from the native codes the window system sent with it
// (Windows: the virtual-key code itself; X11 and Wayland: the xkb keycode and the keysym it
// typed). Main-keyboard digits count by position whatever Shift or the layout types; letters by
// the layout's Latin letter, and where the key types no Latin letter (a Cyrillic layout, AltGr)
// by the US letter at that position; keypad digits are VK_NUMPAD0..9. 0 for a key without a
// code here; -1 when there are no native codes (a synthetic event), so the caller reads the
// toolkit's key instead.
int VirtualKeyFromNative(std::uint32_t scanCode, std::uint32_t nativeKey);
}  // namespace platform
