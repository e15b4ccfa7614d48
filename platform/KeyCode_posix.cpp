#include <array>

#include "platform/KeyCode.h"

namespace platform {
namespace {

// xkb keycodes of the US letter and digit positions; the same in the evdev and the older
// xfree86 keycode sets, so they hold on every X server and Wayland compositor in use.
constexpr std::uint32_t kDigitRowFirst = 10;  // AE01 ("1") .. AE10 ("0") = 10..19
constexpr std::uint32_t kDigitRowLast = 19;

struct LetterRow {
  std::uint32_t firstKeycode;
  const char* letters;
};
constexpr std::array<LetterRow, 3> kUsLetterRows{{
    {24, "QWERTYUIOP"},  // AD01..AD10
    {38, "ASDFGHJKL"},   // AC01..AC09
    {52, "ZXCVBNM"},     // AB01..AB07
}};

int UsLetterAt(std::uint32_t keycode) {
  for (const LetterRow& row : kUsLetterRows) {
    std::uint32_t length = 0;
    while (row.letters[length] != '\0') ++length;
    if (keycode >= row.firstKeycode && keycode < row.firstKeycode + length)
      return row.letters[keycode - row.firstKeycode];
  }
  return 0;
}

// Keysyms of keys that are no characters, with their Windows codes.
struct Named {
  std::uint32_t keysym;
  int vk;
};
constexpr Named kNamed[] = {
    {0xff08, 8},
    {0xff09, 9},
    {0xfe20, 9},
    {0xff0d, 13},
    {0xff13, 19},
    {0xffe5, 20},
    {0xff1b, 27},
    {0xff55, 33},
    {0xff56, 34},
    {0xff57, 35},
    {0xff50, 36},
    {0xff51, 37},
    {0xff52, 38},
    {0xff53, 39},
    {0xff54, 40},
    {0xff61, 44},
    {0xff63, 45},
    {0xffff, 46},
    {0xffe1, 16},
    {0xffe2, 16},
    {0xffe3, 17},
    {0xffe4, 17},
    {0xffe9, 18},
    {0xffea, 18},
    {0xfe03, 18},
    {0xffeb, 91},
    {0xffec, 92},
    {0xff67, 93},
    {0xff7f, 144},
    {0xff14, 145},
    // Keypad with NumLock off: the cursor block's codes; Begin is VK_CLEAR, Enter is VK_RETURN.
    {0xff8d, 13},
    {0xff95, 36},
    {0xff96, 37},
    {0xff97, 38},
    {0xff98, 39},
    {0xff99, 40},
    {0xff9a, 33},
    {0xff9b, 34},
    {0xff9c, 35},
    {0xff9d, 12},
    {0xff9e, 45},
    {0xff9f, 46},
    // Keypad operators.
    {0xffaa, 106},
    {0xffab, 107},
    {0xffac, 108},
    {0xffad, 109},
    {0xffae, 110},
    {0xffaf, 111},
};

constexpr std::uint32_t kKeypadZero = 0xffb0;  // KP_0 .. KP_9
constexpr std::uint32_t kF1 = 0xffbe;          // F1 .. F24
constexpr int kVkNumpad0 = 96;
constexpr int kVkF1 = 112;

}  // namespace

int VirtualKeyFromNative(std::uint32_t keycode, std::uint32_t keysym) {
  if (keycode == 0 && keysym == 0) return -1;
  if (keycode >= kDigitRowFirst && keycode <= kDigitRowLast)
    return keycode == kDigitRowLast ? '0' : static_cast<int>('1' + (keycode - kDigitRowFirst));
  if (keysym >= 'a' && keysym <= 'z') return static_cast<int>(keysym - 'a' + 'A');
  if (keysym >= 'A' && keysym <= 'Z') return static_cast<int>(keysym);
  if (keysym == ' ') return 32;
  if (keysym >= kKeypadZero && keysym <= kKeypadZero + 9)
    return kVkNumpad0 + static_cast<int>(keysym - kKeypadZero);
  if (keysym >= kF1 && keysym < kF1 + 24) return kVkF1 + static_cast<int>(keysym - kF1);
  for (const Named& named : kNamed)
    if (named.keysym == keysym) return named.vk;
  // Other ASCII (punctuation) has its own codes on Windows, none of them a command here. Any
  // other character (Cyrillic, Greek, an AltGr symbol) keeps the US letter of its position, as
  // Windows gives letter codes by position where a layout has no Latin letters.
  if (keysym < 0x80) return 0;
  return UsLetterAt(keycode);
}
}  // namespace platform
