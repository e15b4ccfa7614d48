#pragma once
#include <QDialog>

#include "core/host/Screen.h"
#include "core/settings/Settings.h"
#include "ui/controls/SettingBindings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

// The show options (O in the show window): what a venue needs beyond the show itself, in
// groups: which screens M covers, the show lock, the offer to go on after an unexpected end.
// Every change is in the settings at once; the show applies it when the window closes.
class ShowOptionsWindow : public QDialog {
  Q_OBJECT
 public:
  ShowOptionsWindow(Settings& settings, host::Screen& screens);

  // Shows the settings as they are now, and the screens connected now.
  void ShowSettings();

  // The controls, for the tests alone.
  struct TestAccess;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildScreenGroup();
  void BuildLockAndResumeGroups();
  // The screen controls were changed by the operator: the setting follows.
  void ScreenControlsChanged();
  // What the operator should know of the choice: a missing screen, halves that do not fall
  // on one screen each.
  void ShowScreenNote();

  Settings& settings_;
  host::Screen& screens_;
  std::vector<host::ScreenInfo> numbered_;  // as listed, numbered from 1
  SettingBindings bindings_;
  QRadioButton* windowScreen_;
  QRadioButton* numberedScreen_;
  QRadioButton* allScreens_;
  QComboBox* screenList_;
  QLabel* screenNote_;
  QCheckBox* showLock_;
  QCheckBox* offerResume_;
};
