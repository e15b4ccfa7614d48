// Datagrams as the OSC server receives them, through liblo to the remote's commands: nothing
// crashes or reads out of bounds; a packet gives at most its cap of messages and errors; every
// message read goes back to bytes that read as the same message; every message is a command
// or refused with a reason.
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "core/remote/OscCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const OscPacket packet = DecodeOscPacket({reinterpret_cast<const char*>(data), size});
  FUZZ_CHECK(packet.messages.size() + packet.errors.size() <= kMaxOscMessagesPerPacket + 1,
             "a packet is read up to its cap");
  for (const OscMessage& message : packet.messages) {
    const std::string bytes = EncodeOscMessage(message);
    FUZZ_CHECK(!bytes.empty(), "a message read can be written");
    const OscPacket again = DecodeOscPacket(bytes);
    FUZZ_CHECK(again.errors.empty() && again.messages.size() == 1,
               "a message written reads as one message");
    const OscMessage& read = again.messages[0];
    FUZZ_CHECK(read.address == message.address && read.arguments.size() == message.arguments.size(),
               "a message reads back with its address and arguments");
    const RemoteRequest request = CommandFromOsc(message);
    FUZZ_CHECK(request.command.has_value() == request.refusal.empty(),
               "a message is a command or refused with a reason");
  }
  return 0;
}
