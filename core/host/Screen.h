#pragma once

namespace host {

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// The size of the primary screen in pixels.
class Screen {
 public:
  virtual ~Screen() = default;
  virtual ScreenSize Size() = 0;
};

}  // namespace host
