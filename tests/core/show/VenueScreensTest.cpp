// Which area M covers on one or several screens, and what the setting's text may say.
#include <gtest/gtest.h>

#include "core/show/VenueScreens.h"

namespace {

using Kind = ScreenChoice::Kind;

// The venue of the tests: the laptop's screen on the right of the projector, listed first and
// primary, as a system may list them.
const std::vector<host::ScreenInfo> kLaptopAndProjector = {
    {"laptop", {1920, 0, 1280, 800}, true},
    {"projector", {0, 0, 1920, 1080}, false},
};

}  // namespace

TEST(ScreenChoice, TheSettingsTextsAndAnythingElseAsTheWindowsScreen) {
  EXPECT_EQ(ParseScreenChoice("window"), (ScreenChoice{Kind::WindowScreen, 0}));
  EXPECT_EQ(ParseScreenChoice("all"), (ScreenChoice{Kind::AllScreens, 0}));
  EXPECT_EQ(ParseScreenChoice("2"), (ScreenChoice{Kind::Numbered, 2}));
  for (const char* stray : {"", "0", "-1", "+2", "2 ", "two", "ALL", "99999999999"})
    EXPECT_EQ(ParseScreenChoice(stray), ScreenChoice{}) << stray;
  for (const char* text : {"window", "all", "1", "12"})
    EXPECT_EQ(ScreenChoiceText(ParseScreenChoice(text)), text);
}

TEST(AreaToCover, TheWindowsScreenIsTheOneItOverlapsMost) {
  const ScreenChoice window{};
  // Mostly on the projector, a little over the edge onto the laptop.
  EXPECT_EQ(AreaToCover(window, kLaptopAndProjector, {1500, 100, 800, 600}).area,
            (host::ScreenRect{0, 0, 1920, 1080}));
  EXPECT_EQ(AreaToCover(window, kLaptopAndProjector, {1800, 100, 800, 600}).area,
            (host::ScreenRect{1920, 0, 1280, 800}));
  // Off every screen: the primary one.
  EXPECT_EQ(AreaToCover(window, kLaptopAndProjector, {-5000, 0, 800, 600}).area,
            (host::ScreenRect{1920, 0, 1280, 800}));
  // One screen: the described behaviour, the whole screen wherever the window stands.
  EXPECT_EQ(AreaToCover(window, {{"", {0, 0, 1024, 768}, true}}, {300, 300, 800, 600}).area,
            (host::ScreenRect{0, 0, 1024, 768}));
  // No screen reported: nothing to cover.
  EXPECT_EQ(AreaToCover(window, {}, {0, 0, 800, 600}).area, host::ScreenRect{});
}

TEST(AreaToCover, ScreensAreNumberedLeftToRightAndAMissingOneFallsBackToThePrimary) {
  const host::ScreenRect anywhere{0, 0, 800, 600};
  EXPECT_EQ(AreaToCover({Kind::Numbered, 1}, kLaptopAndProjector, anywhere).area,
            (host::ScreenRect{0, 0, 1920, 1080}));
  const CoveredArea second = AreaToCover({Kind::Numbered, 2}, kLaptopAndProjector, anywhere);
  EXPECT_EQ(second.area, (host::ScreenRect{1920, 0, 1280, 800}));
  EXPECT_EQ(second.missingScreen, 0);
  const CoveredArea third = AreaToCover({Kind::Numbered, 3}, kLaptopAndProjector, anywhere);
  EXPECT_EQ(third.area, (host::ScreenRect{1920, 0, 1280, 800}));
  EXPECT_EQ(third.missingScreen, 3);
  // Stacked screens: top before bottom.
  const std::vector<host::ScreenInfo> stacked = {{"low", {0, 1080, 1920, 1080}, true},
                                                 {"high", {0, 0, 1920, 1080}, false}};
  EXPECT_EQ(NumberedScreens(stacked).front().name, "high");
}

TEST(AreaToCover, AllScreensIsTheRectangleAroundThem) {
  EXPECT_EQ(AreaToCover({Kind::AllScreens, 0}, kLaptopAndProjector, {}).area,
            (host::ScreenRect{0, 0, 3200, 1080}));
  // A screen left of the primary one has negative coordinates.
  EXPECT_EQ(AreaToCover({Kind::AllScreens, 0},
                        {{"", {0, 0, 1920, 1080}, true}, {"", {-1920, 0, 1920, 1080}, false}}, {})
                .area,
            (host::ScreenRect{-1920, 0, 3840, 1080}));
}

TEST(StartScreen, ThePrimaryTheChosenOrTheWholeDesktop) {
  EXPECT_EQ(StartScreen({}, kLaptopAndProjector), (host::ScreenRect{1920, 0, 1280, 800}));
  EXPECT_EQ(StartScreen({Kind::Numbered, 1}, kLaptopAndProjector),
            (host::ScreenRect{0, 0, 1920, 1080}));
  EXPECT_EQ(StartScreen({Kind::Numbered, 7}, kLaptopAndProjector),
            (host::ScreenRect{1920, 0, 1280, 800}));
  EXPECT_EQ(StartScreen({Kind::AllScreens, 0}, kLaptopAndProjector).x, 0);
  EXPECT_EQ(StartScreen({}, {}), host::ScreenRect{});
}

TEST(SideBySideProblem, OnlyTwoScreensOfOneWidthAtOneHeightSplitAtTheirEdge) {
  const host::ScreenInfo left{"", {0, 0, 1920, 1080}, true};
  const host::ScreenInfo right{"", {1920, 0, 1920, 1080}, false};
  EXPECT_EQ(SideBySideProblem({right, left}), "");
  EXPECT_NE(SideBySideProblem(kLaptopAndProjector).find("1920 and 1280"), std::string::npos);
  EXPECT_NE(SideBySideProblem({left}), "");
  EXPECT_NE(SideBySideProblem({left, right, {"", {3840, 0, 1920, 1080}, false}}), "");
  EXPECT_NE(SideBySideProblem({left, {"", {1920, 200, 1920, 1080}, false}}), "");
}
