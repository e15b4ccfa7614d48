#pragma once
#include <QCheckBox>
#include <QPushButton>

#include "ui/controls/RadioGroup.h"
#include "ui/showlist/ShowListView.h"
#include "ui/showlist/ShowListWindow.h"

// The show list window's controls, for tests and benchmarks that click and look at them.
struct ShowListWindow::TestAccess {
  explicit TestAccess(ShowListWindow& window)
      : listView(window.listView_),
        selectFilesButton(window.selectFilesButton_),
        clearButton(window.clearButton_),
        clearAllButton(window.clearAllButton_),
        continuousBox(window.continuousBox_),
        loopBox(window.loopBox_),
        playerGroup(window.playerGroup_),
        makeScriptsButton(window.makeScriptsButton_),
        loadListButton(window.loadListButton_),
        saveListButton(window.saveListButton_) {}

  ShowListView* listView;
  QPushButton* selectFilesButton;
  QPushButton* clearButton;
  QPushButton* clearAllButton;
  QCheckBox* continuousBox;
  QCheckBox* loopBox;
  RadioGroup* playerGroup;
  QPushButton* makeScriptsButton;
  QPushButton* loadListButton;
  QPushButton* saveListButton;
};

inline ShowListWindow::TestAccess Controls(ShowListWindow& window) {
  return ShowListWindow::TestAccess(window);
}
