#pragma once
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "core/remote/RemoteCommands.h"
#include "core/remote/RemoteState.h"
#include "ui/remote/NotedOnce.h"
#include "ui/remote/RemoteHooks.h"

// The remote's OSC side: datagrams on one UDP port, accepted from loopback and the allowed
// senders only (OSC has no authentication), decoded by liblo, run as commands, answered to the
// sender's address and port. Subscribers get the state pushed while they renew.
class OscServer : public QObject {
  Q_OBJECT
 public:
  using Hooks = RemoteHooks;
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  // A subscription lasts this long after the last /quadrel/subscribe.
  static constexpr std::chrono::seconds kSubscriptionTime{60};
  static constexpr int kMaxSubscribers = 16;

  OscServer(Hooks hooks, Clock now);

  // False with the reason when the port cannot be had.
  bool Listen(const QHostAddress& address, quint16 port, std::string& error);
  void Close();
  bool Listening() const { return socket_.state() == QAbstractSocket::BoundState; }
  quint16 Port() const { return socket_.localPort(); }
  // Besides loopback, which is always allowed.
  void SetAllowedSenders(std::vector<QHostAddress> senders);

  // The state to every subscriber whose subscription holds; the others are dropped.
  void PushState(const RemoteState& state);
  int Subscribers() const { return static_cast<int>(subscribers_.size()); }
  // Those that did not renew in time.
  void DropExpiredSubscribers();

 private:
  struct Subscriber {
    QHostAddress address;
    quint16 port;
    std::chrono::steady_clock::time_point until;
  };

  // Reads a share of the waiting datagrams, then lets the show's own events through before
  // the rest: a flood must not hold up the keys.
  void ReadSome();
  void Receive(const QByteArray& bytes, const QHostAddress& sender, quint16 port);
  bool Allowed(const QHostAddress& sender) const;
  void Subscribe(const QHostAddress& sender, quint16 port);
  void Send(const OscMessage& message, const QHostAddress& to, quint16 port);
  void SendState(const RemoteState& state, const QHostAddress& to, quint16 port);
  // Once per address and kind, so that a flood writes no more than a line.
  void NoteOnce(const std::string& kind, const std::string& what, const QHostAddress& peer);

  Hooks hooks_;
  Clock now_;
  QUdpSocket socket_;
  QTimer moreToRead_;
  std::vector<QHostAddress> allowed_;
  std::vector<Subscriber> subscribers_;
  NotedOnce noted_;
};
