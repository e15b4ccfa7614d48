#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/remote/RemoteCommands.h"

// OSC 1.0 packets as the remote reads and writes them; liblo decodes and encodes the messages.
// A packet is a message or a bundle; bundles (nested ones too) give their messages in order.
// Their time tags are not kept: a show desk means "now".
struct OscPacket {
  std::vector<OscMessage> messages;
  std::vector<std::string> errors;  // what could not be read, one line each, for the journal
};

inline constexpr size_t kMaxOscMessagesPerPacket = 64;
inline constexpr int kMaxOscBundleDepth = 8;

// Arguments become OscMessage's three kinds: i, and h or d holding a whole int32, as int32;
// f, and other h or d, as float; s and S as text; T and F as 1 and 0 (buttons that send a state).
// A message with any other type (blobs, MIDI, nil ...) is refused as a whole.
OscPacket DecodeOscPacket(std::string_view bytes);

// One message as its datagram; empty if liblo cannot build it.
std::string EncodeOscMessage(const OscMessage& message);
