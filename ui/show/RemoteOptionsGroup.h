#pragma once
#include <QGroupBox>
#include <QString>
#include <functional>
#include <vector>

#include "core/remote/RemoteStatus.h"
#include "core/settings/Settings.h"
#include "ui/controls/SettingBindings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The remote control's part of the show options: on or off, where it listens, its ports, the
// web remote's PIN, the OSC senders it accepts, and what its servers report. Every change is in
// the settings at once and announced by Changed, so that the servers apply it at once.
class RemoteOptionsGroup : public QGroupBox {
  Q_OBJECT
 public:
  // An address of this computer the remote can listen at.
  struct LocalAddress {
    QString address;        // IPv4, dotted
    QString interfaceName;  // as the system names it to people: "eth0", "Wi-Fi"
  };

  RemoteOptionsGroup(Settings& settings, QWidget* parent);

  // Shows the settings as they are now, and the addresses this computer has now.
  void ShowSettings();
  // The servers' latest report; shown while the remote is on.
  void ShowStatus(const RemoteStatus& status);
  // Takes a port number typed but not yet confirmed, as leaving its box would.
  void FinishTyping();

  // The controls, for the tests alone.
  struct TestAccess;

 signals:
  void Changed();

 private:
  void BuildControls();
  void ShowListenChoices();
  void ListenChosen(int index);
  void SendersEdited();
  void ShowSendersNote();
  void ShowWebAddress();
  void ShowStatusLine();
  void Announce();

  Settings& settings_;
  SettingBindings bindings_;
  // The addresses offered besides loopback: those of the interfaces up now.
  std::function<std::vector<LocalAddress>()> localAddresses_;
  RemoteStatus status_;
  QCheckBox* enabled_;
  QComboBox* listenList_;
  QSpinBox* oscPort_;
  QSpinBox* webPort_;
  QLineEdit* pin_;
  QPushButton* newPin_;
  QLabel* webAddress_;
  QLineEdit* senders_;
  QLabel* sendersNote_;
  QLabel* statusLine_;
};
