#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/remote/RemoteCommands.h"
#include "core/remote/RemoteState.h"

// Replies leave as UTF-8: texts the program holds (items, messages) are in the system's 8-bit
// form and are converted, and bytes that are still no UTF-8 (a Linux file name may be any bytes)
// become U+FFFD each, so a client never gets text it cannot decode. Reasons are the program's own
// words with what the client sent, and are only repaired.
std::string TextForRemote(const std::string& bytes);
// Well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF): every byte that
// does not begin a well-formed sequence is replaced by U+FFFD.
std::string RepairUtf8(std::string_view bytes);

// The state as a JSON object (its strings escaped as the show check's report escapes them):
// {"position":1,"count":3,"current":"...","next":"...",
// "playing":false,"playingForMs":0,"continuous":false,"loopAll":false,"message":null}.
std::string StateJson(const RemoteState& state);
// The answer to a command: {"command":"<name>","done":true,"reason":"..."}, with "state" when
// the result carries one.
std::string ResultJson(std::string_view name, const RemoteResult& result);

inline constexpr std::string_view kOscReplyPrefix = "/quadrel/reply/";
// The state as one OSC message a field, under /quadrel/reply/state/<field>, so that a control
// surface can bind each to a button: position, count (i), current, next (s), playing (i, 0 or
// 1), playing-for (i, milliseconds), continuous, loop-all (i, 0 or 1), message (s, empty when
// none). Strings end at a NUL in OSC: a NUL in a text becomes U+FFFD.
std::vector<OscMessage> StateOscMessages(const RemoteState& state);
// The answer to a command under /quadrel/reply/<name> (error when a request named none): "ok"
// and a note if there is one, or "refused" and the reason.
OscMessage OscReply(std::string_view name, const RemoteResult& result);
