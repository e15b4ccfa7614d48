// The web remote's routing: who gets what, and that nothing runs without a session.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "core/remote/HttpApi.h"
#include "core/remote/RemoteReplies.h"

namespace {

struct Api {
  RemoteAccess access{[] { return std::chrono::steady_clock::time_point(); },
                      [] { return std::string("0123456789abcdef0123456789abcdef"); }};
  std::vector<RemoteCommand> ran;
  bool showRefuses = false;
  RemoteState shown;
  HttpApiContext context{
      access,
      "192.168.1.20",
      "192.168.1.5",
      53180,
      [this](const RemoteCommand& command) {
        ran.push_back(command);
        return RemoteResult{!showRefuses, showRefuses ? "an item plays" : "", std::nullopt};
      },
      [this] { return shown; },
      "<!doctype html><title>Quadrel</title>"};
  Api() { access.SetPin("123456"); }

  // `lines` are the header lines after Host, each with its CR LF.
  HttpReply Ask(const std::string& requestLine, const std::string& lines = "",
                const std::string& host = "192.168.1.5:53180") {
    HttpHead head;
    const std::string bytes = requestLine + " HTTP/1.1\r\nHost: " + host + "\r\n" + lines + "\r\n";
    EXPECT_EQ(ParseHttpHead(bytes, head), HeadStatus::Complete) << bytes;
    return AnswerHttp(head, context);
  }
  std::string Token() {
    const HttpReply login = Ask("POST /api/session", "X-Quadrel-Pin: 123456\r\n");
    EXPECT_EQ(login.status, 200);
    return "X-Quadrel-Token: 0123456789abcdef0123456789abcdef\r\n";
  }
};

}  // namespace

TEST(HttpApi, WithoutASessionOrFromElsewhereNothingRuns) {
  Api api;
  EXPECT_EQ(api.Ask("POST /api/go").status, 401);
  EXPECT_EQ(api.Ask("POST /api/go", "X-Quadrel-Token: 0123\r\n").status, 401);
  EXPECT_EQ(api.Ask("GET /api/state").status, 401);
  EXPECT_EQ(api.Ask("POST /api/nothing").status, 401);  // not even which paths exist
  EXPECT_EQ(
      api.Ask("GET /api/events?token=0123456789abcdef0123456789abcdef", "Upgrade: websocket\r\n")
          .status,
      401);
  const std::string token = api.Token();
  EXPECT_EQ(api.Ask("POST /api/go", token, "evil.example:53180").status, 403);
  EXPECT_EQ(api.Ask("POST /api/go", token + "Origin: http://evil.example\r\n").status, 403);
  EXPECT_EQ(api.Ask("GET /", "", "evil.example:53180").status, 403);
  const HttpReply options = api.Ask("OPTIONS /api/go", "Origin: http://evil.example:53180\r\n");
  EXPECT_EQ(options.status, 403);
  EXPECT_EQ(ResponseBytes(options).find("Access-Control"), std::string::npos);
  EXPECT_TRUE(api.ran.empty());
}

TEST(HttpApi, ASessionRunsCommandsByPostOnly) {
  Api api;
  const HttpReply wrong = api.Ask("POST /api/session", "X-Quadrel-Pin: 654321\r\n");
  EXPECT_EQ(wrong.status, 403);
  EXPECT_EQ(wrong.body, R"({"error":"wrong PIN"})");
  EXPECT_EQ(api.Ask("POST /api/session").status, 403);
  const std::string token = api.Token();

  const HttpReply go = api.Ask("POST /api/go", token);
  EXPECT_EQ(go.status, 200);
  EXPECT_EQ(go.command, "go");
  EXPECT_EQ(go.body, ResultJson("go", {true, "", std::nullopt}));
  api.showRefuses = true;
  EXPECT_EQ(api.Ask("POST /api/goto/2", token).status, 409);
  ASSERT_EQ(api.ran.size(), 2u);
  EXPECT_EQ(api.ran[1].position, 2);

  const HttpReply get = api.Ask("GET /api/next", token);
  EXPECT_EQ(get.status, 405);
  EXPECT_EQ(get.allow, "POST");
  EXPECT_EQ(api.Ask("POST /api/nothing", token).status, 404);
  EXPECT_EQ(api.Ask("POST /api/goto/0", token).status, 404);
  EXPECT_EQ(api.Ask("POST /api/subscribe", token).status, 404);
  EXPECT_EQ(api.Ask("OPTIONS /api/go", token).status, 405);
  EXPECT_EQ(api.ran.size(), 2u);

  api.shown.currentItem = "intro.avi";
  const HttpReply state = api.Ask("GET /api/state?t=1", token);
  EXPECT_EQ(state.status, 200);
  EXPECT_EQ(state.body, StateJson(api.shown));
  const HttpReply events =
      api.Ask("GET /api/events?token=0123456789abcdef0123456789abcdef", "Upgrade: WebSocket\r\n");
  EXPECT_TRUE(events.openEvents);
}

TEST(HttpApi, ResponsesCloseAndOnlyThePageGetsItsPolicy) {
  Api api;
  const std::string page = ResponseBytes(api.Ask("GET /"));
  EXPECT_EQ(page.find("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                      "Content-Length: 37\r\nConnection: close\r\nCache-Control: no-store\r\n"
                      "X-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\n"
                      "Content-Security-Policy: default-src 'none'; "),
            0u)
      << page;
  EXPECT_EQ(page.substr(page.size() - 41), "\r\n\r\n<!doctype html><title>Quadrel</title>");
  const std::string refused = ResponseBytes(api.Ask("POST /"));
  EXPECT_EQ(refused.find("HTTP/1.1 405 Method Not Allowed\r\n"), 0u) << refused;
  EXPECT_NE(refused.find("\r\nAllow: GET\r\n"), std::string::npos);
  EXPECT_EQ(refused.find("Content-Security-Policy"), std::string::npos);
  for (int i = 0; i < 5; ++i) api.Ask("POST /api/session", "X-Quadrel-Pin: 1\r\n");
  EXPECT_EQ(ResponseBytes(api.Ask("POST /api/session", "X-Quadrel-Pin: 123456\r\n"))
                .find("HTTP/1.1 429 Too Many Requests\r\n"),
            0u);
}
