#pragma once
#include <functional>
#include <string>

#include "core/remote/RemoteCommands.h"
#include "core/remote/RemoteState.h"

// What a remote server asks of the program behind it.
struct RemoteHooks {
  std::function<RemoteResult(const RemoteCommand&, const std::string& sender)> run;
  std::function<RemoteState()> state;
  // A line for the journal: what happened and the address it concerns.
  std::function<void(const std::string& what, const std::string& peer)> note;
  // Subscribers or web remotes came or went.
  std::function<void()> clientsChanged;
};
