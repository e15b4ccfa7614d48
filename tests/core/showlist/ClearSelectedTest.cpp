#include <gtest/gtest.h>

#include "core/AppError.h"
#include "core/showlist/ClearSelected.h"

using Items = std::vector<std::string>;

TEST(ClearSelected, RemovesOnlyTheSelectedItems) {
  Items items{"A", "B", "C", "D", "E"};
  ClearSelected(items, {1, 3});
  EXPECT_EQ(items, (Items{"A", "C", "E"}));

  ClearSelected(items, {});
  EXPECT_EQ(items, (Items{"A", "C", "E"}));

  ClearSelected(items, {0, 2});
  EXPECT_EQ(items, Items{"C"});

  ClearSelected(items, {0});
  EXPECT_EQ(items, Items{});

  // Duplicates and empty items are items like any other.
  items = {"", "x", "", "x"};
  ClearSelected(items, {0, 3});
  EXPECT_EQ(items, (Items{"x", ""}));
}

TEST(ClearSelected, ManySelectedInOnePass) {
  Items items;
  for (int i = 0; i < 100000; ++i) items.push_back(std::to_string(i));
  std::vector<std::size_t> selected;
  for (std::size_t i = 0; i < items.size(); i += 2) selected.push_back(i);
  ClearSelected(items, selected);
  ASSERT_EQ(items.size(), 50000u);
  for (std::size_t i = 0; i < items.size(); ++i) ASSERT_EQ(items[i], std::to_string(2 * i + 1));
}

TEST(ClearSelected, RefusesBadPositionsBeforeRemovingAnything) {
  Items items{"A", "B", "C"};
  EXPECT_THROW(ClearSelected(items, {0, 3}), AppError);
  EXPECT_THROW(ClearSelected(items, {2, 1}), AppError);
  EXPECT_THROW(ClearSelected(items, {1, 1}), AppError);
  EXPECT_EQ(items, (Items{"A", "B", "C"}));
}
