#pragma once
// The show options window's controls, reached by the tests alone.
#include "ui/show/ShowOptionsWindow.h"
#ifdef QUADREL_REMOTE
#include "ui/show/RemoteOptionsGroup.h"
#endif

struct ShowOptionsWindow::TestAccess {
  explicit TestAccess(ShowOptionsWindow& w)
      : windowScreen(w.windowScreen_),
        numberedScreen(w.numberedScreen_),
        allScreens(w.allScreens_),
        screenList(w.screenList_),
        screenNote(w.screenNote_),
        showLock(w.showLock_),
        offerResume(w.offerResume_),
        goProtection(w.goProtection_),
        remoteGroup(w.remoteGroup_) {}
  QRadioButton* windowScreen;
  QRadioButton* numberedScreen;
  QRadioButton* allScreens;
  QComboBox* screenList;
  QLabel* screenNote;
  QCheckBox* showLock;
  QCheckBox* offerResume;
  QSpinBox* goProtection;
  RemoteOptionsGroup* remoteGroup;
};

using OptionsControls = ShowOptionsWindow::TestAccess;

#ifdef QUADREL_REMOTE
struct RemoteOptionsGroup::TestAccess {
  explicit TestAccess(RemoteOptionsGroup& g)
      : group(g),
        enabled(g.enabled_),
        listenList(g.listenList_),
        oscPort(g.oscPort_),
        webPort(g.webPort_),
        pin(g.pin_),
        newPin(g.newPin_),
        webAddress(g.webAddress_),
        senders(g.senders_),
        sendersNote(g.sendersNote_),
        statusLine(g.statusLine_) {}
  // The addresses offered besides loopback, in place of this computer's, from the next filling.
  void OfferAddresses(std::vector<LocalAddress> addresses) {
    group.localAddresses_ = [addresses] { return addresses; };
  }
  RemoteOptionsGroup& group;
  QCheckBox* enabled;
  QComboBox* listenList;
  QSpinBox* oscPort;
  QSpinBox* webPort;
  QLineEdit* pin;
  QPushButton* newPin;
  QLabel* webAddress;
  QLineEdit* senders;
  QLabel* sendersNote;
  QLabel* statusLine;
};

using RemoteControls = RemoteOptionsGroup::TestAccess;
#endif
