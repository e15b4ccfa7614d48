// Playing an item, its failures, the continuous show's pause, and what the journal says of them.
#include <algorithm>
#include <stdexcept>

#include "ShowControllerFixture.h"

namespace fs = std::filesystem;

namespace {

class Play : public ShowControllerTest {
 protected:
  Play() { Start({"a.avi", "b.avi", "c.avi"}); }
  void Tick() { controller.PauseElapsed(); }
};

}  // namespace

TEST_F(Play, HandsTheItemAndItsFolderToTheShell) {
  list.Assign({"clips\\intro.sh", "top.avi"});
  Press(Key::Space);
  Press(Key::Space);
  ASSERT_EQ(shell.launches.size(), 2u);
  EXPECT_EQ(fs::path(shell.launches[0].file), dir.path() / "clips" / "intro.sh");
  EXPECT_EQ(fs::path(shell.launches[0].folder), dir.path() / "clips" / "");
  EXPECT_EQ(fs::path(shell.launches[1].folder), dir.path() / "");  // the program's folder
}

TEST_F(Play, PlayStepRunsItsStepsInOrder) {
  state.helpVisible = true;
  Press(Key::Enter);
  EXPECT_EQ(Calls(),
            (CallLog{"clear", "frame hidden", "normal 800x600", "item starting", "hide card",
                     "open a.avi", "wait", "item done", "info - | -", "marker gray"}));
  EXPECT_EQ(state.showIndex, 1);
  EXPECT_FALSE(view.pausing);  // not in continuous mode

  state.maximised = true;
  screen.screens = {{"", {0, 0, 1280, 1024}, true}};
  Press(Key::Space);
  EXPECT_EQ(Calls()[2], "maximised 1280x1024");  // the mode is applied afresh before each item
  EXPECT_FALSE(state.pointerVisible);
}

TEST_F(Play, PlayStepAtTheEndOfShowStartsNothing) {
  values.settings.continuousMode = true;
  state.maximised = true;
  Press(Key::Digit0);
  Calls();
  Press(Key::Space);
  EXPECT_EQ(Calls(), (CallLog{"clear", "frame hidden", "maximised 1920x1080", "info END | END",
                              "marker purple"}));
  EXPECT_EQ(state.showIndex, 3);
  EXPECT_FALSE(view.pausing);
}

TEST_F(Play, ContinuousShowRunsToItsPurpleStop) {
  values.settings.continuousMode = true;
  Press(Key::Space);
  EXPECT_TRUE(view.pausing);
  CallLog calls = Calls();
  EXPECT_EQ(std::find(calls.begin(), calls.end(), "pause 1500") - calls.begin(), 8)
      << "the pause starts after the item, before the texts";
  Tick();
  EXPECT_EQ(Calls(), (CallLog{"pause stop", "normal 800x600", "item starting", "hide card",
                              "open b.avi", "wait", "item done", "pause 1500"}));
  EXPECT_EQ(state.showIndex, 2);
  // The tick that plays the last item finds the end after it: the show stops there, purple,
  // without drawing the texts afresh.
  Tick();
  EXPECT_EQ(Calls(),
            (CallLog{"pause stop", "normal 800x600", "item starting", "hide card", "open c.avi",
                     "wait", "item done", "pause 1500", "pause stop", "marker purple"}));
  EXPECT_EQ(Played(), (std::vector<std::string>{"a.avi", "b.avi", "c.avi"}));
  EXPECT_EQ(state.showIndex, 3);
  EXPECT_FALSE(view.pausing);
  EXPECT_FALSE(controller.Continuing());

  // Started on the last item, the first tick finds nothing to play and stops the show.
  state.showIndex = 2;
  Press(Key::Space);
  Calls();
  Tick();
  EXPECT_EQ(Calls(),
            (CallLog{"pause stop", "normal 800x600", "pause 1500", "pause stop", "marker purple"}));
  EXPECT_TRUE(state.infoVisible);  // for the next key's texts: END
}

