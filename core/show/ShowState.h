#pragma once
#include <cstdint>
#include <string>

// The state of the running show: where it stands and what the show window shows. The play
// options (continuous show, Loop All) are the settings' own, read from there.
struct ShowState {
  int32_t showIndex = 0;  // position in the show list; count is the end-of-show position
  bool infoVisible = false;
  bool helpVisible = false;
  bool monoInfo = false;
  bool maximised = false;
  bool pointerVisible = false;
  int32_t cursorDisplayCount = 0;  // last value returned by the pointer display counter
  std::string floatingValueText;
  bool firstActivation = false;
};
