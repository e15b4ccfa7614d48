#pragma once
#include <cstdint>

// The bounds step after every key: at or past `count` is the end-of-show position, or the first
// item with `loopAll`; below 0 is the first item.
int32_t BoundShowIndex(int32_t showIndex, int32_t count, bool loopAll);

// The corner indicator's colour for a position.
enum class MarkerColour { HotLight, GrayText, Purple };
MarkerColour CornerMarkerColour(int32_t showIndex, int32_t count);
