// The show in a venue: the screen M covers, the show lock, the list kept safe when the list
// window closes, and the offer to go on after an unexpected end.
#include <filesystem>

#include "ShowControllerFixture.h"

namespace fs = std::filesystem;

namespace {

class Venue : public ShowControllerTest {
 protected:
  Venue() { Start({"a.avi", "b.bat", "c.avi"}); }
  void Key(::Key key, bool autoRepeat = false) { controller.KeyPressed(key, autoRepeat); }
  bool Closed() {
    const CallLog calls = Calls();
    return std::find(calls.begin(), calls.end(), "close") != calls.end();
  }
};

// A run that wrote `events` to the journal and ended there, as a crash leaves it.
class Resume : public ShowControllerTest {
 protected:
  void EarlierRun(const std::function<void(ShowJournal&)>& events) {
    ShowJournal earlier(ProgramFile(".log"));
    earlier.WindowOpened();
    events(earlier);
  }
  void StartWith(const std::string& list) {
    UseJournal();
    dir.write("quadrel.LST", list);
    controller.Activated();
  }
};

}  // namespace

TEST_F(Venue, TheLockHoldsBackTheFirstPressOfTheKeysThatEndOrOpen) {
  Key(Key::Escape);
  EXPECT_TRUE(Closed());  // off by default: at once

  values.settings.showLock = true;
  Key(Key::Escape);
  EXPECT_EQ(Calls(), (CallLog{"note Press ESC again to end the show 2000", "clear",
                              "info 1 a.avi | 1 a.avi", "marker hotlight"}));
  Key(Key::Escape, true);  // held down: still the first press
  EXPECT_FALSE(Closed());
  Key(Key::Escape);
  EXPECT_EQ(Calls(), (CallLog{"note hidden", "clear", "info 1 a.avi | 1 a.avi", "close",
                              "marker hotlight"}));

  // Another key in between, or the note's time running out, starts over.
  Key(Key::L);
  EXPECT_EQ(view.lockNote, "Press L again to open the show list");
  Key(Key::Right);
  EXPECT_EQ(view.lockNote, "");
  Key(Key::L);
  controller.LockNoteGone();
  Key(Key::L);
  EXPECT_EQ(Calls().front(), "note Press L again to open the show list 2000");
  for (::Key key : {Key::V, Key::O, Key::X}) {
    Key(key);
    const CallLog first = Calls();
    EXPECT_EQ(first.front().rfind("note Press ", 0), 0u) << first.front();
    EXPECT_EQ(first.size(), 4u);
  }
  // ESC after X is the same command's second press.
  Key(Key::Escape);
  EXPECT_TRUE(Closed());
}

TEST_F(Venue, PlayingSteppingAndDisplayKeysActAtOnceUnderTheLock) {
  values.settings.showLock = true;
  Key(Key::Right);
  Key(Key::PageUp);
  EXPECT_EQ(state.showIndex, 0);
  Key(Key::PageDown);
  EXPECT_EQ(Played(), std::vector<std::string>{"a.avi"});
  EXPECT_EQ(state.showIndex, 1);
  Key(Key::M);
  EXPECT_TRUE(state.maximised);
  Key(Key::H);
  EXPECT_TRUE(state.helpVisible);
  EXPECT_EQ(view.lockNote, "");
}

TEST_F(Venue, MCoversTheChosenScreenAndAMissingOneIsJournalledOnce) {
  UseJournal();
  screen.screens = {{"laptop", {0, 0, 1280, 800}, true}, {"projector", {1280, 0, 1920, 1080}}};
  view.frameRect = {1500, 200, 800, 600};  // moved onto the projector
  Key(Key::M);
  EXPECT_EQ(Calls()[1], "maximised 1920x1080+1280+0");
  Key(Key::M);
  Calls();

  values.settings.venueScreen = "all";
  Key(Key::M);
  EXPECT_EQ(Calls()[1], "maximised 3200x1080");
  Key(Key::M);
  Calls();

  values.settings.venueScreen = "2";
  screen.screens.pop_back();  // the projector went
  for (int i = 0; i < 2; ++i) {
    Key(Key::M);
    EXPECT_EQ(Calls()[1], "maximised 1280x800");
    Key(Key::M);
    Calls();
  }
  int missing = 0;
  for (const std::string& event : Events()) missing += event.rfind("screen not connected|", 0) == 0;
  EXPECT_EQ(missing, 1);
}

TEST_F(Venue, TheOptionsWindowsScreenChoiceTakesEffectAtOnce) {
  screen.screens = {{"laptop", {0, 0, 1280, 800}, true}, {"projector", {1280, 0, 1920, 1080}}};
  Key(Key::M);
  Calls();
  view.whileOptionsOpen = [&] { values.settings.venueScreen = "2"; };
  Key(Key::O);
  const CallLog calls = Calls();
  EXPECT_EQ(calls[1], "open options");
  EXPECT_EQ(calls[2], "maximised 1920x1080+1280+0");

  // Windowed, the choice waits for the next M.
  Key(Key::M);
  Calls();
  view.whileOptionsOpen = [&] { values.settings.venueScreen = "1"; };
  Key(Key::O);
  EXPECT_EQ(Calls(),
            (CallLog{"clear", "open options", "info 1 a.avi | 1 a.avi", "marker hotlight"}));
}

