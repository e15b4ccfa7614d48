#pragma once
#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>

// Who may use the web remote: a browser logs in with the PIN the operator set and is given a
// session token, which it sends with every later request. Wrong PINs lock their address out for
// a while, so that six digits cannot be guessed; what it keeps is bounded, so that a flood of
// addresses or logins cannot grow it.
class RemoteAccess {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  static constexpr int kTriesBeforeLockout = 5;
  static constexpr std::chrono::seconds kLockout{60};
  static constexpr size_t kMaxSessions = 64;
  static constexpr size_t kMaxTrackedPeers = 1024;

  // `drawToken` gives a new secret each call (the system's secure random source).
  RemoteAccess(Clock now, std::function<std::string()> drawToken);

  // A new PIN ends every session. An empty PIN lets nobody in.
  void SetPin(std::string pin);

  // Exactly one of token and refusal is non-empty; lockedOut tells a refusal for too many wrong
  // PINs (even the right one is refused then) from one for a wrong PIN.
  struct Login {
    std::string token;
    std::string refusal;
    bool lockedOut = false;
  };
  // `peer` is the client's address; the oldest session is dropped to make room for a new one.
  Login LogIn(const std::string& peer, std::string_view pin);

  bool HoldsSession(std::string_view token) const;
  size_t Sessions() const { return sessions_.size(); }
  void EndSessions() { sessions_.clear(); }

 private:
  struct Peer {
    int wrongTries = 0;
    std::chrono::steady_clock::time_point lastWrong;
    std::chrono::steady_clock::time_point lockedUntil;  // in the past: not locked
  };
  void MakeRoomForPeer(std::chrono::steady_clock::time_point now);

  Clock now_;
  std::function<std::string()> drawToken_;
  std::string pin_;
  std::deque<std::string> sessions_;  // oldest first
  std::map<std::string, Peer, std::less<>> peers_;
};

// Whether a request is addressed to the remote itself, so that no other site's page can use it
// (Origin) and no other name can be made to resolve to it (Host, against DNS rebinding). Host
// must be "<listen>:<port>" (an IPv6 address in brackets, the port left out when it is 80), or
// "localhost:<port>" when listenAddress is a loopback address; Origin, when sent, must be
// "http://" and such a host. An empty Host is refused. `listenAddress` is the address the
// connection came in on, so a server that listens on every address checks the one in use.
bool HostAllowed(std::string_view host, std::string_view origin, std::string_view listenAddress,
                 int port);
