#pragma once
#include "core/show/Key.h"

class QKeyEvent;

// The key of a key event by its virtual-key code: letters as upper case 65..90, main-keyboard
// digits 48..57, keypad digits 96..105, SPACE, ENTER, ESC and the arrows as on Windows;
// Key::None for keys without a code here.
Key VirtualKeyFromQt(const QKeyEvent& event);
