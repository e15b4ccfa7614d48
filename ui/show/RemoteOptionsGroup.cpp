#include "ui/show/RemoteOptionsGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/controls/StoredText.h"
#include "ui/qt/QStringBytes.h"
#include "ui/remote/RemoteSecrets.h"

namespace {

constexpr int kFieldWidth = 300;  // the wrapped lines' width, so the window keeps its size
const QColor kWarning(192, 0, 0);
const QString kLoopback = QStringLiteral("127.0.0.1");

std::vector<RemoteOptionsGroup::LocalAddress> InterfaceAddresses() {
  std::vector<RemoteOptionsGroup::LocalAddress> addresses;
  for (const QNetworkInterface& network : QNetworkInterface::allInterfaces()) {
    const auto flags = network.flags();
    if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack))
      continue;
    for (const QNetworkAddressEntry& entry : network.addressEntries()) {
      if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
        addresses.push_back({entry.ip().toString(), network.humanReadableName()});
    }
  }
  return addresses;
}

// Only the dotted form Qt itself writes counts: "010.1.1.1" or "10.1" would be read otherwise
// elsewhere (octal, short forms), and a sender the operator did not mean must never pass.
bool IsIpv4Address(const QString& text) {
  QHostAddress address;
  return address.setAddress(text) && address.protocol() == QAbstractSocket::IPv4Protocol &&
         address.toString() == text;
}

// The entries of a comma-separated sender list that are no IPv4 address; blanks around the
// entries and empty entries are allowed.
QStringList WrongSenders(const QString& list) {
  QStringList wrong;
  for (const QString& part : list.split(u',')) {
    const QString entry = part.trimmed();
    if (!entry.isEmpty() && !IsIpv4Address(entry)) wrong << entry;
  }
  return wrong;
}

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

QString StatusText(const RemoteStatus& status, int oscPort) {
  QStringList parts;
  if (status.listening) {
    const QString web = QString::fromStdString(status.webAddress);
    if (web.isEmpty())
      parts << QStringLiteral("Listening on OSC port %1").arg(oscPort);
    else if (status.error.empty())
      parts << QStringLiteral("Listening at %1 and OSC port %2").arg(web).arg(oscPort);
    else  // which server failed only the error says
      parts << QStringLiteral("Listening at %1").arg(web);
    parts << (status.clients == 1 ? QStringLiteral("1 client")
                                  : QStringLiteral("%1 clients").arg(status.clients));
  }
  if (!status.lastCommand.empty())
    parts << QStringLiteral("last: %1").arg(QString::fromStdString(status.lastCommand));
  if (!status.error.empty()) parts << QString::fromStdString(status.error);
  return parts.isEmpty() ? QStringLiteral("Not listening") : parts.join(QStringLiteral(" \u00b7 "));
}

QLabel* WrappedLine(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  label->setFixedWidth(kFieldWidth);
  return label;
}

}  // namespace

RemoteOptionsGroup::RemoteOptionsGroup(Settings& settings, QWidget* parent)
    : QGroupBox(QStringLiteral("Remote control"), parent),
      settings_(settings),
      localAddresses_(InterfaceAddresses) {
  BuildControls();
  ShowSettings();
}

