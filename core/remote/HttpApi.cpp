#include "core/remote/HttpApi.h"

#include "base/AsciiCase.h"
#include "core/check/ShowCheckReport.h"
#include "core/remote/RemoteReplies.h"

namespace {

constexpr std::string_view kJson = "application/json";
constexpr std::string_view kHtml = "text/html; charset=utf-8";
// The page's own inline script and style, and connections back to where it came from; nothing
// else may load, frame it or be posted to. 'self' takes in ws: to the same host and port
// (Chromium since 2018, Safari since 2022).
constexpr std::string_view kPagePolicy =
    "default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; "
    "connect-src 'self'; img-src data:; base-uri 'none'; form-action 'none'; "
    "frame-ancestors 'none'";

struct Reason {
  int status;
  std::string_view phrase;
};
// 500 is for the server, when running a command throws.
constexpr Reason kReasons[] = {
    {101, "Switching Protocols"},
    {200, "OK"},
    {400, "Bad Request"},
    {401, "Unauthorized"},
    {403, "Forbidden"},
    {404, "Not Found"},
    {405, "Method Not Allowed"},
    {409, "Conflict"},
    {429, "Too Many Requests"},
    {431, "Request Header Fields Too Large"},
    {500, "Internal Server Error"},
};

std::string_view ReasonPhrase(int status) {
  for (const Reason& reason : kReasons)
    if (reason.status == status) return reason.phrase;
  return {};  // a status line may have an empty reason
}

HttpReply JsonReply(int status, std::string body) {
  HttpReply reply;
  reply.status = status;
  reply.contentType = kJson;
  reply.body = std::move(body);
  return reply;
}

HttpReply NotAllowed(std::string_view path, std::string_view allow) {
  HttpReply reply = ErrorReply(405, std::string(path) + " takes " + std::string(allow));
  reply.allow = allow;
  return reply;
}

// The value of `name` in a target's query ("/x?a=1&token=..."), "" if not there. Tokens are
// hex digits, so no percent-decoding is needed to match one.
std::string_view QueryValue(std::string_view target, std::string_view name) {
  const size_t mark = target.find('?');
  if (mark == std::string_view::npos) return {};
  std::string_view query = target.substr(mark + 1);
  query = query.substr(0, query.find('#'));
  while (!query.empty()) {
    const size_t amp = query.find('&');
    const std::string_view pair = query.substr(0, amp);
    const size_t equals = pair.find('=');
    if (equals != std::string_view::npos && pair.substr(0, equals) == name)
      return pair.substr(equals + 1);
    if (amp == std::string_view::npos) break;
    query.remove_prefix(amp + 1);
  }
  return {};
}

HttpReply LogIn(const HttpHead& head, HttpApiContext& context) {
  const RemoteAccess::Login login =
      context.access.LogIn(context.peer, head.Header("x-quadrel-pin"));
  if (login.token.empty()) return ErrorReply(login.lockedOut ? 429 : 403, login.refusal);
  return JsonReply(200, "{\"token\":" + JsonString(login.token) + "}");
}

HttpReply OpenEvents(const HttpHead& head, HttpApiContext& context) {
  // A browser cannot set headers on a WebSocket, so the token comes in the query.
  if (!context.access.HoldsSession(QueryValue(head.target, "token")))
    return ErrorReply(401, "log in first: /api/events needs ?token=<session token>");
  if (!EqualIgnoringAsciiCase(head.Header("upgrade"), "websocket"))
    return ErrorReply(400, "/api/events is a WebSocket: send Upgrade: websocket");
  HttpReply reply;
  reply.status = 101;
  reply.openEvents = true;
  return reply;
}

HttpReply RunCommand(const HttpHead& head, std::string_view path, HttpApiContext& context) {
  const RemoteRequest request = CommandFromHttp(head.method, head.target);
  if (!request.command) {
    // The method's fault when POST would have been a command (405), else the path names none.
    if (!CommandFromHttp("POST", head.target).command) return ErrorReply(404, request.refusal);
    HttpReply reply = ErrorReply(405, request.refusal);
    reply.allow = path == "/api/state" ? "GET, POST" : "POST";
    return reply;
  }
  if (request.command->action == RemoteAction::State)
    return JsonReply(200, StateJson(context.state()));
  const std::string name(RemoteNameOf(*request.command));
  const RemoteResult result = context.run(*request.command);
  HttpReply reply = JsonReply(result.done ? 200 : 409, ResultJson(name, result));
  reply.command = name;
  return reply;
}

}  // namespace

HttpReply AnswerHttp(const HttpHead& head, HttpApiContext& context) {
  if (!HostAllowed(head.Header("host"), head.Header("origin"), context.listenAddress, context.port))
    return ErrorReply(403, "this remote answers only requests addressed to it by its own address");
  // No CORS preflight is ever granted: the API is for the remote's own page only.
  if (head.method == "OPTIONS") return ErrorReply(405, "cross-origin requests are not accepted");
  const std::string_view target = head.target;
  const std::string_view path = target.substr(0, target.find_first_of("?#"));
  if (path == "/") {
    if (head.method != "GET") return NotAllowed(path, "GET");
    HttpReply reply;
    reply.contentType = kHtml;
    reply.body = context.page;
    return reply;
  }
  if (path.substr(0, kHttpPrefix.size()) != kHttpPrefix)
    return ErrorReply(404, "no such page: " + std::string(path));
  if (path == "/api/session") {
    if (head.method != "POST") return NotAllowed(path, "POST");
    return LogIn(head, context);
  }
  if (path == "/api/events") {
    if (head.method != "GET") return NotAllowed(path, "GET");
    return OpenEvents(head, context);
  }
  // Item names and commands only for a session: a page that is not ours never holds a token.
  if (!context.access.HoldsSession(head.Header("x-quadrel-token")))
    return ErrorReply(401, "log in first: send X-Quadrel-Token with a session token");
  return RunCommand(head, path, context);
}

HttpReply ErrorReply(int status, std::string_view error) {
  return JsonReply(status, "{\"error\":" + JsonString(RepairUtf8(error)) + "}");
}

std::string ResponseBytes(const HttpReply& reply) {
  std::string out = "HTTP/1.1 " + std::to_string(reply.status) + " ";
  out += ReasonPhrase(reply.status);
  out += "\r\n";
  const auto header = [&out](std::string_view name, std::string_view value) {
    out += name;
    out += ": ";
    out += value;
    out += "\r\n";
  };
  if (!reply.contentType.empty()) header("Content-Type", reply.contentType);
  header("Content-Length", std::to_string(reply.body.size()));
  header("Connection", "close");
  header("Cache-Control", "no-store");
  header("X-Content-Type-Options", "nosniff");
  header("Referrer-Policy", "no-referrer");
  if (!reply.allow.empty()) header("Allow", reply.allow);
  if (reply.contentType.substr(0, 9) == "text/html") header("Content-Security-Policy", kPagePolicy);
  out += "\r\n";
  return out + reply.body;
}
