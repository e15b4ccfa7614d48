#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTimerEvent>
#include <QWheelEvent>
#include <filesystem>

#include "UiFixture.h"
#include "core/show/ShowState.h"
#include "platform/SystemColours.h"
#include "ui/controls/Label.h"
#include "ui/controls/Memo.h"
#include "ui/controls/Shape.h"
#include "ui/show/ShowWindow.h"
#include "ui/show/VirtualKeyFromQt.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

namespace fs = std::filesystem;

namespace {

const QColor kPurple(0x80, 0x00, 0x80);

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

class Play : public UiFixture {
 protected:
  Play() {
    Activate();
    app->ListWindow().Items().Assign({"a.avi", "b.avi", "c.avi"});
  }
  void Key(int key) { app->Show().KeyDown(key); }
  void Tick() { app->Show().PauseElapsed(); }
  std::vector<std::string> Played() const {
    std::vector<std::string> names;
    for (const auto& launch : shell.launches)
      names.push_back(fs::path(launch.file).filename().string());
    return names;
  }
  QString Number() const { return app->Show().numberLabelLeft->text(); }
  QTimer* Timer() const { return app->Show().pauseTimer; }
};

void PostKey(QWidget& window, Qt::Key key) {
  QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
}

}  // namespace

TEST_F(Play, HandsTheItemAndItsFolderToTheShell) {
  app->ListWindow().Items().Assign(
      {"clips\\intro.sh", "..\\media\\b c.avi", "\\srv\\x.avi", "top.avi"});
  for (int i = 0; i < 4; ++i) Key(VK_SPACE_KEY);
  ASSERT_EQ(shell.launches.size(), 4u);
  const std::string program = dir.path().string() + "/";
  EXPECT_EQ(shell.launches[0].file, program + "clips/intro.sh");
  EXPECT_EQ(shell.launches[0].folder, program + "clips/");
  EXPECT_EQ(shell.launches[1].file, program + "../media/b c.avi");
  EXPECT_EQ(shell.launches[1].folder, program + "../media/");
  EXPECT_EQ(shell.launches[2].file, "/srv/x.avi");  // a full path starts as it stands
  EXPECT_EQ(shell.launches[2].folder, "/srv/");
  EXPECT_EQ(shell.launches[3].folder, program);  // an item in the program's folder
}

TEST_F(Play, PlayStepOnAnItem) {
  app->Show().frameRectLeft->setVisible(true);
  Key(VK_RETURN_KEY);
  EXPECT_EQ(Played(), std::vector<std::string>{"a.avi"});
  EXPECT_EQ(app->State().showIndex, 1);
  EXPECT_FALSE(app->State().infoVisible);
  EXPECT_FALSE(app->State().helpVisible);
  EXPECT_EQ(Number(), "");
  EXPECT_TRUE(app->Show().helpLeft->isHidden());
  EXPECT_TRUE(app->Show().frameRectLeft->isHidden());
  EXPECT_FALSE(Timer()->isActive());  // not in continuous mode
}

TEST_F(Play, PlayStepAtTheEndOfShowStartsNothing) {
  app->State().continuousMode = true;
  app->State().maximised = true;
  Key('0');
  app->Show().frameLineRight->setVisible(true);
  Key(VK_SPACE_KEY);
  EXPECT_TRUE(shell.launches.empty());
  EXPECT_EQ(app->State().showIndex, 3);
  EXPECT_EQ(Number(), "END");
  EXPECT_TRUE(app->Show().helpLeft->isHidden());
  EXPECT_TRUE(app->Show().frameLineRight->isHidden());
  EXPECT_FALSE(app->State().pointerVisible);  // brought into maximised mode
  EXPECT_FALSE(Timer()->isActive());

  app->ListWindow().Items().Assign({});
  Key(VK_SPACE_KEY);
  EXPECT_TRUE(shell.launches.empty());
  EXPECT_EQ(app->State().showIndex, 0);
  EXPECT_FALSE(Timer()->isActive());
}

