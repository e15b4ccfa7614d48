#pragma once
#include <string>
#include <vector>

namespace host {

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// A rectangle on the desktop, in the pixels windows are placed by.
struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ScreenRect&) const = default;
};

struct ScreenInfo {
  std::string name;  // as the system calls it ("DP-1", "\\.\DISPLAY2")
  ScreenRect area;
  bool primary = false;
};

// The screens connected now.
class Screen {
 public:
  virtual ~Screen() = default;
  // In the system's order; empty when the system reports none.
  virtual std::vector<ScreenInfo> Screens() = 0;
};

}  // namespace host
