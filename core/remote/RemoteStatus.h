#pragma once
#include <cstdint>
#include <string>

// What the remote's servers tell the operator, in the show options window's status line.
struct RemoteStatus {
  bool listening = false;   // at least one of the two servers listens
  std::string webAddress;   // "http://127.0.0.1:53180/" while the web remote listens, else empty
  int32_t clients = 0;      // web remotes holding a session, and OSC subscribers
  std::string lastCommand;  // the last command run, with its sender: "go from 127.0.0.1"
  std::string error;        // why a server does not listen: "web port 53180 is in use"
  bool operator==(const RemoteStatus&) const = default;
};
