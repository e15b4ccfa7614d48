#pragma once
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>

#include "core/show/ItemRunner.h"

class QTimer;
class QWidget;

// While a show item plays, the show window keeps repainting and answering the window manager,
// but what the operator does meanwhile (keys, mouse button releases, closing the window) and the
// continuous show's tick wait until the item has ended; then they are handled in the order they
// came, the tick last, as a blocked message queue would deliver them. Mouse presses and wheel
// turns meanwhile are dropped, so no dialog or list change can start inside the wait.
class ItemWait : public QObject, public ItemRunner {
  Q_OBJECT

 public:
  // `tick` runs a tick of `pauseTimer` that was held back.
  ItemWait(QWidget& window, QTimer& pauseTimer, std::function<void()> tick);

  void ItemStarting() override;
  void ItemDone() override;
  // Returns when `process` has ended, handling paint and window events in short slices; then
  // gives the keyboard back to the window.
  void WaitFor(platform::Process& process) override;
  // While a held key or close is handled: when it came.
  std::optional<std::chrono::steady_clock::time_point> HeldInputTime() const override {
    return heldInputTime_;
  }

  // Handles what was held back: keys and closes in order, then a tick that fell due (if the
  // pause still runs). Called at the end of every handler that may have waited.
  void Release();

  // The pause was started afresh or stopped: a tick held back from before no longer comes.
  void DropTick() { tickDue_ = false; }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  void UpdateFilter();

  struct Entry {
    QPointer<QObject> receiver;
    std::unique_ptr<QEvent> event;  // none: the window's close
    std::chrono::steady_clock::time_point came;
  };

  QWidget& window_;
  QTimer& pauseTimer_;
  std::function<void()> tick_;
  int timerHolds_ = 0;
  int inputHolds_ = 0;
  bool filtering_ = false;
  bool tickDue_ = false;
  int releasingLevel_ = -1;
  std::deque<Entry> held_;
  std::optional<std::chrono::steady_clock::time_point> heldInputTime_;
};
