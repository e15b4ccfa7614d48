#include <QTimer>
#include <chrono>

#include "core/ErrorReport.h"
#include "core/HandlerGuard.h"
#include "core/show/ItemLaunch.h"
#include "core/show/ShowJournal.h"
#include "core/show/ShowState.h"
#include "platform/Foreground.h"
#include "ui/controls/Shape.h"
#include "ui/show/HeldInput.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

namespace {
constexpr int kTimer1Interval = 1500;
const QColor kPurple(0x80, 0x00, 0x80);

// (Re)starts the pause before the next item. A coarse timer may fire up to 5 % early; the
// pause is a promise to the audience, so it is kept to the millisecond.
void StartPause(QTimer& timer) {
  timer.setTimerType(Qt::PreciseTimer);
  timer.setInterval(kTimer1Interval);
  timer.start();
}
}  // namespace

void ShowWindow::PlayItem() {
  HeldInput& held = HeldInput::Of(*this);
  // A tick must not start another item while this one is being opened or reported.
  HeldInput::Hold hold(held, false);
  HideEyeCheckCard();
  // A copy: the show list window may change the list while the item plays.
  const std::string item = list_.Item(state_.showIndex);
  const int position = state_.showIndex + 1;
  ShowJournal* journal = services().journal;
  const ItemLaunch launch = NativeItemLaunch(services().exePath, item);
  if (journal) journal->ItemStarted(position, item);
  const auto started = std::chrono::steady_clock::now();
  platform::OpenResult opened = services().shell->Open(launch.file, launch.folder);
  if (!opened.error.empty()) {
    // Journalled before the message box, which may stay open for a while.
    if (journal) journal->ItemFailed(position, item, opened.error);
    services().messages->ShowError(ErrorReportTitle(services().exePath),
                                   ErrorReportText(opened.error));
  }
  if (opened.process) {
    held.WaitFor(*opened.process);
    // The next key must reach this window without a click, in front of the audience.
    platform::TakeKeyboardBack(static_cast<std::uintptr_t>(winId()));
  }
  if (journal && (opened.process || opened.error.empty()))
    journal->ItemEnded(position, item, opened.process ? opened.process->ExitStatus() : std::nullopt,
                       opened.process != nullptr,
                       std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now() - started));
  // Releasing the process closes its handle.
}

void ShowWindow::PlayStep() {
  for (Shape* shape : FrameShapes()) shape->setVisible(false);
  ApplyWindowMode();
  state_.infoVisible = false;
  state_.helpVisible = false;
  if (state_.showIndex < Count()) {
    PlayItem();
    if (state_.continuousMode) {
      if (services().journal && !pauseTimer->isActive())
        services().journal->ContinuousStarted(state_.showIndex + 1);
      StartPause(*pauseTimer);
      HeldInput::Of(*this).DropTick();
    }
  } else {
    state_.infoVisible = true;
  }
  state_.showIndex = state_.showIndex + 1;
}

void ShowWindow::PauseElapsed() {
  HeldInput& held = HeldInput::Of(*this);
  RunGuarded(services(), [&] {
    // The pause runs from the end of one item to the start of the next.
    pauseTimer->stop();
    held.DropTick();
    ApplyWindowMode();
    state_.infoVisible = false;
    state_.helpVisible = false;
    if (state_.showIndex < Count())
      PlayItem();
    else
      state_.infoVisible = true;
    state_.showIndex = state_.showIndex + 1;
    StartPause(*pauseTimer);
    held.DropTick();
    if (state_.showIndex >= Count()) {
      if (state_.loopAll) {
        state_.showIndex = 0;
      } else {
        state_.showIndex = Count();
        if (services().journal) services().journal->ContinuousStopped(0, "end of the list");
        pauseTimer->stop();  // so that the stop below is not journalled as one by A
        StopContinuousShow();
        cornerMarker->SetBrushColour(kPurple);
      }
    }
  });
  held.Release();
}

void ShowWindow::StopContinuousShow() {
  if (services().journal && pauseTimer->isActive())
    services().journal->ContinuousStopped(state_.showIndex + 1, "A pressed");
  pauseTimer->stop();
  pauseTimer->setInterval(kTimer1Interval);
  HeldInput::Of(*this).DropTick();
}
