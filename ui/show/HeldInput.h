#pragma once
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <deque>
#include <memory>

#include "platform/Shell.h"

class ShowWindow;

// While a show item plays, the show window keeps repainting and answering the window manager,
// but what the operator does meanwhile (keys, mouse button releases, closing the window) and the
// continuous show's tick wait until the item has ended; then they are handled in the order they
// came, the tick last, as a blocked message queue would deliver them. Mouse presses and wheel
// turns meanwhile are dropped, so no dialog or list change can start inside the wait.
class HeldInput : public QObject {
  Q_OBJECT

 public:
  // The one for `form`, made on first use.
  static HeldInput& Of(ShowWindow& form);

  // For its lifetime, ticks of pauseTimer are held back; with `input`, keys and closes too.
  class Hold {
   public:
    Hold(HeldInput& owner, bool input);
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    HeldInput& owner_;
    bool input_;
  };

  // Returns when `process` has ended, handling paint and window events in short slices.
  void WaitFor(platform::Process& process);

  // Handles what was held back: keys and closes in order, then a tick that fell due (if pauseTimer
  // still runs). Called at the end of every handler that may have waited.
  void Release();

  // pauseTimer was started afresh or stopped: a tick held back from before no longer comes.
  void DropTick() { tickDue_ = false; }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  explicit HeldInput(ShowWindow& form);
  void UpdateFilter();

  struct Entry {
    QPointer<QObject> receiver;
    std::unique_ptr<QEvent> event;  // none: the window's close
  };

  ShowWindow& form_;
  int timerHolds_ = 0;
  int inputHolds_ = 0;
  bool filtering_ = false;
  bool tickDue_ = false;
  int releasingLevel_ = -1;
  std::deque<Entry> held_;
};
