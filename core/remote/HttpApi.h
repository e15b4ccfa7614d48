#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "core/remote/HttpHead.h"
#include "core/remote/RemoteAccess.h"
#include "core/remote/RemoteCommands.h"
#include "core/remote/RemoteState.h"

// The web remote's answer to one request.
struct HttpReply {
  int status = 200;
  std::string contentType;  // "application/json", "text/html; charset=utf-8"
  std::string body;
  // A valid WebSocket upgrade of /api/events: the server hands the socket over to its WebSocket
  // server, which answers the handshake; this reply is not sent.
  bool openEvents = false;
  // The remote name of a command that ran or was refused by the show ("go"), for the status line.
  std::string command;
  std::string allow;  // the methods a path takes, for a 405
};

struct HttpApiContext {
  RemoteAccess& access;
  std::string peer;           // the client's address, e.g. "192.168.1.20"
  std::string listenAddress;  // the address the connection came in on
  int port;
  std::function<RemoteResult(const RemoteCommand&)> run;  // runs a command on the show
  std::function<RemoteState()> state;
  std::string_view page;  // the web remote's HTML
};

// Routes a complete head: GET / gives the page; POST /api/session with X-Quadrel-Pin logs in;
// GET /api/events?token=<token> with Upgrade: websocket opens the event stream; every other
// /api path needs X-Quadrel-Token holding a session, and then reads the state (GET /api/state)
// or runs a command (POST /api/<name>). A request addressed to another host or sent from another
// site's page is refused first, whatever its path; nothing is ever allowed across origins.
HttpReply AnswerHttp(const HttpHead& head, HttpApiContext& context);
// A reply of `status` with the body {"error":"<error>"}.
HttpReply ErrorReply(int status, std::string_view error);
// The whole HTTP/1.1 response, for a connection that closes after it.
std::string ResponseBytes(const HttpReply& reply);
