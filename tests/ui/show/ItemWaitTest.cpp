#include <QCoreApplication>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QThread>
#include <QTimer>
#include <QTimerEvent>
#include <QWheelEvent>
#include <filesystem>

#include "UiFixture.h"
#include "core/show/Key.h"
#include "core/show/ShowState.h"
#include "showlist/ShowListWindowAccess.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListWindow.h"

namespace fs = std::filesystem;

namespace {

// A shell whose items play for a number of wait slices, running `during` in each of them as
// if the operator or the system acted while the item plays.
class PlayingShell : public platform::Shell {
 public:
  struct Playing : platform::Process {
    Playing(PlayingShell& shell, int slices) : shell_(shell), slices_(slices) {}
    ~Playing() override { ++shell_.closed; }
    bool WaitFor(int) override {
      if (slices_ == 0) return true;
      --slices_;
      if (shell_.during) shell_.during(slices_);
      return false;
    }
    PlayingShell& shell_;
    int slices_;
  };
  platform::OpenResult Open(const std::string& file, const std::string&) override {
    files.push_back(fs::path(file).filename().string());
    platform::OpenResult result;
    result.process = std::make_unique<Playing>(*this, slices);
    return result;
  }
  int slices = 3;
  std::function<void(int sliceLeft)> during;
  std::vector<std::string> files;
  int closed = 0;
};

// What the operator does while an item plays waits until it has ended (ItemWait).
class PlayWhileWaiting : public UiFixture {
 protected:
  PlayWhileWaiting() {
    services.shell = &playing;
    Activate();
    app->List().Assign({"a.avi", "b.avi", "c.avi"});
  }
  void KeyDown(Key key) { app->ShowWindow().KeyDown(key); }
  PlayingShell playing;
};

void PostKey(QWidget& window, Qt::Key key) {
  QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
}

}  // namespace

TEST_F(PlayWhileWaiting, KeysDuringAnItemActAfterItInOrder) {
  bool repainted = false;
  playing.during = [&](int sliceLeft) {
    if (sliceLeft == 2) {
      PostKey(app->ShowWindow(), Qt::Key_6);
      PostKey(app->ShowWindow(), Qt::Key_1);
      PostKey(app->ShowWindow(), Qt::Key_6);
      PostKey(app->ShowWindow(), Qt::Key_H);
      QTimer::singleShot(0, [&] { repainted = true; });  // the event loop goes on meanwhile
    }
    if (sliceLeft == 1) {
      EXPECT_EQ(app->State().showIndex, 0);  // nothing handled yet
      EXPECT_FALSE(app->State().helpVisible);
    }
  };
  KeyDown(Key::Space);
  EXPECT_TRUE(repainted);
  EXPECT_EQ(playing.files, std::vector<std::string>{"a.avi"});
  EXPECT_EQ(playing.closed, 1);          // the process handle is released after the wait
  EXPECT_EQ(app->State().showIndex, 1);  // the play step's +1, then 6, 1 and 6 in that order
  EXPECT_TRUE(app->State().helpVisible);
}

TEST_F(PlayWhileWaiting, KeysPlayingItemsKeepTheirOrder) {
  // SPACE pressed during an item plays the next one after it; keys pressed during that one
  // come after the keys pressed earlier.
  int opened = 0;
  playing.during = [&](int sliceLeft) {
    if (sliceLeft != 2) return;
    ++opened;
    if (opened == 1) {
      PostKey(app->ShowWindow(), Qt::Key_Space);
      PostKey(app->ShowWindow(), Qt::Key_1);
    } else if (opened == 2) {
      PostKey(app->ShowWindow(), Qt::Key_0);
    }
  };
  KeyDown(Key::Space);
  // a.avi, then SPACE plays b.avi (index 1 -> 2), then 1 (index 0), then 0 (end of show).
  EXPECT_EQ(playing.files, (std::vector<std::string>{"a.avi", "b.avi"}));
  EXPECT_EQ(app->State().showIndex, 3);
}

TEST_F(PlayWhileWaiting, ATickDueDuringAnItemComesAfterTheKeys) {
  // A show runs; Continuous was unticked, so SPACE does not restart the timer.
  ShowControls().pauseTimer()->start(1500);
  playing.during = [&](int sliceLeft) {
    if (sliceLeft != 2 || playing.files.size() != 1) return;
    PostKey(app->ShowWindow(), Qt::Key_6);
    QTimerEvent due(ShowControls().pauseTimer()->timerId());
    QCoreApplication::sendEvent(ShowControls().pauseTimer(), &due);
  };
  KeyDown(Key::Space);
  // a.avi plays; then 6 moves on to c.avi's place, and only then the tick plays it.
  EXPECT_EQ(playing.files, (std::vector<std::string>{"a.avi", "c.avi"}));
  EXPECT_EQ(app->State().showIndex, 3);
  EXPECT_FALSE(ShowControls().pauseTimer()->isActive());  // it played the last item: the show ends
}

