#pragma once
#include <cstdint>
#include <string>

// The program-wide show variables that every window reads and writes in place.
struct TShowState {
  int32_t ShowIndex = 0;  // position in the show list; count is the end-of-show position
  bool InfoVisible = false;
  bool HelpVisible = false;
  bool MonoInfo = false;
  bool Maximised = false;
  bool PointerVisible = false;
  int32_t CursorDisplayCount = 0;  // last value returned by the pointer display counter
  bool ContinuousMode = false;
  bool LoopAll = false;
  std::string FloatingValueText;
  double FloatingPercent = 0;
  bool FirstActivation = false;
};

extern TShowState ShowState;

// Back to the state before anything ran (all false, 0 and empty).
void ResetShowState();
