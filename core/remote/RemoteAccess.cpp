#include "core/remote/RemoteAccess.h"

#include <algorithm>
#include <vector>

#include "base/AsciiCase.h"

namespace {

using TimePoint = std::chrono::steady_clock::time_point;

// Takes as long whatever the bytes, so the time of a refusal tells nothing of how much of a
// secret was right. Only the lengths may show.
bool SameSecret(std::string_view a, std::string_view b) {
  unsigned difference = a.size() != b.size() ? 1 : 0;
  const size_t length = std::max(a.size(), b.size());
  for (size_t i = 0; i < length; ++i) {
    const unsigned char x = i < a.size() ? static_cast<unsigned char>(a[i]) : 0;
    const unsigned char y = i < b.size() ? static_cast<unsigned char>(b[i]) : 0;
    difference |= static_cast<unsigned>(x ^ y);
  }
  return difference == 0;
}

std::string LockoutRefusal(const std::string& peer, TimePoint now, TimePoint until) {
  const auto left = std::chrono::ceil<std::chrono::seconds>(until - now).count();
  return "too many wrong PINs from " + peer + ": try again in " + std::to_string(left) + " s";
}

bool IsLoopback(std::string_view address) {
  for (const std::string_view prefix : {"127.", "::ffff:127."})
    if (address.substr(0, prefix.size()) == prefix) return true;
  return address == "::1";
}

// The forms of `address` that a browser puts in Host: an IPv4 address mapped into IPv6 (a
// dual-stack socket's local address) is reached by its IPv4 form.
std::vector<std::string> HostNames(std::string_view address) {
  std::vector<std::string> names;
  constexpr std::string_view kMapped = "::ffff:";
  const bool mapped = address.size() > kMapped.size() &&
                      EqualIgnoringAsciiCase(address.substr(0, kMapped.size()), kMapped) &&
                      address.find('.') != std::string_view::npos;
  if (mapped) names.emplace_back(address.substr(kMapped.size()));
  if (address.find(':') != std::string_view::npos)
    names.push_back("[" + std::string(address) + "]");
  else
    names.emplace_back(address);
  if (IsLoopback(address)) names.emplace_back("localhost");
  return names;
}

bool HostMatches(std::string_view host, std::string_view listenAddress, int port) {
  const std::string suffix = ":" + std::to_string(port);
  for (const std::string& name : HostNames(listenAddress)) {
    if (EqualIgnoringAsciiCase(host, name + suffix)) return true;
    if (port == 80 && EqualIgnoringAsciiCase(host, name)) return true;  // the default port
  }
  return false;
}

}  // namespace

RemoteAccess::RemoteAccess(Clock now, std::function<std::string()> drawToken)
    : now_(std::move(now)), drawToken_(std::move(drawToken)) {}

void RemoteAccess::SetPin(std::string pin) {
  pin_ = std::move(pin);
  EndSessions();
}

RemoteAccess::Login RemoteAccess::LogIn(const std::string& peer, std::string_view pin) {
  const TimePoint now = now_();
  auto known = peers_.find(peer);
  if (known != peers_.end() && known->second.lockedUntil > now)
    return {{}, LockoutRefusal(peer, now, known->second.lockedUntil), true};
  if (pin_.empty() || pin.empty() || !SameSecret(pin, pin_)) {
    if (known == peers_.end()) {
      MakeRoomForPeer(now);
      known = peers_.emplace(peer, Peer()).first;
    }
    Peer& record = known->second;
    record.lastWrong = now;
    if (++record.wrongTries >= kTriesBeforeLockout) {
      record.wrongTries = 0;
      record.lockedUntil = now + kLockout;
    }
    return {{}, "wrong PIN"};
  }
  if (known != peers_.end()) peers_.erase(known);
  std::string token = drawToken_();
  if (token.empty()) return {{}, "no session token could be drawn"};
  if (sessions_.size() >= kMaxSessions) sessions_.pop_front();
  sessions_.push_back(token);
  return {std::move(token), {}};
}

bool RemoteAccess::HoldsSession(std::string_view token) const {
  if (token.empty()) return false;
  bool held = false;
  // Every session is compared in full, so the time taken does not point at a near miss.
  for (const std::string& session : sessions_) held |= SameSecret(token, session);
  return held;
}

// Drops the address that matters least: one not locked out, the longest since its last wrong
// PIN; when all are locked out, the one whose lockout ends first.
void RemoteAccess::MakeRoomForPeer(TimePoint now) {
  if (peers_.size() < kMaxTrackedPeers) return;
  auto victim = peers_.end();
  for (auto it = peers_.begin(); it != peers_.end(); ++it) {
    if (victim == peers_.end()) {
      victim = it;
      continue;
    }
    const bool locked = it->second.lockedUntil > now;
    const bool victimLocked = victim->second.lockedUntil > now;
    if (locked != victimLocked) {
      if (!locked) victim = it;
    } else if (locked ? it->second.lockedUntil < victim->second.lockedUntil
                      : it->second.lastWrong < victim->second.lastWrong) {
      victim = it;
    }
  }
  peers_.erase(victim);
}

bool HostAllowed(std::string_view host, std::string_view origin, std::string_view listenAddress,
                 int port) {
  if (host.empty() || listenAddress.empty() || !HostMatches(host, listenAddress, port))
    return false;
  if (origin.empty()) return true;  // not sent: no page of another site is asking
  constexpr std::string_view kScheme = "http://";
  if (origin.size() <= kScheme.size() ||
      !EqualIgnoringAsciiCase(origin.substr(0, kScheme.size()), kScheme))
    return false;
  return HostMatches(origin.substr(kScheme.size()), listenAddress, port);
}
