// The show window's keys: each key's command between the steps every key takes, stepping and its
// bounds, the texts, the pointer and the window mode.
#include "ShowControllerFixture.h"

namespace {

class Keys : public ShowControllerTest {
 protected:
  Keys() { Start({"a.avi", "b.bat", "c.avi"}); }
};

}  // namespace

TEST_F(Keys, EachCommandStandsBetweenTheCommonSteps) {
  state.floatingValueText = "12.5";
  const struct {
    Key key;
    std::optional<Command> command;
    CallLog calls;
  } cases[] = {
      {Key::H,
       Command::ToggleHelp,
       {"clear", "info 1 a.avi help | 1 a.avi help", "marker hotlight"}},
      {Key::H, Command::ToggleHelp, {"clear", "info 1 a.avi | 1 a.avi", "marker hotlight"}},
      {Key::C,
       Command::ToggleCornerMarker,
       {"clear", "toggle marker", "info 1 a.avi | 1 a.avi", "marker hotlight"}},
      {Key::F,
       Command::ToggleFrame,
       {"clear", "toggle frame", "info 1 a.avi | 1 a.avi", "marker hotlight"}},
      {Key::T,
       Command::ToggleEyeCheckCard,
       {"clear", "toggle card", "info 1 a.avi | 1 a.avi", "marker hotlight"}},
      {Key::V,
       Command::ToggleFloatingValueWindow,
       {"clear", "floating window 12.5", "info 1 a.avi | 1 a.avi", "marker hotlight"}},
      {Key::S, Command::ToggleMonoTexts, {"clear", "info 1 a.avi | -", "marker hotlight"}},
      {Key::S, Command::ToggleMonoTexts, {"clear", "info 1 a.avi | 1 a.avi", "marker hotlight"}},
      {Key::I, Command::ToggleInfo, {"clear", "info - | -", "marker hotlight"}},
      // The texts are drawn afresh before the close, the corner indicator after it.
      {Key::Escape, Command::Close, {"clear", "info - | -", "close", "marker hotlight"}},
      {Key::X, Command::Close, {"clear", "info - | -", "close", "marker hotlight"}},
      // A stops a show that does not run: only its pause is stopped, after everything else.
      {Key::A,
       Command::StopContinuousShow,
       {"clear", "info - | -", "marker hotlight", "pause stop"}},
      {Key::Q, std::nullopt, {"clear", "info - | -", "marker hotlight"}},
  };
  for (const auto& c : cases) {
    // The command run directly, as from elsewhere than the keyboard, does what its key does.
    const ShowState before = state;
    controller.Run(c.command);
    EXPECT_EQ(Calls(), c.calls) << "command of key " << static_cast<int>(c.key);
    state = before;
    Press(c.key);
    EXPECT_EQ(Calls(), c.calls) << "key " << static_cast<int>(c.key);
  }
  EXPECT_EQ(state.showIndex, 0);
  EXPECT_FALSE(std::filesystem::exists(ProgramFile(".INI")));  // the window's close saves
}

TEST_F(Keys, TextsShowThePositionInMonoOrStereo) {
  std::vector<std::string> items;
  for (int i = 1; i <= 12; ++i) items.push_back("item" + std::to_string(i));
  items[1] = "clips\\\xe9t\xe9.bat";  // bytes as stored, not decoded
  list.Assign(items);
  const struct {
    int index;
    bool info, help, mono;
    const char* shown;
  } cases[] = {
      {1, true, false, false, "2 clips\\\xe9t\xe9.bat | 2 clips\\\xe9t\xe9.bat"},
      {9, true, false, true, "10 item10 | -"},
      {0, true, true, true, "1 item1 help | -"},
      {12, true, false, false, "END | END"},  // the end-of-show position
      {12, true, false, true, "END | -"},
      {0, false, true, false, "help | help"},
  };
  for (const auto& c : cases) {
    state.showIndex = c.index;
    state.infoVisible = c.info;
    state.helpVisible = c.help;
    state.monoInfo = c.mono;
    Press(Key::None);
    EXPECT_EQ(Info(), c.shown) << c.index << c.info << c.help << c.mono;
  }
}

