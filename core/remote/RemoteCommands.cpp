#include "core/remote/RemoteCommands.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

constexpr std::string_view kGoToName = "goto";
// Below it a number is a button's state, not a port to answer at.
constexpr int32_t kLowestReplyPort = 1024;

RemoteRequest Refused(std::string reason) {
  return {std::nullopt, std::move(reason)};
}

RemoteRequest Accepted(RemoteCommand command) {
  return {command, {}};
}

const RemoteName* FindName(std::string_view name) {
  for (const RemoteName& entry : kRemoteNames)
    if (entry.name == name) return &entry;
  return nullptr;
}

// Digits only, as an int32 holds them: no sign, no spaces, nothing after.
std::optional<int32_t> PositionFromText(std::string_view text) {
  if (text.empty()) return std::nullopt;
  for (const char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int32_t> PositionFromArgument(const OscArgument& argument) {
  if (const auto* integer = std::get_if<int32_t>(&argument)) return *integer;
  if (const auto* real = std::get_if<float>(&argument)) {
    // Only a whole number within int32's range; 2^31 itself is a float but no int32.
    if (!std::isfinite(*real) || std::trunc(*real) != *real) return std::nullopt;
    if (*real < -2147483648.0f || *real >= 2147483648.0f) return std::nullopt;
    return static_cast<int32_t>(*real);
  }
  return PositionFromText(std::get<std::string>(argument));
}

RemoteRequest GoTo(std::optional<int32_t> position, const std::string& what) {
  if (!position || *position < 1)
    return Refused(what + " needs an item number: a whole number from 1 up");
  RemoteCommand command;
  command.action = RemoteAction::GoTo;
  command.position = *position;
  return Accepted(command);
}

RemoteCommand CommandOf(const RemoteName& entry) {
  RemoteCommand command;
  command.action = entry.action;
  command.command = entry.command;
  return command;
}

bool HoldsPattern(std::string_view address) {
  return address.find_first_of("*?[]{}") != std::string_view::npos;
}

}  // namespace

std::string_view RemoteNameOf(const RemoteCommand& command) {
  for (const RemoteName& entry : kRemoteNames)
    if (entry.action == command.action &&
        (entry.action != RemoteAction::Show || entry.command == command.command))
      return entry.name;
  return {};
}

RemoteRequest CommandFromOsc(const OscMessage& message) {
  const std::string& address = message.address;
  if (address.compare(0, kOscPrefix.size(), kOscPrefix) != 0)
    return Refused("not an address of this program (they start with /quadrel/)");
  if (HoldsPattern(address))
    return Refused("address patterns are not accepted: send the command's full address");
  const std::string_view name = std::string_view(address).substr(kOscPrefix.size());
  const RemoteName* entry = FindName(name);
  if (!entry) return Refused("no such command: " + address);
  const size_t count = message.arguments.size();
  if (entry->action == RemoteAction::GoTo) {
    if (count != 1)
      return Refused(address + " takes one argument, the item number (got " +
                     std::to_string(count) + ")");
    return GoTo(PositionFromArgument(message.arguments[0]), address);
  }
  // Buttons of control surfaces send their state with the address: 1 when pressed, 0 when
  // released. The press runs the command; the release must not run it a second time.
  const bool answers =
      entry->action == RemoteAction::State || entry->action == RemoteAction::Subscribe;
  if (answers && count == 1) {
    const std::optional<int32_t> port = PositionFromArgument(message.arguments[0]);
    if (port && *port >= kLowestReplyPort && *port <= 65535) {
      RemoteCommand command = CommandOf(*entry);
      command.replyPort = *port;
      return Accepted(command);
    }
  }
  if (count == 1 && !std::holds_alternative<std::string>(message.arguments[0])) {
    const OscArgument& state = message.arguments[0];
    const bool pressed = std::holds_alternative<int32_t>(state) ? std::get<int32_t>(state) != 0
                                                                : std::get<float>(state) != 0.0f;
    if (!pressed) return Refused(address + " with 0 is a button's release: it runs nothing");
    return Accepted(CommandOf(*entry));
  }
  if (count != 0)
    return Refused(address + " takes no arguments, or a button's state (got " +
                   std::to_string(count) + ")");
  return Accepted(CommandOf(*entry));
}

RemoteRequest CommandFromHttp(std::string_view method, std::string_view target) {
  const std::string_view path = target.substr(0, target.find_first_of("?#"));
  if (path.compare(0, kHttpPrefix.size(), kHttpPrefix) != 0)
    return Refused("not a path of the API (they start with /api/)");
  std::string_view name = path.substr(kHttpPrefix.size());
  std::optional<int32_t> position;
  const bool goTo = name.substr(0, kGoToName.size() + 1) == "goto/";
  if (goTo) {
    position = PositionFromText(name.substr(kGoToName.size() + 1));
    name = kGoToName;
  } else if (name == kGoToName) {
    return Refused("/api/goto needs the item number: POST /api/goto/<number>");
  }
  const RemoteName* entry = FindName(name);
  if (!entry) return Refused("no such command: " + std::string(path));
  const bool state = entry->action == RemoteAction::State;
  if (method != "POST" && !(state && method == "GET"))
    return Refused(std::string(path) + (state ? " takes GET or POST" : " takes POST"));
  if (entry->action == RemoteAction::Subscribe)
    return Refused("subscribing is OSC's: the web remote's changes come over /api/events");
  if (goTo) return GoTo(position, "/api/goto");
  return Accepted(CommandOf(*entry));
}
