#include "core/show/ShowController.h"

#include "base/AppError.h"
#include "base/ErrorReport.h"
#include "core/RunGuarded.h"
#include "core/players/SettingsChoices.h"
#include "core/show/ResumeOffer.h"
#include "core/show/ShowJournal.h"
#include "core/show/ShowListFiles.h"
#include "core/show/ShowStateSettings.h"
#include "core/show/VenueScreens.h"

namespace {
// Guards the pointer loops against a counter that never crosses its threshold.
constexpr int kMaxPointerCalls = 1 << 16;
}  // namespace

ShowController::ShowController(Services& services, ShowState& state, ShowList& list,
                               ProgramValues& values, ShowView& view, ItemRunner& runner)
    : services_(services),
      state_(state),
      list_(list),
      values_(values),
      settings_(values.settings),
      view_(view),
      runner_(runner) {
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
  const std::optional<JournalSummary> lastRun = LastRunOfJournal();
  if (services_.journal) services_.journal->WindowOpened();
  state_.showIndex = 0;
  state_.maximised = false;
  values_ = ReadProgramFiles(services_.exePath);
  KeepChoicesInRange(values_.settings);
  ApplyShowSettings(values_.settings, state_);
  if (onFilesRead) onFilesRead();
  LoadAutomaticList(list_, services_);
  state_.cursorDisplayCount = 0;
  const host::ScreenRect start =
      StartScreen(ParseScreenChoice(settings_.venueScreen), services_.screen->Screens());
  view_.MoveTo(start.x, start.y);
  OfferResume(lastRun);
}

std::optional<JournalSummary> ShowController::LastRunOfJournal() {
  if (!services_.journal) return std::nullopt;
  try {
    const std::optional<std::string> text = ReadJournalText(services_.journal->Path());
    if (text) return SummariseLastShow(*text);
  } catch (const std::exception&) {
    // A journal that cannot be read offers nothing; the show starts as always.
  }
  return std::nullopt;
}

void ShowController::OfferResume(const std::optional<JournalSummary>& lastRun) {
  if (!lastRun || !settings_.offerResume || !services_.messages) return;
  const std::optional<ResumePoint> point = FindResumePoint(*lastRun, list_);
  if (!point) return;
  if (!services_.messages->AskYesNo(ErrorReportTitle(services_.exePath),
                                    ResumeQuestion(*point, list_)))
    return;
  state_.showIndex = point->continueAt;
  if (services_.journal) services_.journal->ShowResumed(point->lastStarted + 1, point->item);
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

void ShowController::Run(std::optional<Command> command) {
  // A play inside the GO protection takes the steps of a key without a command.
  if (command == Command::Play && !PlayAllowed()) command.reset();
  RunSteps(command);
}

void ShowController::RunSteps(std::optional<Command> command, bool fromRemote) {
  // One command at most; where it stands between the common steps matters.
  view_.ClearInfo();
  if (command) RunBeforeTheBounds(*command);
  // The show list may have changed in the show list window: the count is read afresh.
  state_.showIndex = BoundShowIndex(state_.showIndex, list_.Count(), settings_.loopAll);
  RefreshInfoDisplay();
  if (command == Command::Close) view_.Close();
  UpdateCornerMarker();
  if (command == Command::StopContinuousShow)
    StopContinuousShow(fromRemote ? "stopped from the remote" : "A pressed");
}

void ShowController::KeyPressed(Key key, bool autoRepeat) {
  std::optional<Command> command = CommandForKey(key);
  if (settings_.showLock && command && ShowLock::Guards(*command)) {
    switch (lock_.Guarded(*command, autoRepeat)) {
      case ShowLock::Press::Acts:
        view_.HideLockNote();
        break;
      case ShowLock::Press::First:
        view_.ShowLockNote(ShowLockNote(key, *command), ShowLock::kSecondPressMs);
        command.reset();
        break;
      case ShowLock::Press::HeldDown:
        command.reset();
        break;
    }
  } else if (lock_.Waiting()) {
    // Another key between the two presses: the first one no longer counts.
    lock_.Forget();
    view_.HideLockNote();
  }
  // A held-back key takes the steps of a key without a command.
  Run(command);
}

void ShowController::LockNoteGone() {
  lock_.Forget();
}

void ShowController::RunBeforeTheBounds(Command command) {
  switch (command) {
    case Command::ToggleHelp:
      state_.helpVisible = !state_.helpVisible;
      break;
    case Command::ToggleCornerMarker:
      view_.ToggleCornerMarker();
      break;
    case Command::OpenShowList: {
      ShowPointer();
      const std::uint64_t before = list_.Revision();
      view_.OpenShowList();
      if (list_.Revision() != before) SaveChangedList();
      break;
    }
    case Command::OpenShowOptions:
      ShowPointer();
      view_.OpenShowOptions();
      // A new screen choice takes effect at once.
      if (state_.maximised) ApplyWindowMode();
      break;
    case Command::TogglePointer:
      if (state_.pointerVisible)
        HidePointer();
      else
        ShowPointer();
      break;
    case Command::FirstItem:
      state_.showIndex = 0;
      break;
    case Command::ToggleFrame:
      view_.ToggleFrame();
      break;
    case Command::EndOfShow:
      state_.showIndex = list_.Count();
      break;
    case Command::PreviousItem:
      state_.showIndex = state_.showIndex - 1;
      break;
    case Command::NextItem:
      state_.showIndex = state_.showIndex + 1;
      break;
    case Command::ToggleInfo:
      state_.infoVisible = !state_.infoVisible;
      break;
    case Command::ToggleMonoTexts:
      state_.monoInfo = !state_.monoInfo;
      break;
    case Command::ToggleMaximised:
      state_.maximised = !state_.maximised;
      ApplyWindowMode();
      break;
    case Command::ToggleFloatingValueWindow:
      view_.ToggleFloatingValueWindow(state_.floatingValueText);
      break;
    case Command::ToggleEyeCheckCard:
      view_.ToggleEyeCheckCard();
      break;
    case Command::Play:
      PlayStep();
      break;
    case Command::Close:               // after the texts are drawn afresh
    case Command::StopContinuousShow:  // last of all
      break;
  }
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

void ShowController::SaveChangedList() {
  RunGuarded(services_, [this] { SaveAutomaticList(list_, services_); });
}

host::ScreenRect ShowController::AreaToMaximise() {
  const CoveredArea cover = AreaToCover(ParseScreenChoice(settings_.venueScreen),
                                        services_.screen->Screens(), view_.FrameRect());
  if (cover.missingScreen && !screenMissingJournalled_ && services_.journal) {
    screenMissingJournalled_ = true;
    services_.journal->ScreenMissing(cover.missingScreen);
  }
  return cover.area;
}

void ShowController::ApplyWindowMode() {
  if (state_.maximised) {
    view_.ShowMaximised(AreaToMaximise());
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

void ShowController::SaveAtClose() {
  CollectShowSettings(state_, values_.settings);
  WriteProgramFiles(services_.exePath, values_);
  SaveAutomaticList(list_, services_);
}

void ShowController::Closed() {
  if (services_.journal) services_.journal->ProgramClosed();
}
