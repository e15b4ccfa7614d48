#include "ui/show/ItemWait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>

#include <QWidget>
#include <utility>

#include "platform/Foreground.h"

namespace {
// Short enough that repainting never lags visibly, long enough to cost nothing while waiting.
constexpr int kWaitSliceMs = 10;
}  // namespace

ItemWait::ItemWait(QWidget& window, QTimer& pauseTimer, std::function<void()> tick)
    : QObject(&window), window_(window), pauseTimer_(pauseTimer), tick_(std::move(tick)) {}

void ItemWait::ItemStarting() {
  ++timerHolds_;
  UpdateFilter();
}

void ItemWait::ItemDone() {
  --timerHolds_;
  UpdateFilter();
}

void ItemWait::UpdateFilter() {
  const bool wanted = timerHolds_ > 0 || inputHolds_ > 0;
  if (wanted == filtering_) return;
  filtering_ = wanted;
  if (wanted)
    QCoreApplication::instance()->installEventFilter(this);
  else
    QCoreApplication::instance()->removeEventFilter(this);
}

void ItemWait::WaitFor(platform::Process& process) {
  {
    // Input is held for the wait alone, also when it ends by an error.
    struct InputHold {
      ItemWait& wait;
      explicit InputHold(ItemWait& w) : wait(w) {
        ++wait.inputHolds_;
        wait.UpdateFilter();
      }
      ~InputHold() {
        --wait.inputHolds_;
        wait.UpdateFilter();
      }
    } hold(*this);
    // What comes during this item's wait comes now, not with the held input that played it.
    const auto heldTime = std::exchange(heldInputTime_, std::nullopt);
    while (!process.WaitFor(kWaitSliceMs)) QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Keys already on their way when the item ended belong before anything that follows.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    heldInputTime_ = heldTime;
  }
  // The next key must reach this window without a click, in front of the audience.
  platform::TakeKeyboardBack(static_cast<std::uintptr_t>(window_.winId()));
}

bool ItemWait::eventFilter(QObject* object, QEvent* event) {
  switch (event->type()) {
    case QEvent::Timer:
      if (object == &pauseTimer_) {
        tickDue_ = true;
        return true;
      }
      break;
    // Clicks, double-clicks and wheel turns while an item plays are dropped: replayed later they
    // would act on whatever lies under the pointer by then (a dialog, a list changed meanwhile),
    // and started inside the wait they would hold the show up. A release is held instead, so a
    // click begun before the item ends after it; one whose press was dropped finds nothing to end.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TabletPress:
      if (inputHolds_ > 0) return true;
      break;
    case QEvent::MouseMove:
      // A drag stays where it was; hovering goes on.
      if (inputHolds_ > 0 && static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton)
        return true;
      break;
    case QEvent::MouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      if (inputHolds_ > 0) {
        held_.push_back(
            {object, std::unique_ptr<QEvent>(event->clone()), std::chrono::steady_clock::now()});
        return true;
      }
      break;
    case QEvent::Close:
      if (inputHolds_ > 0 && object == &window_) {
        event->ignore();
        held_.push_back({object, nullptr, std::chrono::steady_clock::now()});
        return true;
      }
      break;
    default:
      break;
  }
  return false;
}

void ItemWait::Release() {
  // A release already draining this event loop's queue goes on with what is added meanwhile;
  // a modal window's own loop further in drains its part itself.
  const int level = QThread::currentThread()->loopLevel();
  if (releasingLevel_ == level) return;
  const int outer = releasingLevel_;
  releasingLevel_ = level;
  for (;;) {
    if (!held_.empty()) {
      Entry entry = std::move(held_.front());
      held_.pop_front();
      if (!entry.receiver) continue;
      const auto outerTime = std::exchange(heldInputTime_, entry.came);
      if (entry.event)
        QCoreApplication::sendEvent(entry.receiver, entry.event.get());
      else
        window_.close();
      heldInputTime_ = outerTime;
      continue;
    }
    if (tickDue_) {
      tickDue_ = false;
      if (pauseTimer_.isActive()) tick_();
      continue;
    }
    break;
  }
  releasingLevel_ = outer;
}
