#include <chrono>
#include <optional>
#include <utility>

#include "base/ErrorReport.h"
#include "core/show/ItemLaunch.h"
#include "core/show/ShowController.h"
#include "core/show/ShowJournal.h"

namespace {
// Tells the runner an item is under way for as long as it lives, also when an error ends it, and
// keeps in `since` when it started.
class ItemUnderWay {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  ItemUnderWay(ItemRunner& runner, std::optional<TimePoint>& since, TimePoint now)
      : runner_(runner), since_(since), before_(std::exchange(since, now)) {
    runner_.ItemStarting();
  }
  ~ItemUnderWay() {
    runner_.ItemDone();
    since_ = before_;
  }
  ItemUnderWay(const ItemUnderWay&) = delete;
  ItemUnderWay& operator=(const ItemUnderWay&) = delete;

 private:
  ItemRunner& runner_;
  std::optional<TimePoint>& since_;
  std::optional<TimePoint> before_;
};

// Names the process being waited for as long as it lives.
class PlayingNow {
 public:
  PlayingNow(platform::Process*& slot, platform::Process& process)
      : slot_(slot), before_(std::exchange(slot, &process)) {}
  ~PlayingNow() { slot_ = before_; }
  PlayingNow(const PlayingNow&) = delete;
  PlayingNow& operator=(const PlayingNow&) = delete;

 private:
  platform::Process*& slot_;
  platform::Process* before_;
};
}  // namespace

void ShowController::PlayItem() {
  // A tick must not start another item while this one is being opened or reported.
  const ItemUnderWay underWay(runner_, itemSince_, Now());
  view_.HideEyeCheckCard();
  handedOver_ = false;
  endedFromRemote_ = false;
  stopWhenItemEnds_.reset();
  // A copy: the show list window may change the list while the item plays.
  const std::string item = list_.Item(state_.showIndex);
  const int position = state_.showIndex + 1;
  ShowJournal* journal = services_.journal;
  const ItemLaunch launch = NativeItemLaunch(services_.exePath, item);
  if (journal) journal->ItemStarted(position, item);
  const auto started = std::chrono::steady_clock::now();
  platform::OpenResult opened = services_.shell->Open(launch.file, launch.folder);
  if (!opened.error.empty()) {
    // Journalled before the message box, which may stay open for a while.
    if (journal) journal->ItemFailed(position, item, opened.error);
    if (!opened.shownBySystem)
      services_.messages->ShowError(ErrorReportTitle(services_.exePath),
                                    ErrorReportText(opened.error));
  }
  if (opened.process) {
    const PlayingNow playing(playing_, *opened.process);
    runner_.WaitFor(*opened.process);
  } else if (opened.error.empty()) {
    handedOver_ = true;
  }
  if (journal && (opened.process || opened.error.empty()))
    journal->ItemEnded(position, item, opened.process ? opened.process->ExitStatus() : std::nullopt,
                       opened.process != nullptr,
                       std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now() - started),
                       endedFromRemote_);
  // Releasing the process closes its handle.
}

void ShowController::PlayStep() {
  view_.SetFrameVisible(false);
  ApplyWindowMode();
  state_.infoVisible = false;
  state_.helpVisible = false;
  if (state_.showIndex < list_.Count()) {
    PlayItem();
    if (settings_.continuousMode) {
      if (services_.journal && !view_.PauseRunning())
        services_.journal->ContinuousStarted(state_.showIndex + 1);
      StartPause();
    }
  } else {
    state_.infoVisible = true;
  }
  state_.showIndex = state_.showIndex + 1;
}

void ShowController::PauseElapsed() {
  // The pause runs from the end of one item to the start of the next.
  view_.StopPause();
  ApplyWindowMode();
  state_.infoVisible = false;
  state_.helpVisible = false;
  if (state_.showIndex < list_.Count())
    PlayItem();
  else
    state_.infoVisible = true;
  state_.showIndex = state_.showIndex + 1;
  StartPause();
  if (state_.showIndex >= list_.Count()) {
    if (settings_.loopAll) {
      state_.showIndex = 0;
    } else {
      state_.showIndex = list_.Count();
      if (services_.journal) services_.journal->ContinuousStopped(0, "end of the list");
      view_.StopPause();
      view_.SetMarkerColour(MarkerColour::Purple);
    }
  }
}

void ShowController::StartPause() {
  // The remote's stop during the item: the pause that would follow it does not start.
  if (const std::optional<int32_t> position = std::exchange(stopWhenItemEnds_, std::nullopt)) {
    if (services_.journal)
      services_.journal->ContinuousStopped(*position, "stopped from the remote");
    view_.StopPause();
    return;
  }
  view_.StartPause(kPauseMs);
}

void ShowController::StopContinuousShow(const char* reason) {
  if (services_.journal && view_.PauseRunning())
    services_.journal->ContinuousStopped(state_.showIndex + 1, reason);
  view_.StopPause();
}

ShowController::EndItemResult ShowController::EndRunningItem() {
  if (playing_) {
    if (!playing_->End()) return EndItemResult::CannotEnd;
    endedFromRemote_ = true;
    return EndItemResult::Ended;
  }
  return handedOver_ ? EndItemResult::CannotEnd : EndItemResult::NonePlaying;
}

std::chrono::steady_clock::time_point ShowController::Now() const {
  return services_.clock ? services_.clock() : std::chrono::steady_clock::now();
}

std::optional<std::chrono::milliseconds> ShowController::SinceLastPlayInsideProtection() const {
  const std::chrono::milliseconds protection(settings_.goProtection);
  if (protection.count() <= 0 || !lastPlay_) return std::nullopt;
  const auto pressed = runner_.HeldInputTime().value_or(Now());
  const auto since = std::chrono::duration_cast<std::chrono::milliseconds>(pressed - *lastPlay_);
  if (since >= protection) return std::nullopt;
  return since;
}

bool ShowController::PlayWouldBeDropped() const {
  return SinceLastPlayInsideProtection().has_value();
}

bool ShowController::PlayAllowed() {
  if (const auto since = SinceLastPlayInsideProtection()) {
    if (services_.journal)
      services_.journal->PlayDropped(state_.showIndex + 1, *since,
                                     std::chrono::milliseconds(settings_.goProtection));
    return false;
  }
  lastPlay_ = runner_.HeldInputTime().value_or(Now());
  return true;
}
