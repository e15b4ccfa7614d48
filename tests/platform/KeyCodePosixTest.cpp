#include <gtest/gtest.h>

#include "platform/KeyCode.h"

using platform::VirtualKeyFromNative;

namespace {
// xkb keycodes of a few positions, and keysyms the layouts de, fr, ru and us put there.
constexpr std::uint32_t kKey1 = 10, kKey4 = 13, kKey6 = 15, kKey9 = 18, kKey0 = 19;
constexpr std::uint32_t kKeyQ = 24, kKeyY = 29, kKeyA = 38, kKeyH = 43, kKeyL = 46, kKeyZ = 52,
                        kKeyM = 58, kKeySemicolon = 47, kKeypad6 = 85, kKeyLeftBracket = 34;
}  // namespace

TEST(VirtualKeyFromNative, DigitsCountByPositionWhateverTheLayoutTypes) {
  EXPECT_EQ(VirtualKeyFromNative(kKey1, '1'), '1');
  EXPECT_EQ(VirtualKeyFromNative(kKey1, '!'), '1');    // us, Shift
  EXPECT_EQ(VirtualKeyFromNative(kKey1, '&'), '1');    // fr, no Shift
  EXPECT_EQ(VirtualKeyFromNative(kKey4, '\''), '4');   // fr
  EXPECT_EQ(VirtualKeyFromNative(kKey6, '-'), '6');    // fr
  EXPECT_EQ(VirtualKeyFromNative(kKey6, '&'), '6');    // de, Shift
  EXPECT_EQ(VirtualKeyFromNative(kKey9, ')'), '9');    // de, Shift: not the 0 key
  EXPECT_EQ(VirtualKeyFromNative(kKey0, '='), '0');    // de, Shift
  EXPECT_EQ(VirtualKeyFromNative(kKey0, 0xe0), '0');   // fr: agrave
  EXPECT_EQ(VirtualKeyFromNative(kKey0, 0x6b1), '0');  // any symbol at all
  // A shifted digit symbol elsewhere on the keyboard is no digit.
  EXPECT_EQ(VirtualKeyFromNative(kKeyLeftBracket, ')'), 0);
  EXPECT_EQ(VirtualKeyFromNative(kKeySemicolon, '0'), 0);
}

TEST(VirtualKeyFromNative, LettersFollowTheLayoutsLatinLetterElseTheUsPosition) {
  EXPECT_EQ(VirtualKeyFromNative(kKeyH, 'h'), 'H');
  EXPECT_EQ(VirtualKeyFromNative(kKeyH, 'H'), 'H');  // Shift
  EXPECT_EQ(VirtualKeyFromNative(kKeyY, 'z'), 'Z');  // de: Y and Z change places
  EXPECT_EQ(VirtualKeyFromNative(kKeyZ, 'y'), 'Y');
  EXPECT_EQ(VirtualKeyFromNative(kKeyQ, 'a'), 'A');  // fr AZERTY
  EXPECT_EQ(VirtualKeyFromNative(kKeyA, 'q'), 'Q');
  EXPECT_EQ(VirtualKeyFromNative(kKeySemicolon, 'm'), 'M');
  EXPECT_EQ(VirtualKeyFromNative(kKeyM, ','), 0);            // fr: the US M position types a comma
  EXPECT_EQ(VirtualKeyFromNative(kKeyH, 0x6d2), 'H');        // ru: Cyrillic_er
  EXPECT_EQ(VirtualKeyFromNative(kKeyL, 0x6c4), 'L');        // ru: Cyrillic_de
  EXPECT_EQ(VirtualKeyFromNative(kKeyL, 0x6e4), 'L');        // ru, Shift: Cyrillic_DE
  EXPECT_EQ(VirtualKeyFromNative(kKeyL, 0x1000434), 'L');    // the same as a Unicode keysym
  EXPECT_EQ(VirtualKeyFromNative(kKeySemicolon, 0x6d6), 0);  // ru: no letter at US ";"
  EXPECT_EQ(VirtualKeyFromNative(kKeySemicolon, 0xf6), 0);   // de: odiaeresis
}

TEST(VirtualKeyFromNative, KeypadDigitsAreNoDigitsAndWithoutNumLockAreTheArrows) {
  EXPECT_EQ(VirtualKeyFromNative(kKeypad6, 0xffb6), 102);  // VK_NUMPAD6
  EXPECT_EQ(VirtualKeyFromNative(90, 0xffb0), 96);
  EXPECT_EQ(VirtualKeyFromNative(83, 0xff96), 37);        // KP_Left
  EXPECT_EQ(VirtualKeyFromNative(kKeypad6, 0xff98), 39);  // KP_Right
  EXPECT_EQ(VirtualKeyFromNative(104, 0xff8d), 13);       // KP_Enter is VK_RETURN
}

TEST(VirtualKeyFromNative, NamedKeys) {
  EXPECT_EQ(VirtualKeyFromNative(65, ' '), 32);
  EXPECT_EQ(VirtualKeyFromNative(36, 0xff0d), 13);
  EXPECT_EQ(VirtualKeyFromNative(9, 0xff1b), 27);
  EXPECT_EQ(VirtualKeyFromNative(113, 0xff51), 37);
  EXPECT_EQ(VirtualKeyFromNative(114, 0xff53), 39);
  EXPECT_EQ(VirtualKeyFromNative(71, 0xffc2), 116);  // F5
  EXPECT_EQ(VirtualKeyFromNative(50, 0xffe1), 16);
  EXPECT_EQ(VirtualKeyFromNative(37, 0xffe3), 17);
  EXPECT_EQ(VirtualKeyFromNative(0, 0), -1);  // synthetic: no native codes
}
