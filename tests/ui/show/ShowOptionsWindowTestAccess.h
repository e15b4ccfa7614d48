#pragma once
// The show options window's controls, reached by the tests alone.
#include "ui/show/ShowOptionsWindow.h"

struct ShowOptionsWindow::TestAccess {
  explicit TestAccess(ShowOptionsWindow& w)
      : windowScreen(w.windowScreen_),
        numberedScreen(w.numberedScreen_),
        allScreens(w.allScreens_),
        screenList(w.screenList_),
        screenNote(w.screenNote_),
        showLock(w.showLock_),
        offerResume(w.offerResume_) {}
  QRadioButton* windowScreen;
  QRadioButton* numberedScreen;
  QRadioButton* allScreens;
  QComboBox* screenList;
  QLabel* screenNote;
  QCheckBox* showLock;
  QCheckBox* offerResume;
};

using OptionsControls = ShowOptionsWindow::TestAccess;
