#pragma once

class QKeyEvent;

// Windows virtual-key codes of the keys the show window knows.
enum VirtualKey : int {
  VK_RETURN_KEY = 13,
  VK_ESCAPE_KEY = 27,
  VK_SPACE_KEY = 32,
  VK_LEFT_KEY = 37,
  VK_RIGHT_KEY = 39,
  VK_NUMPAD0_KEY = 96,
};

// The virtual-key code of a key event: letters as upper case 65..90, main-keyboard digits
// 48..57, keypad digits 96..105, SPACE, ENTER, ESC and the arrows as on Windows; 0 for keys without
// a code here.
int VirtualKeyFromQt(const QKeyEvent& event);
