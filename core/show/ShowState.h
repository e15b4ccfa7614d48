#pragma once
#include <cstdint>
#include <string>

// The state of the running show: where it stands and what the show window shows.
struct ShowState {
  int32_t showIndex = 0;  // position in the show list; count is the end-of-show position
  bool infoVisible = false;
  bool helpVisible = false;
  bool monoInfo = false;
  bool maximised = false;
  bool pointerVisible = false;
  int32_t cursorDisplayCount = 0;  // last value returned by the pointer display counter
  bool continuousMode = false;
  bool loopAll = false;
  std::string floatingValueText;
  bool firstActivation = false;
};