TEST_F(Play, ContinuousShowRunsToItsPurpleStop) {
  app->State().continuousMode = true;
  Key(VK_SPACE_KEY);
  EXPECT_TRUE(Timer()->isActive());
  EXPECT_EQ(Timer()->interval(), 1500);
  Tick();
  EXPECT_TRUE(Timer()->isActive());
  EXPECT_EQ(app->State().showIndex, 2);
  // The tick that plays the last item finds the end after it: the show stops there, purple,
  // without refreshing the labels.
  Tick();
  EXPECT_EQ(Played(), (std::vector<std::string>{"a.avi", "b.avi", "c.avi"}));
  EXPECT_FALSE(Timer()->isActive());
  EXPECT_EQ(Timer()->interval(), 1500);
  EXPECT_EQ(app->State().showIndex, 3);
  EXPECT_EQ(Number(), "");
  EXPECT_EQ(app->Show().cornerMarker->BrushColour(), kPurple);
}

TEST_F(Play, ContinuousShowOnTheLastItemStopsAfterOneTick) {
  app->State().continuousMode = true;
  Key('6');
  Key('6');
  Key(VK_SPACE_KEY);
  EXPECT_EQ(Played(), std::vector<std::string>{"c.avi"});
  EXPECT_EQ(app->State().showIndex, 3);
  EXPECT_TRUE(Timer()->isActive());
  Tick();
  EXPECT_EQ(shell.launches.size(), 1u);
  EXPECT_FALSE(Timer()->isActive());
  EXPECT_TRUE(app->State().infoVisible);
  EXPECT_EQ(Number(), "");  // as the play step left it: the tick refreshes nothing
  EXPECT_EQ(app->Show().cornerMarker->BrushColour(), kPurple);
}

TEST_F(Play, LoopAllCirclesUntilA) {
  app->State().continuousMode = true;
  app->State().loopAll = true;
  Key('6');
  Key('6');
  Key(VK_SPACE_KEY);  // the last item leads back to the first
  EXPECT_EQ(app->State().showIndex, 0);
  Tick();
  Tick();
  Tick();  // c.avi, then round again
  Tick();
  EXPECT_EQ(Played(), (std::vector<std::string>{"c.avi", "a.avi", "b.avi", "c.avi", "a.avi"}));
  EXPECT_EQ(app->State().showIndex, 1);
  EXPECT_TRUE(Timer()->isActive());
  // Unticking Continuous does not stop a running show; A does.
  app->State().continuousMode = false;
  Tick();
  EXPECT_TRUE(Timer()->isActive());
  Key('A');
  EXPECT_FALSE(Timer()->isActive());
  EXPECT_EQ(Timer()->interval(), 1500);
  EXPECT_EQ(shell.launches.size(), 6u);
}

TEST_F(Play, AnItemThatCannotBeOpenedIsReportedAndTheShowGoesOn) {
  app->State().continuousMode = true;
  shell.error = "Cannot open file \"/x/a.avi\". No such file or directory";
  Key(VK_SPACE_KEY);
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_EQ(messages.errors[0].first, "quadrel");  // the program's title
  EXPECT_EQ(messages.errors[0].second, shell.error + ".");
  EXPECT_EQ(app->State().showIndex, 1);
  EXPECT_TRUE(Timer()->isActive());
  shell.error.clear();
  Tick();
  EXPECT_EQ(Played(), (std::vector<std::string>{"a.avi", "b.avi"}));
}

class PlayWhileWaiting : public Play {
 protected:
  PlayWhileWaiting() { services.shell = &playing; }
  PlayingShell playing;
};

TEST_F(PlayWhileWaiting, KeysDuringAnItemActAfterItInOrder) {
  bool repainted = false;
  playing.during = [&](int sliceLeft) {
    if (sliceLeft == 2) {
      PostKey(app->Show(), Qt::Key_6);
      PostKey(app->Show(), Qt::Key_1);
      PostKey(app->Show(), Qt::Key_6);
      PostKey(app->Show(), Qt::Key_H);
      QTimer::singleShot(0, [&] { repainted = true; });  // the event loop goes on meanwhile
    }
    if (sliceLeft == 1) {
      EXPECT_EQ(app->State().showIndex, 0);  // nothing handled yet
      EXPECT_FALSE(app->State().helpVisible);
    }
  };
  Key(VK_SPACE_KEY);
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
      PostKey(app->Show(), Qt::Key_Space);
      PostKey(app->Show(), Qt::Key_1);
    } else if (opened == 2) {
      PostKey(app->Show(), Qt::Key_0);
    }
  };
  Key(VK_SPACE_KEY);
  // a.avi, then SPACE plays b.avi (index 1 -> 2), then 1 (index 0), then 0 (end of show).
  EXPECT_EQ(playing.files, (std::vector<std::string>{"a.avi", "b.avi"}));
  EXPECT_EQ(app->State().showIndex, 3);
}