void RemoteOptionsGroup::BuildControls() {
  auto* column = new QVBoxLayout(this);
  enabled_ = new QCheckBox(QStringLiteral("Remote control on"), this);
  column->addWidget(enabled_);
  auto* form = new QFormLayout;
  column->addLayout(form);

  listenList_ = new QComboBox(this);
  listenList_->setMinimumContentsLength(30);
  form->addRow(QStringLiteral("Listen at:"), listenList_);

  // A port is taken when typed in full, not at each digit: each change restarts a server.
  oscPort_ = new QSpinBox(this);
  webPort_ = new QSpinBox(this);
  for (QSpinBox* port : {oscPort_, webPort_}) {
    port->setRange(1024, 65535);
    port->setKeyboardTracking(false);
  }
  auto* ports = new QHBoxLayout;
  ports->addWidget(oscPort_);
  ports->addSpacing(12);
  ports->addWidget(new QLabel(QStringLiteral("Web port:"), this));
  ports->addWidget(webPort_);
  ports->addStretch(1);
  form->addRow(QStringLiteral("OSC port:"), ports);

  // Drawn, never typed: a PIN people make up is easily guessed.
  pin_ = new QLineEdit(this);
  pin_->setReadOnly(true);
  pin_->setMaximumWidth(pin_->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")) + 16);
  newPin_ = new QPushButton(QStringLiteral("New PIN"), this);
  newPin_->setToolTip(QStringLiteral("Web remotes signed in with the old PIN must sign in again"));
  auto* pinRow = new QHBoxLayout;
  pinRow->addWidget(pin_);
  pinRow->addWidget(newPin_);
  pinRow->addStretch(1);
  form->addRow(QStringLiteral("PIN:"), pinRow);

  webAddress_ = WrappedLine(this);
  webAddress_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  form->addRow(QStringLiteral("Web remote:"), webAddress_);

  senders_ = new QLineEdit(this);
  senders_->setPlaceholderText(QStringLiteral("192.168.1.30, 192.168.1.31"));
  form->addRow(QStringLiteral("OSC senders:"), senders_);
  QLabel* sendersHint = WrappedLine(this);
  sendersHint->setText(QStringLiteral("Comma-separated; this computer is always allowed."));
  form->addRow(QString(), sendersHint);
  sendersNote_ = WrappedLine(this);
  SetTextColour(sendersNote_, kWarning);
  form->addRow(QString(), sendersNote_);

  statusLine_ = WrappedLine(this);
  form->addRow(QStringLiteral("Status:"), statusLine_);

  bindings_.Bind(enabled_, settings_.remoteEnabled);
  bindings_.Bind(oscPort_, settings_.remoteOscPort);
  bindings_.Bind(webPort_, settings_.remoteWebPort);
  bindings_.Bind(pin_, settings_.remotePin);
  connect(enabled_, &QCheckBox::toggled, this, [this](bool on) {
    if (on && settings_.remotePin.empty()) {
      settings_.remotePin = DrawRemotePin();
      const QSignalBlocker blocker(pin_);  // one announcement for both
      ShowStoredText(pin_, "text", settings_.remotePin);
    }
    Announce();
  });
  connect(oscPort_, &QSpinBox::valueChanged, this, &RemoteOptionsGroup::Announce);
  connect(webPort_, &QSpinBox::valueChanged, this, &RemoteOptionsGroup::Announce);
  connect(pin_, &QLineEdit::textChanged, this, &RemoteOptionsGroup::Announce);
  connect(newPin_, &QPushButton::clicked, this,
          [this] { pin_->setText(QString::fromStdString(DrawRemotePin())); });
  connect(listenList_, &QComboBox::currentIndexChanged, this, &RemoteOptionsGroup::ListenChosen);
  connect(senders_, &QLineEdit::textChanged, this, &RemoteOptionsGroup::SendersEdited);
}

void RemoteOptionsGroup::ShowSettings() {
  bindings_.Fill();
  ShowListenChoices();
  {
    const QSignalBlocker blocker(senders_);
    ShowStoredText(senders_, "text", settings_.remoteOscSenders);
  }
  ShowSendersNote();
  ShowWebAddress();
  ShowStatusLine();
}

void RemoteOptionsGroup::ShowStatus(const RemoteStatus& status) {
  status_ = status;
  ShowStatusLine();
}

void RemoteOptionsGroup::FinishTyping() {
  oscPort_->interpretText();
  webPort_->interpretText();
}

void RemoteOptionsGroup::ShowListenChoices() {
  const QSignalBlocker blocker(listenList_);
  listenList_->clear();
  listenList_->addItem(QStringLiteral("This computer only"), kLoopback.toLatin1());
  for (const LocalAddress& local : localAddresses_())
    listenList_->addItem(QStringLiteral("%1 (%2)").arg(local.address, local.interfaceName),
                         local.address.toLatin1());
  // An address of another network (the venue's, or a cable unplugged) is kept, not replaced:
  // the remote listens there again once it is back.
  const QByteArray stored = QByteArray::fromStdString(settings_.remoteListen);
  int index = listenList_->findData(stored);
  if (index < 0) {
    listenList_->addItem(
        QStringLiteral("%1 (not on this computer)").arg(FromBytes(settings_.remoteListen)), stored);
    index = listenList_->count() - 1;
  }
  listenList_->setCurrentIndex(index);
}

void RemoteOptionsGroup::ListenChosen(int index) {
  if (index < 0) return;
  settings_.remoteListen = listenList_->itemData(index).toByteArray().toStdString();
  Announce();
}

// A list with a wrong entry is not stored at all, rather than stored without it: while an
// address is being typed its first digits are a wrong entry, and each shorter list stored
// would turn away a sender that was allowed until then. The last whole list stays in force.
void RemoteOptionsGroup::SendersEdited() {
  ShowSendersNote();
  if (!WrongSenders(senders_->text()).isEmpty()) return;
  settings_.remoteOscSenders = StoredText(senders_, "text");
  Announce();
}

void RemoteOptionsGroup::ShowSendersNote() {
  const QStringList wrong = WrongSenders(senders_->text());
  if (wrong.isEmpty()) {
    sendersNote_->clear();
    sendersNote_->hide();
    return;
  }
  const QString quoted = QStringLiteral("\u201c%1\u201d").arg(wrong.join(u"\u201d, \u201c"));
  sendersNote_->setText((wrong.size() == 1 ? QStringLiteral("%1 is not an IPv4 address.")
                                           : QStringLiteral("%1 are not IPv4 addresses."))
                            .arg(quoted) +
                        QStringLiteral(" The list is stored once every entry is one."));
  sendersNote_->show();
}

void RemoteOptionsGroup::ShowWebAddress() {
  const QString listen = FromBytes(settings_.remoteListen);
  const QString url = QStringLiteral("http://%1:%2/").arg(listen).arg(settings_.remoteWebPort);
  webAddress_->setText(QHostAddress(listen).isLoopback()
                           ? url + QStringLiteral(" (works on this computer only)")
                           : url);
}

void RemoteOptionsGroup::ShowStatusLine() {
  const bool on = settings_.remoteEnabled;
  const bool failed = on && !status_.error.empty();
  statusLine_->setText(on ? StatusText(status_, settings_.remoteOscPort) : QStringLiteral("Off"));
  SetTextColour(statusLine_, failed ? kWarning : palette().color(QPalette::WindowText));
}

void RemoteOptionsGroup::Announce() {
  ShowWebAddress();
  ShowStatusLine();
  emit Changed();
}
