#pragma once
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QWebSocketServer>
#include <functional>
#include <string>
#include <vector>

#include "core/remote/RemoteAccess.h"
#include "core/remote/RemoteCommands.h"
#include "core/remote/RemoteState.h"
#include "ui/remote/NotedOnce.h"
#include "ui/remote/RemoteHooks.h"

class QTcpSocket;
class QWebSocket;

// The web remote and its API on one TCP port: a request a connection, answered by the core's
// routing (core/remote/HttpApi), and /api/events handed to Qt's WebSocket server, which then
// carries the state pushes.
class WebServer : public QObject {
  Q_OBJECT
 public:
  using Hooks = RemoteHooks;
  // A connection must deliver its request within this time, and no more may wait at once: a
  // slow or idle client cannot hold the port.
  static constexpr int kRequestTimeoutMs = 10000;
  static constexpr int kMaxPendingConnections = 64;
  static constexpr int kMaxEventClients = 32;

  WebServer(RemoteAccess& access, std::string page, Hooks hooks);
  ~WebServer() override;

  bool Listen(const QHostAddress& address, quint16 port, std::string& error);
  void Close();
  bool Listening() const { return server_.isListening(); }
  quint16 Port() const { return server_.serverPort(); }
  // Every event socket is closed: their sessions ended with a new PIN.
  void CloseEventClients();
  void PushState(const RemoteState& state);
  int EventClients() const { return static_cast<int>(events_.size()); }

 private:
  void Accept();
  // Looks at the bytes received so far without taking them, so that a WebSocket upgrade can
  // be handed over whole.
  void ReadRequest(QTcpSocket* socket);
  void Reply(QTcpSocket* socket, const std::string& bytes);
  void OpenEvents(QTcpSocket* socket);

  RemoteAccess& access_;
  std::string page_;
  Hooks hooks_;
  QTcpServer server_;
  QWebSocketServer eventsServer_;
  std::vector<QTcpSocket*> pending_;
  std::vector<QWebSocket*> events_;
  NotedOnce noted_;
};
