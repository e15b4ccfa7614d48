#include <gtest/gtest.h>

#include "core/show/EyeCheckLayout.h"

namespace {
bool Overlap(const EyeCheckLayout::Box& a, const EyeCheckLayout::Box& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}
bool Inside(const EyeCheckLayout::Box& box, int width, int height) {
  return box.left >= 1 && box.top >= 1 && box.left + box.width <= width - 1 &&
         box.top + box.height <= height - 1;
}
}  // namespace

TEST(EyeCheckLayout, GridEveryTenthAndCentre) {
  const EyeCheckLayout layout = LayOutEyeCheck(396, 573);
  EXPECT_EQ(layout.gridColumns, (std::vector<int>{39, 79, 118, 158, 198, 237, 277, 316, 356}));
  EXPECT_EQ(layout.gridRows, (std::vector<int>{57, 114, 171, 229, 286, 343, 401, 458, 515}));
  EXPECT_EQ(layout.centreX, 198);
  EXPECT_EQ(layout.centreY, 286);
  EXPECT_EQ(layout.squareOffset, 3);
  // The left eye's square lies right of the right eye's: crossed, so it is seen in front.
  EXPECT_GT(layout.Shifted(layout.square, true).left, layout.Shifted(layout.square, false).left);
  EXPECT_EQ(layout.Shifted(layout.square, true).left - layout.Shifted(layout.square, false).left,
            6);
}

TEST(EyeCheckLayout, PartsStayApartAtEverySize) {
  for (int width : {160, 320, 396, 400, 640, 683, 960, 1280, 1920})
    for (int height : {120, 240, 573, 600, 768, 1024, 1080, 2160}) {
      SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
      const EyeCheckLayout layout = LayOutEyeCheck(width, height);
      const auto left = layout.Shifted(layout.square, true);
      const auto right = layout.Shifted(layout.square, false);
      const EyeCheckLayout::Box cross{layout.centreX - layout.crossArm,
                                      layout.centreY - layout.crossArm, 2 * layout.crossArm + 1,
                                      2 * layout.crossArm + 1};
      for (const auto& square : {left, right}) {
        EXPECT_TRUE(Inside(square, width, height));
        EXPECT_FALSE(Overlap(square, cross));
        EXPECT_FALSE(Overlap(square, layout.letter));
      }
      EXPECT_FALSE(Overlap(layout.letter, cross));
      EXPECT_TRUE(Inside(layout.letter, width, height));
      EXPECT_TRUE(Inside(layout.Shifted(layout.label, true), width, height));
      EXPECT_GE(layout.Shifted(layout.label, true).top, left.top + left.height);
      EXPECT_GT(layout.squareOffset, 0);
      // Grid lines strictly inside the border, increasing.
      for (size_t i = 0; i < layout.gridColumns.size(); ++i) {
        EXPECT_GT(layout.gridColumns[i], i ? layout.gridColumns[i - 1] : 0);
        EXPECT_LT(layout.gridColumns[i], width - 1);
      }
    }
  EXPECT_TRUE(LayOutEyeCheck(0, 600).gridColumns.empty());
}
