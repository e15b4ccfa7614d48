// The web remote's HTTP side on any bytes, read as requests one after another on one remote: a
// head is complete only at its end and never past the limit; no command runs unless its request
// carried a token holding a session and was addressed to the remote; every reply has a known
// status, a UTF-8 body and a head that nothing in it can break.
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "core/remote/HttpApi.h"
#include "core/remote/RemoteReplies.h"

namespace {

bool KnownStatus(int status) {
  for (const int known : {101, 200, 400, 401, 403, 404, 405, 409, 429, 431})
    if (status == known) return true;
  return false;
}

bool CleanHeadText(std::string_view text) {
  for (const char c : text)
    if (c == '\r' || c == '\n' || c == '\0') return false;
  return true;
}

void CheckReply(const HttpReply& reply) {
  FUZZ_CHECK(KnownStatus(reply.status), "every status is one the API uses");
  FUZZ_CHECK(RepairUtf8(reply.body) == reply.body, "a body is valid UTF-8");
  if (reply.openEvents) return;  // never sent: the WebSocket server answers
  const std::string bytes = ResponseBytes(reply);
  const size_t end = bytes.find("\r\n\r\n");
  FUZZ_CHECK(end != std::string::npos && end + 4 + reply.body.size() == bytes.size(),
             "the response's head ends once, right before its body");
  FUZZ_CHECK(bytes.find("Content-Length: " + std::to_string(reply.body.size()) + "\r\n") < end,
             "the response states its body's length");
  FUZZ_CHECK(bytes.substr(0, end).find("Access-Control-") == std::string::npos,
             "no CORS header, ever");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t setup = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

  std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
  int drawn = 0;
  RemoteAccess access([&now] { return now; },
                      [&drawn] { return "token" + std::to_string(++drawn); });
  access.SetPin(setup & 1 ? "123456" : "");
  const std::string listen = setup & 2 ? "127.0.0.1" : (setup & 4 ? "fd00::5" : "192.168.1.5");
  const int port = setup & 8 ? 80 : 53180;
  const std::string peer = setup & 16 ? "127.0.0.1" : "192.168.1.20";
  if (setup & 32) access.LogIn(peer, "123456");  // "token1" holds a session from the start

  RemoteState shown;
  shown.count = 2;
  shown.currentItem = "caf\xE9 \"one\"\x01.avi";
  shown.nextItem = "\xFF\xFE";
  const HttpHead* asking = nullptr;
  int runs = 0;
  HttpApiContext context{
      access,
      peer,
      listen,
      port,
      [&](const RemoteCommand& command) {
        ++runs;
        FUZZ_CHECK(asking != nullptr, "commands run only while answering");
        FUZZ_CHECK(access.HoldsSession(asking->Header("x-quadrel-token")),
                   "a command runs only for a token holding a session");
        FUZZ_CHECK(HostAllowed(asking->Header("host"), asking->Header("origin"), listen, port),
                   "a command runs only for a request addressed to the remote");
        FUZZ_CHECK(asking->method == "POST", "GET never runs a command");
        FUZZ_CHECK(
            command.action != RemoteAction::State && command.action != RemoteAction::Subscribe,
            "the state is read, never run");
        return RemoteResult{runs % 2 == 1, runs % 2 ? "" : "an item plays \xFF", std::nullopt};
      },
      [&shown] { return shown; },
      "<!doctype html><p>remote</p>"};

  for (int request = 0; request < 16 && !rest.empty(); ++request) {
    HttpHead head;
    const HeadStatus status = ParseHttpHead(rest, head);
    if (status == HeadStatus::Incomplete) {
      FUZZ_CHECK(rest.size() < kMaxHeadBytes, "incomplete only below the limit");
      break;
    }
    if (status != HeadStatus::Complete) {
      CheckReply(ErrorReply(status == HeadStatus::Bad ? 400 : 431, "bad request"));
      break;
    }
    FUZZ_CHECK(head.length > 0 && head.length <= rest.size() && head.length <= kMaxHeadBytes,
               "a head lies within the bytes and the limit");
    HttpHead shorter;
    FUZZ_CHECK(ParseHttpHead(rest.substr(0, head.length - 1), shorter) == HeadStatus::Incomplete,
               "a head is complete only at its blank line");
    FUZZ_CHECK(head.headers.size() <= kMaxHeaders, "no more headers than the limit");
    FUZZ_CHECK(CleanHeadText(head.target), "a target holds no line break");
    for (const auto& [name, value] : head.headers)
      FUZZ_CHECK(CleanHeadText(name) && CleanHeadText(value), "a header holds no line break");

    const int runsBefore = runs;
    asking = &head;
    const HttpReply reply = AnswerHttp(head, context);
    asking = nullptr;
    CheckReply(reply);
    if (runs != runsBefore)
      FUZZ_CHECK(runs == runsBefore + 1 && !reply.command.empty() &&
                     (reply.status == 200 || reply.status == 409),
                 "a command that ran is named in its reply, done or refused");
    if (reply.openEvents) {
      bool held = false;
      for (int n = 1; n <= drawn; ++n) {
        const std::string token = "token" + std::to_string(n);
        held |=
            access.HoldsSession(token) && head.target.find("token=" + token) != std::string::npos;
      }
      FUZZ_CHECK(reply.status == 101 && held, "events open only for a token holding a session");
    }
    if (reply.status == 200 && head.target.rfind("/api/session", 0) == 0)
      FUZZ_CHECK(reply.body == "{\"token\":\"token" + std::to_string(drawn) + "\"}",
                 "a login hands out the token it drew");
    rest.remove_prefix(head.length);
    now += std::chrono::seconds(head.length % 64);
  }
  return 0;
}
