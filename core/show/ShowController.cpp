#include "core/show/ShowController.h"

#include "base/AppError.h"
#include "base/PathParts.h"
#include "core/show/ShowJournal.h"
#include "core/show/ShowListFiles.h"
#include "core/show/VirtualKey.h"
#include "core/showlist/ShowListFile.h"

namespace {
// Guards the pointer loops against a counter that never crosses its threshold.
constexpr int kMaxPointerCalls = 1 << 16;
}  // namespace

ShowController::ShowController(Services& services, ShowState& state, ShowList& list, ShowView& view,
                               ItemRunner& runner, SettingsStore& store)
    : services_(services), state_(state), list_(list), view_(view), runner_(runner), store_(store) {
  state_.firstActivation = true;
  state_.pointerVisible = true;
}

void ShowController::Activated() {
  if (state_.firstActivation) FirstActivationSteps();
  view_.SetFrameVisible(false);
  RefreshInfoDisplay();
}

void ShowController::FirstActivationSteps() {
  state_.firstActivation = false;
  if (services_.journal) services_.journal->WindowOpened();
  state_.showIndex = 0;
  state_.maximised = false;
  // The settings fill the list window's boxes, whose handlers set the continuous show's flags.
  store_.Load();
  LoadAutomaticList(list_, services_);
  state_.cursorDisplayCount = 0;
  view_.MoveToOrigin();
}

void ShowController::LayoutIfPending() {
  if (!layoutPending_ || state_.firstActivation) return;
  layoutPending_ = false;
  Resized();
}

void ShowController::Resized() {
  // The floating value is read at the first activation; until then the layout waits.
  if (state_.firstActivation) {
    layoutPending_ = true;
    return;
  }
  // A floating value that is no number is reported at every resize until a valid one is set.
  LayoutFrame();
}

void ShowController::LayoutFrame() {
  const host::ScreenSize outer = view_.OuterSize();
  // The right half's texts follow, even when the value fails; an outer width is never below 0.
  view_.PlaceRightTexts(outer.width / 2);
  const char separator = services_.decimalSeparator ? services_.decimalSeparator() : '.';
  const FloatingFrameResult result =
      ComputeFloatingFrame(state_.floatingValueText, separator, outer.width, outer.height);
  if (!result.geometry) throw AppError(result.error);
  state_.floatingPercent = result.geometry->percent;
  view_.PlaceFrame(*result.geometry);
}

void ShowController::FloatingValueEntered(const std::string& value) {
  state_.floatingValueText = value;
  // The hand-over's activation hides the frame; it runs now so that showing it comes after.
  view_.TakeKeyboardFromFloatingValue();
  // A value that is no number ends the handler here and leaves the frame hidden.
  LayoutFrame();
  view_.SetFrameVisible(true);
}

void ShowController::HandleKey(int key) {
  // One key runs at most one command; where it stands between the common steps matters.
  view_.ClearInfo();
  if (key == 'H') state_.helpVisible = !state_.helpVisible;
  if (key == 'C') view_.ToggleCornerMarker();
  if (key == 'L') {
    ShowPointer();
    view_.OpenShowList();
  }
  if (key == 'P') {
    if (state_.pointerVisible)
      HidePointer();
    else
      ShowPointer();
  }
  if (key == '1') state_.showIndex = 0;
  if (key == 'F') view_.ToggleFrame();
  if (key == '0') state_.showIndex = list_.Count();
  if (key == '4' || key == VK_LEFT_KEY) state_.showIndex = state_.showIndex - 1;
  if (key == '6' || key == VK_RIGHT_KEY) state_.showIndex = state_.showIndex + 1;
  if (key == 'I') state_.infoVisible = !state_.infoVisible;
  if (key == 'S') state_.monoInfo = !state_.monoInfo;
  if (key == 'M') {
    state_.maximised = !state_.maximised;
    ApplyWindowMode();
  }
  if (key == 'V') view_.ToggleFloatingValueWindow(state_.floatingValueText);
  if (key == 'T') view_.ToggleEyeCheckCard();
  if (key == VK_SPACE_KEY || key == VK_RETURN_KEY) PlayStep();
  // The show list may have changed in the show list window: the count is read afresh.
  state_.showIndex = BoundShowIndex(state_.showIndex, list_.Count(), state_.loopAll);
  RefreshInfoDisplay();
  if (key == 'X' || key == VK_ESCAPE_KEY) view_.Close();
  UpdateCornerMarker();
  if (key == 'A') StopContinuousShow();
}

void ShowController::RefreshInfoDisplay() {
  InfoDisplay info;
  if (state_.infoVisible) {
    if (state_.showIndex >= 0 && state_.showIndex < list_.Count()) {
      info.numberLeft = std::to_string(state_.showIndex + 1);
      info.descriptionLeft = list_.Item(state_.showIndex);
      if (!state_.monoInfo) {
        info.numberRight = info.numberLeft;
        info.descriptionRight = info.descriptionLeft;
      }
    } else {
      info.numberLeft = "END";
      if (!state_.monoInfo) info.numberRight = "END";
    }
  }
  info.helpLeft = state_.helpVisible;
  info.helpRight = state_.helpVisible && !state_.monoInfo;
  view_.ShowInfo(info);
}

void ShowController::ApplyWindowMode() {
  if (state_.maximised) {
    view_.ShowMaximised(services_.screen->Size());
    HidePointer();
  } else {
    view_.ShowNormal(kNormalOuterWidth, kNormalOuterHeight);
    ShowPointer();
  }
}

void ShowController::ShowPointer() {
  if (state_.cursorDisplayCount >= 0) return;
  state_.pointerVisible = true;
  for (int calls = 0; calls < kMaxPointerCalls && state_.cursorDisplayCount < 0; ++calls)
    state_.cursorDisplayCount = services_.pointer->ShowCursor(true);
}

void ShowController::HidePointer() {
  if (state_.cursorDisplayCount < 0) return;
  state_.pointerVisible = false;
  for (int calls = 0; calls < kMaxPointerCalls && state_.cursorDisplayCount >= 0; ++calls)
    state_.cursorDisplayCount = services_.pointer->ShowCursor(false);
}

void ShowController::UpdateCornerMarker() {
  view_.SetMarkerColour(CornerMarkerColour(state_.showIndex, list_.Count()));
}

void ShowController::Close() {
  store_.Save();
  const std::string file = ProgramFileName(services_.exePath, ".LST");
  SaveShowList(file, list_.Items());
  if (services_.journal) services_.journal->ListSaved(file, list_.Count());
}

void ShowController::Closed() {
  if (services_.journal) services_.journal->ProgramClosed();
}
