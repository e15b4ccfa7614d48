#include "core/show/VenueScreens.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr const char* kWindowText = "window";
constexpr const char* kAllText = "all";

long long Overlap(const host::ScreenRect& a, const host::ScreenRect& b) {
  const long long w = std::min<long long>(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
  const long long h = std::min<long long>(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
  return w > 0 && h > 0 ? w * h : 0;
}

const host::ScreenInfo* Primary(const std::vector<host::ScreenInfo>& screens) {
  for (const auto& screen : screens)
    if (screen.primary) return &screen;
  return screens.empty() ? nullptr : &screens.front();
}

host::ScreenRect Around(const std::vector<host::ScreenInfo>& screens) {
  if (screens.empty()) return {};
  int left = screens.front().area.x, top = screens.front().area.y;
  int right = left + screens.front().area.width, bottom = top + screens.front().area.height;
  for (const auto& screen : screens) {
    left = std::min(left, screen.area.x);
    top = std::min(top, screen.area.y);
    right = std::max(right, screen.area.x + screen.area.width);
    bottom = std::max(bottom, screen.area.y + screen.area.height);
  }
  return {left, top, right - left, bottom - top};
}

// The numbered screen, or none when that number is not connected.
const host::ScreenInfo* Numbered(const std::vector<host::ScreenInfo>& numbered, int number) {
  if (number < 1 || number > static_cast<int>(numbered.size())) return nullptr;
  return &numbered[static_cast<std::size_t>(number - 1)];
}

}  // namespace

ScreenChoice ParseScreenChoice(const std::string& text) {
  if (text == kAllText) return {ScreenChoice::Kind::AllScreens, 0};
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error == std::errc() && end == text.data() + text.size() && number >= 1 && !text.empty() &&
      text.front() != '+')
    return {ScreenChoice::Kind::Numbered, number};
  return {};
}

std::string ScreenChoiceText(ScreenChoice choice) {
  switch (choice.kind) {
    case ScreenChoice::Kind::AllScreens:
      return kAllText;
    case ScreenChoice::Kind::Numbered:
      return std::to_string(choice.number);
    case ScreenChoice::Kind::WindowScreen:
      break;
  }
  return kWindowText;
}

std::vector<host::ScreenInfo> NumberedScreens(std::vector<host::ScreenInfo> screens) {
  std::stable_sort(screens.begin(), screens.end(), [](const auto& a, const auto& b) {
    return a.area.x != b.area.x ? a.area.x < b.area.x : a.area.y < b.area.y;
  });
  return screens;
}

CoveredArea AreaToCover(ScreenChoice choice, const std::vector<host::ScreenInfo>& screens,
                        const host::ScreenRect& window) {
  const host::ScreenInfo* primary = Primary(screens);
  if (!primary) return {};
  switch (choice.kind) {
    case ScreenChoice::Kind::AllScreens:
      return {Around(screens)};
    case ScreenChoice::Kind::Numbered: {
      const auto numbered = NumberedScreens(screens);
      if (const host::ScreenInfo* chosen = Numbered(numbered, choice.number)) return {chosen->area};
      return {primary->area, choice.number};
    }
    case ScreenChoice::Kind::WindowScreen:
      break;
  }
  const host::ScreenInfo* best = primary;
  long long bestOverlap = Overlap(primary->area, window);
  for (const auto& screen : screens) {
    const long long overlap = Overlap(screen.area, window);
    if (overlap > bestOverlap) {
      best = &screen;
      bestOverlap = overlap;
    }
  }
  return {best->area};
}

host::ScreenRect StartScreen(ScreenChoice choice, const std::vector<host::ScreenInfo>& screens) {
  const host::ScreenInfo* primary = Primary(screens);
  if (!primary) return {};
  if (choice.kind == ScreenChoice::Kind::AllScreens) return Around(screens);
  if (choice.kind == ScreenChoice::Kind::Numbered) {
    const auto numbered = NumberedScreens(screens);
    if (const host::ScreenInfo* chosen = Numbered(numbered, choice.number)) return chosen->area;
  }
  return primary->area;
}

std::string SideBySideProblem(const std::vector<host::ScreenInfo>& screens) {
  if (screens.size() < 2) return "There is one screen: all screens is that screen.";
  if (screens.size() > 2)
    return "There are " + std::to_string(screens.size()) +
           " screens: the halves are split at the middle of all of them, not at a screen's edge.";
  const auto numbered = NumberedScreens(screens);
  const host::ScreenRect& left = numbered[0].area;
  const host::ScreenRect& right = numbered[1].area;
  if (left.width != right.width)
    return "The two screens differ in width (" + std::to_string(left.width) + " and " +
           std::to_string(right.width) +
           " pixels): the left half does not end where the left screen does.";
  if (left.x + left.width != right.x || left.y != right.y || left.height != right.height)
    return "The two screens are not side by side at one height: the halves do not match them.";
  return {};
}
