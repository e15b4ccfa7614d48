#pragma once
#include <string>
#include <vector>

#include "core/host/Screen.h"

// Which part of the desktop the maximised show window covers. Screens are numbered from 1, left
// to right (then top to bottom), so the numbers follow the venue's layout and not the order in
// which the system happens to list its outputs.
struct ScreenChoice {
  enum class Kind { WindowScreen, Numbered, AllScreens };
  Kind kind = Kind::WindowScreen;
  int number = 0;  // with Numbered: counted from 1

  bool operator==(const ScreenChoice&) const = default;
};

// The setting's text: "window", "all" or a number from 1. Anything else, a stray edit of the
// file, is the window's screen, the safe default.
ScreenChoice ParseScreenChoice(const std::string& text);
std::string ScreenChoiceText(ScreenChoice choice);

// The screens in numbering order.
std::vector<host::ScreenInfo> NumberedScreens(std::vector<host::ScreenInfo> screens);

struct CoveredArea {
  host::ScreenRect area;
  // A chosen screen that is not connected now: its number, and the primary screen is covered.
  int missingScreen = 0;
};

// The area M covers. The window's screen is the one it overlaps most (the primary screen when
// it overlaps none); all screens is the rectangle around them. With no screen reported at all,
// the area is empty and the window keeps its size.
CoveredArea AreaToCover(ScreenChoice choice, const std::vector<host::ScreenInfo>& screens,
                        const host::ScreenRect& window);

// Where the show window starts: the top-left corner of the chosen screen, of the primary one for
// the window's screen, of the whole desktop for all screens.
host::ScreenRect StartScreen(ScreenChoice choice, const std::vector<host::ScreenInfo>& screens);

// For all screens side by side: why the left half may not fall on the left screen, or empty when
// it does (two screens of one width, side by side).
std::string SideBySideProblem(const std::vector<host::ScreenInfo>& screens);