TEST_F(Keys, SteppingStaysWithinTheListAndLoopAllWrapsOnlyAtTheEnd) {
  // "position marker" after each key, in order.
  auto run = [&](bool loopAll, std::vector<Key> keys) {
    state.showIndex = 0;
    values.settings.loopAll = loopAll;
    std::string seen;
    for (Key key : keys) {
      Press(key);
      seen += (seen.empty() ? "" : ", ") + std::to_string(state.showIndex) +
              Calls().back().substr(6);  // "marker x"
    }
    return seen;
  };
  // The last item leads to the end-of-show position and stays there; the first item stays.
  EXPECT_EQ(run(false, {Key::Digit6, Key::Right, Key::Digit6, Key::Digit6, Key::Digit4, Key::Digit1,
                        Key::Left, Key::Digit0, Key::Left}),
            "1 gray, 2 gray, 3 purple, 3 purple, 2 gray, 0 hotlight, 0 hotlight, 3 purple, 2 gray");
  EXPECT_EQ(Info(), "3 c.avi | 3 c.avi");
  // 0 leads to the first item, not the end-of-show position; no wrap from the start to the end.
  EXPECT_EQ(run(true, {Key::Digit0, Key::Digit4, Key::Digit6, Key::Digit6, Key::Digit6}),
            "0 hotlight, 0 hotlight, 1 gray, 2 gray, 0 hotlight");

  // Keys without a command still bound a position left stale by removals elsewhere.
  values.settings.loopAll = false;
  state.showIndex = 7;
  Press(Key::F1);
  EXPECT_EQ(state.showIndex, 3);
  EXPECT_EQ(Info(), "END | END");
  state.showIndex = -2;
  Press(Key::Shift);  // alone
  EXPECT_EQ(state.showIndex, 0);

  list.Assign({});
  for (bool loopAll : {false, true})
    EXPECT_EQ(
        run(loopAll, {Key::Digit6, Key::Right, Key::Digit4, Key::Digit0, Key::Digit1, Key::Space}),
        "0 hotlight, 0 hotlight, 0 hotlight, 0 hotlight, 0 hotlight, 0 hotlight");
  EXPECT_EQ(Info(), "END | END");
  EXPECT_TRUE(shell.launches.empty());
}

TEST_F(Keys, PointerLoopsCrossTheThresholdOnce) {
  Press(Key::P);
  EXPECT_EQ(pointer.calls, std::vector<bool>{false});
  EXPECT_FALSE(state.pointerVisible);
  EXPECT_EQ(state.cursorDisplayCount, -1);
  Press(Key::M);  // maximised hides it again: no call, it is hidden already
  EXPECT_EQ(pointer.calls.size(), 1u);
  Calls();
  Press(Key::M);  // the window back to normal shows it
  EXPECT_EQ(Calls()[1], "normal 800x600");
  EXPECT_TRUE(state.pointerVisible);
  Press(Key::P);
  EXPECT_EQ(pointer.calls, (std::vector<bool>{false, true, false}));

  pointer.value = -5;  // someone else hid it further: showing loops until it is visible
  Press(Key::P);
  EXPECT_EQ(state.cursorDisplayCount, 0);
  EXPECT_EQ(pointer.calls.size(), 8u);

  struct StuckCounter : platform::PointerCounter {
    int calls = 0;
    int ShowCursor(bool) override { return ++calls, 0; }
  } stuck;
  services.pointer = &stuck;
  Press(Key::P);  // a counter that never moves ends the loop all the same
  EXPECT_GT(stuck.calls, 0);
  EXPECT_LE(stuck.calls, 1 << 16);
}

TEST_F(Keys, ShowListWindowGetsThePointerAndTheListIsBoundAfterIt) {
  for (Key key : {Key::Digit6, Key::Digit6, Key::P}) Press(key);
  Calls();
  view.whileListOpen = [&] {
    EXPECT_TRUE(state.pointerVisible);  // the operator needs it there
    EXPECT_EQ(pointer.value, 0);
    list.Assign({"only.avi"});  // items removed meanwhile
  };
  Press(Key::L);
  EXPECT_EQ(Calls(), (CallLog{"clear", "open list", "info END | END", "marker purple"}));
  EXPECT_EQ(state.showIndex, 1);  // brought back to the end-of-show position
}
