#include <gtest/gtest.h>

#include "ui/qt/QtMessageBoxes.h"

TEST(PlaceCentred, CentresInTheAreaAndKeepsTheCornerInsideWhenTooLarge) {
  const QRect rightHalf(960, 0, 960, 1080);
  EXPECT_EQ(PlaceCentred(QSize(400, 200), rightHalf), QPoint(1240, 440));
  // Wider or higher than the area: its left and top edges stay in it rather than across the
  // middle of the screen at both ends.
  EXPECT_EQ(PlaceCentred(QSize(1200, 200), rightHalf), QPoint(960, 440));
  EXPECT_EQ(PlaceCentred(QSize(400, 1500), rightHalf), QPoint(1240, 0));
}
