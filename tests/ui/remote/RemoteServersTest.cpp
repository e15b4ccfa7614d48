// The OSC and web servers over real loopback sockets, with the show behind them stood in for
// by their hooks.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <chrono>

#include "core/remote/OscCodec.h"
#include "ui/remote/OscServer.h"
#include "ui/remote/WebServer.h"

namespace {

template <typename Predicate>
bool SpinUntil(Predicate done, int ms = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < ms)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

struct Show {
  std::vector<RemoteCommand> ran;
  std::vector<std::string> notes;
  RemoteState state;
  RemoteResult Run(const RemoteCommand& command) {
    ran.push_back(command);
    return {true, {}, command.action == RemoteAction::State ? std::optional(state) : std::nullopt};
  }
};

std::vector<OscMessage> Received(QUdpSocket& client) {
  std::vector<OscMessage> messages;
  while (client.hasPendingDatagrams()) {
    QByteArray bytes(static_cast<int>(client.pendingDatagramSize()), '\0');
    client.readDatagram(bytes.data(), bytes.size());
    for (OscMessage& message : DecodeOscPacket({bytes.constData(), size_t(bytes.size())}).messages)
      messages.push_back(std::move(message));
  }
  return messages;
}

class Servers : public testing::Test {
 protected:
  Servers()
      : osc_({[this](const RemoteCommand& c, const std::string&) { return show_.Run(c); },
              [this] { return show_.state; },
              [this](const std::string& what, const std::string&) { show_.notes.push_back(what); },
              [] {}},
             [this] { return now_; }) {
    std::string error;
    EXPECT_TRUE(osc_.Listen(QHostAddress::LocalHost, 0, error)) << error;
    EXPECT_TRUE(client_.bind(QHostAddress::LocalHost, 0));
  }

  void Send(const OscMessage& message) {
    const std::string bytes = EncodeOscMessage(message);
    client_.writeDatagram(bytes.data(), qint64(bytes.size()), QHostAddress::LocalHost, osc_.Port());
  }

  Show show_;
  std::chrono::steady_clock::time_point now_{};
  OscServer osc_;
  QUdpSocket client_;
};

}  // namespace

TEST_F(Servers, OscRunsCommandsAnswersTheSenderAndPushesToSubscribersUntilTheyLapse) {
  Send({"/quadrel/go", {}});
  ASSERT_TRUE(SpinUntil([&] { return client_.hasPendingDatagrams(); }));
  EXPECT_EQ(Received(client_),
            (std::vector<OscMessage>{{"/quadrel/reply/go", {std::string("ok")}}}));
  ASSERT_EQ(show_.ran.size(), 1u);

  show_.state.currentItem = "intro";
  Send({"/quadrel/subscribe", {}});
  ASSERT_TRUE(SpinUntil([&] { return osc_.Subscribers() == 1 && client_.hasPendingDatagrams(); }));
  QCoreApplication::processEvents();
  const std::vector<OscMessage> first = Received(client_);
  EXPECT_NE(std::find(first.begin(), first.end(),
                      OscMessage{"/quadrel/reply/state/current", {std::string("intro")}}),
            first.end());
  show_.state.currentItem = "film";
  osc_.PushState(show_.state);
  ASSERT_TRUE(SpinUntil([&] { return client_.hasPendingDatagrams(); }));
  now_ += OscServer::kSubscriptionTime;
  osc_.DropExpiredSubscribers();
  EXPECT_EQ(osc_.Subscribers(), 0);
}

TEST_F(Servers, OscBadInputRunsNothingAndIsNotedOnceAndTheNextCommandStillRuns) {
  const QByteArray garbage("\xff\x01garbage", 9);
  for (int i = 0; i < 200; ++i)
    client_.writeDatagram(garbage, QHostAddress::LocalHost, osc_.Port());
  Send({"/quadrel/next", {}});
  ASSERT_TRUE(SpinUntil([&] { return show_.ran.size() == 1; }));
  EXPECT_EQ(show_.ran[0].command, Command::NextItem);
  EXPECT_EQ(show_.notes.size(), 1u) << "once per address";
}

TEST_F(Servers, WebAnswersARequestAndCutsOffAHeadThatNeverEnds) {
  RemoteAccess access([this] { return now_; }, [] { return std::string(32, 'a'); });
  access.SetPin("123456");
  WebServer web(
      access, "<!DOCTYPE html><html></html>",
      {[this](const RemoteCommand& c, const std::string&) { return show_.Run(c); },
       [this] { return show_.state; },
       [this](const std::string& what, const std::string&) { show_.notes.push_back(what); },
       [] {}});
  std::string error;
  ASSERT_TRUE(web.Listen(QHostAddress::LocalHost, 0, error)) << error;
  const QByteArray host = "Host: 127.0.0.1:" + QByteArray::number(web.Port()) + "\r\n";

  QTcpSocket page;
  page.connectToHost(QHostAddress::LocalHost, web.Port());
  page.write("GET / HTTP/1.1\r\n" + host + "\r\n");
  QByteArray answer;
  ASSERT_TRUE(SpinUntil([&] {
    answer += page.readAll();
    return page.state() == QAbstractSocket::UnconnectedState || answer.contains("</html>");
  }));
  EXPECT_TRUE(answer.startsWith("HTTP/1.1 200")) << answer.toStdString();

  QTcpSocket endless;
  endless.connectToHost(QHostAddress::LocalHost, web.Port());
  endless.write("GET / HTTP/1.1\r\n" + host);
  for (int i = 0; i < 400; ++i) endless.write("X-Filler: " + QByteArray(30, 'x') + "\r\n");
  answer.clear();
  ASSERT_TRUE(SpinUntil([&] {
    answer += endless.readAll();
    return answer.contains("\r\n\r\n");
  }));
  EXPECT_TRUE(answer.startsWith("HTTP/1.1 431")) << answer.toStdString();
  EXPECT_TRUE(show_.ran.empty());
}
