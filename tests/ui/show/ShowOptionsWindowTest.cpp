// The show options window over the screens connected now, and the show lock's note in the show
// window's halves.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include "ShowOptionsWindowTestAccess.h"
#include "UiFixture.h"
#include "ui/controls/Label.h"
#include "ui/show/ShowOptionsWindow.h"
#include "ui/show/ShowWindow.h"

namespace {

class ShowOptions : public UiFixture {
 protected:
  ShowOptions() {
    screen.screens = {{"HDMI-1", {1280, 0, 1920, 1080}, false}, {"eDP-1", {0, 0, 1280, 800}, true}};
  }
  // O in the show window; `whileOpen` runs in the modal window, which is then closed.
  void OpenWithO(const std::function<void(OptionsControls&)>& whileOpen) {
    bool ran = false;
    QTimer::singleShot(0, &app->OptionsWindow(), [&] {
      OptionsControls controls(app->OptionsWindow());
      whileOpen(controls);
      ran = true;
      app->OptionsWindow().reject();
    });
    app->ShowWindow().KeyDown(Key::O);
    EXPECT_TRUE(ran);
  }
  Settings& settings() { return app->Values().settings; }
};

}  // namespace

TEST_F(ShowOptions, ScreensAreListedLeftToRightAndEachChoiceIsInTheSettingsAtOnce) {
  Activate();
  OpenWithO([&](OptionsControls& c) {
    EXPECT_TRUE(app->OptionsWindow().isModal());
    EXPECT_TRUE(c.windowScreen->isChecked());
    ASSERT_EQ(c.screenList->count(), 2);
    EXPECT_TRUE(
        c.screenList->itemText(0).startsWith("1: 1280 \u00d7 800 at 0, 0 (eDP-1), primary"));
    EXPECT_TRUE(c.screenList->itemText(1).startsWith("2: 1920 \u00d7 1080 at 1280, 0"));
    EXPECT_TRUE(c.screenNote->isHidden());

    c.screenList->setCurrentIndex(1);
    emit c.screenList->activated(1);  // the operator's choice
    EXPECT_TRUE(c.numberedScreen->isChecked());
    EXPECT_EQ(settings().venueScreen, "2");

    c.allScreens->click();
    EXPECT_EQ(settings().venueScreen, "all");
    // Screens of two widths: the halves do not fall one on each, and the window says so.
    EXPECT_FALSE(c.screenNote->isHidden());
    EXPECT_TRUE(c.screenNote->text().contains("1280 and 1920"));

    c.windowScreen->click();
    EXPECT_EQ(settings().venueScreen, "window");
    c.showLock->click();
    c.offerResume->click();
  });
  EXPECT_TRUE(settings().showLock);
  EXPECT_FALSE(settings().offerResume);
}

TEST_F(ShowOptions, AChosenScreenThatIsGoneStaysChosenAndIsNamedSo) {
  dir.write("quadrel.INI", "[Venue]\r\nScreen=3\r\n");
  Activate();
  OpenWithO([&](OptionsControls& c) {
    EXPECT_TRUE(c.numberedScreen->isChecked());
    ASSERT_EQ(c.screenList->count(), 3);
    EXPECT_EQ(c.screenList->currentIndex(), 2);
    EXPECT_EQ(c.screenList->itemText(2), "3: not connected");
    EXPECT_TRUE(c.screenNote->text().contains("Screen 3 is not connected"));
  });
  EXPECT_EQ(settings().venueScreen, "3");

  // Connected meanwhile: the next opening lists it.
  screen.screens.push_back({"DP-2", {3200, 0, 1920, 1080}, false});
  OpenWithO([&](OptionsControls& c) {
    EXPECT_EQ(c.screenList->itemText(2).left(2), "3:");
    EXPECT_TRUE(c.screenList->itemText(2).contains("DP-2"));
    EXPECT_TRUE(c.screenNote->isHidden());
  });
}

TEST_F(ShowOptions, TheLocksNoteStandsInBothHalvesAndGoesByItself) {
  dir.write("quadrel.INI", "[Venue]\r\nShowLock=1\r\n");
  Activate();
  ShowWindowTestAccess show = ShowControls();
  app->ShowWindow().KeyDown(Key::Escape);
  for (Label* note : {show.lockNoteLeft(), show.lockNoteRight()}) {
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->FullText(), "Press ESC again to end the show");
  }
  const int half = app->ShowWindow().OuterWidth() / 2;
  EXPECT_LT(show.lockNoteLeft()->x(), half);
  EXPECT_GE(show.lockNoteRight()->x(), half);
  EXPECT_EQ(show.lockNoteTimer()->interval(), 2000);
  EXPECT_TRUE(show.lockNoteTimer()->isActive());

  // The time runs out (sooner here): the note goes, and the next ESC is a first press again.
  show.lockNoteTimer()->start(1);
  QElapsedTimer waited;
  waited.start();
  while (!show.lockNoteLeft()->isHidden() && waited.elapsed() < 10000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_TRUE(show.lockNoteLeft()->isHidden());
  EXPECT_TRUE(show.lockNoteRight()->isHidden());
  bool closed = false;
  QObject::connect(&app->ShowWindow(), &ShowWindow::Closed, [&] { closed = true; });
  app->ShowWindow().KeyDown(Key::Escape);
  EXPECT_FALSE(closed);
  app->ShowWindow().KeyDown(Key::Escape);
  EXPECT_TRUE(closed);
}
