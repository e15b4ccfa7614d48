// The show options window over the screens connected now, the show lock's note in the show
// window's halves, and the remote control's settings, in force at once.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
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

#ifdef QUADREL_REMOTE

namespace {

class RemoteOptions : public ShowOptions {
 protected:
  // The window on a computer with two addresses; each announcement records the settings it saw.
  RemoteControls Open() {
    Activate();
    ShowOptionsWindow& window = app->OptionsWindow();
    RemoteControls remote(*OptionsControls(window).remoteGroup);
    remote.OfferAddresses({{"192.0.2.7", "eth0"}, {"198.51.100.4", "wlan0"}});
    window.ShowSettings();
    // The window alone: the program's servers would listen on the default ports, and their own
    // status would overwrite the one given here.
    QObject::disconnect(&window, &ShowOptionsWindow::RemoteSettingsChanged, nullptr, nullptr);
    QObject::connect(&window, &ShowOptionsWindow::RemoteSettingsChanged,
                     [this] { announced.push_back(settings()); });
    return remote;
  }
  // The change is in the settings, then announced once.
  void Step(const std::function<void()>& change) {
    const std::size_t before = announced.size();
    change();
    ASSERT_EQ(announced.size(), before + 1);
    EXPECT_EQ(announced.back(), settings());
  }
  bool IsPin(const std::string& pin) {
    return QString::fromStdString(pin).contains(QRegularExpression("^[0-9]{6}$"));
  }
  std::vector<Settings> announced;
};

}  // namespace

TEST_F(RemoteOptions, EachChangeIsInTheSettingsBeforeItIsAnnounced) {
  dir.write("quadrel.INI", "[Remote]\r\nListen=203.0.113.5\r\n");
  RemoteControls remote = Open();
  ASSERT_EQ(remote.listenList->count(), 4);
  EXPECT_EQ(remote.listenList->itemText(2), "198.51.100.4 (wlan0)");
  EXPECT_EQ(remote.listenList->currentText(), "203.0.113.5 (not on this computer)");
  EXPECT_TRUE(announced.empty());  // filling announces nothing

  Step([&] { remote.enabled->click(); });
  EXPECT_TRUE(IsPin(settings().remotePin));
  EXPECT_EQ(remote.pin->text().toStdString(), settings().remotePin);
  const std::string firstPin = settings().remotePin;
  Step([&] { remote.newPin->click(); });
  EXPECT_NE(settings().remotePin, firstPin);
  EXPECT_TRUE(IsPin(settings().remotePin));

  Step([&] { remote.listenList->setCurrentIndex(1); });
  Step([&] { remote.oscPort->setValue(9000); });
  Step([&] { remote.webPort->setValue(9000); });  // UDP and TCP: the same number is fine
  EXPECT_EQ(settings().remoteListen, "192.0.2.7");
  EXPECT_EQ(remote.webAddress->text(), "http://192.0.2.7:9000/");
  Step([&] { remote.listenList->setCurrentIndex(3); });  // the absent address, chosen again
  EXPECT_EQ(settings().remoteListen, "203.0.113.5");

  // On again with a PIN: it stays. GO protection is the show's: no announcement.
  const std::string pin = settings().remotePin;
  Step([&] { remote.enabled->click(); });
  Step([&] { remote.enabled->click(); });
  EXPECT_EQ(settings().remotePin, pin);
  OptionsControls(app->OptionsWindow()).goProtection->setValue(400);
  EXPECT_EQ(settings().goProtection, 400);
  EXPECT_EQ(announced.size(), 8u);
}

TEST_F(RemoteOptions, ASenderListWithAWrongEntryIsNotStoredUntilFixed) {
  RemoteControls remote = Open();
  Step([&] { remote.senders->setText("192.0.2.10, 198.51.100.20"); });
  // Typing on, or foreign forms: the last whole list stays in force.
  for (const char* wrong : {"192.0.2.10, 198.51.", "192.0.2.10, 010.0.0.1", "fe80::1", "pc"}) {
    remote.senders->setText(wrong);
    EXPECT_EQ(settings().remoteOscSenders, "192.0.2.10, 198.51.100.20") << wrong;
    EXPECT_FALSE(remote.sendersNote->isHidden()) << wrong;
  }
  EXPECT_TRUE(remote.sendersNote->text().contains("\u201cpc\u201d is not an IPv4 address"));
  Step([&] { remote.senders->setText(" 192.0.2.10 ,"); });
  EXPECT_EQ(settings().remoteOscSenders, " 192.0.2.10 ,");
  EXPECT_TRUE(remote.sendersNote->isHidden());
}

TEST_F(RemoteOptions, TheStatusLineSaysOffWhatListensOrTheError) {
  RemoteControls remote = Open();
  ShowOptionsWindow& window = app->OptionsWindow();
  const auto colour = [&] { return remote.statusLine->palette().color(QPalette::WindowText); };
  const QColor normal = colour();
  window.ShowRemoteStatus({true, "http://127.0.0.1:53180/", 2, "go from 127.0.0.1", ""});
  EXPECT_EQ(remote.statusLine->text(), "Off");
  remote.enabled->click();
  EXPECT_EQ(remote.statusLine->text(),
            "Listening at http://127.0.0.1:53180/ and OSC port 53100 \u00b7 2 clients \u00b7 "
            "last: go from 127.0.0.1");
  window.ShowRemoteStatus({false, "", 0, "", "web port 53180 is in use"});
  EXPECT_EQ(remote.statusLine->text(), "web port 53180 is in use");
  EXPECT_NE(colour(), normal);
  window.ShowRemoteStatus({true, "", 1, "", ""});
  EXPECT_EQ(remote.statusLine->text(), "Listening on OSC port 53100 \u00b7 1 client");
  EXPECT_EQ(colour(), normal);
}

#endif