TEST_F(Play, LoopAllCirclesUntilAAndTheJournalTellsStartAndStopOnce) {
  UseJournal();
  values.settings.continuousMode = true;
  values.settings.loopAll = true;
  state.showIndex = 2;
  Press(Key::Space);  // the last item leads back to the first
  EXPECT_EQ(state.showIndex, 0);
  for (int i = 0; i < 4; ++i) Tick();  // a, b, c, then round again
  EXPECT_EQ(Played(), (std::vector<std::string>{"c.avi", "a.avi", "b.avi", "c.avi", "a.avi"}));
  EXPECT_EQ(state.showIndex, 1);
  Press(Key::Space);  // plays b and restarts the pause of the show that runs
  // Unticking Continuous does not stop a running show; A does.
  values.settings.continuousMode = false;
  Tick();
  EXPECT_TRUE(view.pausing);
  Press(Key::A);
  EXPECT_FALSE(view.pausing);
  EXPECT_FALSE(controller.Continuing());
  Press(Key::A);  // nothing runs any more: nothing to journal
  EXPECT_EQ(shell.launches.size(), 7u);
  const auto events = Events();
  EXPECT_EQ(std::count(events.begin(), events.end(), "continuous show started|3||"), 1);
  EXPECT_EQ(events.back(), "continuous show stopped|1|A pressed|");
  EXPECT_EQ(events.size(), 16u);  // 7 items started and ended
}

TEST_F(Play, AnItemThatCannotBeOpenedIsReportedAndJournalledAndTheShowGoesOn) {
  UseJournal();
  values.settings.continuousMode = true;
  const std::string error = "Cannot open file \"b.avi\". Gone";
  shell.onOpen = [&](const std::string& file) {
    log.push_back("open " + Name(file));
    shell.error = file.ends_with("b.avi") ? error : "";
  };
  Press(Key::Space);
  Calls();
  Tick();
  EXPECT_EQ(Calls(), (CallLog{"pause stop", "normal 800x600", "item starting", "hide card",
                              "open b.avi", "item done", "pause 1500"}));  // nothing to wait for
  ASSERT_EQ(messages.errors.size(), 1u);           // shown to the operator once
  EXPECT_EQ(messages.errors[0].first, "quadrel");  // the program's title
  EXPECT_EQ(messages.errors[0].second, error + ".");
  Tick();  // the last item, then the end of the list
  EXPECT_EQ(Played(), (std::vector<std::string>{"a.avi", "b.avi", "c.avi"}));
  EXPECT_EQ(Events(), (std::vector<std::string>{
                          "item started|1||a.avi",
                          "item ended|1|exit unknown|a.avi",
                          "continuous show started|1||",
                          "item started|2||b.avi",
                          "item failed|2|" + error + "|b.avi",
                          "item started|3||c.avi",
                          "item ended|3|exit unknown|c.avi",
                          "continuous show stopped||end of the list|",
                      }));

  // An error that ends the play step still ends the item, or no tick would come again.
  shell.onOpen = [](const std::string&) { throw std::runtime_error("broken"); };
  state.showIndex = 0;
  Calls();
  EXPECT_THROW(Press(Key::Space), std::runtime_error);
  EXPECT_EQ(Calls().back(), "item done");
}

TEST_F(Play, AFailureTheSystemShowedItselfIsJournalledButNotShownTwice) {
  UseJournal();
  shell.error = "Cannot open file \"a.bat\". The system cannot find the file specified";
  shell.errorShownBySystem = true;  // as the Windows shell shows its own box
  Press(Key::Space);
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(Events(), (std::vector<std::string>{"item started|1||a.avi",
                                                "item failed|1|" + shell.error + "|a.avi"}));
}

