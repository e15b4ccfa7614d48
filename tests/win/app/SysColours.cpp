// Prints the system colours the show window's corner indicator takes, as "RRGGBB RRGGBB"
// (COLOR_HOTLIGHT, COLOR_GRAYTEXT), for tests that compare it with the screen.
#include <windows.h>

#include <cstdio>
#include <initializer_list>

int main() {
  for (const int index : {COLOR_HOTLIGHT, COLOR_GRAYTEXT}) {
    const DWORD bgr = GetSysColor(index);
    std::printf("%02x%02x%02x ", GetRValue(bgr), GetGValue(bgr), GetBValue(bgr));
  }
  std::printf("\n");
  return 0;
}
