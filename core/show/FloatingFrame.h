#pragma once
#include <cstdint>
#include <optional>
#include <string>

// Where the floating frame's shapes go for one floating value and one outer window size.
// Lefts and widths are exact 64-bit results; they may lie beyond any screen, and the rectangle
// width comes out negative once the strip is wider than the half (drawn as zero).
struct FloatingFrameGeometry {
  double percent = 0;       // the floating value as a number (FloatingPercent)
  int64_t frameTenths = 0;  // the value in tenths of a percent
  int64_t frameInset = 0;   // the strip width in pixels; 0 or below when frameTenths is
  int64_t halfWidth = 0;    // W div 2, the right-half texts' shift
  int64_t rectangleLeftL = 0;
  int64_t rectangleLeftR = 0;
  int64_t rectangleWidth = 0;  // of both rectangles
  int64_t lineLeftL = 0;
  int64_t lineLeftR = 0;
  int64_t lineHeight = 0;  // both lines are 1 pixel wide
};

// Either the geometry or the error text for a value text that is no number.
struct FloatingFrameResult {
  std::optional<FloatingFrameGeometry> geometry;
  std::string error;
};

// The floating frame for `valueText` (read with `decimalSeparator`) in a window whose outer size
// is `width` × `height`.
FloatingFrameResult ComputeFloatingFrame(const std::string& valueText, char decimalSeparator,
                                         int width, int height);

// 10 × `percent` formed exactly and rounded to the nearest integer, ties to even; held at the
// 64-bit limits when beyond them.
int64_t FloatingFrameTenths(double percent);

// tenths × width / 2000 as an exact quotient rounded to the nearest integer, ties to even; held
// at the 64-bit limits when beyond them.
int64_t FloatingFrameInset(int64_t tenths, int width);