TEST_F(PlayWhileWaiting, ATickDueDuringAnItemComesAfterTheKeys) {
  // A show runs; Continuous was unticked, so SPACE does not restart the timer.
  app->Show().pauseTimer->start(1500);
  playing.during = [&](int sliceLeft) {
    if (sliceLeft != 2 || playing.files.size() != 1) return;
    PostKey(app->Show(), Qt::Key_6);
    QTimerEvent due(app->Show().pauseTimer->timerId());
    QCoreApplication::sendEvent(app->Show().pauseTimer, &due);
  };
  Key(VK_SPACE_KEY);
  // a.avi plays; then 6 moves on to c.avi's place, and only then the tick plays it.
  EXPECT_EQ(playing.files, (std::vector<std::string>{"a.avi", "c.avi"}));
  EXPECT_EQ(app->State().showIndex, 3);
  EXPECT_FALSE(app->Show().pauseTimer->isActive());  // it played the last item: the show ends
}

TEST_F(PlayWhileWaiting, AStopsAShowWhoseTickFellDueDuringTheItem) {
  app->Show().pauseTimer->start(1500);
  playing.during = [&](int sliceLeft) {
    if (sliceLeft != 2) return;
    // The tick falls due first, but keys come before ticks: A stops the show before it.
    QTimerEvent due(app->Show().pauseTimer->timerId());
    QCoreApplication::sendEvent(app->Show().pauseTimer, &due);
    PostKey(app->Show(), Qt::Key_A);
  };
  Key(VK_SPACE_KEY);
  EXPECT_EQ(playing.files, std::vector<std::string>{"a.avi"});
  EXPECT_FALSE(app->Show().pauseTimer->isActive());
}

TEST_F(PlayWhileWaiting, ClosingTheWindowDuringAnItemWaitsForIt) {
  app->Show().show();
  const std::string list = ProgramFile(".LST");
  playing.during = [&](int sliceLeft) {
    if (sliceLeft != 2) return;
    app->Show().close();
    EXPECT_TRUE(app->Show().isVisible());
    EXPECT_FALSE(fs::exists(list));
  };
  Key(VK_SPACE_KEY);
  EXPECT_FALSE(app->Show().isVisible());
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
  app->ListWindow().Items().Assign(many);
  QWidget* viewport = app->ListWindow().listView->viewport();
  QCoreApplication::processEvents();  // the view lays its items out
  ASSERT_GT(app->ListWindow().listView->verticalScrollBar()->maximum(), 0);
  const int scrolled = app->ListWindow().listView->verticalScrollBar()->value();
  playing.during = [&](int sliceLeft) {
    if (sliceLeft == 2) {
      PostMouse(app->ListWindow().loadListButton, QEvent::MouseButtonPress, Qt::LeftButton);
      PostMouse(app->ListWindow().loadListButton, QEvent::MouseButtonRelease, Qt::NoButton);
      PostMouse(app->ListWindow().loadListButton, QEvent::MouseButtonDblClick, Qt::LeftButton);
      PostMouse(app->ListWindow().loadListButton, QEvent::MouseButtonRelease, Qt::NoButton);
      const QPointF at(viewport->rect().center());
      QCoreApplication::postEvent(
          viewport, new QWheelEvent(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -600),
                                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false));
    }
    if (sliceLeft == 1) EXPECT_TRUE(dialogs.requests.empty());
  };
  Key(VK_SPACE_KEY);
  QCoreApplication::processEvents();
  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_EQ(app->ListWindow().listView->verticalScrollBar()->value(), scrolled);
  EXPECT_EQ(app->State().showIndex, 1);
}

TEST_F(PlayWhileWaiting, AClickBegunBeforeAnItemEndsAfterIt) {
  app->ListWindow().show();
  QMouseEvent press(QEvent::MouseButtonPress,
                    QPointF(app->ListWindow().loadListButton->rect().center()), QPointF(),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(app->ListWindow().loadListButton, &press);
  playing.during = [&](int sliceLeft) {
    if (sliceLeft == 2)
      PostMouse(app->ListWindow().loadListButton, QEvent::MouseButtonRelease, Qt::NoButton);
    if (sliceLeft == 1) EXPECT_TRUE(dialogs.requests.empty());
  };
  Key(VK_SPACE_KEY);
  EXPECT_EQ(dialogs.requests.size(), 1u);  // the click's release came after the item
}
