#pragma once
#include "core/show/VirtualKey.h"

class QKeyEvent;

// The virtual-key code of a key event: letters as upper case 65..90, main-keyboard digits
// 48..57, keypad digits 96..105, SPACE, ENTER, ESC and the arrows as on Windows; 0 for keys without
// a code here.
int VirtualKeyFromQt(const QKeyEvent& event);
