#include "ui/remote/OscServer.h"

#include <QNetworkDatagram>
#include <algorithm>

#include "core/remote/OscCodec.h"
#include "core/remote/RemoteReplies.h"

namespace {

// Datagrams read before the event loop gets its turn again.
constexpr int kReadsPerTurn = 64;
std::string Text(const QHostAddress& address) {
  return address.toString().toStdString();
}

}  // namespace

OscServer::OscServer(Hooks hooks, Clock now) : hooks_(std::move(hooks)), now_(std::move(now)) {
  moreToRead_.setSingleShot(true);
  moreToRead_.setInterval(0);
  connect(&moreToRead_, &QTimer::timeout, this, &OscServer::ReadSome);
  connect(&socket_, &QUdpSocket::readyRead, this, [this] {
    if (!moreToRead_.isActive()) ReadSome();
  });
}

bool OscServer::Listen(const QHostAddress& address, quint16 port, std::string& error) {
  Close();
  if (socket_.bind(address, port)) return true;
  error = socket_.error() == QAbstractSocket::AddressInUseError
              ? "OSC port " + std::to_string(port) + " is in use"
              : "OSC port " + std::to_string(port) + ": " + socket_.errorString().toStdString();
  socket_.close();
  return false;
}

void OscServer::Close() {
  socket_.close();
  moreToRead_.stop();
  subscribers_.clear();
}

void OscServer::SetAllowedSenders(std::vector<QHostAddress> senders) {
  allowed_ = std::move(senders);
}

void OscServer::ReadSome() {
  for (int i = 0; i < kReadsPerTurn && socket_.hasPendingDatagrams(); ++i) {
    const QNetworkDatagram datagram = socket_.receiveDatagram();
    if (datagram.isValid())
      Receive(datagram.data(), datagram.senderAddress(),
              static_cast<quint16>(datagram.senderPort()));
  }
  if (socket_.hasPendingDatagrams()) moreToRead_.start();
}

bool OscServer::Allowed(const QHostAddress& sender) const {
  if (sender.isLoopback()) return true;
  return std::any_of(allowed_.begin(), allowed_.end(), [&](const QHostAddress& allowed) {
    return allowed.isEqual(sender, QHostAddress::TolerantConversion);
  });
}

void OscServer::NoteOnce(const std::string& kind, const std::string& what,
                         const QHostAddress& peer) {
  if (noted_.First(kind, Text(peer))) hooks_.note(what, Text(peer));
}

void OscServer::Receive(const QByteArray& bytes, const QHostAddress& sender, quint16 port) {
  if (!Allowed(sender)) {
    NoteOnce("refused", "OSC from an address not allowed: dropped (noted once per address)",
             sender);
    return;
  }
  const OscPacket packet = DecodeOscPacket(std::string_view(bytes.constData(), bytes.size()));
  for (const std::string& error : packet.errors)
    NoteOnce("unread", "OSC not read: " + error + " (noted once per address)", sender);
  for (const OscMessage& message : packet.messages) {
    const RemoteRequest request = CommandFromOsc(message);
    if (!request.command) {
      Send(OscReply("error", RemoteResult{false, request.refusal, std::nullopt}), sender, port);
      continue;
    }
    const RemoteCommand& command = *request.command;
    const std::string name(RemoteNameOf(command));
    const quint16 answerAt = command.replyPort ? static_cast<quint16>(command.replyPort) : port;
    if (command.action == RemoteAction::Subscribe) {
      Subscribe(sender, answerAt);
      continue;
    }
    const RemoteResult result = hooks_.run(command, Text(sender));
    if (result.state && command.action == RemoteAction::State)
      SendState(*result.state, sender, answerAt);
    else
      Send(OscReply(name, result), sender, answerAt);
  }
}

void OscServer::Subscribe(const QHostAddress& sender, quint16 port) {
  const auto until = now_() + kSubscriptionTime;
  auto found = std::find_if(subscribers_.begin(), subscribers_.end(), [&](const Subscriber& s) {
    return s.port == port && s.address.isEqual(sender, QHostAddress::TolerantConversion);
  });
  if (found != subscribers_.end()) {
    found->until = until;
  } else {
    if (static_cast<int>(subscribers_.size()) >= kMaxSubscribers) {
      Send(OscReply("subscribe",
                    RemoteResult{false, "too many subscribers: at most 16", std::nullopt}),
           sender, port);
      return;
    }
    subscribers_.push_back({sender, port, until});
    hooks_.clientsChanged();
  }
  Send(OscReply("subscribe", RemoteResult{true, "renew within 60 s", std::nullopt}), sender, port);
  SendState(hooks_.state(), sender, port);
}

void OscServer::DropExpiredSubscribers() {
  const auto now = now_();
  if (std::erase_if(subscribers_, [&](const Subscriber& s) { return s.until <= now; }) > 0)
    hooks_.clientsChanged();
}

void OscServer::PushState(const RemoteState& state) {
  DropExpiredSubscribers();
  for (const Subscriber& subscriber : subscribers_)
    SendState(state, subscriber.address, subscriber.port);
}

void OscServer::SendState(const RemoteState& state, const QHostAddress& to, quint16 port) {
  for (const OscMessage& message : StateOscMessages(state)) Send(message, to, port);
}

void OscServer::Send(const OscMessage& message, const QHostAddress& to, quint16 port) {
  const std::string bytes = EncodeOscMessage(message);
  if (bytes.empty()) return;
  socket_.writeDatagram(bytes.data(), static_cast<qint64>(bytes.size()), to, port);
}
