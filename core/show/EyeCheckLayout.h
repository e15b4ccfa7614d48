#pragma once
#include <vector>

// Where the eye check card draws its parts in one half of the show window, in that half's own
// pixels (0,0 is its top-left corner). Both halves share the layout; only the depth square and
// its label move, by `squareOffset` to the right in the left half and to the left in the right
// half, so that with the eyes in the right order the square is seen in front of the screen.
struct EyeCheckLayout {
  struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
  };
  int width = 0;  // of the half
  int height = 0;
  std::vector<int> gridColumns;  // every 10 % of the width, the edges left out
  std::vector<int> gridRows;     // every 10 % of the height
  int centreX = 0;               // the centre cross
  int centreY = 0;
  int crossArm = 0;      // pixels from the centre to each end of the cross
  Box letter;            // the box the "L" or "R" is centred in
  int letterPixels = 0;  // the letter's font size
  Box square;            // the depth square before its offset
  int squareOffset = 0;  // half the separation of the two squares
  Box label;             // "in front", under the square, before its offset
  int labelPixels = 0;

  // The square (or label) as drawn in the left (`left` true) or right half.
  Box Shifted(const Box& box, bool left) const;
};

// The layout for a half of `width` by `height` pixels; sizes below 1 give an empty layout.
EyeCheckLayout LayOutEyeCheck(int width, int height);
