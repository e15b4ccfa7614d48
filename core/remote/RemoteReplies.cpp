#include "core/remote/RemoteReplies.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/check/ShowCheckReport.h"
#include "platform/TextEncoding.h"

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the well-formed UTF-8 sequence at `bytes[i]`, or 0 when none begins there.
size_t SequenceLength(std::string_view bytes, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong below
    if (lead == 0xED) high = 0x9F;  // surrogates above
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong below
    if (lead == 0xF4) high = 0x8F;  // past U+10FFFF above
  } else {
    return 0;
  }
  if (bytes.size() - i < length) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

std::string Bool(bool value) {
  return value ? "true" : "false";
}

int32_t Flag(bool value) {
  return value ? 1 : 0;
}

// A JSON string of a text as the program holds it.
std::string Json(const std::string& bytes) {
  return JsonString(TextForRemote(bytes));
}

// A reason is the program's own words with what the client sent: UTF-8 already, or repaired.
std::string JsonReason(std::string_view text) {
  return JsonString(RepairUtf8(text));
}

OscMessage Field(std::string_view field, OscArgument value) {
  return {std::string(kOscReplyPrefix) + "state/" + std::string(field), {std::move(value)}};
}

// UTF-8 for an OSC string, which ends at its first NUL.
std::string NoNul(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\0')
      out += kReplacement;
    else
      out += c;
  }
  return out;
}

std::string OscText(const std::string& bytes) {
  return NoNul(TextForRemote(bytes));
}

}  // namespace

std::string RepairUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = SequenceLength(bytes, i);
    if (length == 0) {
      out += kReplacement;
      ++i;
    } else {
      out.append(bytes.substr(i, length));
      i += length;
    }
  }
  return out;
}

std::string TextForRemote(const std::string& bytes) {
  if (std::optional<std::string> utf8 = platform::NativeNameToUtf8(bytes)) return *utf8;
  return RepairUtf8(bytes);
}

std::string StateJson(const RemoteState& state) {
  std::string out = "{";
  out += "\"position\":" + std::to_string(state.position);
  out += ",\"count\":" + std::to_string(state.count);
  out += ",\"current\":" + Json(state.currentItem);
  out += ",\"next\":" + Json(state.nextItem);
  out += ",\"playing\":" + Bool(state.playing);
  out += ",\"playingForMs\":" + std::to_string(state.playingFor.count());
  out += ",\"continuous\":" + Bool(state.continuous);
  out += ",\"loopAll\":" + Bool(state.loopAll);
  out += ",\"message\":" + (state.message ? Json(*state.message) : "null");
  return out + "}";
}

std::string ResultJson(std::string_view name, const RemoteResult& result) {
  std::string out = "{\"command\":" + JsonReason(name);
  out += ",\"done\":" + Bool(result.done);
  out += ",\"reason\":" + JsonReason(result.reason);
  if (result.state) out += ",\"state\":" + StateJson(*result.state);
  return out + "}";
}

std::vector<OscMessage> StateOscMessages(const RemoteState& state) {
  constexpr int64_t kMaxInt = std::numeric_limits<int32_t>::max();
  const auto playingFor =
      static_cast<int32_t>(std::clamp<int64_t>(state.playingFor.count(), 0, kMaxInt));
  return {
      Field("position", state.position),
      Field("count", state.count),
      Field("current", OscText(state.currentItem)),
      Field("next", OscText(state.nextItem)),
      Field("playing", Flag(state.playing)),
      Field("playing-for", playingFor),
      Field("continuous", Flag(state.continuous)),
      Field("loop-all", Flag(state.loopAll)),
      Field("message", state.message ? OscText(*state.message) : std::string()),
  };
}

OscMessage OscReply(std::string_view name, const RemoteResult& result) {
  OscMessage reply;
  reply.address = std::string(kOscReplyPrefix) + std::string(name.empty() ? "error" : name);
  reply.arguments.emplace_back(std::string(result.done ? "ok" : "refused"));
  if (!result.reason.empty()) reply.arguments.emplace_back(NoNul(RepairUtf8(result.reason)));
  return reply;
}
