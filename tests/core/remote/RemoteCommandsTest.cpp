// The remote's one table from OSC addresses and API paths to commands, and what it refuses.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>

#include "core/remote/RemoteCommands.h"

namespace {

RemoteCommand Show(Command command) {
  return {RemoteAction::Show, command, 0};
}
RemoteCommand Of(RemoteAction action) {
  return {action, Command::Play, 0};
}
RemoteCommand GoTo(int32_t position) {
  return {RemoteAction::GoTo, Command::Play, position};
}

// The interface that other programs' show files hold, written out apart from the table.
const std::map<std::string, RemoteCommand>& Expected() {
  static const std::map<std::string, RemoteCommand> expected = {
      {"go", Show(Command::Play)},
      {"next", Show(Command::NextItem)},
      {"previous", Show(Command::PreviousItem)},
      {"first", Show(Command::FirstItem)},
      {"end", Show(Command::EndOfShow)},
      {"stop", Show(Command::StopContinuousShow)},
      {"end-item", Of(RemoteAction::EndItem)},
      {"close-message", Of(RemoteAction::CloseMessage)},
      {"state", Of(RemoteAction::State)},
      {"subscribe", Of(RemoteAction::Subscribe)},
      {"toggle/help", Show(Command::ToggleHelp)},
      {"toggle/info", Show(Command::ToggleInfo)},
      {"toggle/mono", Show(Command::ToggleMonoTexts)},
      {"toggle/maximised", Show(Command::ToggleMaximised)},
      {"toggle/pointer", Show(Command::TogglePointer)},
      {"toggle/frame", Show(Command::ToggleFrame)},
      {"toggle/corner", Show(Command::ToggleCornerMarker)},
      {"toggle/eye-check", Show(Command::ToggleEyeCheckCard)},
  };
  return expected;
}

RemoteRequest Osc(const std::string& address, std::vector<OscArgument> arguments = {}) {
  return CommandFromOsc({address, std::move(arguments)});
}

}  // namespace

TEST(RemoteCommands, EveryAddressAndPathGivesItsCommandAndNothingElseIsInTheTable) {
  for (const auto& [name, command] : Expected()) {
    EXPECT_EQ(Osc("/quadrel/" + name).command, command) << name;
    if (name != "subscribe") EXPECT_EQ(CommandFromHttp("POST", "/api/" + name).command, command);
    EXPECT_EQ(RemoteNameOf(command), name);
  }
  EXPECT_EQ(kRemoteNames.size(), Expected().size() + 1);  // and goto
}

TEST(RemoteCommands, GotoTakesAWholeNumberFromOneAsAnyOfTheThreeTypes) {
  EXPECT_EQ(Osc("/quadrel/goto", {int32_t{3}}).command, GoTo(3));
  EXPECT_EQ(Osc("/quadrel/goto", {3.0f}).command, GoTo(3));
  EXPECT_EQ(Osc("/quadrel/goto", {std::string("012")}).command, GoTo(12));
  EXPECT_EQ(CommandFromHttp("POST", "/api/goto/42?token=x").command, GoTo(42));
  EXPECT_EQ(CommandFromHttp("POST", "/api/goto/2147483647").command, GoTo(2147483647));
  const std::vector<OscArgument> bad = {int32_t{0},
                                        int32_t{-1},
                                        2.5f,
                                        -0.0f,
                                        2147483648.0f,
                                        std::numeric_limits<float>::infinity(),
                                        std::numeric_limits<float>::quiet_NaN(),
                                        std::string(""),
                                        std::string("+3"),
                                        std::string("3 "),
                                        std::string("3.0"),
                                        std::string("2147483648")};
  for (const OscArgument& argument : bad)
    EXPECT_EQ(Osc("/quadrel/goto", {argument}).refusal,
              "/quadrel/goto needs an item number: a whole number from 1 up")
        << argument.index();
  EXPECT_EQ(Osc("/quadrel/goto", {1, 2}).refusal,
            "/quadrel/goto takes one argument, the item number (got 2)");
  EXPECT_EQ(CommandFromHttp("POST", "/api/goto").refusal,
            "/api/goto needs the item number: POST /api/goto/<number>");
  EXPECT_FALSE(CommandFromHttp("POST", "/api/goto/3/4").command);
}

TEST(RemoteCommands, BadRequestsAreRefusedWithTheirReason) {
  EXPECT_EQ(Osc("/quadrel/go", {std::string("1")}).refusal,
            "/quadrel/go takes no arguments, or a button's state (got 1)");
  EXPECT_EQ(Osc("/quadrel/next", {1.0f, 1.0f}).refusal,
            "/quadrel/next takes no arguments, or a button's state (got 2)");
  // Exact spelling only: other programs' files must keep working the same way.
  for (const std::string& address : std::vector<std::string>{
           "/quadrel/GO", "/quadrel/go/", "/quadrel/toggle", "/quadrel/", "/quadrel/go\n"})
    EXPECT_EQ(Osc(address).refusal, "no such command: " + address);
  EXPECT_EQ(Osc("/quadrel").refusal, "not an address of this program (they start with /quadrel/)");
  for (const char* address : {"/quadrel/*", "/quadrel/g?", "/quadrel/{go,next}", "/quadrel/[gn]o"})
    EXPECT_EQ(Osc(address).refusal,
              "address patterns are not accepted: send the command's full address");
  // HTTP: GET never runs a command.
  EXPECT_EQ(CommandFromHttp("GET", "/api/state").command, Of(RemoteAction::State));
  EXPECT_EQ(CommandFromHttp("GET", "/api/go").refusal, "/api/go takes POST");
  EXPECT_EQ(CommandFromHttp("PUT", "/api/state").refusal, "/api/state takes GET or POST");
  EXPECT_EQ(CommandFromHttp("POST", "/api/subscribe").refusal,
            "subscribing is OSC's: the web remote's changes come over /api/events");
  EXPECT_EQ(CommandFromHttp("POST", "/api/go/").refusal, "no such command: /api/go/");
  EXPECT_EQ(CommandFromHttp("POST", "/quadrel/go").refusal,
            "not a path of the API (they start with /api/)");
}

TEST(RemoteCommands, AButtonsPressRunsItsCommandAndItsReleaseDoesNot) {
  for (const OscArgument& pressed : std::vector<OscArgument>{int32_t{1}, 1.0f, 0.5f, int32_t{-1}})
    EXPECT_EQ(Osc("/quadrel/go", {pressed}).command, Osc("/quadrel/go").command) << pressed.index();
  for (const OscArgument& released : std::vector<OscArgument>{int32_t{0}, 0.0f, -0.0f})
    EXPECT_EQ(Osc("/quadrel/go", {released}).refusal,
              "/quadrel/go with 0 is a button's release: it runs nothing");
}

TEST(RemoteCommands, StateAndSubscribeMayNameThePortToAnswerAt) {
  for (const char* address : {"/quadrel/state", "/quadrel/subscribe"}) {
    EXPECT_EQ(Osc(address, {int32_t{9000}}).command->replyPort, 9000);
    EXPECT_EQ(Osc(address, {9001.0f}).command->replyPort, 9001);
    EXPECT_EQ(Osc(address, {int32_t{1}}).command->replyPort, 0) << "a button's press";
    EXPECT_FALSE(Osc(address, {int32_t{70000}}).command->replyPort);
  }
  EXPECT_EQ(Osc("/quadrel/go", {int32_t{9000}}).command->replyPort, 0);
}
