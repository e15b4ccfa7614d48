// The remote's requests on any bytes, as OSC messages or HTTP requests: a request is either a
// command or refused with a reason, never both or neither; a command means the same by the other
// protocol; run on a show, a refusal has its reason and a goto never leaves the list; the replies
// are valid UTF-8 without raw control bytes, whatever the item texts hold.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "core/remote/RemoteCommands.h"
#include "core/remote/RemoteReplies.h"
#include "core/show/ShowController.h"
#include "fakes/Fakes.h"
#include "fakes/ShowFakes.h"

namespace {

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Done() const { return at_ >= size_; }
  uint8_t Byte() { return Done() ? 0 : data_[at_++]; }
  std::string Bytes(size_t count) {
    count = std::min(count, size_ - at_);
    std::string out(reinterpret_cast<const char*>(data_ + at_), count);
    at_ += count;
    return out;
  }
  // Up to the next `end` byte, which is passed over.
  std::string Until(char end) {
    std::string out;
    while (!Done()) {
      const char c = static_cast<char>(data_[at_++]);
      if (c == end) break;
      out += c;
    }
    return out;
  }
  uint32_t Word() {
    uint32_t word = 0;
    for (int i = 0; i < 4; ++i) word = (word << 8) | Byte();
    return word;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

OscMessage ReadOsc(Reader& in) {
  OscMessage message;
  message.address = in.Until('\0');
  while (!in.Done()) {
    switch (in.Byte() % 3) {
      case 0:
        message.arguments.emplace_back(static_cast<int32_t>(in.Word()));
        break;
      case 1: {
        const uint32_t word = in.Word();
        float real;
        std::memcpy(&real, &word, sizeof real);
        message.arguments.emplace_back(real);
        break;
      }
      default:
        message.arguments.emplace_back(in.Bytes(in.Byte()));
        break;
    }
  }
  return message;
}

bool CleanText(const std::string& text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20) return false;
  return RepairUtf8(text) == text;
}

// A show whose window has opened, with fakes all round.
struct Show {
  explicit Show(std::vector<std::string> items, bool loopAll) {
    services.pointer = &pointer;
    services.screen = &screen;
    services.messages = &messages;
    services.shell = &shell;
    values.settings.loopAll = loopAll;
    list.Assign(std::move(items));
    state.firstActivation = false;
  }
  CallLog log;
  FakePointerCounter pointer;
  FakeScreen screen;
  FakeMessageBoxes messages;
  FakeShell shell;
  Services services;
  ShowState state;
  ShowList list;
  RecordingView view{log};
  FakeItemRunner runner{log};
  ProgramValues values;
  ShowController controller{services, state, list, values, view, runner};
};

void CheckOnAShow(const RemoteCommand& command, const std::string& oddItem, uint8_t setup) {
  // No play: items would be started; everything else only moves the show and its displays.
  if (command.action == RemoteAction::Show && command.command == Command::Play) return;
  const int count = setup % 8;
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) items.push_back(i == 0 ? oddItem : "item" + std::to_string(i));
  Show show(std::move(items), setup & 8);
  show.state.showIndex = (setup >> 4) % (count + 1);
  const int32_t before = show.state.showIndex;
  const RemoteResult result = show.controller.RunRemote(command);
  const int32_t after = show.state.showIndex;
  FUZZ_CHECK(result.done || !result.reason.empty(), "a refusal has its reason");
  FUZZ_CHECK(after >= 0 && after <= count, "the position stays between the first and the end");
  if (command.action == RemoteAction::GoTo) {
    if (result.done)
      FUZZ_CHECK(command.position <= count && after == command.position - 1,
                 "a goto that went stands at an item of the list");
    else
      FUZZ_CHECK(after == before, "a refused goto leaves the position");
  }
  const RemoteState state = show.controller.StateForRemote();
  FUZZ_CHECK(state.position >= 1 && state.position <= count + 1, "the state's position is real");
  FUZZ_CHECK(CleanText(StateJson(state)), "the state's JSON is clean UTF-8");
  FUZZ_CHECK(CleanText(ResultJson(RemoteNameOf(command), result)), "a result's JSON is clean");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader in(data, size);
  const uint8_t mode = in.Byte();
  const uint8_t setup = in.Byte();
  RemoteRequest request;
  std::string raw;
  if (mode & 1) {
    const std::string method = in.Until(' ');
    raw = in.Bytes(size);
    request = CommandFromHttp(method, raw);
  } else {
    const OscMessage message = ReadOsc(in);
    raw = message.address;
    request = CommandFromOsc(message);
    for (const OscArgument& argument : OscReply(raw, {false, request.refusal, {}}).arguments)
      FUZZ_CHECK(std::get<std::string>(argument).find('\0') == std::string::npos,
                 "no NUL inside an OSC reply's string");
  }
  FUZZ_CHECK(request.command.has_value() == request.refusal.empty(),
             "a request is a command or refused with a reason");
  if (!request.command) return 0;
  const RemoteCommand& command = *request.command;
  const std::string name(RemoteNameOf(command));
  FUZZ_CHECK(!name.empty(), "every command has its name");
  if (command.action == RemoteAction::GoTo) {
    FUZZ_CHECK(command.position >= 1, "goto's item number counts from 1");
    FUZZ_CHECK(CommandFromOsc({"/quadrel/goto", {command.position}}).command == command,
               "goto means the same by OSC");
    FUZZ_CHECK(
        CommandFromHttp("POST", "/api/goto/" + std::to_string(command.position)).command == command,
        "goto means the same by HTTP");
  } else {
    FUZZ_CHECK(command.replyPort == 0 || (command.replyPort >= 1024 && command.replyPort <= 65535),
               "a port to answer at is a port of its own");
    RemoteCommand plain = command;
    plain.replyPort = 0;
    FUZZ_CHECK(CommandFromOsc({"/quadrel/" + name, {}}).command == plain,
               "a command means the same by OSC");
    if (command.action != RemoteAction::Subscribe)
      FUZZ_CHECK(CommandFromHttp("POST", "/api/" + name).command == plain,
                 "a command means the same by HTTP");
  }
  CheckOnAShow(command, raw, setup);
  return 0;
}
