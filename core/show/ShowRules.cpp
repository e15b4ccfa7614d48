#include "core/show/ShowRules.h"

int32_t BoundShowIndex(int32_t showIndex, int32_t count, bool loopAll) {
  if (showIndex >= count) {
    showIndex = count;
    if (loopAll) showIndex = 0;
  }
  if (showIndex < 0) showIndex = 0;
  return showIndex;
}

MarkerColour CornerMarkerColour(int32_t showIndex, int32_t count) {
  if (showIndex == 0) return MarkerColour::HotLight;
  if (showIndex < count) return MarkerColour::GrayText;
  return MarkerColour::Purple;
}
