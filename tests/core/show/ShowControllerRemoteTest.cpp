// What the remote control asks of the show beyond the keys: ending the playing item, and GO
// protection against plays that come too close after each other.
#include <chrono>

#include "ShowControllerFixture.h"

namespace {

using Result = ShowController::EndItemResult;
using namespace std::chrono_literals;

class Remote : public ShowControllerTest {
 protected:
  Remote() {
    Start({"a.avi", "b.avi", "c.avi"});
    services.clock = [this] { return now; };
  }
  std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
};

}  // namespace

TEST_F(Remote, AnEndedItemLetsTheContinuousShowGoOnAndIsJournalledAsNoFailure) {
  UseJournal();
  values.settings.continuousMode = true;
  shell.runsFor = 20s;  // ended, it does not hold the test up
  shell.exitStatus = 0;
  std::optional<Result> ended;
  runner.whilePlaying = [&] { ended = controller.EndRunningItem(); };
  const auto pressed = std::chrono::steady_clock::now();
  Press(Key::Space);
  EXPECT_LT(std::chrono::steady_clock::now() - pressed, 10s);
  EXPECT_EQ(ended, Result::Ended);
  // The pause follows, as after any item's end.
  const CallLog calls = Calls();
  const auto done = std::find(calls.begin(), calls.end(), "item done");
  ASSERT_NE(done, calls.end());
  EXPECT_NE(std::find(done, calls.end(), "pause 1500"), calls.end());
  EXPECT_TRUE(view.pausing);
  EXPECT_EQ(state.showIndex, 1);

  // The next item ends by itself and says nothing of the remote.
  runner.whilePlaying = nullptr;
  shell.runsFor = 0ms;
  controller.PauseElapsed();
  EXPECT_EQ(Played(), (std::vector<std::string>{"a.avi", "b.avi"}));
  const auto events = Events();
  EXPECT_EQ(events[1], "item ended|1|ended from the remote, exit 143|a.avi");
  EXPECT_EQ(events[4], "item ended|2|exit 0|b.avi");
  const JournalSummary summary = SummariseLastShow(dir.read("quadrel.log"));
  EXPECT_EQ(summary.ended, 2);
  EXPECT_TRUE(summary.failures.empty()) << "an item ended on purpose is no failure";
}

TEST_F(Remote, EndingSaysWhenThereIsNothingToEnd) {
  UseJournal();
  EXPECT_EQ(controller.EndRunningItem(), Result::NonePlaying);

  // A process that cannot be ended plays on to its own end, journalled as always.
  shell.endable = false;
  std::optional<Result> ended;
  runner.whilePlaying = [&] { ended = controller.EndRunningItem(); };
  Press(Key::Space);
  EXPECT_EQ(ended, Result::CannotEnd);
  EXPECT_EQ(Events().back(), "item ended|1|exit unknown|a.avi");
  EXPECT_EQ(controller.EndRunningItem(), Result::NonePlaying);

  // Handed to a program already running: nothing of it can be ended, until the next item.
  shell.handsOver = true;
  Press(Key::Space);
  EXPECT_EQ(controller.EndRunningItem(), Result::CannotEnd);
  Press(Key::Digit1);
  EXPECT_EQ(controller.EndRunningItem(), Result::CannotEnd);
  shell.handsOver = false;
  shell.error = "It could not be started";
  Press(Key::Space);
  EXPECT_EQ(controller.EndRunningItem(), Result::NonePlaying) << "a failed item plays nothing";
}

TEST_F(Remote, GoProtectionDropsAPlayTooCloseToTheLastOneAndJournalsIt) {
  UseJournal();
  values.settings.goProtection = 1000;
  Press(Key::Space);  // a
  now += 400ms;
  Press(Key::Space);
  EXPECT_EQ(Played(), (std::vector<std::string>{"a.avi"}));
  EXPECT_EQ(state.showIndex, 1);
  EXPECT_EQ(Events().back(),
            "play dropped|2|GO protection: 400 ms after the last play, 1000 ms set|");
  // Steps are no plays: they pass at once.
  Press(Key::Left);
  EXPECT_EQ(state.showIndex, 0);
  Press(Key::Right);
  // Counted from the last play that went, not from the dropped one.
  now += 600ms;
  Press(Key::Enter);  // b, exactly the protection's time after a
  EXPECT_EQ(Played(), (std::vector<std::string>{"a.avi", "b.avi"}));

  // A play held back during an item counts from its press, not from when it is handled.
  now += 5000ms;
  runner.heldInputTime = now - 4200ms;  // 800 ms after b was pressed
  Press(Key::Space);
  EXPECT_EQ(Played().size(), 2u);
  runner.heldInputTime = now - 3800ms;  // 1200 ms after b
  Press(Key::Space);
  EXPECT_EQ(Played(), (std::vector<std::string>{"a.avi", "b.avi", "c.avi"}));
}

TEST_F(Remote, WithoutGoProtectionEveryPlayGoesEvenAtTheSameInstant) {
  for (int i = 0; i < 3; ++i) Press(Key::Space);
  EXPECT_EQ(Played(), (std::vector<std::string>{"a.avi", "b.avi", "c.avi"}));
}
