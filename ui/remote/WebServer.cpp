#include "ui/remote/WebServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>

#include "core/remote/HttpApi.h"
#include "core/remote/HttpHead.h"
#include "core/remote/RemoteReplies.h"

namespace {

// Addresses as a person writes them: an IPv4 client of a dual-stack socket without "::ffff:".
std::string PlainAddress(const QHostAddress& address) {
  bool isIpv4 = false;
  const quint32 ipv4 = address.toIPv4Address(&isIpv4);
  return (isIpv4 ? QHostAddress(ipv4) : address).toString().toStdString();
}

constexpr const char* kDeadline = "quadrelDeadline";

}  // namespace

WebServer::WebServer(RemoteAccess& access, std::string page, Hooks hooks)
    : access_(access),
      page_(std::move(page)),
      hooks_(std::move(hooks)),
      eventsServer_(QStringLiteral("Quadrel"), QWebSocketServer::NonSecureMode) {
  server_.setMaxPendingConnections(kMaxPendingConnections);
  connect(&server_, &QTcpServer::newConnection, this, &WebServer::Accept);
  connect(&eventsServer_, &QWebSocketServer::newConnection, this, [this] {
    while (QWebSocket* client = eventsServer_.nextPendingConnection()) {
      // Clients only listen: nothing they send is read, and nothing large is taken in.
      client->setMaxAllowedIncomingFrameSize(1024);
      client->setMaxAllowedIncomingMessageSize(1024);
      events_.push_back(client);
      connect(client, &QWebSocket::disconnected, this, [this, client] {
        std::erase(events_, client);
        client->deleteLater();
        hooks_.clientsChanged();
      });
      client->sendTextMessage(QString::fromStdString(StateJson(hooks_.state())));
      hooks_.clientsChanged();
    }
  });
}

WebServer::~WebServer() {
  Close();
}

bool WebServer::Listen(const QHostAddress& address, quint16 port, std::string& error) {
  Close();
  if (server_.listen(address, port)) return true;
  error = server_.serverError() == QAbstractSocket::AddressInUseError
              ? "web port " + std::to_string(port) + " is in use"
              : "web port " + std::to_string(port) + ": " + server_.errorString().toStdString();
  return false;
}

void WebServer::Close() {
  server_.close();
  for (QTcpSocket* socket : std::exchange(pending_, {})) {
    socket->abort();
    socket->deleteLater();
  }
  CloseEventClients();
}

void WebServer::CloseEventClients() {
  for (QWebSocket* client : std::exchange(events_, {})) {
    client->disconnect(this);
    client->close(QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("session ended"));
    client->deleteLater();
  }
  hooks_.clientsChanged();
}

void WebServer::PushState(const RemoteState& state) {
  if (events_.empty()) return;
  const QString json = QString::fromStdString(StateJson(state));
  for (QWebSocket* client : events_) client->sendTextMessage(json);
}

void WebServer::Accept() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    if (static_cast<int>(pending_.size()) >= kMaxPendingConnections) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    pending_.push_back(socket);
    auto* deadline = new QTimer(socket);
    deadline->setObjectName(kDeadline);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, &QTcpSocket::abort);
    deadline->start(kRequestTimeoutMs);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
      std::erase(pending_, socket);
      socket->deleteLater();
    });
  }
}

void WebServer::ReadRequest(QTcpSocket* socket) {
  const QByteArray received = socket->peek(static_cast<qint64>(kMaxHeadBytes) + 1);
  HttpHead head;
  HeadStatus status = ParseHttpHead(std::string_view(received.constData(), received.size()), head);
  if (status == HeadStatus::Incomplete && socket->bytesAvailable() > qint64(kMaxHeadBytes))
    status = HeadStatus::TooLarge;
  const std::string peer = PlainAddress(socket->peerAddress());
  switch (status) {
    case HeadStatus::Incomplete:
      return;
    case HeadStatus::Bad:
      if (noted_.First("malformed", peer))
        hooks_.note("HTTP request not read: malformed (noted once per address)", peer);
      Reply(socket, ResponseBytes(ErrorReply(400, "malformed request")));
      return;
    case HeadStatus::TooLarge:
      if (noted_.First("too large", peer))
        hooks_.note("HTTP request not read: its head is too large (noted once per address)", peer);
      Reply(socket, ResponseBytes(ErrorReply(431, "request head too large")));
      return;
    case HeadStatus::Complete:
      break;
  }
  HttpApiContext context{
      access_,
      peer,
      PlainAddress(socket->localAddress()),
      socket->localPort(),
      [this, &peer](const RemoteCommand& command) { return hooks_.run(command, peer); },
      hooks_.state,
      page_};
  // A command that fails shows the error report, whose own event loop may see this connection
  // time out and go.
  const QPointer<QTcpSocket> alive(socket);
  const HttpReply reply = AnswerHttp(head, context);
  if (!alive) return;
  if (reply.openEvents && static_cast<int>(events_.size()) < kMaxEventClients) {
    OpenEvents(socket);
    return;
  }
  Reply(socket,
        ResponseBytes(reply.openEvents ? ErrorReply(503, "too many event clients") : reply));
}

void WebServer::Reply(QTcpSocket* socket, const std::string& bytes) {
  std::erase(pending_, socket);
  disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
  socket->readAll();  // one request a connection: whatever follows is not read
  socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
  // The deadline still runs: a client that does not take its answer is cut off.
  socket->disconnectFromHost();
}

void WebServer::OpenEvents(QTcpSocket* socket) {
  std::erase(pending_, socket);
  socket->disconnect(this);
  delete socket->findChild<QTimer*>(kDeadline);
  // The upgrade request is still unread in the socket: Qt's server reads and answers it.
  eventsServer_.handleConnection(socket);
}