TEST_F(Resume, TheWindowStartsAtTheChosenScreensCorner) {
  screen.screens = {{"projector", {0, 0, 1920, 1080}}, {"laptop", {1920, 0, 1280, 800}, true}};
  dir.write("quadrel.INI", "[Venue]\r\nScreen=1\r\n");
  controller.Activated();
  EXPECT_EQ(Calls()[1], "move to 0,0");
}

TEST_F(Resume, AfterACrashTheFirstActivationOffersTheItemAfterTheLastStarted) {
  EarlierRun([](ShowJournal& j) {
    j.ItemStarted(1, "a.avi");
    j.ItemEnded(1, "a.avi", 0, true, std::chrono::milliseconds(5));
    j.ItemStarted(2, "b.bat");
  });
  messages.answerYes = true;
  StartWith("a.avi\r\nb.bat\r\nc.avi\r\nd.avi\r\n");
  ASSERT_EQ(messages.questions.size(), 1u);
  EXPECT_NE(messages.questions[0].second.find("2: b.bat"), std::string::npos);
  EXPECT_NE(messages.questions[0].second.find("item 3: c.avi?"), std::string::npos);
  EXPECT_EQ(state.showIndex, 2);
  EXPECT_EQ(Events().back(), "show resumed|2|going on after this item|b.bat");
  EXPECT_EQ(Calls().back(), "info 3 c.avi help | -");

  // Killed again before anything played: the next start still knows where the show stood.
  ShowList again;
  ShowState againState;
  ProgramValues againValues;
  ShowController next{services, againState, list, againValues, view, runner};
  next.Activated();
  EXPECT_EQ(messages.questions.size(), 2u);
  EXPECT_EQ(againState.showIndex, 2);
}

TEST_F(Resume, NoKeepsTheFirstItemAndACleanEndOrTheSettingAsksNothing) {
  EarlierRun([](ShowJournal& j) { j.ItemStarted(1, "a.avi"); });
  StartWith("a.avi\r\nb.bat\r\n");
  EXPECT_EQ(messages.questions.size(), 1u);
  EXPECT_EQ(state.showIndex, 0);

  for (const char* settings : {"", "[Venue]\r\nOfferResume=0\r\n"}) {
    fs::remove(ProgramFile(".log"));
    EarlierRun([&](ShowJournal& j) {
      j.ItemStarted(1, "a.avi");
      if (*settings == '\0') j.ProgramClosed();
    });
    dir.write("quadrel.INI", settings);
    ShowState fresh;
    ShowController next{services, fresh, list, values, view, runner};
    next.Activated();
    EXPECT_EQ(messages.questions.size(), 1u) << settings;
  }
}

TEST_F(Resume, TheItemIsFoundWhereTheEditedListHasItAndNothingIsOfferedWithoutIt) {
  // Moved down the list since: the show goes on after it where it stands now.
  EarlierRun([](ShowJournal& j) { j.ItemStarted(1, "b.bat"); });
  messages.answerYes = true;
  StartWith("a.avi\r\nx.avi\r\nb.bat\r\nc.avi\r\n");
  EXPECT_EQ(state.showIndex, 3);

  struct Case {
    const char* list;
    const char* why;
  } cases[] = {{"a.avi\r\nc.avi\r\n", "removed from the list"},
               {"a.avi\r\nb.bat\r\n", "the last item: nothing follows"}};
  for (const Case& c : cases) {
    fs::remove(ProgramFile(".log"));
    EarlierRun([](ShowJournal& j) { j.ItemStarted(2, "b.bat"); });
    dir.write("quadrel.LST", c.list);
    ShowState fresh;
    ShowController next{services, fresh, list, values, view, runner};
    next.Activated();
    EXPECT_EQ(messages.questions.size(), 1u) << c.why;
    EXPECT_EQ(fresh.showIndex, 0) << c.why;
  }
}

TEST_F(Venue, AChangedListIsWrittenWhenTheListWindowCloses) {
  UseJournal();
  view.whileListOpen = [&] { list.Append("d.avi"); };
  Key(Key::L);
  EXPECT_EQ(dir.read("quadrel.LST"), "a.avi\r\nb.bat\r\nc.avi\r\nd.avi\r\n");
  EXPECT_EQ(Events().back(), "list saved||4 items|" + ProgramFile(".LST"));

  // Unchanged: nothing written.
  fs::remove(ProgramFile(".LST"));
  view.whileListOpen = nullptr;
  Key(Key::L);
  EXPECT_FALSE(fs::exists(ProgramFile(".LST")));

  // A list that cannot be written is reported; the key's steps go on and the list stays.
  fs::create_directory(ProgramFile(".LST"));
  view.whileListOpen = [&] { list.Append("e.avi"); };
  Key(Key::L);
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(list.Count(), 5);
  EXPECT_EQ(Calls().back(), "marker hotlight");
}