TEST_F(PlayWhileWaiting, AStopsAShowWhoseTickFellDueDuringTheItem) {
  ShowControls().pauseTimer()->start(1500);
  playing.during = [&](int sliceLeft) {
    if (sliceLeft != 2) return;
    // The tick falls due first, but keys come before ticks: A stops the show before it.
    QTimerEvent due(ShowControls().pauseTimer()->timerId());
    QCoreApplication::sendEvent(ShowControls().pauseTimer(), &due);
    PostKey(app->ShowWindow(), Qt::Key_A);
  };
  KeyDown(Key::Space);
  EXPECT_EQ(playing.files, std::vector<std::string>{"a.avi"});
  EXPECT_FALSE(ShowControls().pauseTimer()->isActive());
}

TEST_F(PlayWhileWaiting, ClosingTheWindowDuringAnItemWaitsForIt) {
  app->ShowWindow().show();
  const std::string list = ProgramFile(".LST");
  playing.during = [&](int sliceLeft) {
    if (sliceLeft != 2) return;
    app->ShowWindow().close();
    EXPECT_TRUE(app->ShowWindow().isVisible());
    EXPECT_FALSE(fs::exists(list));
  };
  KeyDown(Key::Space);
  EXPECT_FALSE(app->ShowWindow().isVisible());
  EXPECT_TRUE(fs::exists(list));
}

namespace {
void PostMouse(QWidget* widget, QEvent::Type type, Qt::MouseButtons buttons) {
  const QPointF at(widget->rect().center());
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QCoreApplication::postEvent(
      widget, new QMouseEvent(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier));
}
}  // namespace

TEST_F(PlayWhileWaiting, ClicksDuringAnItemAreDroppedNotReplayed) {
  // The show list window is open during a continuous show: a click on "Load list" meanwhile
  // must not open the dialog inside the wait, nor after it.
  app->ListWindow().show();
  std::vector<std::string> many;
  for (int i = 0; i < 200; ++i) many.push_back(std::to_string(i) + ".avi");
  app->ListWindow().List().Assign(many);
  QWidget* viewport = Controls(app->ListWindow()).listView->viewport();
  QCoreApplication::processEvents();  // the view lays its items out
  ASSERT_GT(Controls(app->ListWindow()).listView->verticalScrollBar()->maximum(), 0);
  const int scrolled = Controls(app->ListWindow()).listView->verticalScrollBar()->value();
  playing.during = [&](int sliceLeft) {
    if (sliceLeft == 2) {
      PostMouse(Controls(app->ListWindow()).loadListButton, QEvent::MouseButtonPress,
                Qt::LeftButton);
      PostMouse(Controls(app->ListWindow()).loadListButton, QEvent::MouseButtonRelease,
                Qt::NoButton);
      PostMouse(Controls(app->ListWindow()).loadListButton, QEvent::MouseButtonDblClick,
                Qt::LeftButton);
      PostMouse(Controls(app->ListWindow()).loadListButton, QEvent::MouseButtonRelease,
                Qt::NoButton);
      const QPointF at(viewport->rect().center());
      QCoreApplication::postEvent(
          viewport, new QWheelEvent(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -600),
                                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false));
    }
    if (sliceLeft == 1) EXPECT_TRUE(dialogs.requests.empty());
  };
  KeyDown(Key::Space);
  QCoreApplication::processEvents();
  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_EQ(Controls(app->ListWindow()).listView->verticalScrollBar()->value(), scrolled);
  EXPECT_EQ(app->State().showIndex, 1);
}

TEST_F(PlayWhileWaiting, AClickBegunBeforeAnItemEndsAfterIt) {
  app->ListWindow().show();
  QMouseEvent press(QEvent::MouseButtonPress,
                    QPointF(Controls(app->ListWindow()).loadListButton->rect().center()), QPointF(),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(Controls(app->ListWindow()).loadListButton, &press);
  playing.during = [&](int sliceLeft) {
    if (sliceLeft == 2)
      PostMouse(Controls(app->ListWindow()).loadListButton, QEvent::MouseButtonRelease,
                Qt::NoButton);
    if (sliceLeft == 1) EXPECT_TRUE(dialogs.requests.empty());
  };
  KeyDown(Key::Space);
  EXPECT_EQ(dialogs.requests.size(), 1u);  // the click's release came after the item
}

TEST_F(PlayWhileWaiting, APlayHeldBackCountsForGoProtectionFromItsPress) {
  app->Values().settings.goProtection = 400;
  playing.during = [&](int sliceLeft) {
    if (sliceLeft == 2) PostKey(app->ShowWindow(), Qt::Key_Space);
    // Handled only after the protection has run out, yet pressed inside it: dropped.
    if (sliceLeft == 0) QThread::msleep(600);
  };
  KeyDown(Key::Space);
  EXPECT_EQ(playing.files, std::vector<std::string>{"a.avi"});
  EXPECT_EQ(app->State().showIndex, 1);
}
