#pragma once
#include <QDialog>

#include "core/host/Screen.h"
#include "core/remote/RemoteStatus.h"
#include "core/settings/Settings.h"
#include "ui/controls/SettingBindings.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class RemoteOptionsGroup;

// The show options (O in the show window): what a venue needs beyond the show itself, in
// groups: which screens M covers, the show lock, the offer to go on after an unexpected end, GO
// protection and, where built with it, the remote control. Every change is in the settings at
// once; the show applies it when the window closes, the remote at once (RemoteSettingsChanged).
class ShowOptionsWindow : public QDialog {
  Q_OBJECT
 public:
  ShowOptionsWindow(Settings& settings, host::Screen& screens);

  // Shows the settings as they are now, and the screens connected now.
  void ShowSettings();
  // The remote's servers report how they are; nothing is shown where the remote is not built.
  void ShowRemoteStatus(const RemoteStatus& status);

  // The controls, for the tests alone.
  struct TestAccess;

 signals:
  // A setting of the remote's servers changed (and is in the settings): they should apply it.
  void RemoteSettingsChanged();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildScreenGroup(QBoxLayout* column);
  void BuildLockAndResumeGroups(QBoxLayout* column);
  void BuildGoProtectionGroup(QBoxLayout* column);
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
  QSpinBox* goProtection_;
  RemoteOptionsGroup* remoteGroup_ = nullptr;  // where the remote is built
};