TEST_F(Play, UnwritableJournalLeavesTheShowAlone) {
  fs::create_directory(ProgramFile(".log"));
  UseJournal();
  values.settings.continuousMode = true;
  Press(Key::Space);
  Tick();
  Press(Key::A);
  EXPECT_EQ(shell.launches.size(), 2u);
  EXPECT_TRUE(messages.errors.empty());  // no message box for the journal
  EXPECT_EQ(journalReports.size(), 1u);  // reported once, not at every event
  controller.SaveAtClose();
  EXPECT_EQ(dir.read("quadrel.LST"), "a.avi\r\nb.avi\r\nc.avi\r\n");
}

TEST_F(Play, ItemKeepsItsTextWhenTheListChangesWhileItPlays) {
  // The show list window stays usable by mouse while a continuous show plays under it.
  UseJournal();
  runner.whilePlaying = [this] { list.Assign({std::string(200, 'x') + ".avi"}); };
  Press(Key::Space);
  EXPECT_EQ(Events(),
            (std::vector<std::string>{"item started|1||a.avi", "item ended|1|exit unknown|a.avi"}));
}

TEST_F(Play, ATickLeftByAnErrorLeavesNoShowThatTheNextKeysTakeAsRunning) {
  // The tick stops the pause before the item and starts it again after; an error in between
  // leaves the pause stopped, and the show must count as stopped too.
  UseJournal();
  values.settings.continuousMode = true;
  Press(Key::Space);
  shell.onOpen = [](const std::string&) { throw std::runtime_error("broken"); };
  EXPECT_THROW(Tick(), std::runtime_error);
  EXPECT_FALSE(view.pausing);
  EXPECT_FALSE(controller.Continuing());

  shell.onOpen = {};
  Press(Key::Space);  // starts the show afresh, and the journal says so
  Press(Key::A);
  Press(Key::A);  // nothing runs any more: nothing to journal
  EXPECT_EQ(Events(), (std::vector<std::string>{
                          "item started|1||a.avi",
                          "item ended|1|exit unknown|a.avi",
                          "continuous show started|1||",
                          "item started|2||b.avi",
                          "item started|2||b.avi",
                          "item ended|2|exit unknown|b.avi",
                          "continuous show started|2||",
                          "continuous show stopped|3|A pressed|",
                      }));
}

TEST_F(Play, TheJournalTimesAnItemFromItsStartToItsEnd) {
  UseJournal();
  shell.runsFor = std::chrono::milliseconds(300);
  shell.exitStatus = 0;
  Press(Key::Space);
  const std::string text = dir.read("quadrel.log");
  const auto lines = SplitTextLines(text);
  ASSERT_EQ(lines.size(), 2u);
  const std::vector<std::string> ended = SplitJournalFields(lines[1]);
  EXPECT_EQ(ended[1] + "|" + ended[3], "item ended|exit 0");
  const double seconds = std::stod(ended[4]);
  // Some clocks tick coarsely (Wine's by a few milliseconds): a margin, far from 0.000.
  EXPECT_GE(seconds, 0.25) << ended[4];
  EXPECT_LT(seconds, 30.0) << ended[4];  // a duration, not a time of day
  EXPECT_GE(SummariseLastShow(text).playingMs, 250);
}

TEST_F(Play, AStartThatFailedWhileAProcessRunsIsJournalledAsFailedThenEnded) {
  UseJournal();
  // As a launch script whose first command could not start while its second one runs.
  shell.error = "Cannot open file \"first.exe\". Exec format error";
  shell.startsDespiteError = true;
  shell.exitStatus = 3;
  runner.whilePlaying = [&] { log.push_back("playing"); };
  Press(Key::Space);
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].second, shell.error + ".");
  const CallLog calls = Calls();
  EXPECT_NE(std::find(calls.begin(), calls.end(), "playing"), calls.end());  // waited for
  EXPECT_EQ(Events(), (std::vector<std::string>{"item started|1||a.avi",
                                                "item failed|1|" + shell.error + "|a.avi",
                                                "item ended|1|exit 3|a.avi"}));
}
