#include "core/show/EyeCheckLayout.h"

#include <algorithm>

EyeCheckLayout::Box EyeCheckLayout::Shifted(const Box& box, bool left) const {
  Box out = box;
  out.left += left ? squareOffset : -squareOffset;
  return out;
}

EyeCheckLayout LayOutEyeCheck(int width, int height) {
  EyeCheckLayout layout;
  if (width < 1 || height < 1) return layout;
  layout.width = width;
  layout.height = height;
  for (int i = 1; i < 10; ++i) {
    layout.gridColumns.push_back(static_cast<int>(static_cast<long long>(width) * i / 10));
    layout.gridRows.push_back(static_cast<int>(static_cast<long long>(height) * i / 10));
  }
  layout.centreX = width / 2;
  layout.centreY = height / 2;
  const int shorter = std::min(width, height);
  layout.crossArm = std::max(2, shorter / 10);

  // One letter is narrower than its height: a box as wide as the font size holds it.
  layout.letterPixels = std::max(8, std::min(height / 5, width * 2 / 5));
  layout.letter = {width / 2 - layout.letterPixels / 2, height / 4 - layout.letterPixels / 2,
                   layout.letterPixels, layout.letterPixels};

  // About 1 % of the half's width each way: a clear but comfortable 2 % separation.
  layout.squareOffset = std::max(2, width / 100);
  const int side = std::max(4, shorter * 16 / 100);
  layout.square = {width / 2 - side / 2, height * 7 / 10 - side / 2, side, side};
  // "in front" is about four and a half times as wide as its font size.
  layout.labelPixels = std::max(6, std::min(height / 28, width / 12));
  layout.label = {width / 2 - 3 * layout.labelPixels,
                  layout.square.top + side + layout.labelPixels / 2, 6 * layout.labelPixels,
                  layout.labelPixels * 3 / 2};
  return layout;
}
