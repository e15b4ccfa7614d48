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
    SCOPED_TRACE(name);
    const RemoteRequest osc = Osc("/quadrel/" + name);
    EXPECT_EQ(osc.command, command);
    EXPECT_TRUE(osc.refusal.empty());
    if (name != "subscribe") EXPECT_EQ(CommandFromHttp("POST", "/api/" + name).command, command);
    EXPECT_EQ(RemoteNameOf(command), name);
  }
  EXPECT_EQ(kRemoteNames.size(), Expected().size() + 1);  // and goto
  EXPECT_EQ(RemoteNameOf(GoTo(7)), "goto");
  // No command that opens a window or ends the program.
  for (const RemoteName& entry : kRemoteNames) {
    SCOPED_TRACE(std::string(entry.name));
    if (entry.action != RemoteAction::Show) continue;
    EXPECT_NE(entry.command, Command::OpenShowList);
    EXPECT_NE(entry.command, Command::OpenShowOptions);
    EXPECT_NE(entry.command, Command::ToggleFloatingValueWindow);
    EXPECT_NE(entry.command, Command::Close);
  }
}

TEST(RemoteCommands, GotoTakesAWholeNumberFromOneAsAnyOfTheThreeTypes) {
  EXPECT_EQ(Osc("/quadrel/goto", {int32_t{3}}).command, GoTo(3));
  EXPECT_EQ(Osc("/quadrel/goto", {3.0f}).command, GoTo(3));
  EXPECT_EQ(Osc("/quadrel/goto", {std::string("12")}).command, GoTo(12));
  EXPECT_EQ(Osc("/quadrel/goto", {std::string("007")}).command, GoTo(7));
  EXPECT_EQ(Osc("/quadrel/goto", {2147483647}).command, GoTo(2147483647));
  EXPECT_EQ(CommandFromHttp("POST", "/api/goto/42").command, GoTo(42));
  EXPECT_EQ(CommandFromHttp("POST", "/api/goto/5?token=x").command, GoTo(5));

  const std::vector<OscArgument> bad = {int32_t{0},
                                        int32_t{-1},
                                        2.5f,
                                        -0.0f,
                                        0.0f,
                                        2147483648.0f,
                                        std::numeric_limits<float>::infinity(),
                                        std::numeric_limits<float>::quiet_NaN(),
                                        std::string(""),
                                        std::string("+3"),
                                        std::string(" 3"),
                                        std::string("3 "),
                                        std::string("3.0"),
                                        std::string("1234567890"),
                                        std::string("0"),
                                        std::string("x")};
  for (const OscArgument& argument : bad) {
    const RemoteRequest request = Osc("/quadrel/goto", {argument});
    EXPECT_FALSE(request.command) << argument.index();
    EXPECT_EQ(request.refusal, "/quadrel/goto needs an item number: a whole number from 1 up");
  }
  EXPECT_EQ(Osc("/quadrel/goto").refusal,
            "/quadrel/goto takes one argument, the item number (got 0)");
  EXPECT_EQ(Osc("/quadrel/goto", {1, 2}).refusal,
            "/quadrel/goto takes one argument, the item number (got 2)");
  EXPECT_EQ(CommandFromHttp("POST", "/api/goto").refusal,
            "/api/goto needs the item number: POST /api/goto/<number>");
  EXPECT_EQ(CommandFromHttp("POST", "/api/goto/0").refusal,
            "/api/goto needs an item number: a whole number from 1 up");
  EXPECT_FALSE(CommandFromHttp("POST", "/api/goto/-2").command);
  EXPECT_FALSE(CommandFromHttp("POST", "/api/goto/3/4").command);
}

TEST(RemoteCommands, BadOscMessagesAreRefusedWithTheirReason) {
  EXPECT_EQ(Osc("/quadrel/go", {int32_t{1}}).refusal, "/quadrel/go takes no arguments (got 1)");
  EXPECT_EQ(Osc("/quadrel/toggle/help", {std::string("on")}).refusal,
            "/quadrel/toggle/help takes no arguments (got 1)");
  EXPECT_EQ(Osc("/quadrel/play").refusal, "no such command: /quadrel/play");
  EXPECT_EQ(Osc("/quadrel/toggle").refusal, "no such command: /quadrel/toggle");
  EXPECT_EQ(Osc("/quadrel/toggle/list").refusal, "no such command: /quadrel/toggle/list");
  // Exact spelling only: other programs' files must keep working the same way.
  for (const std::string& address :
       std::vector<std::string>{"/quadrel/GO", "/quadrel/go/", "/quadrel//go", "/quadrel/",
                                "/quadrel/go\n", std::string("/quadrel/go\0x", 13)})
    EXPECT_EQ(Osc(address).refusal, "no such command: " + address) << address;
  for (const char* address : {"/go", "", "quadrel/go", "/Quadrel/go", "/quadrel"})
    EXPECT_EQ(Osc(address).refusal, "not an address of this program (they start with /quadrel/)")
        << address;
  for (const char* address :
       {"/quadrel/*", "/quadrel/toggle/*", "/quadrel/g?", "/quadrel/{go,next}", "/quadrel/[gn]o"})
    EXPECT_EQ(Osc(address).refusal,
              "address patterns are not accepted: send the command's full address")
        << address;
}

TEST(RemoteCommands, HttpRunsCommandsOnlyOnPostAndRefusesWhatIsNoCommand) {
  EXPECT_EQ(CommandFromHttp("GET", "/api/state").command, Of(RemoteAction::State));
  EXPECT_EQ(CommandFromHttp("POST", "/api/state").command, Of(RemoteAction::State));
  EXPECT_EQ(CommandFromHttp("GET", "/api/go").refusal, "/api/go takes POST");
  EXPECT_EQ(CommandFromHttp("GET", "/api/goto/3").refusal, "/api/goto/3 takes POST");
  EXPECT_EQ(CommandFromHttp("PUT", "/api/state").refusal, "/api/state takes GET or POST");
  EXPECT_EQ(CommandFromHttp("post", "/api/go").refusal, "/api/go takes POST");
  EXPECT_EQ(CommandFromHttp("POST", "/api/subscribe").refusal,
            "subscribing is OSC's: the web remote's changes come over /api/events");
  EXPECT_EQ(CommandFromHttp("POST", "/api/play").refusal, "no such command: /api/play");
  EXPECT_EQ(CommandFromHttp("POST", "/api/go/").refusal, "no such command: /api/go/");
  EXPECT_EQ(CommandFromHttp("POST", "/").refusal, "not a path of the API (they start with /api/)");
  EXPECT_EQ(CommandFromHttp("POST", "/quadrel/go").refusal,
            "not a path of the API (they start with /api/)");
  EXPECT_EQ(CommandFromHttp("POST", "/api/go?x=1#y").command, Show(Command::Play));
}
