#pragma once

// Windows virtual-key codes of the keys the show window knows besides letters ('A'..'Z') and
// main-keyboard digits ('0'..'9'), which are their own upper-case characters.
enum VirtualKey : int {
  VK_RETURN_KEY = 13,
  VK_ESCAPE_KEY = 27,
  VK_SPACE_KEY = 32,
  VK_LEFT_KEY = 37,
  VK_RIGHT_KEY = 39,
  VK_NUMPAD0_KEY = 96,
};
