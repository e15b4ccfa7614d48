#include <gtest/gtest.h>

#include <vector>

#include "platform/PointerCounter.h"

TEST(CountingPointerCounter, CountsLikeTheSystemCounter) {
  std::vector<bool> changes;
  platform::CountingPointerCounter counter([&](bool visible) { changes.push_back(visible); });
  EXPECT_EQ(counter.ShowCursor(false), -1);
  EXPECT_EQ(counter.ShowCursor(false), -2);
  EXPECT_EQ(counter.ShowCursor(true), -1);
  EXPECT_EQ(counter.ShowCursor(true), 0);
  EXPECT_EQ(counter.ShowCursor(true), 1);
  EXPECT_EQ(counter.ShowCursor(false), 0);
  // The pointer is blanked once when the counter drops below 0 and shown once when it is back.
  EXPECT_EQ(changes, (std::vector<bool>{false, true}));
}

TEST(CountingPointerCounter, SystemCounterStartsAtZero) {
  auto counter = platform::MakeSystemPointerCounter({});
  const int hidden = counter->ShowCursor(false);
  const int shown = counter->ShowCursor(true);
  EXPECT_EQ(shown, hidden + 1);
}
