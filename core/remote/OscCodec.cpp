#include "core/remote/OscCodec.h"

#include <lo/lo.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

constexpr std::string_view kBundleTag{"#bundle\0", 8};
constexpr size_t kBundleHeader = 16;  // the tag and the time tag

struct MessageFree {
  void operator()(lo_message message) const { lo_message_free(message); }
};
using Message = std::unique_ptr<std::remove_pointer_t<lo_message>, MessageFree>;

uint32_t BigEndianWord(const char* at) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(at);
  return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) |
         uint32_t{bytes[3]};
}

OscArgument WholeOrReal(double value) {
  if (std::isfinite(value) && std::trunc(value) == value && value >= -2147483648.0 &&
      value <= 2147483647.0)
    return static_cast<int32_t>(value);
  return static_cast<float>(value);
}

template <typename T>
T ReadAs(const char* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

// liblo's message to ours; false with the reason for a type the remote does not read. liblo's
// arguments lie at 4-byte steps in its buffer, short of lo_arg's alignment for 8-byte numbers,
// so they are copied out rather than read through lo_arg.
bool ReadArguments(lo_message message, OscMessage& out, std::string& error) {
  const char* types = lo_message_get_types(message);
  lo_arg** argv = lo_message_get_argv(message);
  const int count = lo_message_get_argc(message);
  for (int i = 0; i < count; ++i) {
    const char* at = reinterpret_cast<const char*>(argv[i]);
    switch (types[i]) {
      case LO_INT32:
        out.arguments.emplace_back(ReadAs<int32_t>(at));
        break;
      case LO_FLOAT:
        out.arguments.emplace_back(ReadAs<float>(at));
        break;
      case LO_INT64:
        out.arguments.push_back(WholeOrReal(static_cast<double>(ReadAs<int64_t>(at))));
        break;
      case LO_DOUBLE:
        out.arguments.push_back(WholeOrReal(ReadAs<double>(at)));
        break;
      case LO_STRING:
      case LO_SYMBOL:
        out.arguments.emplace_back(std::string(at));
        break;
      case LO_TRUE:
        out.arguments.emplace_back(int32_t{1});
        break;
      case LO_FALSE:
        out.arguments.emplace_back(int32_t{0});
        break;
      default:
        error = out.address + ": argument type '" + std::string(1, types[i]) +
                "' is not read by this program";
        return false;
    }
  }
  return true;
}

bool Full(const OscPacket& packet) {
  return packet.messages.size() + packet.errors.size() >= kMaxOscMessagesPerPacket;
}

// Errors count towards the packet's cap as messages do.
void AddError(OscPacket& packet, std::string error) {
  if (!Full(packet)) packet.errors.push_back(std::move(error));
}

void DecodeMessage(std::string_view bytes, OscPacket& packet) {
  // liblo reads from memory it may change (byte order), so it gets a copy.
  std::string copy(bytes);
  int result = 0;
  const Message message(lo_message_deserialise(copy.data(), copy.size(), &result));
  if (!message) {
    AddError(packet, "not an OSC message (liblo error " + std::to_string(result) + ")");
    return;
  }
  OscMessage decoded;
  // A message that liblo took has a valid, NUL-ended path at its start.
  decoded.address = std::string(copy.c_str(), strnlen(copy.data(), copy.size()));
  std::string error;
  if (ReadArguments(message.get(), decoded, error))
    packet.messages.push_back(std::move(decoded));
  else
    AddError(packet, std::move(error));
}

void DecodeElement(std::string_view bytes, int depth, OscPacket& packet) {
  if (Full(packet)) {
    if (packet.errors.empty() || packet.errors.back().rfind("more than", 0) != 0)
      packet.errors.push_back("more than " + std::to_string(kMaxOscMessagesPerPacket) +
                              " messages in one packet: the rest is dropped");
    return;
  }
  if (bytes.substr(0, kBundleTag.size()) != kBundleTag) {
    DecodeMessage(bytes, packet);
    return;
  }
  if (depth >= kMaxOscBundleDepth) {
    AddError(packet, "bundles nested too deep");
    return;
  }
  if (bytes.size() < kBundleHeader) {
    AddError(packet, "a bundle cut short");
    return;
  }
  size_t at = kBundleHeader;
  while (at < bytes.size()) {
    if (bytes.size() - at < 4) {
      AddError(packet, "a bundle element cut short");
      return;
    }
    const uint32_t size = BigEndianWord(bytes.data() + at);
    at += 4;
    if (size % 4 != 0 || size > bytes.size() - at) {
      AddError(packet, "a bundle element of a wrong size");
      return;
    }
    DecodeElement(bytes.substr(at, size), depth + 1, packet);
    at += size;
  }
}

}  // namespace

OscPacket DecodeOscPacket(std::string_view bytes) {
  OscPacket packet;
  DecodeElement(bytes, 0, packet);
  return packet;
}

std::string EncodeOscMessage(const OscMessage& message) {
  const Message built(lo_message_new());
  if (!built) return {};
  for (const OscArgument& argument : message.arguments) {
    if (const auto* integer = std::get_if<int32_t>(&argument))
      lo_message_add_int32(built.get(), *integer);
    else if (const auto* real = std::get_if<float>(&argument))
      lo_message_add_float(built.get(), *real);
    else
      lo_message_add_string(built.get(), std::get<std::string>(argument).c_str());
  }
  size_t size = 0;
  void* data = lo_message_serialise(built.get(), message.address.c_str(), nullptr, &size);
  if (!data) return {};
  std::string bytes(static_cast<const char*>(data), size);
  std::free(data);
  return bytes;
}
