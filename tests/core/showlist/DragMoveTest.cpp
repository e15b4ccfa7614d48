#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "base/AppError.h"
#include "core/showlist/DragMove.h"

using Items = std::vector<std::string>;
using Positions = std::vector<std::size_t>;

namespace {

Items Letters(const std::string& letters) {
  Items items;
  for (char c : letters) items.emplace_back(1, c);
  return items;
}

std::string Joined(const Items& items) {
  std::string out;
  for (const auto& item : items) out += item;
  return out;
}

// The move as the operator sees it, one item at a time (take out, put back in): the selected
// items from the first on for an upward move, from the last on for a downward one.
Items MoveOneByOne(Items items, const Positions& selected, std::ptrdiff_t distance) {
  auto moveOne = [&](std::size_t from) {
    std::string item = items[from];
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(from));
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(from) + distance, item);
  };
  if (distance < 0)
    for (std::size_t from : selected) moveOne(from);
  else if (distance > 0)
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) moveOne(*it);
  return items;
}

}  // namespace

TEST(DragMove, ExampleAToF) {
  // B and D selected, press on B, drop on E: the distance 3 is cut to 2 by D at the bottom.
  Items items = Letters("ABCDEF");
  EXPECT_EQ(DragMoveDistance(items.size(), {1, 3}, 1, 4), 2);
  EXPECT_EQ(DragMove(items, {1, 3}, 1, 4), 2);
  EXPECT_EQ(Joined(items), "ACEBFD");

  // One item from position 5 to position 2: the items at 2 to 4 move down by one.
  items = Letters("ABCDEF");
  EXPECT_EQ(DragMove(items, {5}, 5, 2), -3);
  EXPECT_EQ(Joined(items), "ABFCDE");
}

TEST(DragMove, NonAdjacentSelectionKeepsItsGaps) {
  Items items = Letters("ABCDEFGHIJ");
  EXPECT_EQ(DragMove(items, {2, 5, 6}, 5, 8), 3);
  EXPECT_EQ(Joined(items), "ABDEHCIJFG");

  items = Letters("ABCDEFGHIJ");
  EXPECT_EQ(DragMove(items, {3, 5, 9}, 9, 7), -2);
  EXPECT_EQ(Joined(items), "ADBFCEGJHI");
}

TEST(DragMove, DistanceIsClampedAtBothEnds) {
  // First selected at the top: an upward drag moves nothing.
  Items items = Letters("ABCDE");
  EXPECT_EQ(DragMove(items, {0, 2}, 2, 1), 0);
  EXPECT_EQ(Joined(items), "ABCDE");
  // Last selected at the bottom: a downward drag moves nothing.
  EXPECT_EQ(DragMove(items, {1, 4}, 1, 3), 0);
  EXPECT_EQ(Joined(items), "ABCDE");
  // Cut upwards: the first selected item stops at position 0.
  EXPECT_EQ(DragMove(items, {1, 3}, 3, 0), -1);
  EXPECT_EQ(Joined(items), "BADCE");
  // Cut downwards by the last selected item, whatever item the press was on.
  items = Letters("ABCDE");
  EXPECT_EQ(DragMove(items, {0, 2}, 0, 4), 2);
  EXPECT_EQ(Joined(items), "BDAEC");
}

TEST(DragMove, NothingMovesWithoutDistanceOrItem) {
  Items items = Letters("ABCDE");
  // A drop on the item where the drag started.
  EXPECT_EQ(DragMove(items, {1, 2}, 2, 2), 0);
  // A press or a drop on no item.
  EXPECT_EQ(DragMove(items, {1, 2}, -1, 3), 0);
  EXPECT_EQ(DragMove(items, {1, 2}, 1, -1), 0);
  // Nothing selected.
  EXPECT_EQ(DragMove(items, {}, 1, 3), 0);
  EXPECT_EQ(Joined(items), "ABCDE");
  Items empty;
  EXPECT_EQ(DragMove(empty, {}, -1, -1), 0);
}

TEST(DragMove, AnyNumberOfSelectedItems) {
  // Far more than the 1000 items a fixed capture would hold: every third of 5000.
  Items items;
  for (int i = 0; i < 5000; ++i) items.push_back(std::to_string(i));
  Positions selected;
  for (std::size_t i = 1; i < 4990; i += 3) selected.push_back(i);
  ASSERT_GT(selected.size(), 1000u);
  const Items expected = MoveOneByOne(items, selected, 2);
  EXPECT_EQ(DragMove(items, selected, 1, 3), 2);
  EXPECT_EQ(items, expected);
  EXPECT_EQ(items[3], "1");
  EXPECT_EQ(items[0], "0");
}

TEST(DragMove, AgreesWithMovingOneItemAtATime) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 300; ++round) {
    const std::size_t count = 1 + random() % 40;
    Items items;
    for (std::size_t i = 0; i < count; ++i) items.push_back(std::to_string(i));
    Positions selected;
    for (std::size_t i = 0; i < count; ++i)
      if (random() % 3 == 0) selected.push_back(i);
    const auto press = static_cast<std::ptrdiff_t>(random() % count);
    const auto drop = static_cast<std::ptrdiff_t>(random() % count);
    const std::ptrdiff_t distance = DragMoveDistance(count, selected, press, drop);
    if (!selected.empty()) {
      EXPECT_GE(static_cast<std::ptrdiff_t>(selected.front()) + distance, 0);
      EXPECT_LT(static_cast<std::ptrdiff_t>(selected.back()) + distance,
                static_cast<std::ptrdiff_t>(count));
    }
    const Items before = items;
    const Items expected = MoveOneByOne(items, selected, distance);
    EXPECT_EQ(DragMove(items, selected, press, drop), distance);
    EXPECT_EQ(items, expected) << "round " << round;
    // Every item is found where MovedPosition says it went.
    for (std::size_t p = 0; p < count; ++p)
      ASSERT_EQ(items[MovedPosition(selected, distance, p)], before[p]) << "round " << round;
  }
}

TEST(MoveSelectedItems, RefusesAMoveOutOfTheList) {
  Items items = Letters("ABC");
  EXPECT_THROW(MoveSelectedItems(items, {1}, 2), AppError);
  EXPECT_THROW(MoveSelectedItems(items, {1}, -2), AppError);
  EXPECT_THROW(MoveSelectedItems(items, {3}, -1), AppError);
  EXPECT_THROW(MoveSelectedItems(items, {1, 0}, 1), AppError);
  EXPECT_THROW(MoveSelectedItems(items, {0, 0}, 1), AppError);
  EXPECT_EQ(Joined(items), "ABC");
}
