#include <gtest/gtest.h>

#include "base/AppError.h"
#include "core/showlist/RemoveAtPositions.h"

using Items = std::vector<std::string>;

TEST(RemoveAtPositions, RemovesOnlyTheSelectedItems) {
  Items items{"A", "B", "C", "D", "E"};
  RemoveAtPositions(items, {1, 3});
  EXPECT_EQ(items, (Items{"A", "C", "E"}));

  RemoveAtPositions(items, {});
  EXPECT_EQ(items, (Items{"A", "C", "E"}));

  RemoveAtPositions(items, {0, 2});
  EXPECT_EQ(items, Items{"C"});

  RemoveAtPositions(items, {0});
  EXPECT_EQ(items, Items{});

  // Duplicates and empty items are items like any other.
  items = {"", "x", "", "x"};
  RemoveAtPositions(items, {0, 3});
  EXPECT_EQ(items, (Items{"x", ""}));
}

TEST(RemoveAtPositions, ManySelectedInOnePass) {
  Items items;
  for (int i = 0; i < 100000; ++i) items.push_back(std::to_string(i));
  std::vector<std::size_t> selected;
  for (std::size_t i = 0; i < items.size(); i += 2) selected.push_back(i);
  RemoveAtPositions(items, selected);
  ASSERT_EQ(items.size(), 50000u);
  for (std::size_t i = 0; i < items.size(); ++i) ASSERT_EQ(items[i], std::to_string(2 * i + 1));
}

TEST(RemoveAtPositions, RefusesBadPositionsBeforeRemovingAnything) {
  Items items{"A", "B", "C"};
  EXPECT_THROW(RemoveAtPositions(items, {0, 3}), AppError);
  EXPECT_THROW(RemoveAtPositions(items, {2, 1}), AppError);
  EXPECT_THROW(RemoveAtPositions(items, {1, 1}), AppError);
  EXPECT_EQ(items, (Items{"A", "B", "C"}));
}
