#include <gtest/gtest.h>

#include "core/show/ShowRules.h"

TEST(BoundShowIndex, KeepsThePositionWithinTheList) {
  EXPECT_EQ(BoundShowIndex(3, 3, false), 3);  // end-of-show position stays
  EXPECT_EQ(BoundShowIndex(4, 3, false), 3);  // past the end
  EXPECT_EQ(BoundShowIndex(3, 3, true), 0);   // Loop All wraps to the first item
  EXPECT_EQ(BoundShowIndex(9, 3, true), 0);
  EXPECT_EQ(BoundShowIndex(-1, 3, true), 0);  // no wrap from the start to the end
  EXPECT_EQ(BoundShowIndex(-1, 3, false), 0);
  EXPECT_EQ(BoundShowIndex(1, 0, false), 0);  // empty list
  EXPECT_EQ(BoundShowIndex(-1, 0, true), 0);
  EXPECT_EQ(BoundShowIndex(2, 3, true), 2);
}

TEST(CornerMarkerColour, StartWithinEnd) {
  EXPECT_EQ(CornerMarkerColour(0, 0), MarkerColour::HotLight);
  EXPECT_EQ(CornerMarkerColour(0, 5), MarkerColour::HotLight);
  EXPECT_EQ(CornerMarkerColour(4, 5), MarkerColour::GrayText);
  EXPECT_EQ(CornerMarkerColour(5, 5), MarkerColour::Purple);
  EXPECT_EQ(CornerMarkerColour(7, 5), MarkerColour::Purple);
}
