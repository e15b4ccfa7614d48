// What the remote control asks of the show: its commands run as keys but refused rather than held
// back, the state it reads, ending the playing item, and GO protection against plays that come
// too close after each other.
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

  RemoteResult Send(Command command) {
    return controller.RunRemote({RemoteAction::Show, command, 0});
  }
  RemoteResult Send(RemoteAction action, int32_t position = 0) {
    return controller.RunRemote({action, Command::Play, position});
  }
};

// "done" or "refused: <reason>".
std::string Said(const RemoteResult& result) {
  return result.done ? "done" : "refused: " + result.reason;
}

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

TEST_F(Remote, CommandsRunAsTheirKeysButPastTheShowLockAndGoProtection) {
  values.settings.showLock = true;
  values.settings.goProtection = 1000;
  EXPECT_EQ(Said(Send(Command::NextItem)), "done");
  EXPECT_EQ(Info(), "2 b.avi | 2 b.avi");
  EXPECT_EQ(Said(Send(Command::Play)), "done");
  EXPECT_EQ(Played(), (std::vector<std::string>{"b.avi"}));
  EXPECT_TRUE(view.lockNote.empty());
  now += 300ms;
  EXPECT_EQ(Said(Send(Command::Play)),
            "refused: dropped by GO protection: too soon after the last play");
  EXPECT_EQ(Said(Send(Command::EndOfShow)), "done");
  EXPECT_EQ(Calls().back(), "marker purple");
  // What opens a window or ends the program is no remote command, whatever reaches here.
  for (const Command command : {Command::OpenShowList, Command::OpenShowOptions,
                                Command::ToggleFloatingValueWindow, Command::Close})
    EXPECT_EQ(Said(Send(command)), "refused: not a command of the remote");
  EXPECT_TRUE(Calls().empty());
}

TEST_F(Remote, PlaysAndStepsAreRefusedWhileAnItemPlaysAndNothingIsQueued) {
  std::vector<std::string> said;
  std::optional<RemoteState> during;
  runner.whilePlaying = [&] {
    now += 2500ms;
    for (const Command command : {Command::Play, Command::NextItem, Command::PreviousItem,
                                  Command::FirstItem, Command::EndOfShow})
      said.push_back(Said(Send(command)));
    said.push_back(Said(Send(RemoteAction::GoTo, 3)));
    said.push_back(Said(Send(Command::ToggleHelp)));  // a display toggle goes at once
    during = Send(RemoteAction::State).state;
  };
  Press(Key::Space);
  const std::string refused = "refused: an item is playing";
  EXPECT_EQ(said, (std::vector<std::string>{refused, refused, refused, refused, refused, refused,
                                            "done"}));
  EXPECT_EQ(Played(), (std::vector<std::string>{"a.avi"}));
  EXPECT_EQ(state.showIndex, 1);
  ASSERT_TRUE(during);
  EXPECT_TRUE(during->playing);
  EXPECT_EQ(during->playingFor, 2500ms);
  EXPECT_EQ(during->currentItem, "a.avi");
  EXPECT_EQ(during->nextItem, "b.avi");
  EXPECT_FALSE(controller.StateForRemote().playing);
}

TEST_F(Remote, GotoCountsFromOneAndStaysInsideTheList) {
  EXPECT_EQ(Said(Send(RemoteAction::GoTo, 3)), "done");
  EXPECT_EQ(Info(), "3 c.avi | 3 c.avi");
  EXPECT_EQ(Calls().back(), "marker gray");
  for (const int32_t position : {4, 0})
    EXPECT_EQ(Said(Send(RemoteAction::GoTo, position)),
              "refused: there is no item " + std::to_string(position) + ": the list holds 3");
  EXPECT_EQ(state.showIndex, 2);
  // The state's next item: none after the last, the first again with Loop All.
  EXPECT_EQ(controller.StateForRemote().nextItem, "");
  values.settings.loopAll = true;
  EXPECT_EQ(controller.StateForRemote().nextItem, "a.avi");
  values.settings.loopAll = false;
  Send(Command::EndOfShow);
  const RemoteState end = controller.StateForRemote();
  EXPECT_EQ(end.position, 4);
  EXPECT_EQ(end.currentItem, "");
}

TEST_F(Remote, AFailedItemsMessageIsInTheStateBlocksCommandsAndIsClosedFromTheRemote) {
  shell.error = "It could not be started";
  std::optional<std::string> standing;
  std::vector<std::string> said;
  messages.whileStanding = [&] {
    standing = controller.StateForRemote().message;
    said.push_back(Said(Send(Command::ToggleHelp)));
    said.push_back(Said(Send(RemoteAction::CloseMessage)));
  };
  Press(Key::Space);
  ASSERT_TRUE(standing);
  EXPECT_NE(standing->find("It could not be started"), std::string::npos);
  EXPECT_EQ(said, (std::vector<std::string>{
                      "refused: a message stands over the show: close it first", "done"}));
  EXPECT_EQ(messages.closedFromOutside, 1);
  EXPECT_EQ(Said(Send(RemoteAction::CloseMessage)), "refused: no message stands over the show");
}

TEST_F(Remote, AStopDuringAnItemKeepsThePauseAfterItFromStarting) {
  UseJournal();
  values.settings.continuousMode = true;
  std::vector<std::string> said;
  runner.whilePlaying = [&] {
    said.push_back(controller.StateForRemote().continuous ? "continuous" : "stopping");
    said.push_back(Send(Command::StopContinuousShow).reason);
    said.push_back(controller.StateForRemote().continuous ? "continuous" : "stopping");
  };
  Press(Key::Space);
  EXPECT_EQ(said, (std::vector<std::string>{
                      "continuous", "the continuous show stops when the item ends", "stopping"}));
  EXPECT_FALSE(view.pausing);
  EXPECT_EQ(Events().back(), "continuous show stopped|2|stopped from the remote|");
  runner.whilePlaying = nullptr;
  Press(Key::Space);
  EXPECT_TRUE(view.pausing) << "the next play starts it again";
}

using RemoteBeforeTheShow = ShowControllerTest;

TEST_F(RemoteBeforeTheShow, NothingRunsBeforeTheShowWindowHasOpened) {
  EXPECT_EQ(Said(controller.RunRemote({RemoteAction::State, Command::Play, 0})),
            "refused: the show window has not opened yet");
  EXPECT_TRUE(log.empty());
}
