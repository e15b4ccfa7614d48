#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/show/Commands.h"

// What the remote control may ask of the show: the show window's commands that neither open a
// window nor end the program, and those only a remote needs.
enum class RemoteAction {
  Show,          // a show window command, as its key
  GoTo,          // to item `position`, counted from 1 as the show window numbers items
  EndItem,       // end the playing item's processes
  CloseMessage,  // answer the message box standing over the show, as closing it would
  State,         // where the show stands
  Subscribe,     // the state now and its changes later (the server keeps the subscribers)
};

struct RemoteCommand {
  RemoteAction action = RemoteAction::State;
  Command command = Command::Play;  // for Show
  int32_t position = 0;             // for GoTo; at least 1
  // For State and Subscribe by OSC: the port at the sender's address to answer at (tools and
  // desks often send from one port and listen at another); 0: the port it was sent from.
  int32_t replyPort = 0;
  bool operator==(const RemoteCommand&) const = default;
};

// The remote's names, each the tail of its OSC address (/quadrel/<name>) and of its HTTP API
// path (POST /api/<name>). Show files of other programs hold these: they never change.
struct RemoteName {
  std::string_view name;
  RemoteAction action;
  Command command = Command::Play;  // for Show
};
inline constexpr std::array kRemoteNames{
    RemoteName{"go", RemoteAction::Show, Command::Play},
    RemoteName{"next", RemoteAction::Show, Command::NextItem},
    RemoteName{"previous", RemoteAction::Show, Command::PreviousItem},
    RemoteName{"first", RemoteAction::Show, Command::FirstItem},
    RemoteName{"end", RemoteAction::Show, Command::EndOfShow},
    RemoteName{"goto", RemoteAction::GoTo},
    RemoteName{"stop", RemoteAction::Show, Command::StopContinuousShow},
    RemoteName{"end-item", RemoteAction::EndItem},
    RemoteName{"close-message", RemoteAction::CloseMessage},
    RemoteName{"state", RemoteAction::State},
    RemoteName{"subscribe", RemoteAction::Subscribe},
    RemoteName{"toggle/help", RemoteAction::Show, Command::ToggleHelp},
    RemoteName{"toggle/info", RemoteAction::Show, Command::ToggleInfo},
    RemoteName{"toggle/mono", RemoteAction::Show, Command::ToggleMonoTexts},
    RemoteName{"toggle/maximised", RemoteAction::Show, Command::ToggleMaximised},
    RemoteName{"toggle/pointer", RemoteAction::Show, Command::TogglePointer},
    RemoteName{"toggle/frame", RemoteAction::Show, Command::ToggleFrame},
    RemoteName{"toggle/corner", RemoteAction::Show, Command::ToggleCornerMarker},
    RemoteName{"toggle/eye-check", RemoteAction::Show, Command::ToggleEyeCheckCard},
};

inline constexpr std::string_view kOscPrefix = "/quadrel/";
inline constexpr std::string_view kHttpPrefix = "/api/";

// The name of a command, as the table spells it ("goto" for any position).
std::string_view RemoteNameOf(const RemoteCommand& command);

// An OSC message as decoded by the network side: its address and its arguments of the three
// types the remote reads (OSC's i, f and s).
using OscArgument = std::variant<int32_t, float, std::string>;
struct OscMessage {
  std::string address;
  std::vector<OscArgument> arguments;
  bool operator==(const OscMessage&) const = default;
};

// A request turned into a command, or refused with the reason for its sender.
struct RemoteRequest {
  std::optional<RemoteCommand> command;
  std::string refusal;  // not empty exactly when there is no command
};

// /quadrel/<name> with no arguments or with a button's state (a number: not 0 runs the command,
// 0, the release, is refused; for state and subscribe a number from 1024 up is the port to
// answer at instead), or /quadrel/goto with one: an int32, a float or a string
// that holds a whole number of at least 1 (control surfaces send numbers as any of the three).
// Addresses are matched exactly; OSC's address patterns are refused, so that no wildcard sent by
// mistake can run every command at once.
RemoteRequest CommandFromOsc(const OscMessage& message);

// An HTTP request of the API: POST /api/<name>, and POST /api/goto/<N>; the state may also be
// read with GET /api/state. A query (after '?') is no part of the path. GET never runs a
// command: a link or a prefetch must not play the show.
RemoteRequest CommandFromHttp(std::string_view method, std::string_view target);
